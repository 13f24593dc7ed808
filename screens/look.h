// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"

// The faces and colours that recur from screen to screen.
namespace duset {

inline constexpr Font TitleFace{.face = "AngsanaUPC", .points = 18, .weight = 700};
inline constexpr Font DialogFace{.face = "MS Sans Serif", .points = 8.25, .weight = 700};

// Titles, headings and instruction lines are green on pale yellow; the content
// of the reference screens is orange on black.
inline constexpr Colour Green = rgb(0x008000);
inline constexpr Colour PaleYellow = rgb(0xFFFFC0);
inline constexpr Colour Orange = rgb(0xFF8000);
inline constexpr Colour Black = rgb(0x000000);
inline constexpr Colour White = rgb(0xFFFFFF);

// The title across the top of a reference screen, centred on the label's
// whole width, which may run past the window's edges.
constexpr Control title(int left, int width, int tabIndex, QStringView text)
{
    return {.kind = Control::Kind::Label,
        .name = "Label1",
        .text = text,
        .left = left,
        .top = 0,
        .width = width,
        .height = 615,
        .font = TitleFace,
        .foreColor = Green,
        .backColor = PaleYellow,
        .alignment = Alignment::Centre,
        .tabIndex = tabIndex};
}

} // namespace duset
