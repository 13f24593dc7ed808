// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace duset {

// Qt names every window through Xlib as well as through XCB. Xlib keeps a
// record of each such request until it next reads a reply from the X server,
// and since Qt reads the server's events through XCB, Xlib on its own never
// does: a few records stayed behind for good at every screen and message box
// the program created. On an X server this makes one round trip through Xlib
// whenever a window is shown, which lets them all go; elsewhere it does
// nothing.
void releaseXlibRecordsAtEveryShow(QApplication &app);

} // namespace duset
