// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dates.h"

namespace duset {

using namespace std::chrono;

std::size_t animalOfYear(year y)
{
    // 2020 was a year of the rat, the first animal.
    const int offset = (static_cast<int>(y) - 2020) % 12;
    return static_cast<std::size_t>(offset < 0 ? offset + 12 : offset);
}

BirthReading readBirthDate(int day, int month, int buddhistYear, bool beforeDawn)
{
    BirthReading reading;
    if (buddhistYear < FirstBuddhistYear || buddhistYear > LastBuddhistYear) {
        reading.problem = BirthReading::Problem::YearOutOfRange;
        return reading;
    }
    if (day < 1 || day > 31 || month < 1 || month > 12) {
        reading.problem = BirthReading::Problem::NoSuchDate;
        return reading;
    }
    const year_month_day date{year{buddhistYear - BuddhistEraOffset}, std::chrono::month{static_cast<unsigned>(month)},
        std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        reading.problem = BirthReading::Problem::NoSuchDate;
        return reading;
    }

    // Every item is read from the same Thai day.
    const sys_days thaiDay = sys_days{date} - days{beforeDawn ? 1 : 0};
    const year_month_day thaiDate{thaiDay};
    reading.thaiDay = thaiDay;
    reading.fifthMonth = fifthMonthOpens(thaiDate.year());
    reading.weekday = weekday{thaiDay}.c_encoding(); // Sunday first, as DayTable
    reading.civilMonth = static_cast<unsigned>(thaiDate.month()) - 1; // January first, as MonthTable
    reading.civilYear = animalOfYear(thaiDate.year());
    reading.traditionalYear
        = animalOfYear(thaiDay >= reading.fifthMonth ? thaiDate.year() : thaiDate.year() - years{1});
    reading.lunar = lunarDate(thaiDay);
    reading.traditionalMonth = monthItemOf(reading.lunar.month);
    return reading;
}

} // namespace duset
