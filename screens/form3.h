// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reference.h"

namespace duset {

// The history screen's controls, in the order of its description: the title,
// the heading, the ten lines of the verse from top to bottom, the rule in
// plain words and the two buttons.
DUSET_NAMES(HistoryControl, Label1, Label2, Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Command1, Command2);

// The history screen: where the reckoning comes from, told in verse.
class Form3 final : public ReferenceScreen {
public:
    explicit Form3(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Day, month, year: leads to the order screen.
    void Command1_Click();
    // Close: leads to the main menu.
    void Command2_Click();
};

} // namespace duset
