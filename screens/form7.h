// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

#include "dates.h"
#include "handover.h"
#include "registry.h"

#include <QString>

#include <array>
#include <optional>

namespace duset {

// The birth-date screen's controls, in the order of its description, named
// by their roles as the program names them.
enum class DateControl {
    Title,
    DayCaption,
    DayField,
    MonthCaption,
    MonthList,
    YearCaption,
    YearField,
    CommonEraYear, // the year of the common era, beside the year field
    BeforeDawn,
    DawnNote,
    Status, // what is missing or wrong, or that the date is whole
    FoundWeekdayCaption,
    FoundWeekday,
    FoundMonthCaption,
    FoundMonth,
    FoundYearCaption,
    FoundYear,
    LunarCaption,
    Lunar, // the date in the lunar calendar
    EstimateNote,
    Civil, // the animal year counted from 1 January
    Traditional, // the animal year counted from the fifth lunar month
    CertificateNote,
    HandOver,
    Back,
};

// The birth-date screen: finds the weekday, month and animal year of a date
// of birth, as the items of the entry screen's lists, and hands them over;
// and shows the date in the Thai lunar calendar.
class Form7 final : public Screen, public BirthDateFinder {
public:
    explicit Form7(ScreenRegistry &screens);

    void openedFrom(ScreenId origin, const EntryTexts &entryTexts) override;

protected:
    void Form_Load() override;
    void connectHandlers() override;

private:
    // Use these to predict: unloads this screen and shows the entry screen
    // with the three items chosen and the focus on predict.
    void handOver_Click();
    // Return: unloads this screen and goes back where it was opened from,
    // changing nothing there.
    void back_Click();
    // Reads the fields after every change and shows the results or what is
    // wrong with the date.
    void Fields_Change();
    // A field refused what the person typed, pasted or dropped into it, and
    // kept its text: the line above the results says what the field takes
    // until the next change.
    void Field_Refused(DateControl field);

    // The line above the results and every result line that holds
    // something, with its caption: what a screen reader says of the results.
    QString whatTheScreenSays() const;
    // Says the results and the line above them to a screen reader when they
    // have changed.
    void sayWhatChanged();

    // The animal year the person settled on, when the date is complete.
    std::optional<std::size_t> chosenYear() const;

    ScreenId m_origin = MainMenu;
    EntryTexts m_entryTexts;
    DateControl m_fault = DateControl::DayField; // the field to mend before the hand-over
    std::optional<BirthReading> m_reading; // of a whole, valid date
    QString m_spoken; // what a screen reader last heard of the results
};

} // namespace duset
