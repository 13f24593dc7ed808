// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handover.h"
#include "screen.h"
#include "screenlist.h"

#include <functional>

namespace duset {

// The meaning screen's controls, in the order of its description: the
// title, the list of the remainders, the verse, its meaning and its
// glossary, each with its caption, and the close button.
DUSET_NAMES(MeaningControl, Label1, remainderCaption, remainderList, verseCaption, verse, meaningCaption, meaning,
    glossaryCaption, glossary, close);

// The meaning of the verses: for the remainder chosen in its list, the verse
// as the verdict gives it, what it says in the Thai of today, and its old
// words.
class Form8 final : public Screen, public VerseMeanings {
public:
    explicit Form8(ScreenRegistry &screens);

    void openedFrom(ScreenId origin, int remainder, std::function<void()> whenBack) override;

protected:
    void Form_Load() override;
    void connectHandlers() override;
    // The title bar's close button leads back as the close button does.
    bool Form_QueryUnload() override;

private:
    // A remainder chosen in the list: shows its verse and meaning, and says
    // them to a screen reader.
    void remainderList_Click();
    // Close: unloads this screen and goes back where it was opened from.
    void close_Click();

    // Puts the chosen remainder's texts in the three boxes.
    void showChosen();
    // Says the verse and its meaning to a screen reader, after the window
    // and the list.
    void sayChosen();

    ScreenId m_origin = MainMenu;
    int m_remainder = 1;
    std::function<void()> m_whenBack;
};

} // namespace duset
