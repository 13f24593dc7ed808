// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// Gives Qt's own texts (the menus of the fields, the buttons of the boxes) in
// Thai, whatever the desktop's language: every other text of the program is
// Thai. Call once the application object exists and before the first window.
void installQtStrings();

} // namespace duset
