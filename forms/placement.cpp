// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include <algorithm>

namespace duset {

namespace {

// The start of a stretch of the given length inside the room from low on:
// as near the wanted start as it fits, else at low.
int fit(int wanted, int length, int low, int room)
{
    if (length > room)
        return low;
    return std::clamp(wanted, low, low + room - length);
}

} // namespace

QPoint placeWindow(
    Placement rule, QPoint stored, QSize size, QMargins frame, const QRect &screen, const QRect &available)
{
    const QPoint inFrame(frame.left(), frame.top());
    QRect outer(QPoint(), size.grownBy(frame));
    if (rule == Placement::Manual)
        outer.moveTopLeft(screen.topLeft() + stored - inFrame);
    else
        outer.moveTopLeft(available.topLeft()
            + QPoint((available.width() - outer.width()) / 2, (available.height() - outer.height()) / 2));
    outer.moveLeft(fit(outer.left(), outer.width(), available.left(), available.width()));
    outer.moveTop(fit(outer.top(), outer.height(), available.top(), available.height()));
    return outer.topLeft() + inFrame;
}

} // namespace duset
