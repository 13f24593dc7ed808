// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QApplication;

namespace duset {

// Everything the program does after its QApplication exists: the fonts, the
// registry of the six screens, the start-up screen and the event loop.
// Returns the exit status once the program has ended.
int run(QApplication &app);

} // namespace duset
