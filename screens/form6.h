// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reference.h"

namespace duset {

// Verse page 2's controls, in the order of its description: the title, the
// 28 half-lines of the verses of remainders 8 to 10 and of the closing
// stanzas, row by row and left to right, and the two buttons.
DUSET_NAMES(VersePage2Control, Label1, Text33, Text34, Text35, Text38, Text36, Text39, Text37, Text40, Text1, Text2,
    Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11, Text12, Text13, Text14, Text15, Text16, Text17,
    Text18, Text19, Text20, Command1, Command2);

// Verse page 2: the verses of remainders 8 to 10 and the closing stanzas.
class Form6 final : public ReferenceScreen {
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
