// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handover.h"
#include "screen.h"
#include "screenlist.h"

namespace duset {

// The program's screens as its registry holds them: all eight, each made at
// its first reference, and the main menu where every way back leads.
ScreenRegistry::ScreenList programScreens();

} // namespace duset
