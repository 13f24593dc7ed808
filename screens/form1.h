#pragma once

#include "screen.h"

#include "reckoning.h"

namespace duset {

// The entry screen: the weekday, month and year of birth are chosen here and
// predict turns them into a verse.
class Form1 final : public Screen {
public:
    explicit Form1(ScreenRegistry &screens);

    // Lives as long as the instance, so it survives an unload; the load step
    // resets the three values.
    ReckoningState Reckoning;

protected:
    void Form_Load() override;
    void connectHandlers() override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
};

} // namespace duset
