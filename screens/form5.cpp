#include "form5.h"

#include "registry.h"

namespace duset {

namespace {

using enum Control::Kind;

constexpr Control Controls[] = {
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"&หน้าถัดไป",
        .left = 2880,
        .top = 6720,
        .width = 1095,
        .height = 375,
        .tabIndex = 33},
};

constexpr ScreenDescription Description{
    .name = "Form5",
    .caption = u"บทกลอนคำทำนาย",
    .clientWidth = 6765,
    .clientHeight = 7170,
    .placement = Placement::CentreScreen,
    .backColor = rgb(0xFFFFFF),
    .icon = WindowIcon::Information,
    .controls = Controls,
};

} // namespace

Form5::Form5(ScreenRegistry &screens)
    : Screen(screens, ScreenId::Form5, Description)
{
}

void Form5::connectHandlers()
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Form5::Command1_Click()
{
    screens().Unload(ScreenId::Form5);
    screens().Show(ScreenId::Form6);
}

} // namespace duset
