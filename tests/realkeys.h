// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The X server's own keyboard, driven the way a person's keys drive it: the
// server's keymap and active layout are set, and key presses go in through
// the XTest extension, so the program gets them as it gets a person's. Kept
// apart from Qt's headers, which Xlib's macros would clash with.

#include <QString>

#include <memory>

namespace duset::testing {

class RealKeyboard {
public:
    // None where the program does not run on an X server that has XTest, or
    // where the tests were built without it; why is in the reason.
    static std::unique_ptr<RealKeyboard> open(QString *reason);
    ~RealKeyboard();

    RealKeyboard(const RealKeyboard &) = delete;
    RealKeyboard &operator=(const RealKeyboard &) = delete;

    // Loads the layouts into the server, as "setxkbmap -layout" does, and
    // locks the group of the given layout, counted from 0.
    bool useLayouts(const QString &layouts, int group, QString *reason);
    enum Modifier : unsigned { Plain = 0, WithAlt = 1, WithShift = 2, WithControl = 4 };
    // Presses and lets go of the key with the X keycode, with the modifiers
    // held around it.
    void press(unsigned keycode, unsigned modifiers = Plain);
    // Presses and lets go of a mouse button at a point of the screen.
    void click(int x, int y);

private:
    struct Connection;
    explicit RealKeyboard(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> m_connection;
};

} // namespace duset::testing
