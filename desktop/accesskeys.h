// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChar>
#include <QObject>

#include <optional>

class QKeyEvent;

namespace duset {

// What one physical key carries: its letter on a Thai (Kedmanee) keyboard
// and on a US one, at the level that Shift chooses. A letter is null where
// the key has no printable character on that layout, or where no keymap
// could be compiled (no keyboard data on the machine).
struct KeyLetters {
    QChar thai;
    QChar latin;
};

// The letters of the key with the given X keycode (the one the window system
// reports as the key's native scan code). The keymaps are compiled at the
// first call, not before.
KeyLetters lettersOfKey(quint32 keycode, bool shifted);

// Whether the key with the given X keycode is the Tab key.
bool isTabKey(quint32 keycode);

// The digit printed on a key of the number row, which the US layout types
// there; none for any other key. The Thai layout types ๅ / - ภ ถ ุ ึ ค ต จ on
// the keys of 1 to 0.
std::optional<int> digitOnKey(quint32 keycode);

// Whether a widget takes numbers (its input method hints say so), and the
// cursor in it stands after no Thai letter: there the number row types the
// digits printed on its keys, whichever layout is active. With Shift the keys
// give what the layout gives, the Thai digits of the Thai layout among them.
bool takesNumbers(const QObject *object);

// Makes every access key the physical key that carries its letter on a Thai
// keyboard, whichever layout of the keyboard's group is active, or if the
// keymap has no Thai layout at all: Alt and the key that carries ท presses
// ทำนาย with the US layout active as with the Thai one, and so does the key
// alone in an open menu. An Alt chord that presses nothing types nothing.
//
// The key event comes to the program the way the active layout gives it, so
// a US layout gives "m" where the access key is ท. Such an event is sent on
// again as the Thai layout would have given it, and Qt's own handling of
// access keys (the shortcut of a button or a label, the menu bar's, an open
// menu's letters) takes it from there, with everything it does: a button is
// pressed and let go as if clicked, a menu opens with its first entry, a
// label's field takes the focus, and a letter that several captions share
// moves between them.
class AccessKeys : public QObject {
    Q_OBJECT

public:
    explicit AccessKeys(QObject *parent = nullptr);
    ~AccessKeys() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKeyPress(QWidget *receiver, QKeyEvent *event);
    bool translateInMenu(QWidget *receiver, QKeyEvent *event);
    // In a field that takes numbers, sends a key of the number row on as the
    // digit printed on it, where the active layout gives something else.
    bool typeDigitOfKey(QWidget *receiver, const QKeyEvent &event);
    // Sends the event on as if the key had carried the letter. In a menu it
    // reaches the menu; elsewhere only a shortcut may take it, and whether
    // one did is returned.
    bool resend(QWidget *receiver, const QKeyEvent &event, QChar letter, bool toMenu);
};

} // namespace duset
