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

// The entry screen's look, which the date screen shares: a bold white word
// on orange on a field's top line, left of it, and bold buttons on
// periwinkle.
inline constexpr Colour Periwinkle = rgb(0x8080FF);

constexpr Control fieldLabel(std::string_view name, int left, int top, int width, int tabIndex, QStringView text)
{
    return {.kind = Control::Kind::Label,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = width,
        .height = 255,
        .font = DialogFace,
        .foreColor = White,
        .backColor = Orange,
        .alignment = Alignment::Centre,
        .tabIndex = tabIndex};
}

constexpr Control periwinkleButton(std::string_view name, int left, int top, int width, int height, int tabIndex,
    QStringView text, Picture picture = Picture::None)
{
    return {.kind = Control::Kind::CommandButton,
        .name = name,
        .text = text,
        .left = left,
        .top = top,
        .width = width,
        .height = height,
        .font = DialogFace,
        .backColor = Periwinkle,
        .tabIndex = tabIndex,
        .picture = picture};
}

// The title across the top of a reference screen, centred on the label's
// whole width, which may run past the window's edges.
constexpr Control title(int left, int width, int tabIndex, QStringView text, std::string_view name = "Label1")
{
    return {.kind = Control::Kind::Label,
        .name = name,
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

// Whether a person can reach a verse page's fields.
enum class VerseAccess {
    Copyable, // a field takes the focus and lets a person select and copy, but not change, its text
    OutOfReach, // disabled: a field takes neither the focus nor a click, yet keeps its colours
};

// The fields of a verse page. A field holds one half-line of verse, orange on
// black: a row's left field the first half, its right field the second.
struct VerseFields {
    VerseAccess access;

    constexpr Control operator()(std::string_view name, int left, int top, int tabIndex, QStringView text) const
    {
        return {.kind = Control::Kind::TextBox,
            .name = name,
            .text = text,
            .left = left,
            .top = top,
            .width = 2750,
            .height = 315,
            .foreColor = Orange,
            .backColor = Black,
            .tabIndex = tabIndex,
            .enabled = access == VerseAccess::Copyable,
            .locked = access == VerseAccess::Copyable};
    }
};

} // namespace duset
