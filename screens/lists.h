// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "reckoning.h"

#include <QStringView>

#include <array>
#include <cstddef>

// The items of the entry screen's three lists are the keys of the reckoning's
// tables, so that a chosen item always matches its table and the birth-date
// screen names exactly the items the lists offer.
namespace duset {

template<typename Row, std::size_t N> constexpr std::array<QStringView, N> itemsOf(const std::array<Row, N> &table)
{
    std::array<QStringView, N> items{};
    for (std::size_t i = 0; i < N; ++i)
        items[i] = QStringView(table[i].key.data(), static_cast<qsizetype>(table[i].key.size()));
    return items;
}

inline constexpr auto WeekdayItems = itemsOf(DayTable);
inline constexpr auto MonthItems = itemsOf(MonthTable);
inline constexpr auto YearItems = itemsOf(YearTable);

} // namespace duset
