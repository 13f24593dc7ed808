// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "builder.h"
#include "credits.h"
#include "look.h"
#include "messages.h"
#include "screenlist.h"
#include "screens.h"

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

// Thai access keys, like every other, each on a key of its own within the
// menu: ห is on the key of S, ค on the key of 8, บ on the key of [, ย on
// the key of P.
constexpr MenuEntry HelpEntries[] = {
    {.name = "dates", .caption = u"&หาวัน เดือน ปีเกิด จากวันเกิด…"},
    {.name = "meaning", .caption = u"&ความหมายของคำทำนาย"},
    {.name = "helpLine", .caption = u"-"},
    {.name = "about", .caption = u"เกี่ยวกั&บ duset"},
    {.name = "aboutQt", .caption = u"เกี่&ยวกับ Qt"},
};

constexpr Menu Menus[] = {
    {.name = "menu", .caption = u"&Let go !", .entries = Entries},
    {.name = "help", .caption = u"ช่&วยเหลือ", .entries = HelpEntries},
};

constexpr QStringView Label1Text = u"ตำราวรุณศ (ดูเศษ)";

constexpr Font Title{.face = "AngsanaUPC", .points = 15.75, .weight = 700};
constexpr Font Version{.face = "Comic Sans MS", .points = 9.75, .weight = 700, .italic = true};
constexpr Font Credit{.face = "Comic Sans MS", .points = 12, .weight = 400};

constexpr Colour BrightGreen = rgb(0x00FF00);

using enum Control::Kind;

// The title figure on the left; on the right the title and the version line,
// which run past the window's right edge, and the credit on the star field.
constexpr Control Controls[] = {
    {.kind = Image,
        .name = "Image1",
        .left = 0,
        .top = 0,
        .width = 3000,
        .height = 3750,
        .picture = Picture::TitleFigure},
    {.kind = Label,
        .name = "Label1",
        .text = Label1Text,
        .left = 3000,
        .top = 0,
        .width = 3015,
        .height = 495,
        .font = Title,
        .foreColor = White,
        .backColor = Orange,
        .alignment = Alignment::Centre,
        .tabIndex = 0,
        .border = true},
    {.kind = Label,
        .name = "Label5",
        .text = u" Friendly Version ;)",
        .left = 3000,
        .top = 480,
        .width = 3015,
        .height = 375,
        .font = Version,
        .foreColor = Orange,
        .backColor = White,
        .alignment = Alignment::Centre,
        .tabIndex = 2},
    {.kind = Label,
        .name = "Label3",
        .text = u"Program by",
        .left = 3600,
        .top = 1800,
        .width = 1815,
        .height = 375,
        .font = Credit,
        .foreColor = systemColour(QPalette::Base),
        .backColor = Black,
        .alignment = Alignment::Centre,
        .tabIndex = 1},
    {.kind = Label,
        .name = "Label2",
        .text = DUSET_AUTHOR_CREDIT,
        .left = 3120,
        .top = 2280,
        .width = 2655,
        .height = 255,
        .foreColor = BrightGreen,
        .backColor = Black,
        .alignment = Alignment::Centre,
        .tabIndex = 3},
    {.kind = Label,
        .name = "Label4",
        .text = DUSET_CONTACT_CREDIT,
        .left = 3480,
        .top = 3360,
        .width = 1935,
        .height = 255,
        .foreColor = BrightGreen,
        .backColor = Black,
        .alignment = Alignment::Centre,
        .tabIndex = 4},
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
    .menus = Menus,
    .controls = Controls,
    // Nothing on the main menu takes the focus, so a screen reader reads the
    // window as it opens: the program's name and the key of the menu, which a
    // sighted person finds by looking.
    .spokenDescription = u"ตำราวรุณศ (ดูเศษ) กด Alt+L เพื่อเปิดเมนู Let go !",
};

} // namespace

constexpr std::span<const Control> describedBy(MainMenuControl)
{
    return describing<MainMenuControl>(Controls);
}

constexpr std::span<const Menu> describedBy(MainMenuEntry)
{
    return describing<MainMenuEntry>(Menus);
}

Form4::Form4(ScreenRegistry &screens)
    : Screen(screens, MainMenu, Description)
{
}

void Form4::connectHandlers()
{
    using enum MainMenuEntry;
    onClick<m1>([this] { m1_Click(); });
    onClick<m2>([this] { m2_Click(); });
    onClick<m3>([this] { m3_Click(); });
    onClick<m4>([this] { m4_Click(); });
    onClick<end>([this] { end_Click(); });
    onClick<dates>([this] { dates_Click(); });
    onClick<meaning>([this] { meaning_Click(); });
    onClick<about>([this] { about_Click(); });
    onClick<aboutQt>([this] { aboutQt_Click(); });
}

// The menu hides the main menu rather than unloading it, so it is built once
// per run and comes back where it was.
void Form4::m1_Click()
{
    screens().Hide(MainMenu);
    screens().Show(EntryScreen);
}

void Form4::m2_Click()
{
    screens().Hide(MainMenu);
    screens().Show(HistoryScreen);
}

void Form4::m3_Click()
{
    screens().Hide(MainMenu);
    screens().Show(VersePage1);
}

void Form4::m4_Click()
{
    screens().Hide(MainMenu);
    screens().Show(OrderScreen);
}

void Form4::end_Click()
{
    screens().End();
}

void Form4::dates_Click()
{
    screens().Hide(MainMenu);
    birthDateFinder(screens()).openedFrom(MainMenu);
    screens().Show(DateScreen);
}

void Form4::meaning_Click()
{
    screens().Hide(MainMenu);
    verseMeanings(screens()).openedFrom(MainMenu, 1);
    screens().Show(MeaningScreen);
}

// The About box stays over the main menu, which stays where it is.
void Form4::about_Click()
{
    showMessage(window(),
        {.title = QStringLiteral("เกี่ยวกับ duset"),
            .text = QStringList{QStringView(Label1Text).toString() + QStringLiteral(" (duset)"),
                QStringLiteral("รุ่น ") + QStringView(DUSET_VERSION_TEXT).toString(),
                QStringLiteral("ดูดวงแบบไทยจากเศษของวัน เดือน และปีเกิด"), QString(),
                QStringLiteral("Program by ") + QStringView(DUSET_AUTHOR_CREDIT).toString(),
                QStringLiteral("ติดต่อ: ") + QStringView(DUSET_CONTACT_CREDIT).toString(),
                QStringLiteral("สัญญาอนุญาต: GNU General Public License รุ่น 3 หรือใหม่กว่า (GPL-3.0-or-later)")}
                        .join(QStringLiteral("\r\n")),
            .icon = QMessageBox::Information});
}

void Form4::aboutQt_Click()
{
    showAboutQt(window());
}

} // namespace duset
