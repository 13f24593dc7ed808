// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace duset {

// The windows keep out of the task bar, so one that the window manager
// iconifies would leave nothing to bring it back by. On an X server this
// brings back at once every window of the program that is shown, the
// screens and the message boxes alike, whatever the order of the requests;
// elsewhere it does nothing, and FormWindow's own restore stands.
void refuseToStayIconic(QApplication &app);

} // namespace duset
