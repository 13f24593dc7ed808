#include "form3.h"

#include "registry.h"

namespace duset {

namespace {

using enum Control::Kind;

constexpr Control Controls[] = {
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"&วัน เดือน ปี",
        .left = 1725,
        .top = 5880,
        .width = 1095,
        .height = 375,
        .tabIndex = 14},
    {.kind = CommandButton,
        .name = "Command2",
        .text = u"&ปิด",
        .left = 3285,
        .top = 5880,
        .width = 1095,
        .height = 375,
        .tabIndex = 13},
};

constexpr ScreenDescription Description{
    .name = "Form3",
    .caption = u"ความเป็นมาของตำราวรุณศ",
    .clientWidth = 6495,
    .clientHeight = 6885,
    .placement = Placement::CentreScreen,
    .backColor = rgb(0x000000),
    .icon = WindowIcon::Information,
    .controls = Controls,
};

} // namespace

Form3::Form3(ScreenRegistry &screens)
    : Screen(screens, ScreenId::Form3, Description)
{
}

void Form3::connectHandlers()
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
}

void Form3::Command1_Click()
{
    screens().Unload(ScreenId::Form3);
    screens().Show(ScreenId::Form2);
}

void Form3::Command2_Click()
{
    screens().Unload(ScreenId::Form3);
    screens().Show(MainMenu);
}

} // namespace duset
