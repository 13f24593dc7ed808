// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"

#include "handover.h"
#include "screenlist.h"
#include "typeddate.h"

#include <QString>

#include <optional>

namespace duset {

// The birth-date screen's controls, in the order of its description: the
// title; the day field, which takes a whole date typed or pasted too, the
// hint beside it, the month list and the year field, each with its caption,
// and beside the year field the year of the other era; the birth before
// dawn and the day counted for it; the line that says what is missing or
// wrong, or that the date is whole; the weekday, month and year found, the
// date in the lunar calendar, its note for an estimate, and the reckoning
// of the three items, each with its caption; the month and animal year of
// the civil count and of the traditional one, by the lunar calendar, with
// their notes; and the three buttons, the first of which opens the meaning
// of the verse of the sum.
DUSET_NAMES(DateControl, title, dayCaption, dayField, dayHint, monthCaption, monthList, yearCaption, yearField,
    commonEraYear, beforeDawn, dawnNote, status, foundWeekdayCaption, foundWeekday, foundMonthCaption, foundMonth,
    foundYearCaption, foundYear, lunarCaption, lunarDate, estimateNote, sumCaption, sum, civilYear, traditionalYear,
    countNote, certificateNote, meaning, handOver, back);

// The birth-date screen: finds the weekday, month and animal year of a date
// of birth, as the items of the entry screen's lists, with the reckoning
// they come to, and hands them over; and shows the date in the Thai lunar
// calendar.
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
    // The meaning: hides this screen and opens the meaning screen at the
    // remainder of the sum; closing it shows this screen again as it was,
    // with the focus on this button.
    void meaning_Click();
    // Return: unloads this screen and goes back where it was opened from,
    // changing nothing there.
    void back_Click();
    // A whole date in the day field fills the three fields; whatever else
    // the fields hold is read as it stands.
    void dayField_Change();
    // Enter in the day field, or leaving it, fills the three fields from a
    // whole date whose two-digit year could have gone on.
    void dayField_Done();
    // Reads the fields after every change and shows what they come to.
    void Fields_Change();
    // A field refused what the person typed, pasted or dropped into it, and
    // kept its text: the line above the results says what the field takes
    // until the next change, and the results stay those of the fields.
    void Field_Refused(DateControl field);

    // Puts a whole date into the three fields.
    void fill(const TypedDate &date);
    // The count the person settled on, when the date is whole.
    std::optional<Count> chosenCount() const;
    // The same; where the fields come to no sum, the focus goes where they
    // can be mended and a screen reader hears the line that says why.
    std::optional<Count> countOrSayWhy();
    // The entry screen's three items that the date comes to in the count.
    EntryTexts chosenItems(Count count) const;
    // What the line above the results says of the fields.
    QString statusOf(const DateFields &fields) const;

    // The line above the results, every line that holds something, with its
    // caption, and the notes on view: what a screen reader hears of the
    // results.
    QString whatTheScreenSays() const;
    // Says it to a screen reader when it has changed.
    void sayWhatChanged();

    ScreenId m_origin = MainMenu;
    EntryTexts m_entryTexts;
    DateFields m_fields; // what the fields held at the last change
    bool m_filling = false; // while a whole date goes into the fields
    QString m_spoken; // what a screen reader last heard of the results
};

} // namespace duset
