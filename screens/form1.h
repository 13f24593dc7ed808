// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handover.h"
#include "screen.h"

#include "reckoning.h"

#include <array>

namespace duset {

// The entry screen's controls, in the order of its description: the title,
// the words beside the three lists, the heading above them, the day, month
// and year lists, and the buttons predict, finish, enter new data and find
// from a birth date.
DUSET_NAMES(EntryControl, Label1, Label2, Label3, Label4, Label5, Combo1, Combo2, Combo3, Command1, Command2, Command3,
    Command4);

// The entry screen: the weekday, month and year of birth are chosen here and
// predict turns them into a verse.
class Form1 final : public Screen, public EntryLists {
public:
    explicit Form1(ScreenRegistry &screens);

    // Lives as long as the instance, so it survives an unload; the load step
    // resets the three values.
    ReckoningState Reckoning;

    EntryTexts listTexts() const override;
    void fillLists(const EntryTexts &texts, Focus focus) override;

protected:
    void Form_Load() override;
    void connectHandlers() override;

private:
    // The day, month and year lists, in the order of the entry texts.
    std::array<ListHandle, 3> lists() const;

    // Predict: shows the warning or the verse of the three lists; stays here.
    void Command1_Click();
    // Finish: unloads this screen and leads to the main menu.
    void Command2_Click();
    // Enter new data: empties the three lists; stays here.
    void Command3_Click();
    // Find from a birth date: unloads this screen and leads to the birth-date
    // screen, which comes back here.
    void Command4_Click();
};

} // namespace duset
