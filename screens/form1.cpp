// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "announce.h"
#include "builder.h"
#include "itemnames.h"
#include "lists.h"
#include "look.h"
#include "messages.h"
#include "screenlist.h"
#include "screens.h"
#include "text.h"

#include <span>

namespace duset {

namespace {

constexpr Font HeadingFace{.face = "AngsanaUPC", .points = 14.25, .weight = 700};

using enum Control::Kind;

// The white-on-orange word on a list's top line, left of the list.
constexpr Control listLabel(std::string_view name, int top, int tabIndex, QStringView text)
{
    return fieldLabel(name, 480, top, 615, tabIndex, text);
}

// A button of the column on the right.
constexpr Control button(
    std::string_view name, int top, int height, int tabIndex, QStringView text, Picture picture = Picture::None)
{
    return periwinkleButton(name, 3960, top, 1095, height, tabIndex, text, picture);
}

constexpr Control Controls[] = {
    {.kind = Label,
        .name = "Label1",
        .text = u"ตำราวรุณศ (ดูเศษ) ",
        .left = -1042,
        .top = 0,
        .width = 7695,
        .height = 615,
        .font = TitleFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = 0,
        .border = true},
    listLabel("Label2", 1920, 1, u"วัน"),
    listLabel("Label3", 2520, 2, u"เดือน"),
    listLabel("Label4", 3120, 3, u"ปีเกิด"),
    {.kind = Label,
        .name = "Label5",
        .text = u"เลือก วัน เดือน ปีเกิด ของคุณ",
        .left = 1005,
        .top = 840,
        .width = 3615,
        .height = 375,
        .font = HeadingFace,
        .foreColor = White,
        .backColor = Orange,
        .alignment = Alignment::Centre,
        .tabIndex = 4},
    {.kind = ComboBox,
        .name = "Combo1",
        .left = 1440,
        .top = 1920,
        .width = 1095,
        .height = 330,
        .tabIndex = 5,
        .items = WeekdayItems,
        .offers = [](std::u16string_view typed) { return itemsNamed(EntryList::Day, typed); }},
    {.kind = ComboBox,
        .name = "Combo2",
        .left = 1440,
        .top = 2520,
        .width = 2175,
        .height = 330,
        .tabIndex = 6,
        .items = MonthItems,
        .offers = [](std::u16string_view typed) { return itemsNamed(EntryList::Month, typed); }},
    {.kind = ComboBox,
        .name = "Combo3",
        .left = 1440,
        .top = 3120,
        .width = 1575,
        .height = 330,
        .tabIndex = 7,
        .items = YearItems,
        .offers = [](std::u16string_view typed) { return itemsNamed(EntryList::Year, typed); }},
    button("Command1", 1440, 855, 8, u"&ทำนาย", Picture::PointingHand),
    button("Command2", 3240, 495, 9, u"&จบ"),
    button("Command3", 2520, 495, 10, u"ใ&ส่ข้อมูลใหม่"),
    // In the free corner below the lists: leads to the birth-date screen.
    periwinkleButton("Command4", 480, 3600, 2055, 375, 11, u"หาจาก&วันเกิด…"),
};

constexpr ScreenDescription Description{
    .name = "Form1",
    .caption = u"กรอกข้อมูล > กดปุ่มทำนาย",
    .clientLeft = 1830,
    .clientTop = 2100,
    .clientWidth = 5610,
    .clientHeight = 4065,
    .placement = Placement::Manual,
    .backColor = rgb(0xE0E0E0),
    .icon = WindowIcon::Chart,
    .controls = Controls,
};

QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

using enum EntryControl;

} // namespace

constexpr std::span<const Control> describedBy(EntryControl)
{
    return describing<EntryControl>(Controls);
}

Form1::Form1(ScreenRegistry &screens)
    : Screen(screens, EntryScreen, Description)
{
}

void Form1::Form_Load()
{
    Reckoning.DayValue = 0;
    Reckoning.MonthValue = 0;
    Reckoning.YearValue = 0.0;
}

void Form1::connectHandlers()
{
    onClick<Command1>([this] { Command1_Click(); });
    onClick<Command2>([this] { Command2_Click(); });
    onClick<Command3>([this] { Command3_Click(); });
    onClick<Command4>([this] { Command4_Click(); });
}

std::array<ListHandle, 3> Form1::lists() const
{
    return {control<Combo1>(), control<Combo2>(), control<Combo3>()};
}

EntryTexts Form1::listTexts() const
{
    const std::array<ListHandle, 3> lists = this->lists();
    return {lists[0].currentText(), lists[1].currentText(), lists[2].currentText()};
}

void Form1::fillLists(const EntryTexts &texts, Focus focus)
{
    if (!isLoaded())
        return; // the program ended on the way here
    const std::array<ListHandle, 3> lists = this->lists();
    for (std::size_t i = 0; i < texts.size(); ++i)
        lists[i].show(texts[i]);
    if (focus == Focus::Predict)
        control<Command1>().setFocus();
    else
        control<Command4>().setFocus();
}

void Form1::Command1_Click()
{
    const EntryTexts texts = listTexts();
    const ReckoningOutcome outcome = Reckon(utf16(texts[0]), utf16(texts[1]), utf16(texts[2]), Reckoning);
    showMessage(
        window(), {.title = toQString(outcome.title), .text = toQString(outcome.text), .icon = boxIcon(outcome.icon)});
}

void Form1::Command2_Click()
{
    screens().Unload(EntryScreen);
    screens().Show(MainMenu);
}

void Form1::Command3_Click()
{
    // The arrow keys start from the top again, as on a fresh screen.
    for (const ListHandle &list : lists())
        list.clear();
    // The lists empty without a word; a person who cannot see them hears it.
    announce(window(), QStringLiteral("ล้างข้อมูลแล้ว: วัน เดือน ปีเกิด ว่าง"));
}

void Form1::Command4_Click()
{
    // The lists come back as they are now if the person returns unchanged.
    birthDateFinder(screens()).openedFrom(EntryScreen, listTexts());
    screens().Unload(EntryScreen);
    screens().Show(DateScreen);
}

} // namespace duset
