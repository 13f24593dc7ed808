// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "itemnames.h"

#include "reckoning.h"

#include <array>
#include <span>
#include <string>

namespace duset {

namespace {

using Names = std::span<const std::u16string_view>;

// Names beside those that the items themselves give, by the item's place.
constexpr std::u16string_view Sunday[] = {u"อา."};
constexpr std::u16string_view Monday[] = {u"จ."};
constexpr std::u16string_view Tuesday[] = {u"อ."};
constexpr std::u16string_view Wednesday[] = {u"พ."};
constexpr std::u16string_view Thursday[] = {u"พฤ.", u"วันพฤหัสบดี"};
constexpr std::u16string_view Friday[] = {u"ศ."};
constexpr std::u16string_view Saturday[] = {u"ส."};
constexpr std::array<Names, 7> DayNames{Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday};

// The order screen writes the first and the last month with the old name
// alone in the parentheses.
constexpr std::u16string_view January[] = {u"ม.ค.", u"เดือนมกราคม(ยี่)"};
constexpr std::u16string_view February[] = {u"ก.พ."};
constexpr std::u16string_view March[] = {u"มี.ค."};
constexpr std::u16string_view April[] = {u"เม.ย."};
constexpr std::u16string_view May[] = {u"พ.ค."};
constexpr std::u16string_view June[] = {u"มิ.ย."};
constexpr std::u16string_view July[] = {u"ก.ค."};
constexpr std::u16string_view August[] = {u"ส.ค."};
constexpr std::u16string_view September[] = {u"ก.ย."};
constexpr std::u16string_view October[] = {u"ต.ค."};
constexpr std::u16string_view November[] = {u"พ.ย."};
constexpr std::u16string_view December[] = {u"ธ.ค.", u"เดือนธันวาคม(อ้าย)"};
constexpr std::array<Names, 12> MonthNames{
    January, February, March, April, May, June, July, August, September, October, November, December};

// The dog goes by its everyday word too.
constexpr std::u16string_view Dog[] = {u"หมา"};
constexpr std::array<Names, 12> YearNames{{{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, Dog, {}}};

// Without the spaces and full stops, which a person may type or leave out.
std::u16string folded(std::u16string_view text)
{
    std::u16string kept;
    for (const char16_t c : text) {
        if (c != u' ' && c != u'.')
            kept += c;
    }
    return kept;
}

// Whether the name, as it stands, without the list's word before it, or any
// word in its parentheses, begins with the typed text.
bool begins(std::u16string_view name, std::u16string_view listWord, const std::u16string &typed)
{
    const auto beginsWith = [&typed](std::u16string_view text) { return folded(text).starts_with(typed); };
    if (beginsWith(name))
        return true;
    if (name.starts_with(listWord) && beginsWith(name.substr(listWord.size())))
        return true;
    const std::size_t open = name.find(u'(');
    const std::size_t close = name.find(u')', open);
    if (open == std::u16string_view::npos || close == std::u16string_view::npos)
        return false;
    const std::u16string_view inside = name.substr(open + 1, close - open - 1);
    return beginsWith(inside) || (inside.starts_with(listWord) && beginsWith(inside.substr(listWord.size())));
}

template<typename Row, std::size_t N>
std::vector<std::size_t> named(const std::array<Row, N> &table, const std::array<Names, N> &more,
    std::u16string_view listWord, std::u16string_view typed)
{
    std::vector<std::size_t> places;
    const std::u16string wanted = folded(typed);
    if (wanted.empty())
        return places;
    for (std::size_t i = 0; i < N; ++i) {
        bool found = begins(table[i].key, listWord, wanted);
        for (const std::u16string_view name : more[i])
            found = found || begins(name, listWord, wanted);
        if (found)
            places.push_back(i);
    }
    return places;
}

} // namespace

std::vector<std::size_t> itemsNamed(EntryList list, std::u16string_view typed)
{
    // Each list's items begin with the word for what they are.
    switch (list) {
    case EntryList::Day:
        return named(DayTable, DayNames, u"วัน", typed);
    case EntryList::Month:
        return named(MonthTable, MonthNames, u"เดือน", typed);
    case EntryList::Year:
        return named(YearTable, YearNames, u"ปี", typed);
    }
    return {};
}

} // namespace duset
