// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets.h"

#include "assets.h"
#include "builder.h"
#include "fonts.h"
#include "text.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QShortcutEvent>
#include <QStyle>
#include <qdrawutil.h>

#include <algorithm>
#include <utility>

namespace duset {

std::optional<QColor> colourOf(const Colour &colour)
{
    switch (colour.source) {
    case Colour::Source::Rgb:
        return QColor::fromRgb(colour.rgb);
    case Colour::Source::System:
        return QGuiApplication::palette().color(colour.role);
    case Colour::Source::Default:
        break;
    }
    return std::nullopt;
}

void setColour(QWidget *widget, QPalette::ColorRole role, const Colour &colour)
{
    if (const auto value = colourOf(colour)) {
        QPalette palette = widget->palette();
        palette.setColor(role, *value);
        widget->setPalette(palette);
    }
}

void applyFont(QWidget *widget, const std::optional<Font> &font)
{
    if (!font)
        return; // the program's default face
    const QString face = toQString(font->face);
    QFont chosen(drawnFace(face));
    chosen.setPointSizeF(font->points * sizeFactor(face));
    chosen.setWeight(static_cast<QFont::Weight>(font->weight));
    chosen.setItalic(font->italic);
    widget->setFont(chosen);
}

Qt::Alignment horizontal(Alignment alignment)
{
    return alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

Surface::Surface(const ScreenDescription &description, QWidget *parent)
    : QWidget(parent)
    , m_starField(pictureImage(Picture::StarField))
{
    setObjectName(QStringLiteral("surface"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setColour(this, QPalette::Window, description.backColor);
    setFixedSize(twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight));
}

void Surface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, m_starField);
}

ScreenLabel::ScreenLabel(const Control &control, QWidget *parent)
    : QLabel(parent)
    , m_border(control.border)
{
    // Plain text keeps every run of spaces as it stands.
    setTextFormat(Qt::PlainText);
    setText(control.text.toString());
    setAutoFillBackground(true);
    setColour(this, QPalette::Window, control.backColor);
    setColour(this, QPalette::WindowText, control.foreColor);
    applyFont(this, control.font);
    // A line taller than its label is centred, so that what the label cuts
    // is the empty room above and below the marks, not the letters; so is
    // a line whose stacked marks would touch the label's top or bottom edge
    // when drawn from the top.
    const int height = twipsToPixels(control.height);
    const QFontMetrics metrics = fontMetrics();
    const QRect ink = metrics.tightBoundingRect(text()).translated(0, metrics.ascent());
    const bool touches = !text().isEmpty() && (ink.top() < 1 || ink.bottom() > height - 2);
    const Qt::Alignment vertical = metrics.height() > height || touches ? Qt::AlignVCenter : Qt::AlignTop;
    setAlignment(horizontal(control.alignment) | vertical);
}

void ScreenLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (m_border) {
        QPainter painter(this);
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

ScreenButton::ScreenButton(const Control &control, QWidget *parent)
    : QPushButton(control.text.toString(), parent)
    , m_face(colourOf(control.backColor))
{
    if (control.picture != Picture::None)
        m_picture = picture(control.picture);
    applyFont(this, control.font);
    // Enter presses the focused button, as Space does.
    setAutoDefault(true);
}

void ScreenButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush face(m_face.value_or(palette().color(QPalette::Button)));
    qDrawWinButton(&painter, rect(), palette(), sunken, &face);

    QRect content = rect().adjusted(3, 3, -3, -3);
    if (sunken)
        content.translate(1, 1);
    QRect caption = content;
    if (!m_picture.isNull()) {
        const QSize size = m_picture.deviceIndependentSize().toSize();
        const int block = size.height() + fontMetrics().height();
        const int top = content.top() + (content.height() - block) / 2;
        painter.drawPixmap(content.left() + (content.width() - size.width()) / 2, top, m_picture);
        caption = QRect(content.left(), top + size.height(), content.width(), fontMetrics().height());
    }
    style()->drawItemText(&painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, palette(), isEnabled(), text(),
        QPalette::ButtonText);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::ButtonText), 1, Qt::DotLine));
        painter.drawRect(content.adjusted(0, 0, -1, -1));
    }
}

FieldText::FieldText(int limit, QObject *parent)
    : QValidator(parent)
    , m_limit(limit)
{
}

QValidator::State FieldText::validate(QString &input, int &) const
{
    if (input.size() > MostCharacters)
        return Invalid;
    for (qsizetype i = 0; i < input.size(); ++i) {
        const QChar character = input.at(i);
        if (character.isHighSurrogate() && i + 1 < input.size() && input.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (character.isSurrogate() || character.category() == QChar::Other_Control
            || character.category() == QChar::Other_Format)
            return Invalid;
    }
    if (m_limit > 0) {
        const QString read = input.trimmed();
        const auto halves = std::count_if(read.cbegin(), read.cend(), [](QChar c) { return c.isLowSurrogate(); });
        if (read.size() - halves > m_limit)
            return Invalid;
    }
    return Acceptable;
}

FocusAfterChoice::FocusAfterChoice(QAbstractButton *button)
    : QObject(button)
    , m_button(button)
{
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this, [this] {
        if (std::exchange(m_keyPressed, false))
            m_button->setFocus(Qt::ShortcutFocusReason);
    });
}

bool FocusAfterChoice::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_button || event->type() != QEvent::Shortcut || static_cast<QShortcutEvent *>(event)->isAmbiguous())
        return false;
    m_keyPressed = true;
    // A checkable button that takes the focus from a click would take it
    // as its click begins.
    const Qt::FocusPolicy policy = m_button->focusPolicy();
    m_button->setFocusPolicy(Qt::FocusPolicy(policy & ~Qt::ClickFocus));
    m_button->animateClick();
    m_button->setFocusPolicy(policy);
    return true;
}

HeldChord::HeldChord(QMenu *menu)
    : QObject(menu)
{
    menu->installEventFilter(this);
}

bool HeldChord::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        m_altHeld = QGuiApplication::keyboardModifiers().testFlag(Qt::AltModifier);
        break;
    case QEvent::Hide:
        m_altHeld = false;
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (static_cast<QKeyEvent *>(event)->key() != Qt::Key_Alt)
            break;
        if (event->type() == QEvent::KeyRelease || event->spontaneous())
            m_altHeld = false;
        else if (std::exchange(m_altHeld, false))
            return true;
        break;
    default:
        break;
    }
    return false;
}

} // namespace duset
