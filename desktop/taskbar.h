// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace duset {

// Asks the window manager to keep the window out of the task bar. The request
// does not survive a hide, so it is made before every show. Where the
// windowing system offers no such request, this does nothing.
void refuseTaskbarButton(QWidget *window);

} // namespace duset
