// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form3.h"

#include "look.h"

namespace duset {

namespace {

using enum Control::Kind;

// One line of the verse, both halves in one field: the runs of spaces between
// them line the second halves up, roughly, in the face in use. The fields are
// ordinary text fields; what a person types lasts until the screen unloads.
constexpr Control verseLine(std::string_view name, int left, int top, int tabIndex, QStringView text)
{
    return {.kind = TextBox,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = 4215,
        .height = 315,
        .foreColor = Orange,
        .backColor = Black,
        .tabIndex = tabIndex};
}

constexpr Control Controls[] = {
    // Wider than the window and further out on the left, so the window cuts
    // both ends and the caption stands left of the window's middle.
    title(-795, 7695, 0, u" ตำราวรุณศ (ดูเศษ) "),
    {.kind = Label,
        .name = "Label2",
        .text = u"วิธีทำนาย(กลอน)",
        .left = 2325,
        .top = 840,
        .width = 1455,
        .height = 255,
        .font = DialogFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = 1},
    verseLine("Text1", 952, 1320, 2, u"     ตัวเราองค์ธาวินท์          บำรุงเหล่าราษฎร์สำราญ "),
    verseLine("Text2", 952, 1680, 3, u"เลี้ยงเสนาข้าราชการ              ใช้แบบนี้ดีนักหนา"),
    verseLine("Text3", 952, 2040, 4, u"     ตำรานี้ชื่อวรุณศ                จงปรารภเร่งศึกษา"),
    verseLine("Text4", 952, 2400, 5, u"หญิงชายที่เกิดมา                   ตามชะตาชั่วและดี"),
    verseLine("Text5", 952, 2760, 6, u"     ให้เอาเดือนกับวัน             ประสมกันเข้าเป็นปี"),
    verseLine("Text6", 952, 3120, 7, u"แม้ได้เท่าใดมี                        จึงประกอบให้ควรทาย"),
    verseLine("Text7", 952, 3480, 8, u"     ถ้าเห็นมากกว่าสิบ             จึงลบสิบเสียให้หาย"),
    verseLine("Text8", 952, 3840, 9, u"เหล่านั้นควรทำนาย                ตามตำรับโบราณมา"),
    verseLine("Text9", 952, 4200, 10, u"     ไม่ต้องคูณหรือหาร              ให้ป่วยการเสียเวลา"),
    verseLine("Text10", 952, 4560, 11, u"วรุณศดังนี้หนา                        นั้นแน่นักประจักษ์จริง"),
    // The rule in plain words, one empty row below the verse.
    {.kind = TextBox,
        .name = "Text11",
        .text = u"(ให้เอา วัน เดือน ปี บวกเข้าด้วยกัน แล้วลบด้วย ๑๐ เหลือเศษเท่าใด  ดูคำทำนาย)",
        .left = 360,
        .top = 5280,
        .width = 5775,
        .height = 315,
        .foreColor = Green,
        .backColor = PaleYellow,
        .tabIndex = 12},
    // The right-hand button comes first in the tab order.
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

constexpr ScreenDescription Description = referenceWindow({
    .name = "Form3",
    .caption = u"ความเป็นมาของตำราวรุณศ",
    .clientWidth = 6495,
    .clientHeight = 6885,
    .backColor = Black,
    .controls = Controls,
});

using enum HistoryControl;

} // namespace

constexpr std::span<const Control> describedBy(HistoryControl)
{
    return describing<HistoryControl>(Controls);
}

Form3::Form3(ScreenRegistry &screens)
    : ReferenceScreen(screens, HistoryScreen, Description)
{
}

void Form3::connectHandlers()
{
    onClick<Command1>([this] { Command1_Click(); });
    onClick<Command2>([this] { Command2_Click(); });
}

void Form3::Command1_Click()
{
    leaveFor(OrderScreen);
}

void Form3::Command2_Click()
{
    leaveFor(MainMenu);
}

} // namespace duset
