#include "form4.h"

#include "registry.h"

namespace duset {

namespace {

// In the order they stand in the menu, which is not the order of their names.
constexpr MenuEntry Entries[] = {
    {.name = "m1", .caption = u"&ทำนาย"},
    {.name = "m2", .caption = u"&ประวัติความเป็นมา"},
    {.name = "m4", .caption = u"&ลำดับ วัน เดือน ปี ของไทย"},
    {.name = "m3", .caption = u"&กลอนคำทำนาย"},
    {.name = "line", .caption = u"-"},
    {.name = "end", .caption = u"&ออกจากโปรแกรม"},
};

constexpr ScreenDescription Description{
    .name = "Form4",
    .caption = u"Main menu",
    .clientLeft = 1065,
    .clientTop = 1650,
    .clientWidth = 5925,
    .clientHeight = 3705,
    .placement = Placement::Manual,
    .backColor = rgb(0xC0FFC0),
    .icon = WindowIcon::Menu,
    .menu = Menu{.name = "menu", .caption = u"&Let go !", .entries = Entries},
};

} // namespace

Form4::Form4(ScreenRegistry &screens)
    : Screen(screens, ScreenId::Form4, Description)
{
}

void Form4::connectHandlers()
{
    onClick("m1", [this] { m1_Click(); });
    onClick("m2", [this] { m2_Click(); });
    onClick("m3", [this] { m3_Click(); });
    onClick("m4", [this] { m4_Click(); });
    onClick("end", [this] { end_Click(); });
}

// The menu hides the main menu rather than unloading it, so it is built once
// per run and comes back where it was.
void Form4::m1_Click()
{
    screens().Hide(ScreenId::Form4);
    screens().Show(ScreenId::Form1);
}

void Form4::m2_Click()
{
    screens().Hide(ScreenId::Form4);
    screens().Show(ScreenId::Form3);
}

void Form4::m3_Click()
{
    screens().Hide(ScreenId::Form4);
    screens().Show(ScreenId::Form5);
}

void Form4::m4_Click()
{
    screens().Hide(ScreenId::Form4);
    screens().Show(ScreenId::Form2);
}

void Form4::end_Click()
{
    screens().End();
}

} // namespace duset
