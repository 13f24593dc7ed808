// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringView>

#include <array>

namespace duset {

// What a verse says, told in the Thai of today, and the old words of the
// verse with what they mean now, one word to a line. Paragraphs of the
// telling stand apart by an empty line.
struct Explanation {
    QStringView meaning;
    QStringView glossary;
};

// Explanations[n - 1] explains the verse of remainder n.
extern const std::array<Explanation, 10> Explanations;

} // namespace duset
