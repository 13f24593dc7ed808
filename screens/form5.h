// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

// Verse page 1's controls, in the order of its description: the title, the
// 32 half-lines of the verses of remainders 1 to 7, row by row and left to
// right, and the button to the next page.
enum class VersePage1Control { Title, FirstVerse, LastVerse = FirstVerse + 31, NextPage };

// Verse page 1: the verses of remainders 1 to 7.
class Form5 final : public Screen {
public:
    explicit Form5(ScreenRegistry &screens);

protected:
    void connectHandlers() override;

private:
    // Next page: leads to verse page 2.
    void Command1_Click();
};

} // namespace duset
