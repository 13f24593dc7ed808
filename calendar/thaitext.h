// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Numbers and dates as Thai people write them: the digits 0 to 9 beside the
// Thai digits ๐ to ๙, the names of the months, weekdays and animal years, and
// the wording of a date in the civil and the lunar calendar.
namespace duset {

struct BirthReading;

// The value of a digit 0 to 9 or a Thai digit ๐ to ๙; no other figure of any
// script, nor a digit raised or in a circle, is read as one.
std::optional<int> digitValue(char16_t character);
bool isThaiDigit(char16_t character);

// The text without the spaces around it, of any width.
std::u16string_view trimmed(std::u16string_view text);

// A whole number of one to mostDigits digits, with nothing else in the text.
std::optional<int> numberIn(std::u16string_view text, std::size_t mostDigits = 4);

// A number written in the digits 0 to 9, or in Thai digits.
std::u16string arabicDigits(int number);
std::u16string thaiDigits(int number);

// The civil months, January first, as a date names them: "มกราคม".
extern const std::array<std::u16string_view, 12> MonthNames;
// Their short forms, as forms and newspapers write them: "ม.ค.".
extern const std::array<std::u16string_view, 12> MonthAbbreviations;

// A day of the civil calendar with its Buddhist Era year: "31 ธันวาคม 2566".
std::u16string civilDateWording(std::chrono::sys_days day);
// Its day and month alone: "19 มีนาคม".
std::u16string dayAndMonthWording(std::chrono::sys_days day);

// The lunar date of a reading as Thai calendars and birth certificates write
// it, with the weekday's full name and the animal of the traditional count:
// "วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน". The first two months have names; the
// others, the second eighth month ๘๘ included, are numbers.
std::u16string lunarDateWording(const BirthReading &reading);

} // namespace duset
