// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screendescription.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QValidator>
#include <QWidget>

#include <optional>

class QAbstractButton;
class QMenu;

namespace duset {

// How a control wears what its description gives it.
std::optional<QColor> colourOf(const Colour &colour);
// Sets a colour for every state of the widget, disabled included: a control
// that the screen colours keeps its colours whether or not it takes input.
void setColour(QWidget *widget, QPalette::ColorRole role, const Colour &colour);
void applyFont(QWidget *widget, const std::optional<Font> &font);
Qt::Alignment horizontal(Alignment alignment);

// The client area: the screen's colour, with the star field drawn once at its
// natural size from the top-left corner.
class Surface : public QWidget {
public:
    Surface(const ScreenDescription &description, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QImage m_starField;
};

class ScreenLabel : public QLabel {
public:
    ScreenLabel(const Control &control, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_border;
};

// Every button has the graphical style: a flat face in its colour inside a
// bevel, an optional picture centred above the caption, and the access key
// underlined.
class ScreenButton : public QPushButton {
public:
    ScreenButton(const Control &control, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    std::optional<QColor> m_face;
    QPixmap m_picture;
};

// What a person may put into a field: text without control or format
// characters and without half of a character, and no more characters than
// the field's limit. The spaces around the text are not read, so they do
// not count, but no field holds more than a field of Qt's does, spaces and
// all. An edit that breaks this is refused whole, and the field says so by
// its inputRejected signal.
class FieldText final : public QValidator {
public:
    static constexpr qsizetype MostCharacters = 32767;

    FieldText(int limit, QObject *parent);

    State validate(QString &input, int &) const override;

private:
    int m_limit;
};

// An access key of an option button moves the focus to it at once and
// chooses it a moment later, when its click lands, so a screen reader, which
// reads the button as the focus reaches it, would say it is not chosen. Here
// the focus follows the click instead, and the screen reader hears the button
// chosen. The click still lands in the order of the keys pressed.
class FocusAfterChoice : public QObject {
public:
    explicit FocusAfterChoice(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *m_button;
    bool m_keyPressed = false;
};

// A menu that an Alt chord opens, such as Alt+L, opens as the letter comes.
// With a screen reader, Qt hands each key press to the reader first and
// delivers it again only once the reader lets it go, but takes a shortcut
// at once: the Alt press that began the chord may reach the menu after it
// has opened, and a menu closes on Alt, leaving the keys that follow to the
// window behind it. So a menu that opened with Alt held takes no such
// held-back Alt press until that Alt is let go. An Alt press that comes
// straight from the window system closes it as before.
class HeldChord : public QObject {
public:
    explicit HeldChord(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_altHeld = false;
};

} // namespace duset
