// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reference.h"

namespace duset {

// The order screen's controls, in the order of its description: the title,
// the three headings, the twelve rows from top to bottom and the close
// button.
DUSET_NAMES(OrderControl, Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
    Label12, Label14, Label13, Label15, Label16, Command1);

// The order screen: the Thai order of days, months and years, numbered as the
// reckoning counts them.
class Form2 final : public ReferenceScreen {
public:
    explicit Form2(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Close: shows the main menu, then unloads this screen.
    void Command1_Click();
};

} // namespace duset
