// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading.h"

#include <algorithm>

namespace duset {

std::vector<ReadingLine> readingLines(std::span<const Control> controls)
{
    // What a page says: its labels and fields; its buttons are reached by Tab.
    std::vector<std::size_t> texts;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control &control = controls[i];
        const bool label = control.kind == Control::Kind::Label && !control.text.trimmed().isEmpty();
        if (label || control.kind == Control::Kind::TextBox)
            texts.push_back(i);
    }
    std::stable_sort(texts.begin(), texts.end(),
        [controls](std::size_t a, std::size_t b) { return controls[a].top < controls[b].top; });
    std::vector<ReadingLine> lines;
    for (std::size_t i = 0; i < texts.size();) {
        const Control &first = controls[texts[i]];
        std::size_t end = i + 1;
        while (
            end < texts.size() && controls[texts[end]].top + controls[texts[end]].height / 2 < first.top + first.height)
            ++end;
        std::vector<std::size_t> parts(texts.begin() + std::ptrdiff_t(i), texts.begin() + std::ptrdiff_t(end));
        std::stable_sort(parts.begin(), parts.end(),
            [controls](std::size_t a, std::size_t b) { return controls[a].left < controls[b].left; });
        QStringList words;
        for (std::size_t part : parts)
            words << controls[part].text.toString().simplified();
        words.removeAll(QString());
        if (!words.isEmpty())
            lines.push_back({words.join(u' '), std::move(parts)});
        i = end;
    }
    return lines;
}

} // namespace duset
