// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

// Verse page 2's controls, in the order of its description: the title, the
// 28 half-lines of the verses of remainders 8 to 10 and of the closing
// stanzas, row by row and left to right, and the two buttons.
enum class VersePage2Control { Title, FirstVerse, LastVerse = FirstVerse + 27, PreviousPage, BackToMenu };

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
