// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thaitext.h"

#include "dates.h"

namespace duset {

using namespace std::chrono;

namespace {

constexpr char16_t ThaiZero = u'๐';

// Sunday first, as the lunar date names them, Thursday in full.
constexpr std::array<std::u16string_view, 7> WeekdayNames{
    u"วันอาทิตย์", u"วันจันทร์", u"วันอังคาร", u"วันพุธ", u"วันพฤหัสบดี", u"วันศุกร์", u"วันเสาร์"};

// The rat first, without the beast in brackets that the entry list adds.
constexpr std::array<std::u16string_view, 12> AnimalNames{
    u"ปีชวด", u"ปีฉลู", u"ปีขาล", u"ปีเถาะ", u"ปีมะโรง", u"ปีมะเส็ง", u"ปีมะเมีย", u"ปีมะแม", u"ปีวอก", u"ปีระกา", u"ปีจอ", u"ปีกุน"};

// The spaces of every width, and the line and paragraph separators.
bool isSpace(char16_t c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u1680' || (c >= u'\u2000' && c <= u'\u200A') || c == u'\u2028'
        || c == u'\u2029' || c == u'\u202F' || c == u'\u205F' || c == u'\u3000';
}

std::u16string digits(int number, char16_t zero)
{
    std::u16string text;
    do {
        text.insert(text.begin(), static_cast<char16_t>(zero + number % 10));
        number /= 10;
    } while (number > 0);
    return text;
}

} // namespace

const std::array<std::u16string_view, 12> MonthNames{u"มกราคม", u"กุมภาพันธ์", u"มีนาคม", u"เมษายน", u"พฤษภาคม", u"มิถุนายน",
    u"กรกฎาคม", u"สิงหาคม", u"กันยายน", u"ตุลาคม", u"พฤศจิกายน", u"ธันวาคม"};

const std::array<std::u16string_view, 12> MonthAbbreviations{
    u"ม.ค.", u"ก.พ.", u"มี.ค.", u"เม.ย.", u"พ.ค.", u"มิ.ย.", u"ก.ค.", u"ส.ค.", u"ก.ย.", u"ต.ค.", u"พ.ย.", u"ธ.ค."};

std::optional<int> digitValue(char16_t character)
{
    if (character >= u'0' && character <= u'9')
        return character - u'0';
    if (isThaiDigit(character))
        return character - ThaiZero;
    return std::nullopt;
}

bool isThaiDigit(char16_t character)
{
    return character >= ThaiZero && character <= u'๙';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<int> numberIn(std::u16string_view text, std::size_t mostDigits)
{
    if (text.empty() || text.size() > mostDigits)
        return std::nullopt;
    int value = 0;
    for (const char16_t character : text) {
        const std::optional<int> digit = digitValue(character);
        if (!digit)
            return std::nullopt;
        value = value * 10 + *digit;
    }
    return value;
}

std::u16string arabicDigits(int number)
{
    return digits(number, u'0');
}

std::u16string thaiDigits(int number)
{
    return digits(number, ThaiZero);
}

std::u16string dayAndMonthWording(sys_days day)
{
    const year_month_day date{day};
    return arabicDigits(static_cast<int>(static_cast<unsigned>(date.day()))) + u' '
        + std::u16string(MonthNames[static_cast<unsigned>(date.month()) - 1]);
}

std::u16string civilDateWording(sys_days day)
{
    return dayAndMonthWording(day) + u' '
        + arabicDigits(static_cast<int>(year_month_day{day}.year()) + BuddhistEraOffset);
}

std::u16string lunarDateWording(const BirthReading &reading)
{
    const LunarDate &date = reading.lunar;
    std::u16string line(WeekdayNames[reading.weekday]);
    line += date.waxing ? u" ขึ้น " : u" แรม ";
    line += thaiDigits(date.day);
    line += u" ค่ำ เดือน";
    line += date.month == 1 ? u"อ้าย" : date.month == 2 ? u"ยี่" : u' ' + thaiDigits(date.month);
    line += u' ';
    line += AnimalNames[reading.traditionalYear];
    return line;
}

} // namespace duset
