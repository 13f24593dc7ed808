// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reference.h"

namespace duset {

// Verse page 1's controls, in the order of its description: the title, the
// 32 half-lines of the verses of remainders 1 to 7, row by row and left to
// right, and the button to the next page.
DUSET_NAMES(VersePage1Control, Label1, Text1, Text16, Text2, Text17, Text3, Text18, Text4, Text19, Text5, Text20, Text6,
    Text21, Text7, Text22, Text8, Text23, Text9, Text24, Text10, Text25, Text11, Text26, Text12, Text27, Text13, Text28,
    Text14, Text29, Text15, Text30, Text31, Text32, Command1);

// Verse page 1: the verses of remainders 1 to 7.
class Form5 final : public ReferenceScreen {
public:
    explicit Form5(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Next page: leads to verse page 2.
    void Command1_Click();
};

} // namespace duset
