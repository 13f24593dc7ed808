// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

// Verse page 2: the verses of remainders 8 to 10 and the closing stanzas.
class Form6 final : public Screen {
public:
    explicit Form6(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Back: leads to verse page 1.
    void Command1_Click();
    // Back to the menu: leads to the main menu.
    void Command2_Click();
};

} // namespace duset
