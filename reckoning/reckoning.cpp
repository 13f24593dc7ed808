// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reckoning.h"

#include <stdexcept>

namespace duset {

namespace {

constexpr std::u16string_view Verse1[] = {
    u"     เศษ ๑ เสาเรือนไฟไหม้     ชะตะใครทั้งชายหญิง",
    u"     ไร้เรือนที่พึ่งพิง     ที่พึ่งพักพำนักเนา",
    u"     จะร่อนเร่ระเหระหน     เร่งเจียมตนอย่าดูเบา",
    u"     เพราะว่าชะตาเรา     โทษประกอบจึงเกิดกรรมฯ",
};
constexpr std::u16string_view Verse2[] = {
    u"     เศษ ๒ จะครองไข้     มีโรคร้ายรุมประจำ",
    u"     หยูกยาจะหาทำ     บ่ถูกแท้จนแก่ตัวฯ",
};
constexpr std::u16string_view Verse3[] = {
    u"     เศษ ๓ ความสบาย     มีข้าควายและเกวียนวัว",
    u"     พอสมสกุลตัว     เข้าที่ทายสถานกลางฯ",
};
constexpr std::u16string_view Verse4[] = {
    u"     เศษ ๔ มีข้าครอก     เอนกนอกคณานาง",
    u"     อุปถัมภ์ล้วนสำอางค์     บ่ไข้ชุกบ่ทุกข์เป็นฯ",
};
constexpr std::u16string_view Verse5[] = {
    u"     เศษ ๕ ชะตากลับ     ทุนทรัพย์ก็แสนเข็ญ",
    u"     ภายหลังชะตาเป็น     ทุนทรัพย์จะนับพันฯ",
};
constexpr std::u16string_view Verse6[] = {
    u"     เศษ ๖ จะยกญาติ     เป็นเชื้อชาติประเสริฐสรรพ์",
    u"     เงินตรายศถาพลัน     ทุนทรัพย์ลำดับมีฯ",
};
constexpr std::u16string_view Verse7[] = {
    u"     เศษ ๗ นั้นผ้าขาด     จะนุ่งห่มก็ตามที",
    u"     พักตราย่อมราคี     ระคายคับทั้งทรัพย์สินฯ",
};
constexpr std::u16string_view Verse8[] = {
    u"     เศษ ๘ นั้นเปรื่องยศ     จะปรากฏกระเดื่องดิน",
    u"     ทรัพย์ศฤงคารสถานถิ่น     ทั้งอำนาจแลวาสนา",
};
constexpr std::u16string_view Verse9[] = {
    u"     เศษ ๙ กินข้าวกลางตลาด     เสมอชาติสุนักขา",
    u"     ถึงจะดีมีวาสนา     ต้องประกอบด้วยการงาน",
    u"     แม้ตระกูลทลิทหก     ถึงต่ำตกก็บ่นาน",
    u"     ดังนักเลงสุราบาน     พอขวนขวายใส่ท้องตน",
};
constexpr std::u16string_view Verse10[] = {
    u"     เศษ ๑๐ นกแขกเต้า     ทำรวงเหย้าริมฝั่งชล",
    u"     แสวงดีย่อมมีผล     อย่าคลุกเคล้ากับเหล่าพาล",
    u"     เหมือนปักษีอันมีปีก     รู้หลบหลีกธนูพราน",
    u"     ถ้าประมาทจะเสียการ     จะชอกช้ำระกำกายฯ",
    u"     จงสำเร็จเสร็จสิบทัศ     ครั้นแจ้งชัดควรทำนาย",
    u"     จะดีชั่วคนทั้งหลาย     เป็นบุญกรรมหนุนนำมาฯ",
    u"     อย่าเสียใจว่าเป็นเคราะห์     คราวเฉพาะดวงชะตา",
    u"     วรุณศดังนี้นา     นั้นแน่นักประจักษ์เอยฯ",
};

template<typename Value, std::size_t N>
const Value *lookUp(const std::array<TableRow<Value>, N> &table, std::u16string_view text)
{
    // Whole-text equality, code unit for code unit: no trimming, no folding.
    for (const auto &row : table) {
        if (row.key == text)
            return &row.value;
    }
    return nullptr;
}

// Brings a total of 3 to 31 down to a remainder of 1 to 10. Each step works
// on the result of the one before; the comparisons are strict, so 20 gives 10.
double reduce(double total)
{
    if (total == 31)
        total -= 30;
    if (total > 20)
        total -= 20;
    if (total > 10)
        total -= 10;
    return total;
}

std::u16string thaiNumber(int number)
{
    std::u16string text = number >= 10 ? thaiNumber(number / 10) : std::u16string();
    text += static_cast<char16_t>(u'๐' + number % 10);
    return text;
}

std::u16string joinLines(std::span<const std::u16string_view> lines)
{
    std::u16string text;
    for (const auto &line : lines) {
        if (!text.empty())
            text += u"\r\n";
        text += line;
    }
    return text;
}

} // namespace

const std::array<std::span<const std::u16string_view>, 10> VerseTable{
    Verse1,
    Verse2,
    Verse3,
    Verse4,
    Verse5,
    Verse6,
    Verse7,
    Verse8,
    Verse9,
    Verse10,
};

ReckoningOutcome Reckon(
    std::u16string_view dayText, std::u16string_view monthText, std::u16string_view yearText, ReckoningState &state)
{
    state.MissingFields.clear();

    // A text that is no item of its list names its field just as an empty one
    // does, so a verdict always belongs to the three texts on screen.
    const auto *day = lookUp(DayTable, dayText);
    const auto *month = lookUp(MonthTable, monthText);
    const auto *year = lookUp(YearTable, yearText);
    if (!day)
        state.MissingFields += MissingDay;
    if (!month)
        state.MissingFields += MissingMonth;
    if (!year)
        state.MissingFields += MissingYear;

    if (!state.MissingFields.empty()) {
        ReckoningOutcome warning;
        warning.kind = ReckoningOutcome::Kind::Warning;
        warning.text.append(WarningPrefix).append(state.MissingFields).append(WarningSuffix);
        warning.title = WarningTitle;
        warning.icon = MessageIcon::Exclamation;
        return warning;
    }

    state.DayValue = *day;
    state.MonthValue = *month;
    state.YearValue = *year;
    state.Total = static_cast<double>(state.DayValue + state.MonthValue) + state.YearValue;
    state.Total = reduce(state.Total);

    for (int n = 1; n <= static_cast<int>(VerseTable.size()); ++n) {
        if (state.Total == n) {
            ReckoningOutcome verdict;
            verdict.kind = ReckoningOutcome::Kind::Verdict;
            verdict.remainder = n;
            verdict.text = joinLines(VerseTable[n - 1]);
            verdict.title = VerdictTitle;
            verdict.icon = MessageIcon::Information;
            return verdict;
        }
    }
    // Three matching items always add up to 3..31, which reduces to 1..10.
    throw std::logic_error("the reckoning reached a total with no verse");
}

std::u16string Working(std::u16string_view dayText, std::u16string_view monthText, std::u16string_view yearText)
{
    // The reckoning itself, on fields of its own, so that the working ends
    // in the remainder whose verse predict shows.
    ReckoningState state;
    const ReckoningOutcome outcome = Reckon(dayText, monthText, yearText, state);
    if (outcome.kind != ReckoningOutcome::Kind::Verdict)
        return {};
    // "เดือนมกราคม(เดือนยี่)" is เดือนยี่; "ปีกุน (หมู)" is ปีกุน.
    if (const auto open = monthText.find(u'('); open != std::u16string_view::npos)
        monthText = monthText.substr(open + 1, monthText.size() - open - 2);
    yearText = yearText.substr(0, yearText.find(u' '));
    const int total = state.DayValue + state.MonthValue + static_cast<int>(state.YearValue);
    std::u16string working;
    working.append(dayText).append(u" ").append(thaiNumber(state.DayValue));
    working.append(u" + ").append(monthText).append(u" ").append(thaiNumber(state.MonthValue));
    working.append(u" + ").append(yearText).append(u" ").append(thaiNumber(static_cast<int>(state.YearValue)));
    working.append(u" = ").append(thaiNumber(total)).append(u" → เศษ ").append(thaiNumber(outcome.remainder));
    return working;
}

} // namespace duset
