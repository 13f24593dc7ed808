// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a person does to the program: clicks, keys, lists, menus, closes,
// typing and pasting, each made from an action of the harness. While a
// message box is open the person acts on the box, as its modality asks, and
// now and then on what is behind it, as a window manager may.

#include "harness.h"

#include <QString>
#include <QStringList>

#include <string_view>
#include <vector>

class QLineEdit;
class QWidget;

namespace duset {
class ScreenWindow;
namespace testing {
class Program;
}
} // namespace duset

namespace duset::monkey {

// Every item of the entry screen's lists.
QStringList listItems();

// A text of one of many kinds: Thai, Latin, lone marks, right to left,
// control characters, list items and near items, pictures, and now and then
// (when pasting) about a megabyte. The items of a list, where given, are what
// a person would mostly type into that list.
QString randomText(std::uint32_t seed, bool pasting, const QStringList &itemsHere = {});

// A text as the narration shows it: the first 60 characters, visibly.
QString printable(const QString &text);

// The main menu's entries a person chooses from, and how often. The entry
// screen is where the warnings and verdicts are, so it comes most; ending
// the program comes seldom, since a new run starts on the main menu again.
struct MenuChoice {
    std::string_view entry;
    int weight;
};
inline constexpr MenuChoice MenuChoices[] = {
    {"m1", 8}, {"m2", 2}, {"m3", 3}, {"m4", 2}, {"end", 1}, {"dates", 3}, {"meaning", 2}, {"about", 1}, {"aboutQt", 1}};

class Person {
public:
    void setProgram(const testing::Program *program) { m_program = program; }

    // Does the action and tells what it did.
    QString perform(const Action &action);

    // The screen on view, if there is one.
    ScreenWindow *onView() const;

private:
    QWidget *keyTarget() const;
    std::vector<QWidget *> clickable(bool behindTheBox) const;
    std::vector<QLineEdit *> editable() const;

    QString click(const Action &action, Qt::MouseButton button);
    QString choose(const Action &action);
    QString predict(const Action &action);
    QString key(const Action &action);
    QString accessKey(const Action &action);
    QString pressAccessKey(QWidget *target, QChar letter, bool inMenu, bool usLayout);
    QString accessLetters() const;
    QString menuCommand(const Action &action);
    QString close(const Action &action);
    QWidget *fieldFor(const Action &action, QString &where);
    QString type(const Action &action);
    QString paste(const Action &action);

    const testing::Program *m_program = nullptr;
};

} // namespace duset::monkey
