// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// The pictures and window icons the program carries, by what they show.
enum class Picture { None, StarField, TitleFigure, PointingHand };
enum class WindowIcon { Chart, Menu, Information };

} // namespace duset
