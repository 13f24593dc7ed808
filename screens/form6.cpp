#include "form6.h"

#include "registry.h"

namespace duset {

namespace {

using enum Control::Kind;

constexpr Control Controls[] = {
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"<< &ย้อนกลับ",
        .left = 1800,
        .top = 6360,
        .width = 1455,
        .height = 375,
        .tabIndex = 29},
    {.kind = CommandButton,
        .name = "Command2",
        .text = u"&กลับเมนู ",
        .left = 3600,
        .top = 6360,
        .width = 1455,
        .height = 375,
        .tabIndex = 30},
};

constexpr ScreenDescription Description{
    .name = "Form6",
    .caption = u"บทกลอนคำทำนาย ",
    .clientWidth = 6765,
    .clientHeight = 7170,
    .placement = Placement::CentreScreen,
    .backColor = rgb(0x000000),
    .foreColor = rgb(0xFF8000),
    .icon = WindowIcon::Information,
    .controls = Controls,
};

} // namespace

Form6::Form6(ScreenRegistry &screens)
    : Screen(screens, ScreenId::Form6, Description)
{
}

void Form6::connectHandlers()
{
    onClick("Command1", [this] { Command1_Click(); });
    onClick("Command2", [this] { Command2_Click(); });
}

void Form6::Command1_Click()
{
    screens().Unload(ScreenId::Form6);
    screens().Show(ScreenId::Form5);
}

void Form6::Command2_Click()
{
    screens().Unload(ScreenId::Form6);
    screens().Show(MainMenu);
}

} // namespace duset
