// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dates.h"

#include <array>
#include <cmath>
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

} // namespace

std::size_t animalOfYear(year y)
{
    // 2020 was a year of the rat, the first animal.
    const int offset = (static_cast<int>(y) - 2020) % 12;
    return static_cast<std::size_t>(offset < 0 ? offset + 12 : offset);
}

sys_days fifthMonthOpens(year y)
{
    const double before = thaiMidnight(sys_days{y / April / 14});
    double k = std::floor((static_cast<int>(y) - 2000 + 103.0 / 365.25) * 12.3685);
    while (newMoon(k) >= before)
        k -= 1;
    while (newMoon(k + 1) < before)
        k += 1;
    return thaiDayOf(newMoon(k));
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

    const sys_days thaiDay = sys_days{date} - days{beforeDawn ? 1 : 0};
    const year thaiYear = year_month_day{thaiDay}.year();
    reading.fifthMonth = fifthMonthOpens(date.year());
    reading.weekday = weekday{thaiDay}.c_encoding(); // Sunday first, as DayTable
    reading.month = static_cast<unsigned>(date.month()) - 1; // January first, as MonthTable
    reading.civilYear = animalOfYear(date.year());
    reading.traditionalYear = animalOfYear(thaiDay >= fifthMonthOpens(thaiYear) ? thaiYear : thaiYear - years{1});
    return reading;
}

} // namespace duset
