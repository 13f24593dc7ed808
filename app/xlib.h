// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// Qt names every window through Xlib as well as through XCB. Xlib keeps a
// record of each such request until it next reads a reply from the X server,
// and since Qt reads the server's events through XCB, Xlib on its own never
// does: a few records stayed behind for good at every window the program
// created. One round trip through Xlib lets them all go. Off an X server it
// does nothing.
void releaseXlibRequestRecords();

} // namespace duset
