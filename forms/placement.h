// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace duset {

// Where a window of the given client size goes on a screen: the top-left
// corner of its client area, on the desktop. A manual placement puts the
// client area at the stored position, counted from the screen's top-left
// corner; centring centres the framed window on the part of the screen that
// panels leave free. Either stands wherever the framed window fits inside
// that free part; where it would not, the window moves in just far enough,
// and where it is larger than the free part, its top-left corner goes to the
// free part's, so that its title bar, with the window manager's buttons,
// stays on the screen.
QPoint placeWindow(
    Placement rule, QPoint stored, QSize size, QMargins frame, const QRect &screen, const QRect &available);

} // namespace duset
