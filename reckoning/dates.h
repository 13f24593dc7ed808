// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstddef>
#include <optional>

// From a birth date to the items of the entry screen's three lists. Every
// result is an index into DayTable, MonthTable or YearTable, so the texts a
// person sees here are the lists' own.
namespace duset {

// Thai people count years in the Buddhist Era, 543 ahead of the Christian era.
inline constexpr int BuddhistEraOffset = 543;
inline constexpr int FirstBuddhistYear = 2400;
inline constexpr int LastBuddhistYear = 2600;

// The animal of a year as the civil count names it, changing on 1 January.
std::size_t animalOfYear(std::chrono::year year);

// The day, in Thai time, of the new moon that opens the fifth lunar month
// (ขึ้น 1 ค่ำ เดือน 5) in the given Gregorian year: the last new moon that falls
// before 14 April, so that the sun's entry into Aries at Songkran always falls
// in the fifth month. The moment of each new moon is reckoned astronomically.
std::chrono::sys_days fifthMonthOpens(std::chrono::year year);

struct BirthReading {
    enum class Problem { None, YearOutOfRange, NoSuchDate };

    Problem problem = Problem::None;
    std::size_t weekday = 0; // into DayTable
    std::size_t month = 0; // into MonthTable
    std::size_t civilYear = 0; // into YearTable: the animal changes on 1 January
    std::size_t traditionalYear = 0; // into YearTable: the animal changes at the fifth lunar month
    std::chrono::sys_days fifthMonth{}; // when the fifth lunar month opened in the year of birth

    // Whether the two counts name different animals, so that a person must choose.
    bool hasTwoYears() const { return civilYear != traditionalYear; }
};

// Reads a birth date given in the Buddhist Era. In the Thai count a day begins
// at dawn: a birth after midnight and before dawn belongs to the day before,
// which decides the weekday and the traditional year. The month and the civil
// year follow the date as written.
BirthReading readBirthDate(int day, int month, int buddhistYear, bool beforeDawn);

} // namespace duset
