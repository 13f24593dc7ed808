// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset::testing {

// The reckoning's rule, stated once for the tests apart from the program's
// tables, from places in the entry screen's lists counted from 0: weekdays
// count 1 from Sunday, months 1 from December, the list's last item, years
// 1 from the rat; the remainder of their sum is its last digit, 10 for a 0.
constexpr int remainderOfPlaces(int day, int month, int year)
{
    const int sum = (day + 1) + ((month + 1) % 12 + 1) + (year + 1);
    return (sum - 1) % 10 + 1;
}

} // namespace duset::testing
