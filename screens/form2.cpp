// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "look.h"

namespace duset {

namespace {

using enum Control::Kind;

constexpr Control heading(std::string_view name, int left, int top, int tabIndex, QStringView text)
{
    return {.kind = Label,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = 615,
        .height = 255,
        .font = DialogFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = tabIndex};
}

// One number's row: its day, month and year in one caption, set apart by runs
// of spaces that put them roughly under the headings in the face in use.
constexpr Control row(std::string_view name, int left, int top, int tabIndex, QStringView text)
{
    return {.kind = Label,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = 5160,
        .height = 255,
        .foreColor = Orange,
        .backColor = Black,
        .tabIndex = tabIndex};
}

constexpr Control Controls[] = {
    // Wider than the window by the same amount on both sides, so the window
    // cuts both ends and the caption stands on the window's middle.
    title(-600, 7695, 0, u"ลำดับ วัน เดือน ปี ของไทย"),
    heading("Label2", 840, 840, 1, u"วัน"),
    heading("Label3", 2520, 840, 2, u"เดือน"),
    heading("Label4", 4440, 840, 3, u"ปี"),
    // The rows in the order they stand, which is not the order of their names:
    // the ninth is Label14, the tenth Label13. There are seven days, so the
    // last five rows start with spaces where the day would be.
    row("Label5", 667, 1320, 4, u"1.วันอาทิตย์               1.เดือนธันวาคม(อ้าย)               1.ปีชวด(หนู) "),
    row("Label6", 667, 1680, 5, u"2.วันจันทร์                2.เดือนมกราคม(ยี่)                   2.ปีฉลู(วัว)"),
    row("Label7", 667, 2040, 6, u"3.วันอังคาร               3.เดือนกุมภาพันธ์                     3.ปีขาล(เสือ)"),
    row("Label8", 667, 2400, 7, u"4.วันพุธ                    4.เดือนมีนาคม                          4.ปีเถาะ(กระต่าย)"),
    row("Label9", 667, 2760, 8, u"5.วันพฤหัส               5.เดือนเมษายน                        5.ปีมะโรง(งูใหญ่)"),
    row("Label10", 667, 3120, 9, u"6.วันศุกร์                 6.เดือนพฤษภาคม                     6.ปีมะเส็ง(งูเล็ก)"),
    row("Label11", 667, 3480, 16, u"7.วันเสาร์                 7.เดือนมิถุนายน                       7.มะเมีย(ม้า)"),
    row("Label12", 667, 3840, 10, u"                                8.เดือนกรกฎาคม                      8.ปีมะแม(แพะ)"),
    row("Label14", 667, 4200, 12, u"                                9.เดือนสิงหาคม                         9.ปีวอก(ลิง)"),
    row("Label13", 667, 4560, 11, u"                              10.เดือนกันยายน                       10.ปีระกา(ไก่)"),
    row("Label15", 667, 4920, 13, u"                              11.เดือนตุลาคม                           11.ปีจอ(สุนัข)"),
    row("Label16", 667, 5280, 14, u"                              12.เดือนพฤศจิกายน                   12.ปีกุน(หมู)"),
    // The only control that takes the focus.
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"&ปิด",
        .left = 2700,
        .top = 6000,
        .width = 1095,
        .height = 375,
        .tabIndex = 15},
};

constexpr ScreenDescription Description = referenceWindow({
    .name = "Form2",
    .caption = u"ลำดับวันเดือนปีตามความเชื่อของไทย",
    .clientWidth = 6495,
    .clientHeight = 6885,
    .backColor = White,
    .controls = Controls,
});

using enum OrderControl;

} // namespace

constexpr std::span<const Control> describedBy(OrderControl)
{
    return describing<OrderControl>(Controls);
}

Form2::Form2(ScreenRegistry &screens)
    : ReferenceScreen(screens, OrderScreen, Description)
{
}

void Form2::connectHandlers()
{
    onClick<Command1>([this] { Command1_Click(); });
}

void Form2::Command1_Click()
{
    // The only way back that shows its target before it unloads its own screen.
    screens().Show(MainMenu);
    screens().Unload(OrderScreen);
}

} // namespace duset
