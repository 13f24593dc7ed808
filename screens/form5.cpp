// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form5.h"

#include "look.h"

namespace duset {

namespace {

using enum Control::Kind;

// The verses are reference text: a person may select and copy them.
constexpr VerseFields verse{VerseAccess::Copyable};

constexpr Control Controls[] = {
    // Wider than the window and starting at its left edge, so the window cuts
    // its right end and the caption stands right of the window's middle.
    title(0, 7920, 0, u"บทกลอนคำทำนาย (เศษ ๑ ถึง เศษ ๗)"),
    // Remainder 1, first stanza.
    verse("Text1", 480, 840, 1, u"     เศษ ๑ เสาเรือนไฟไหม้"),
    verse("Text16", 3600, 840, 16, u"ชะตาใครทั้งชายหญิง"),
    verse("Text2", 480, 1200, 2, u"ไร้เรือนที่พึ่งพิง"),
    verse("Text17", 3600, 1200, 17, u"ที่พึ่งพักพำนักเนา"),
    // Remainder 1, second stanza.
    verse("Text3", 480, 1560, 3, u"     จะร่อนเร่ระเหระหน"),
    verse("Text18", 3600, 1560, 18, u"เร่งเจียมตนอย่าดูเบา"),
    verse("Text4", 480, 1920, 4, u"เพราะว่าชะตาเรา"),
    verse("Text19", 3600, 1920, 19, u"โทษประกอบจึงเกิดกรรม"),
    // Remainder 2.
    verse("Text5", 480, 2280, 5, u"     เศษ ๒ จะครองไข้"),
    verse("Text20", 3600, 2280, 20, u"มีโรคร้ายรุมประจำ"),
    verse("Text6", 480, 2640, 6, u"หยูกยาจะหาทำ"),
    verse("Text21", 3600, 2640, 21, u"บ่ถูกแท้จนแก่ตัว"),
    // Remainder 3.
    verse("Text7", 480, 3000, 7, u"     เศษ ๓ ความสบาย  "),
    verse("Text22", 3600, 3000, 22, u"มีข้าควายและเกวียนวัว"),
    verse("Text8", 480, 3360, 8, u"พอสมสกุลตัว"),
    verse("Text23", 3600, 3360, 23, u"เข้าที่ทายสถานกลาง"),
    // Remainder 4.
    verse("Text9", 480, 3720, 9, u"     เศษ ๔ มีข้าครอก"),
    verse("Text24", 3600, 3720, 24, u"เอนกนอกคณานาง"),
    verse("Text10", 480, 4080, 10, u"อุปถัมภ์ล้วนสำอางค์"),
    verse("Text25", 3600, 4080, 25, u"บ่ไข้ชุกบ่ทุกข์เป็น"),
    // Remainder 5.
    verse("Text11", 480, 4440, 11, u"     เศษ ๕ ชะตากลับ"),
    verse("Text26", 3600, 4440, 26, u"ทุนทรัพย์ก็แสนเข็ญ"),
    verse("Text12", 480, 4800, 12, u"ภายหลังชะตาเป็น"),
    verse("Text27", 3600, 4800, 27, u"ทุนทรัพย์จะนับพัน"),
    // Remainder 6.
    verse("Text13", 480, 5160, 13, u"     เศษ ๖ จะยกญาติ"),
    verse("Text28", 3600, 5160, 28, u"เป็นเชื้อชาติประเสริฐสรรพ์"),
    verse("Text14", 480, 5520, 14, u"เงินตรายศถาพลัน"),
    verse("Text29", 3600, 5520, 29, u"ทุนทรัพย์ลำดับมี"),
    // Remainder 7.
    verse("Text15", 480, 5880, 15, u"     เศษ ๗ นั้นผ้าขาด"),
    verse("Text30", 3600, 5880, 30, u"จะนุ่งห่มก็ตามที"),
    verse("Text31", 480, 6240, 31, u"พักตราย่อมราคี"),
    verse("Text32", 3600, 6240, 32, u"ระคายคับทั้งทรัพย์สิน"),
    {.kind = CommandButton,
        .name = "Command1",
        .text = u"&หน้าถัดไป",
        .left = 2880,
        .top = 6720,
        .width = 1095,
        .height = 375,
        .tabIndex = 33},
};

constexpr ScreenDescription Description = referenceWindow({
    .name = "Form5",
    .caption = u"บทกลอนคำทำนาย",
    .clientWidth = 6765,
    .clientHeight = 7170,
    .backColor = White,
    .controls = Controls,
});

using enum VersePage1Control;

} // namespace

constexpr std::span<const Control> describedBy(VersePage1Control)
{
    return describing<VersePage1Control>(Controls);
}

Form5::Form5(ScreenRegistry &screens)
    : ReferenceScreen(screens, VersePage1, Description)
{
}

void Form5::connectHandlers()
{
    onClick<Command1>([this] { Command1_Click(); });
}

void Form5::Command1_Click()
{
    leaveFor(VersePage2);
}

} // namespace duset
