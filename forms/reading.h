// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"

#include <QString>

#include <span>
#include <vector>

namespace duset {

// A line of a page as a person reads it: the texts that stand side by side
// on one row, left to right, such as one row of the order screen or both
// halves of a line of verse, joined by a space. Runs of spaces that only
// line the texts up are read as one.
struct ReadingLine {
    QString text;
    std::vector<std::size_t> parts; // the controls, by their place in the description, left to right
};

// The lines of the labels and text fields of a screen, top to bottom. A text
// belongs to the line whose first text's height covers its middle.
std::vector<ReadingLine> readingLines(std::span<const Control> controls);

} // namespace duset
