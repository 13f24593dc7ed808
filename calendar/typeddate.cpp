// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typeddate.h"

#include "thaitext.h"

#include <algorithm>
#include <vector>

namespace duset {

namespace {

bool isThaiLetter(char16_t c)
{
    return c >= u'\u0E01' && c <= u'\u0E4E' && !isThaiDigit(c);
}

bool isSeparator(char16_t c)
{
    return c == u'/' || c == u'-' || c == u'.' || c == u',' || trimmed(std::u16string_view(&c, 1)).empty();
}

// A run of digits, or of Thai letters with the dots of their abbreviations
// ("ม.ค.", "พ.ศ."), which are left out.
struct Token {
    bool isNumber = false;
    std::u16string text;
    bool thaiDigits = false; // of a number
};

// The text's numbers and words; none where it holds anything else.
std::optional<std::vector<Token>> tokensOf(std::u16string_view text)
{
    std::vector<Token> tokens;
    bool apart = true; // a separator stands since the last token
    for (const char16_t c : text) {
        const bool digit = digitValue(c).has_value();
        if (digit || isThaiLetter(c)) {
            if (apart || tokens.back().isNumber != digit)
                tokens.push_back({.isNumber = digit, .text = {}, .thaiDigits = isThaiDigit(c)});
            tokens.back().text += c;
            apart = false;
        } else if (c == u'.' && !tokens.empty() && !tokens.back().isNumber && !apart) {
            continue; // the dot of an abbreviation
        } else if (isSeparator(c)) {
            apart = true;
        } else {
            return std::nullopt;
        }
    }
    return tokens;
}

std::u16string withoutDots(std::u16string_view text)
{
    std::u16string letters(text);
    std::erase(letters, u'.');
    return letters;
}

constexpr std::u16string_view MonthWord = u"เดือน";
constexpr std::u16string_view BuddhistEraWord = u"พศ";
constexpr std::u16string_view ChristianEraWord = u"คศ";
constexpr std::u16string_view DateWords[] = {u"วันที่", u"วัน", u"ที่"};

// How a word stands to a month's name: 1 to 12 for January to December, 0
// where it could still become one, nullopt where it cannot.
std::optional<int> monthOfWord(std::u16string_view word)
{
    if (word.starts_with(MonthWord))
        word.remove_prefix(MonthWord.size());
    else if (MonthWord.starts_with(word))
        return 0;
    bool begun = word.empty();
    for (std::size_t m = 0; m < MonthNames.size(); ++m) {
        for (const std::u16string &name : {std::u16string(MonthNames[m]), withoutDots(MonthAbbreviations[m])}) {
            if (word == name)
                return static_cast<int>(m) + 1;
            begun = begun || name.starts_with(word);
        }
    }
    return begun ? std::optional<int>(0) : std::nullopt;
}

enum class Era { Unmarked, Buddhist, Christian };

bool yearInRange(int year, Era era)
{
    const bool buddhist = year >= FirstBuddhistYear && year <= LastBuddhistYear;
    const bool christian = year >= FirstChristianYear && year <= LastChristianYear;
    return era == Era::Buddhist ? buddhist : era == Era::Christian ? christian : buddhist || christian;
}

// Whether two digits begin a four-digit year of the range.
bool mayGoOn(int twoDigits, Era era)
{
    for (int year = twoDigits * 100; year < twoDigits * 100 + 100; ++year) {
        if (yearInRange(year, era))
            return true;
    }
    return false;
}

// The four-digit year a two-digit one stands for: the latest of the last
// hundred years up to this one, in its era.
int fullYear(int twoDigits, Era era, int thisBuddhistYear)
{
    const int thisYear = era == Era::Christian ? thisBuddhistYear - BuddhistEraOffset : thisBuddhistYear;
    const int year = thisYear / 100 * 100 + twoDigits;
    return year <= thisYear ? year : year - 100;
}

std::u16string digitsAs(int number, const Token &writtenLike)
{
    return writtenLike.thaiDigits ? thaiDigits(number) : arabicDigits(number);
}

// A date of the whole date's parts, day first or, with a year of four digits
// first, year first.
DayReading dateOf(const std::vector<Token> &tokens, int thisBuddhistYear)
{
    const DayReading unfinished{.kind = DayReading::Kind::UnfinishedDate};
    const DayReading notADay{.kind = DayReading::Kind::NotADay};
    std::size_t next = 0;
    const auto more = [&] { return next < tokens.size(); };
    const auto isNumber = [&] { return more() && tokens[next].isNumber; };

    // Year first: 2539-01-17.
    if (tokens.size() == 3 && tokens[0].isNumber && tokens[0].text.size() == 4 && tokens[1].isNumber
        && tokens[2].isNumber) {
        const std::vector<Token> dayFirst{tokens[2], tokens[1], tokens[0]};
        return dateOf(dayFirst, thisBuddhistYear);
    }
    if (!isNumber())
        return notADay;
    const Token &dayToken = tokens[next++];
    const std::optional<int> day = numberIn(dayToken.text, 2);
    if (!day || *day < 1 || *day > 31)
        return notADay;

    if (!more())
        return unfinished;
    int month = 0;
    if (isNumber()) {
        month = numberIn(tokens[next++].text, 2).value_or(0);
        if (month < 1 || month > 12)
            return notADay;
    } else {
        if (tokens[next].text == MonthWord && ++next < tokens.size() && isNumber())
            return notADay; // "เดือน มกราคม", the word apart from the name
        if (!more())
            return unfinished;
        const std::optional<int> named = monthOfWord(tokens[next++].text);
        if (!named)
            return notADay;
        if (*named == 0)
            return more() ? notADay : unfinished;
        month = *named;
    }

    Era era = Era::Unmarked;
    if (more() && !isNumber()) {
        const std::u16string_view word = tokens[next++].text;
        if (word == BuddhistEraWord || word == ChristianEraWord)
            era = word == BuddhistEraWord ? Era::Buddhist : Era::Christian;
        else if (!more() && (BuddhistEraWord.starts_with(word) || ChristianEraWord.starts_with(word)))
            return unfinished;
        else
            return notADay;
    }
    if (!isNumber())
        return more() ? notADay : unfinished;
    const Token &yearToken = tokens[next++];
    if (more())
        return notADay;
    const std::optional<int> year = numberIn(yearToken.text, 4);
    if (!year)
        return notADay;
    if (yearToken.text.size() != 2 && yearToken.text.size() != 4)
        return unfinished;

    DayReading reading{.kind = DayReading::Kind::WholeDate};
    reading.date.day = *day;
    reading.date.month = month;
    reading.date.dayText = digitsAs(*day, dayToken);
    if (yearToken.text.size() == 2) {
        if (mayGoOn(*year, era))
            reading.kind = DayReading::Kind::YearMayGoOn;
        reading.date.yearText = digitsAs(fullYear(*year, era, thisBuddhistYear), yearToken);
    } else {
        // A year marked with its era must be a year of that era's range
        // where the year field would read it otherwise.
        if (era != Era::Unmarked && yearInRange(*year, Era::Unmarked) && !yearInRange(*year, era))
            return notADay;
        reading.date.yearText = yearToken.text;
    }
    reading.date.year = readYear(reading.date.yearText);
    return reading;
}

} // namespace

YearReading readYear(std::u16string_view text)
{
    using enum YearReading::Kind;
    text = trimmed(text);
    if (text.empty())
        return {};
    if (!std::all_of(text.begin(), text.end(), [](char16_t c) { return digitValue(c).has_value(); }))
        return {.kind = NotANumber};
    if (text.size() < 4)
        return {.kind = Unfinished};
    const std::optional<int> year = numberIn(text, 4);
    if (!year)
        return {.kind = OutOfRange};
    if (*year >= FirstBuddhistYear && *year <= LastBuddhistYear)
        return {.kind = BuddhistEra, .buddhistYear = *year, .written = *year};
    if (*year >= FirstChristianYear && *year <= LastChristianYear)
        return {.kind = ChristianEra, .buddhistYear = *year + BuddhistEraOffset, .written = *year};
    return {.kind = OutOfRange, .written = *year};
}

DayReading readDayField(std::u16string_view text, int thisBuddhistYear)
{
    text = trimmed(text);
    if (text.empty())
        return {};
    if (const std::optional<int> day = numberIn(text, 2))
        return *day >= 1 && *day <= 31 ? DayReading{.kind = DayReading::Kind::Day, .day = *day}
                                       : DayReading{.kind = DayReading::Kind::NotADay};
    std::optional<std::vector<Token>> tokens = tokensOf(text);
    if (!tokens)
        return {.kind = DayReading::Kind::NotADay};
    // "วันที่ 17 มกราคม 2539": the words before the day are not read.
    while (!tokens->empty() && !tokens->front().isNumber) {
        const std::u16string_view word = tokens->front().text;
        const bool dateWord = std::find(std::begin(DateWords), std::end(DateWords), word) != std::end(DateWords);
        if (!dateWord)
            return {.kind = DateWords[0].starts_with(word) && tokens->size() == 1 ? DayReading::Kind::UnfinishedDate
                                                                                  : DayReading::Kind::NotADay};
        tokens->erase(tokens->begin());
    }
    if (tokens->empty())
        return {.kind = DayReading::Kind::UnfinishedDate};
    return dateOf(*tokens, thisBuddhistYear);
}

DateFields readDateFields(
    std::u16string_view dayText, int month, std::u16string_view yearText, bool beforeDawn, int thisBuddhistYear)
{
    using enum DateFields::Status;
    using Field = DateFields::Field;
    DateFields fields;
    const DayReading day = readDayField(dayText, thisBuddhistYear);
    fields.year = readYear(yearText);
    const bool hasDay = day.kind == DayReading::Kind::Day;
    fields.day = day.day;
    fields.month = month;
    fields.fault = !hasDay ? Field::Day : month == 0 ? Field::Month : Field::Year;
    switch (day.kind) {
    case DayReading::Kind::NotADay:
        fields.status = NoDay;
        return fields;
    case DayReading::Kind::UnfinishedDate:
        fields.status = UnfinishedDate;
        return fields;
    case DayReading::Kind::YearMayGoOn:
    case DayReading::Kind::WholeDate:
        fields.status = YearMayGoOn;
        fields.pending = day.date;
        return fields;
    case DayReading::Kind::Empty:
    case DayReading::Kind::Day:
        break;
    }
    using enum YearReading::Kind;
    if (fields.year.kind == NotANumber || fields.year.kind == OutOfRange) {
        fields.status = fields.year.kind == NotANumber ? NoYear : YearOutOfRange;
        fields.fault = Field::Year;
        return fields;
    }
    if (!hasDay || month == 0 || !fields.year.isWhole()) {
        fields.status = AskForTheDate;
        return fields;
    }
    BirthReading reading = readBirthDate(day.day, month, fields.year.buddhistYear, beforeDawn);
    if (reading.problem != BirthReading::Problem::None) {
        fields.status = NoSuchDate;
        fields.fault = Field::Day;
        return fields;
    }
    fields.status = Whole;
    fields.reading = reading;
    fields.checkTheOldNewYear
        = fields.year.kind == BuddhistEra && fields.year.buddhistYear < OldNewYearEnded && month <= 3;
    return fields;
}

} // namespace duset
