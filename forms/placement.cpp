// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace duset {

namespace {

// Edges and lengths are worked out in 64 bits: a screen that the platform
// reports at the ends of the int range, or as wide as the whole range, would
// overflow int arithmetic (QRect::width() included).
using Length = std::int64_t;

// The start of a stretch of the given length inside the room from low on:
// as near the wanted start as it fits, else at low.
Length fit(Length wanted, Length length, Length low, Length room)
{
    if (length > room)
        return low;
    return std::clamp(wanted, low, low + room - length);
}

Length extent(int first, int last)
{
    return std::max<Length>(Length(last) - first + 1, 0);
}

int toInt(Length value)
{
    return int(std::clamp<Length>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

} // namespace

QPoint placeWindow(
    Placement rule, QPoint stored, QSize size, QMargins frame, const QRect &screen, const QRect &available)
{
    const Length width = Length(size.width()) + frame.left() + frame.right();
    const Length height = Length(size.height()) + frame.top() + frame.bottom();
    const Length roomX = extent(available.left(), available.right());
    const Length roomY = extent(available.top(), available.bottom());
    Length left = 0;
    Length top = 0;
    if (rule == Placement::Manual) {
        left = Length(screen.left()) + stored.x() - frame.left();
        top = Length(screen.top()) + stored.y() - frame.top();
    } else {
        left = available.left() + (roomX - width) / 2;
        top = available.top() + (roomY - height) / 2;
    }
    left = fit(left, width, available.left(), roomX);
    top = fit(top, height, available.top(), roomY);
    return {toInt(left + frame.left()), toInt(top + frame.top())};
}

} // namespace duset
