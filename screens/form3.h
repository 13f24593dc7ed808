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
    void Command1_Click();
    void Command2_Click();
};

} // namespace duset
