// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

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
    // The program's About box and Qt's own, over the main menu.
    void about_Click();
    void aboutQt_Click();
};

} // namespace duset
