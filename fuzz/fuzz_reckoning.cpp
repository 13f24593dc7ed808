// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any three texts and any prior state of the entry screen's fields: the
// reckoning either warns, naming exactly the fields whose text is no item of
// their list and leaving the values alone, or tells the verse of the
// remainder ((total - 1) mod 10) + 1 of the three items' values.

#include "reckoning.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace duset;

namespace {

void expect(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "the reckoning went wrong: %s\n", what);
        std::abort();
    }
}

template<typename Value, std::size_t N>
const TableRow<Value> *find(const std::array<TableRow<Value>, N> &table, std::u16string_view text)
{
    for (const auto &row : table) {
        if (row.key == text)
            return &row;
    }
    return nullptr;
}

template<typename Value, std::size_t N>
std::u16string_view anyKey(FuzzedDataProvider &data, const std::array<TableRow<Value>, N> &table)
{
    return table[data.ConsumeIntegralInRange<std::size_t>(0, N - 1)].key;
}

// Mostly texts a list could hold or nearly hold, so that verdicts come up
// as often as warnings; otherwise any code units at all, lone surrogates
// and nulls included.
std::u16string text(FuzzedDataProvider &data)
{
    switch (data.ConsumeIntegralInRange(0, 5)) {
    case 0:
        return {};
    case 1:
    case 2: {
        std::u16string key;
        switch (data.ConsumeIntegralInRange(0, 2)) {
        case 0:
            key = anyKey(data, DayTable);
            break;
        case 1:
            key = anyKey(data, MonthTable);
            break;
        default:
            key = anyKey(data, YearTable);
            break;
        }
        if (data.ConsumeBool()) {
            // One code unit more, fewer or changed.
            const std::size_t at = data.ConsumeIntegralInRange<std::size_t>(0, key.size());
            const auto unit = data.ConsumeIntegral<char16_t>();
            switch (data.ConsumeIntegralInRange(0, 2)) {
            case 0:
                key.insert(key.begin() + std::ptrdiff_t(at), unit);
                break;
            case 1:
                if (at < key.size())
                    key.erase(at, 1);
                break;
            default:
                if (at < key.size())
                    key[at] = unit;
                break;
            }
        }
        return key;
    }
    default: {
        std::u16string raw(data.ConsumeIntegralInRange<std::size_t>(0, 40), u'\0');
        for (char16_t &unit : raw)
            unit = data.ConsumeIntegral<char16_t>();
        return raw;
    }
    }
}

double anyDouble(FuzzedDataProvider &data)
{
    const auto bits = data.ConsumeIntegral<std::uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    ReckoningState state;
    state.DayValue = data.ConsumeIntegral<std::int16_t>();
    state.MonthValue = data.ConsumeIntegral<std::int16_t>();
    state.YearValue = anyDouble(data);
    state.Total = anyDouble(data);
    state.MissingFields = text(data);
    const std::u16string day = text(data);
    const std::u16string month = text(data);
    const std::u16string year = text(data);

    const ReckoningState before = state;
    const ReckoningOutcome outcome = Reckon(day, month, year, state);

    const auto *dayRow = find(DayTable, day);
    const auto *monthRow = find(MonthTable, month);
    const auto *yearRow = find(YearTable, year);
    if (!dayRow || !monthRow || !yearRow) {
        std::u16string missing;
        if (!dayRow)
            missing += MissingDay;
        if (!monthRow)
            missing += MissingMonth;
        if (!yearRow)
            missing += MissingYear;
        expect(outcome.kind == ReckoningOutcome::Kind::Warning, "no warning for a field that matches nothing");
        expect(state.MissingFields == missing, "the warning names other fields");
        expect(outcome.text == std::u16string(WarningPrefix) + missing + std::u16string(WarningSuffix),
            "the warning's text");
        expect(outcome.title == WarningTitle && outcome.icon == MessageIcon::Exclamation && outcome.remainder == 0,
            "the warning's title, icon or remainder");
        expect(state.DayValue == before.DayValue && state.MonthValue == before.MonthValue
                && sameBits(state.YearValue, before.YearValue) && sameBits(state.Total, before.Total),
            "a warning changed the values");
        return 0;
    }

    const int total = dayRow->value + monthRow->value + int(yearRow->value);
    const int remainder = (total - 1) % 10 + 1;
    expect(outcome.kind == ReckoningOutcome::Kind::Verdict, "no verdict for three items");
    expect(outcome.remainder == remainder, "the remainder breaks the rule");
    expect(state.MissingFields.empty(), "a verdict with missing fields");
    expect(state.DayValue == dayRow->value && state.MonthValue == monthRow->value && state.YearValue == yearRow->value
            && state.Total == remainder,
        "the values after a verdict");
    std::u16string verse;
    for (const std::u16string_view line : VerseTable[std::size_t(remainder - 1)])
        verse += (verse.empty() ? u"" : u"\r\n") + std::u16string(line);
    expect(outcome.text == verse, "the verdict's text is not the verse of its remainder");
    expect(outcome.title == VerdictTitle && outcome.icon == MessageIcon::Information, "the verdict's title or icon");
    return 0;
}
