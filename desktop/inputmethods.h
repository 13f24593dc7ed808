// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>

namespace duset {

// Keeps the keys that command the program away from the input method (IBus,
// Fcitx 5), which would otherwise take them for text. Alt with a key that
// carries a letter is an access key, never a letter typed: Fcitx's Thai
// keyboard would commit the letter, and IBus would swallow the chord while a
// composition is open. Tab and Shift+Tab move the focus: the LibThai engines
// would commit a Tab character. In a field that takes numbers, the number
// row types its digits, which the Thai engines would turn into ๅ / - ภ ….
// Such a key goes to the program as the X server sends it, as if no input
// method were there.
//
// A composition still open in a field (IBus's Unicode entry, Ctrl+Shift+U,
// shows "u0e51" underlined until it is finished) is dropped, not committed
// raw, when an access key or Tab takes the focus elsewhere or the mouse
// presses outside the field: the field keeps what was typed into it.
//
// On X11 only: there the program sees each key before the input method does.
// Elsewhere the input method works as it does in any program.
class InputMethodKeys : public QObject, public QAbstractNativeEventFilter {
public:
    explicit InputMethodKeys(QObject *parent = nullptr);
    ~InputMethodKeys() override;

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isCommand(quint32 keycode, quint32 state) const;
    // Tells the input method of the focused widget whether it hears the keys.
    void passInputMethod(bool past);
    void dropComposition();

    bool m_pastInputMethod = false;
    bool m_asking = false;
    QPointer<QObject> m_composing;
};

} // namespace duset
