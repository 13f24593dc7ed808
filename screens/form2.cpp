#include "form2.h"

#include "registry.h"

namespace duset {

namespace {

using enum Control::Kind;

constexpr Control Controls[] = {
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"&ปิด",
        .left = 2700,
        .top = 6000,
        .width = 1095,
        .height = 375,
        .tabIndex = 15},
};

constexpr ScreenDescription Description{
    .name = "Form2",
    .caption = u"ลำดับวันเดือนปีตามความเชื่อของไทย",
    .clientWidth = 6495,
    .clientHeight = 6885,
    .placement = Placement::CentreScreen,
    .backColor = rgb(0xFFFFFF),
    .foreColor = systemColour(QPalette::Highlight),
    .icon = WindowIcon::Information,
    .controls = Controls,
};

} // namespace

Form2::Form2(ScreenRegistry &screens)
    : Screen(screens, ScreenId::Form2, Description)
{
}

void Form2::connectHandlers()
{
    onClick("Command1", [this] { Command1_Click(); });
}

void Form2::Command1_Click()
{
    // The only way back that shows its target before it unloads its own screen.
    screens().Show(MainMenu);
    screens().Unload(ScreenId::Form2);
}

} // namespace duset
