// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <array>
#include <functional>

namespace duset {

class ScreenRegistry;
enum class ScreenId;

// The weekday, month and year texts of the entry screen's three lists.
using EntryTexts = std::array<QString, 3>;

// What the entry screen offers the screen that finds its three items from a
// birth date.
class EntryLists {
public:
    // The control that has the focus once the lists are filled: predict,
    // after a hand-over, or the button that led away, after a return.
    enum class Focus { Predict, FindFromBirthDate };

    // The texts of the lists as they stand.
    virtual EntryTexts listTexts() const = 0;
    // Sets the lists of the loaded screen and puts the focus on a control.
    virtual void fillLists(const EntryTexts &texts, Focus focus) = 0;

protected:
    ~EntryLists() = default;
};

// What the birth-date screen offers the screens that open it.
class BirthDateFinder {
public:
    // Where the return button leads. The entry screen is unloaded while the
    // birth-date screen is on view, so it passes its list texts along to get
    // them back.
    virtual void openedFrom(ScreenId origin, const EntryTexts &entryTexts = {}) = 0;

protected:
    ~BirthDateFinder() = default;
};

// What the screen of the verses' meanings offers the screens that open it.
// The opener calls openedFrom, unloads or hides itself, and shows the
// screen; its close button unloads it, shows the opener again and then runs
// whenBack, where the opener puts back what it showed.
class VerseMeanings {
public:
    // The remainder, 1 to 10, whose verse the screen shows as it opens.
    virtual void openedFrom(ScreenId origin, int remainder, std::function<void()> whenBack = {}) = 0;

protected:
    ~VerseMeanings() = default;
};

// The registry's entry screen, birth-date screen and meaning screen, by what
// they offer. A screen that does not offer it is a fault of the program,
// which the handler guard reports.
EntryLists &entryLists(ScreenRegistry &screens);
BirthDateFinder &birthDateFinder(ScreenRegistry &screens);
VerseMeanings &verseMeanings(ScreenRegistry &screens);

} // namespace duset
