// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form6.h"

#include "look.h"

namespace duset {

namespace {

using enum Control::Kind;

// Every field of this page is out of reach, yet reads as well as the fields
// of the first page.
constexpr VerseFields verse{VerseAccess::OutOfReach};

constexpr Control Controls[] = {
    // Wider than the window on both sides; the window cuts both ends and the
    // caption stands on the window's middle.
    title(-578, 7920, 8, u"บทกลอนคำทำนาย (เศษ ๘ ถึง เศษ ๑๐)"),
    // Remainder 8. The first four rows stand a little apart from the rest and
    // their tab indexes run backwards; with every field disabled the order
    // shows nowhere.
    verse("Text33", 480, 840, 7, u"     เศษ ๘ นั้นเปรื่องยศ"),
    verse("Text34", 3570, 840, 6, u"จะปรากฏกระเดื่องดิน"),
    verse("Text35", 450, 1200, 5, u"ทรัพย์ศฤงคารสถานถิ่น"),
    verse("Text38", 3570, 1200, 2, u"ทั้งอำนาจแลวาสนา"),
    // Remainder 9, first stanza.
    verse("Text36", 450, 1560, 4, u"     เศษ ๙ กินข้าวกลางตลาด     "),
    verse("Text39", 3570, 1560, 1, u"เสมอชาติสุนักขา"),
    verse("Text37", 450, 1920, 3, u"ถึงจะดีมีวาสนา"),
    verse("Text40", 3570, 1920, 0, u"ต้องประกอบด้วยการงาน"),
    // Remainder 9, second stanza.
    verse("Text1", 480, 2280, 9, u"     แม้ตระกูลทลิทหก"),
    verse("Text2", 3600, 2280, 10, u"ถึงต่ำตกก็บ่นาน"),
    verse("Text3", 480, 2640, 11, u"ดังนักเลงสุราบาน"),
    verse("Text4", 3600, 2640, 12, u"พอขวนขวายใส่ท้องตน"),
    // Remainder 10, first stanza.
    verse("Text5", 480, 3000, 13, u"     เศษ ๑๐ นกแขกเต้า "),
    verse("Text6", 3600, 3000, 14, u"ทำรวงเหย้าริมฝั่งชล"),
    verse("Text7", 480, 3360, 15, u"แสวงดีย่อมมีผล"),
    verse("Text8", 3600, 3360, 16, u"อย่าคลุกเคล้ากับเหล่าพาล"),
    // Remainder 10, second stanza.
    verse("Text9", 480, 3720, 17, u"     เหมือนปักษีอันมีปีก"),
    verse("Text10", 3600, 3720, 18, u"รู้หลบหลีกธนูพราน"),
    verse("Text11", 480, 4080, 19, u"ถ้าประมาทจะเสียการ"),
    verse("Text12", 3600, 4080, 20, u"จะชอกช้ำระกำกาย"),
    // The two closing stanzas, which close remainder 10 and the whole set.
    verse("Text13", 480, 4440, 21, u"     จงสำเร็จเสร็จสิบทัศ"),
    verse("Text14", 3600, 4440, 22, u"ครั้นแจ้งชัดควรทำนาย"),
    verse("Text15", 480, 4800, 23, u"จะดีชั่วคนทั้งหลาย"),
    verse("Text16", 3600, 4800, 24, u"เป็นบุญกรรมหนุนนำมา"),
    verse("Text17", 480, 5160, 25, u"     อย่าเสียใจว่าเป็นเคราะห์"),
    verse("Text18", 3600, 5160, 26, u"คราวเฉพาะดวงชะตา"),
    verse("Text19", 480, 5520, 27, u"วรุณศดังนี้นา"),
    verse("Text20", 3600, 5520, 28, u"นั้นแน่นักประจักษ์เอยฯ"),
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

constexpr ScreenDescription Description = referenceWindow({
    .name = "Form6",
    .caption = u"บทกลอนคำทำนาย ",
    .clientWidth = 6765,
    .clientHeight = 7170,
    .backColor = Black,
    .controls = Controls,
});

using enum VersePage2Control;

} // namespace

constexpr std::span<const Control> describedBy(VersePage2Control)
{
    return describing<VersePage2Control>(Controls);
}

Form6::Form6(ScreenRegistry &screens)
    : ReferenceScreen(screens, VersePage2, Description)
{
}

void Form6::connectHandlers()
{
    onClick<Command1>([this] { Command1_Click(); });
    onClick<Command2>([this] { Command2_Click(); });
}

void Form6::Command1_Click()
{
    leaveFor(VersePage1);
}

void Form6::Command2_Click()
{
    leaveFor(MainMenu);
}

} // namespace duset
