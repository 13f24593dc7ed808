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

struct BirthReading {
    enum class Problem { None, YearOutOfRange, NoSuchDate };

    Problem problem = Problem::None;
    std::size_t weekday = 0; // into DayTable
    std::size_t month = 0; // into MonthTable
    std::size_t civilYear = 0; // into YearTable: the animal changes on 1 January
    std::size_t traditionalYear = 0; // into YearTable: the animal changes at the fifth lunar month
    std::chrono::sys_days fifthMonth{}; // when the fifth lunar month opened in the year of birth
    LunarDate lunar; // the date of birth in the Thai lunar calendar

    // Whether the two counts name different animals, so that a person must choose.
    bool hasTwoYears() const { return civilYear != traditionalYear; }
};

// Reads a birth date given in the Buddhist Era. In the Thai count a day begins
// at dawn: a birth after midnight and before dawn belongs to the day before,
// and every item is read from that Thai day: the weekday, the month, both
// animal years and the lunar date. Before dawn on 1 January that day is
// 31 December of the year before.
BirthReading readBirthDate(int day, int month, int buddhistYear, bool beforeDawn);

} // namespace duset
