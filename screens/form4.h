// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

// The main menu's controls, in the order of its description: the title
// figure, the title, the version line and the three lines of the credit; and
// the entries of its menus as they stand, from the left menu's top to the
// right menu's foot.
DUSET_NAMES(MainMenuControl, Image1, Label1, Label5, Label3, Label2, Label4);
DUSET_NAMES(MainMenuEntry, m1, m2, m4, m3, line, end, dates, meaning, helpLine, about, aboutQt);

// The main menu: the hub that every screen returns to, with the menu bar that
// leads to them.
class Form4 final : public Screen {
public:
    explicit Form4(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Each menu command hides the main menu and leads to its screen:
    void m1_Click(); // the entry screen
    void m2_Click(); // the history screen
    void m3_Click(); // verse page 1
    void m4_Click(); // the order screen
    // Ends the program at once.
    void end_Click();
    // Hides the main menu and leads to the birth-date screen.
    void dates_Click();
    // Hides the main menu and leads to the meaning of the verses, at the
    // first remainder.
    void meaning_Click();
    // The program's About box and Qt's own, over the main menu.
    void about_Click();
    void aboutQt_Click();
};

} // namespace duset
