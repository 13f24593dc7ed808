// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

// The Thai lunar calendar (ปฏิทินจันทรคติ), in which Thai calendars and birth
// certificates date a birth and the traditional count changes the animal
// year. A lunar year begins with its first month, เดือนอ้าย, in November or
// December, and is named here by the Gregorian year that follows. Its months
// have 29 and 30 days in turn; each has a waxing half (ขึ้น) of 15 days and a
// waning half (แรม) of the rest. The calendar is reckoned by its own
// arithmetic, whose outcome is a kind for every year: these come from the
// calendar's published table, compiled into the program, from the year that
// began on 28 November 1913. Days before it are estimated from the true new
// moons.
namespace duset {

// How long a lunar year is.
enum class LunarYearKind : unsigned char {
    Normal, // ปกติมาส ปกติวาร: 354 days
    ExtraDay, // อธิกวาร: 355 days, its seventh month has 30
    ExtraMonth, // อธิกมาส: 384 days, its eighth month comes twice
};

// The second eighth month of a year with an extra month, เดือน ๘๘ (แปดหลัง).
inline constexpr int SecondEighthMonth = 88;

struct LunarDate {
    bool waxing = true; // ขึ้น; otherwise แรม
    int day = 1; // within its half: 1 to 15
    int month = 1; // 1 (เดือนอ้าย) to 12, or SecondEighthMonth after the first eighth
    int year = 0; // the Gregorian year that names the lunar year
    bool exact = false; // from the calendar's table; otherwise an estimate from the moon

    friend bool operator==(const LunarDate &, const LunarDate &) = default;
};

// The lunar date of a day (a Thai day, which begins at dawn).
LunarDate lunarDate(std::chrono::sys_days day);

// The first day of the fifth lunar month (ขึ้น 1 ค่ำ เดือน 5) in a Gregorian
// year, on which the traditional count changes the animal year: from the
// calendar's table where it has the year, otherwise the estimate below.
std::chrono::sys_days fifthMonthOpens(std::chrono::year year);

// Whether the calendar's table has the fifth month of the year.
bool fifthMonthIsExact(std::chrono::year year);

// The estimate of the fifth month's first day for the years the table does
// not have: the day, in Thai time, of the last new moon before 11 April, the
// moment of each new moon reckoned astronomically. Over the table's years
// 1914-2057 the calendar's own day is mostly the same, a day earlier or
// later in one year in four, and a month later in two (1945 and 2051, when
// the fifth month opened on 12 and 11 April).
std::chrono::sys_days estimatedFifthMonthOpens(std::chrono::year year);

} // namespace duset
