// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

namespace duset {

// The history screen: where the reckoning comes from, told in verse.
class Form3 final : public Screen {
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
