// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lunar.h"

#include <chrono>
#include <cstddef>

// From a birth date to the items of the entry screen's three lists, and to
// its date in the Thai lunar calendar. Every item is an index into DayTable,
// MonthTable or YearTable, so the texts a person sees here are the lists'
// own.
namespace duset {

// Thai people count years in the Buddhist Era, 543 ahead of the Christian era.
inline constexpr int BuddhistEraOffset = 543;
inline constexpr int FirstBuddhistYear = 2400;
inline constexpr int LastBuddhistYear = 2600;

// The animal of a year as the civil count names it, changing on 1 January.
std::size_t animalOfYear(std::chrono::year year);

// The two ways of counting a birth's month and animal year.
enum class Count {
    Civil, // by the civil calendar: the month of the date, the animal changing on 1 January
    Traditional, // by the lunar calendar: the lunar month, the animal changing at the fifth lunar month
};

// The item of MonthTable whose value is a month's traditional number, from
// 1 (เดือนอ้าย, December's item) to 12; the second eighth month counts as 8.
constexpr std::size_t monthItemOf(int traditionalNumber)
{
    if (traditionalNumber == SecondEighthMonth)
        traditionalNumber = 8;
    return traditionalNumber == 1 ? 11 : static_cast<std::size_t>(traditionalNumber - 2);
}

struct BirthReading {
    enum class Problem { None, YearOutOfRange, NoSuchDate };

    Problem problem = Problem::None;
    std::chrono::sys_days thaiDay{}; // the day every item is read from
    std::size_t weekday = 0; // into DayTable
    std::size_t civilMonth = 0; // into MonthTable: the month of the Thai day
    std::size_t traditionalMonth = 0; // into MonthTable: the item of the lunar month's number
    std::size_t civilYear = 0; // into YearTable: the animal changes on 1 January
    std::size_t traditionalYear = 0; // into YearTable: the animal changes at the fifth lunar month
    std::chrono::sys_days fifthMonth{}; // when the fifth lunar month opened in the year of birth
    LunarDate lunar; // the date of birth in the Thai lunar calendar

    // Whether the two counts name different months or animals, so that a
    // person must choose.
    bool hasTwoMonths() const { return civilMonth != traditionalMonth; }
    bool hasTwoYears() const { return civilYear != traditionalYear; }
    bool hasTwoCounts() const { return hasTwoMonths() || hasTwoYears(); }
    std::size_t month(Count count) const { return count == Count::Civil ? civilMonth : traditionalMonth; }
    std::size_t year(Count count) const { return count == Count::Civil ? civilYear : traditionalYear; }
};

// Reads a birth date given in the Buddhist Era. In the Thai count a day begins
// at dawn: a birth after midnight and before dawn belongs to the day before,
// and every item is read from that Thai day: the weekday, both months, both
// animal years and the lunar date. Before dawn on 1 January that day is
// 31 December of the year before.
BirthReading readBirthDate(int day, int month, int buddhistYear, bool beforeDawn);

} // namespace duset
