// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dates.h"

#include <optional>
#include <string>
#include <string_view>

// A birth date as a person types or pastes it into the birth-date screen's
// three fields: the day (or the whole date), the month chosen from its list,
// and the year, in the Buddhist or the Christian era.
namespace duset {

// The Christian-era years of the same days as the Buddhist Era years taken.
inline constexpr int FirstChristianYear = FirstBuddhistYear - BuddhistEraOffset;
inline constexpr int LastChristianYear = LastBuddhistYear - BuddhistEraOffset;

// Until this year the Buddhist Era year began on 1 April, so a paper from
// then may name January to March by a year one less than the count used here.
inline constexpr int OldNewYearEnded = 2484;

// What the year field holds. A year of the Christian era's range cannot be a
// Buddhist Era year of the range taken, and is read as the Christian era.
struct YearReading {
    enum class Kind { Empty, Unfinished, NotANumber, OutOfRange, BuddhistEra, ChristianEra };

    Kind kind = Kind::Empty;
    int buddhistYear = 0; // of either era
    int written = 0; // the number as the field holds it

    bool isWhole() const { return kind == Kind::BuddhistEra || kind == Kind::ChristianEra; }
};

// Four digits, spaces around them not read.
YearReading readYear(std::u16string_view text);

// A whole date typed or pasted into the day field, as the three fields
// would hold it.
struct TypedDate {
    int day = 0; // 1 to 31, the month's length unchecked
    int month = 0; // 1 for January to 12
    std::u16string dayText; // the day, in the digits it was written in
    std::u16string yearText; // four digits, in the digits the year was written in
    YearReading year{}; // what the year field reads from them
};

// What the day field holds: a day of the month, or a whole date
// ("17/1/2539", "17-01-2539", "17 ม.ค. 2539", "17 มกราคม พ.ศ. 2539",
// "๑๗ ม.ค. ๒๕๓๙", "17/1/39"), day first, or a date written year first
// ("2539-01-17"). A two-digit year is a Buddhist Era year of the last
// hundred years up to this one (ค.ศ. before it: of the Christian era).
struct DayReading {
    enum class Kind {
        Empty,
        Day,
        NotADay, // neither a day nor a date, nor the start of one
        UnfinishedDate, // the start of a whole date
        YearMayGoOn, // a whole date whose two-digit year may be the start of four
        WholeDate,
    };

    Kind kind = Kind::Empty;
    int day = 0; // of Day
    TypedDate date{}; // of YearMayGoOn and WholeDate
};

DayReading readDayField(std::u16string_view text, int thisBuddhistYear);

// What the three fields come to.
struct DateFields {
    enum class Status {
        AskForTheDate, // something is missing
        NoDay, // the day field holds no day and no date
        UnfinishedDate, // the day field holds the start of a date
        YearMayGoOn, // the day field holds a whole date whose year may go on
        NoYear, // the year field holds no number
        YearOutOfRange,
        NoSuchDate, // 31 April, 29 February 2566
        Whole,
    };
    enum class Field { Day, Month, Year };

    Status status = Status::AskForTheDate;
    Field fault = Field::Day; // where to mend it, while it is not whole
    int day = 0; // the day and month (1 for January) that the fields hold, 0 where they hold none
    int month = 0;
    YearReading year{};
    TypedDate pending{}; // of YearMayGoOn: what the fields would hold
    std::optional<BirthReading> reading; // of a whole date
    // The year was written in the Buddhist Era before 2484 and the month is
    // January to March, so the Christian-era year is worth a check.
    bool checkTheOldNewYear = false;
};

// month: 1 for January to 12, 0 where none is chosen.
DateFields readDateFields(
    std::u16string_view dayText, int month, std::u16string_view yearText, bool beforeDawn, int thisBuddhistYear);

} // namespace duset
