// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace duset {

// The entry screen's reckoning fields. The three values carry over from one
// press of predict to the next and are reset only when the screen is loaded.
struct ReckoningState {
    std::int16_t DayValue = 0;
    std::int16_t MonthValue = 0;
    double YearValue = 0.0;
    std::u16string MissingFields;
    double Total = 0.0;
};

enum class MessageIcon { Exclamation, Information };

// What a press of predict shows: the warning that names the lists still to
// choose, or the verse of the remainder.
struct ReckoningOutcome {
    enum class Kind { Warning, Verdict };

    Kind kind = Kind::Warning;
    int remainder = 0; // 1 to 10 for a verdict, 0 for a warning
    std::u16string text;
    std::u16string_view title;
    MessageIcon icon = MessageIcon::Exclamation;
};

template<typename Value> struct TableRow {
    std::u16string_view key;
    Value value;
};

// The keys are the items of the entry screen's three lists, in their order.
inline constexpr std::array<TableRow<std::int16_t>, 7> DayTable{{
    {u"วันอาทิตย์", 1},
    {u"วันจันทร์", 2},
    {u"วันอังคาร", 3},
    {u"วันพุธ", 4},
    {u"วันพฤหัส", 5},
    {u"วันศุกร์", 6},
    {u"วันเสาร์", 7},
}};

// The traditional count starts the year with December, so January is the second month.
inline constexpr std::array<TableRow<std::int16_t>, 12> MonthTable{{
    {u"เดือนมกราคม(เดือนยี่)", 2},
    {u"เดือนกุมภาพันธ์", 3},
    {u"เดือนมีนาคม", 4},
    {u"เดือนเมษายน", 5},
    {u"เดือนพฤษภาคม", 6},
    {u"เดือนมิถุนายน", 7},
    {u"เดือนกรกฎาคม", 8},
    {u"เดือนสิงหาคม", 9},
    {u"เดือนกันยายน", 10},
    {u"เดือนตุลาคม", 11},
    {u"เดือนพฤศจิกายน", 12},
    {u"เดือนธันวาคม(เดือนอ้าย)", 1},
}};

inline constexpr std::array<TableRow<double>, 12> YearTable{{
    {u"ปีชวด (หนู)", 1.0},
    {u"ปีฉลู (วัว)", 2.0},
    {u"ปีขาล (เสือ)", 3.0},
    {u"ปีเถาะ (กระต่าย)", 4.0},
    {u"ปีมะโรง (งูใหญ่)", 5.0},
    {u"ปีมะเส็ง (งูเล็ก)", 6.0},
    {u"ปีมะเมีย (ม้า)", 7.0},
    {u"ปีมะแม (แพะ)", 8.0},
    {u"ปีวอก (ลิง)", 9.0},
    {u"ปีระกา (ไก่)", 10.0},
    {u"ปีจอ (สุนัข)", 11.0},
    {u"ปีกุน (หมู)", 12.0},
}};

// VerseTable[n - 1] holds the lines of the verse of remainder n.
extern const std::array<std::span<const std::u16string_view>, 10> VerseTable;

inline constexpr std::u16string_view MissingDay = u"วัน, ";
inline constexpr std::u16string_view MissingMonth = u"เดือน, ";
inline constexpr std::u16string_view MissingYear = u"ปีเกิด";
inline constexpr std::u16string_view WarningTitle = u"คำเตือน";
inline constexpr std::u16string_view WarningPrefix = u"กรุณาเลือกช่อง ";
inline constexpr std::u16string_view WarningSuffix = u" ด้วยครับ";
inline constexpr std::u16string_view VerdictTitle = u"คำทำนายของคุณ";

// Reads the three list texts exactly as the fields hold them. A text that is
// empty or is not one of its list's items names its field in the warning; only
// when all three match are the values updated and the verse chosen.
ReckoningOutcome Reckon(
    std::u16string_view dayText, std::u16string_view monthText, std::u16string_view yearText, ReckoningState &state);

// The working of the reckoning of three list items, as the history screen's
// rule tells it, in Thai digits: "วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘".
// A month is named by its old name where its item gives one, a year by its
// animal's name. Empty where a text is no item of its list.
std::u16string Working(std::u16string_view dayText, std::u16string_view monthText, std::u16string_view yearText);

} // namespace duset
