// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lunar.h"

#include "lunaryears.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>
#include <numbers>

namespace duset {

using namespace std::chrono;

namespace {

// The moment of a new moon after Jean Meeus, Astronomical Algorithms (2nd ed.),
// chapter 49: the mean new moon of lunation k (k = 0 in January 2000) with its
// periodic terms. Good to about a minute over these two centuries.
double sine(double degrees)
{
    return std::sin(degrees * std::numbers::pi / 180.0);
}

struct Term {
    double days;
    int eccentricity; // the power of E that scales the term
    int sun; // multiples of the sun's mean anomaly M
    int moon; // of the moon's mean anomaly M'
    int latitude; // of the moon's argument of latitude F
    int node; // of the longitude of the ascending node
};

constexpr std::array<Term, 25> NewMoonTerms{{
    {-0.40720, 0, 0, 1, 0, 0},
    {0.17241, 1, 1, 0, 0, 0},
    {0.01608, 0, 0, 2, 0, 0},
    {0.01039, 0, 0, 0, 2, 0},
    {0.00739, 1, -1, 1, 0, 0},
    {-0.00514, 1, 1, 1, 0, 0},
    {0.00208, 2, 2, 0, 0, 0},
    {-0.00111, 0, 0, 1, -2, 0},
    {-0.00057, 0, 0, 1, 2, 0},
    {0.00056, 1, 1, 2, 0, 0},
    {-0.00042, 0, 0, 3, 0, 0},
    {0.00042, 1, 1, 0, 2, 0},
    {0.00038, 1, 1, 0, -2, 0},
    {-0.00024, 1, -1, 2, 0, 0},
    {-0.00017, 0, 0, 0, 0, 1},
    {-0.00007, 0, 2, 1, 0, 0},
    {0.00004, 0, 0, 2, -2, 0},
    {0.00004, 0, 3, 0, 0, 0},
    {0.00003, 0, 1, 1, -2, 0},
    {0.00003, 0, 0, 2, 2, 0},
    {-0.00003, 0, 1, 1, 2, 0},
    {0.00003, 0, -1, 1, 2, 0},
    {-0.00002, 0, -1, 1, -2, 0},
    {-0.00002, 0, 1, 3, 0, 0},
    {0.00002, 0, 0, 4, 0, 0},
}};

// The planets' small pull: amplitude in days, and the angle in degrees at
// k = 0, its growth per lunation and per square century.
struct PlanetaryTerm {
    double days;
    double angle;
    double perLunation;
    double perCenturySquared = 0;
};

constexpr std::array<PlanetaryTerm, 14> PlanetaryTerms{{
    {0.000325, 299.77, 0.107408, -0.009173},
    {0.000165, 251.88, 0.016321},
    {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478},
    {0.000110, 84.66, 18.206239},
    {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},
    {0.000056, 154.84, 7.306860},
    {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},
    {0.000040, 291.34, 1.844379},
    {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099},
    {0.000023, 331.55, 3.592518},
}};

// The Julian Ephemeris Day of the new moon of lunation k.
double newMoon(double k)
{
    const double t = k / 1236.85;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t * t - 0.000000150 * t * t * t
        + 0.00000000073 * t * t * t * t;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;
    const double sun = 2.5534 + 29.10535670 * k - 0.0000014 * t * t - 0.00000011 * t * t * t;
    const double moon
        = 201.5643 + 385.81693528 * k + 0.0107582 * t * t + 0.00001238 * t * t * t - 0.000000058 * t * t * t * t;
    const double latitude
        = 160.7108 + 390.67050284 * k - 0.0016118 * t * t - 0.00000227 * t * t * t + 0.000000011 * t * t * t * t;
    const double node = 124.7746 - 1.56375588 * k + 0.0020672 * t * t + 0.00000215 * t * t * t;
    for (const Term &term : NewMoonTerms) {
        const double angle = term.sun * sun + term.moon * moon + term.latitude * latitude + term.node * node;
        jde += term.days * std::pow(e, term.eccentricity) * sine(angle);
    }
    for (const PlanetaryTerm &term : PlanetaryTerms) {
        jde += term.days * sine(term.angle + term.perLunation * k + term.perCenturySquared * t * t);
    }
    return jde;
}

// Julian Day 2440587.5 is 1970-01-01 00:00 UT, the epoch of sys_days. Thai
// time is seven hours ahead of UT. The gap between ephemeris time and UT
// (under two minutes in these centuries) is left out.
constexpr double UnixEpoch = 2440587.5;
constexpr double ThaiOffset = 7.0 / 24.0;

sys_days thaiDayOf(double jde)
{
    return sys_days{days{static_cast<int>(std::floor(jde - UnixEpoch + ThaiOffset))}};
}

double thaiMidnight(sys_days day)
{
    return UnixEpoch + day.time_since_epoch().count() - ThaiOffset;
}

// The months of a lunar year in their order, the second eighth month only in
// a year with an extra month.
constexpr std::array<int, 13> MonthOrder{1, 2, 3, 4, 5, 6, 7, 8, SecondEighthMonth, 9, 10, 11, 12};

constexpr int daysIn(int month, LunarYearKind kind)
{
    if (month == SecondEighthMonth || (month == 7 && kind == LunarYearKind::ExtraDay))
        return 30;
    return month % 2 == 1 ? 29 : 30;
}

constexpr int daysIn(LunarYearKind kind)
{
    int total = 0;
    for (const int month : MonthOrder) {
        if (month != SecondEighthMonth || kind == LunarYearKind::ExtraMonth)
            total += daysIn(month, kind);
    }
    return total;
}

static_assert(daysIn(LunarYearKind::Normal) == 354);
static_assert(daysIn(LunarYearKind::ExtraDay) == 355);
static_assert(daysIn(LunarYearKind::ExtraMonth) == 384);

// From its first day to the fifth month's: the first four months, which are
// the same in every kind of year.
constexpr days BeforeTheFifthMonth{daysIn(1, LunarYearKind::Normal) + daysIn(2, LunarYearKind::Normal)
    + daysIn(3, LunarYearKind::Normal) + daysIn(4, LunarYearKind::Normal)};

// The table's first lunar year began in the Gregorian year before the one
// that names it.
static_assert(FirstTableDay.ok() && FirstTableDay.month() >= November);
constexpr int FirstTableYear = static_cast<int>(FirstTableDay.year()) + 1;

// The first day of every lunar year of the table, and the day after its last.
constexpr auto YearOpens = [] {
    std::array<sys_days, std::size(LunarYearKinds) + 1> opens{};
    opens[0] = sys_days{FirstTableDay};
    for (std::size_t i = 0; i < std::size(LunarYearKinds); ++i)
        opens[i + 1] = opens[i] + days{daysIn(LunarYearKinds[i])};
    return opens;
}();

LunarDate fromDayOfMonth(int dayOfMonth, int month, int year, bool exact)
{
    const bool waxing = dayOfMonth <= 15;
    return {
        .waxing = waxing, .day = waxing ? dayOfMonth : dayOfMonth - 15, .month = month, .year = year, .exact = exact};
}

LunarDate exactLunarDate(sys_days day)
{
    const auto next = std::upper_bound(YearOpens.begin(), YearOpens.end(), day);
    const auto index = static_cast<std::size_t>(std::distance(YearOpens.begin(), next) - 1);
    const LunarYearKind kind = LunarYearKinds[index];
    auto offset = static_cast<int>((day - YearOpens[index]).count());
    for (const int month : MonthOrder) {
        if (month == SecondEighthMonth && kind != LunarYearKind::ExtraMonth)
            continue;
        if (offset < daysIn(month, kind))
            return fromDayOfMonth(offset + 1, month, FirstTableYear + static_cast<int>(index), true);
        offset -= daysIn(month, kind);
    }
    return {}; // not reached: the months fill the year
}

// The lunation whose new moon is the last to fall, in Thai time, on or before a day.
double lunationOn(sys_days day)
{
    constexpr double SynodicMonth = 29.530588861;
    double k = std::floor((day - sys_days{2000y / January / 6}).count() / SynodicMonth);
    while (thaiDayOf(newMoon(k + 1)) <= day)
        k += 1;
    while (thaiDayOf(newMoon(k)) > day)
        k -= 1;
    return k;
}

// Beyond the table each month begins on the day of a new moon, counted from
// the fifth month's first day; a year with 13 new moons before the next fifth
// month has an extra month.
LunarDate estimatedLunarDate(sys_days day)
{
    year fifthMonthYear = year_month_day{day}.year();
    if (day < fifthMonthOpens(fifthMonthYear))
        fifthMonthYear -= years{1};
    const sys_days opened = fifthMonthOpens(fifthMonthYear);
    const bool extraMonth = fifthMonthOpens(fifthMonthYear + years{1}) - opened > days{370};
    const double lunation = lunationOn(day);
    // After the table, months are counted from its last fifth month, whose
    // first day holds even where that month's new moon fell the day before.
    const sys_days monthOpens = std::max(thaiDayOf(newMoon(lunation)), opened);
    int index = std::clamp(static_cast<int>(lunation - lunationOn(opened)), 0, extraMonth ? 12 : 11);
    if (!extraMonth && index >= 4)
        ++index; // past the second eighth month, which this year has not
    const int month = MonthOrder[static_cast<std::size_t>(4 + index) % MonthOrder.size()];
    const int lunarYear = static_cast<int>(fifthMonthYear) + (month < 5 ? 1 : 0);
    return fromDayOfMonth(std::min(static_cast<int>((day - monthOpens).count()) + 1, 30), month, lunarYear, false);
}

} // namespace

LunarDate lunarDate(sys_days day)
{
    if (day >= YearOpens.front() && day < YearOpens.back())
        return exactLunarDate(day);
    return estimatedLunarDate(day);
}

bool fifthMonthIsExact(year y)
{
    const int index = static_cast<int>(y) - FirstTableYear;
    return index >= 0 && index < static_cast<int>(std::size(LunarYearKinds));
}

sys_days fifthMonthOpens(year y)
{
    if (fifthMonthIsExact(y))
        return YearOpens[static_cast<std::size_t>(static_cast<int>(y) - FirstTableYear)] + BeforeTheFifthMonth;
    return estimatedFifthMonthOpens(y);
}

sys_days estimatedFifthMonthOpens(year y)
{
    const double before = thaiMidnight(sys_days{y / April / 11});
    double k = std::floor((static_cast<int>(y) - 2000 + 103.0 / 365.25) * 12.3685);
    while (newMoon(k) >= before)
        k -= 1;
    while (newMoon(k + 1) < before)
        k += 1;
    return thaiDayOf(newMoon(k));
}

} // namespace duset
