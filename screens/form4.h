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
    void m1_Click();
    void m2_Click();
    void m3_Click();
    void m4_Click();
    void end_Click();
};

} // namespace duset
