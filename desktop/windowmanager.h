// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QPoint>

#include <optional>

class QWidget;

namespace duset {

// What the program asks of the window manager and learns from it, through
// the X server. Off X11 each of these does nothing or knows nothing.

// Asks the window manager to keep the window out of the task bar. The request
// does not survive a hide, so it is made before every show.
void refuseTaskbarButton(QWidget *window);

// The frame that the window manager has put around the window, as the manager
// publishes it (_NET_FRAME_EXTENTS), or as Qt found it where the manager
// publishes none; null while the window is not framed.
QMargins frameAround(const QWidget *window);

// Whether the window manager says how wide its frames are. Managers that do
// put a client area where it was asked; weston, which does not, puts its
// frame's corner there instead.
bool managerPublishesFrames();

// Where the window's client area is on the desktop, as the X server has it;
// nothing off X11 or for a window that has no native window.
std::optional<QPoint> clientOrigin(const QWidget *window);

// Tells Qt where the X server has the window's client area, where Qt has it
// elsewhere, as a window manager does after moving a frame. Qt places pop-up menus and lists by what
// it was last told, and a manager that never tells it (weston) would leave
// them off their fields.
void reportClientOrigin(QWidget *window);

// From now on, whenever the window manager moves the frame around the
// window, tells Qt where the client area went (reportClientOrigin). Managers
// that follow ICCCM tell Qt of such moves themselves; weston does not, and
// places its frame only some time after the window is shown.
void followFrame(QWidget *window);

} // namespace duset
