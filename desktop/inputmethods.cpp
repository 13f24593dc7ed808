// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "inputmethods.h"

#include "accesskeys.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QInputMethodQueryEvent>
#include <QMouseEvent>
#include <QWidget>

#include <utility>

#if DUSET_WITH_XCB
#include <xcb/xcb.h>
#endif

namespace duset {

InputMethodKeys::InputMethodKeys(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
    // The dispatcher runs the filter on each event of the X server before Qt
    // hands a key to the input method.
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->installNativeEventFilter(this);
}

InputMethodKeys::~InputMethodKeys()
{
    if (QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->removeNativeEventFilter(this);
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool InputMethodKeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
#if DUSET_WITH_XCB
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const auto type = event->response_type & ~0x80;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    // A key release carries the same state as its press; both pass the
    // input method, or neither does.
    const auto *key = static_cast<const xcb_key_press_event_t *>(message);
    const bool command = isCommand(key->detail, key->state);
    if (command && type == XCB_KEY_PRESS)
        dropComposition();
    passInputMethod(command);
#else
    Q_UNUSED(eventType);
    Q_UNUSED(message);
#endif
    return false;
}

bool InputMethodKeys::isCommand(quint32 keycode, quint32 state) const
{
#if DUSET_WITH_XCB
    // Control and the logo key belong to the input method's own commands:
    // Ctrl+Space switches it on, Ctrl+Shift+U opens the Unicode entry.
    if (state & (XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_4))
        return false;
    if (state & XCB_MOD_MASK_1) {
        const KeyLetters letters = lettersOfKey(keycode, state & XCB_MOD_MASK_SHIFT);
        return !letters.thai.isNull() || !letters.latin.isNull();
    }
    if (isTabKey(keycode))
        return true;
    // A digit typed into an open composition is part of it.
    return !(state & XCB_MOD_MASK_SHIFT) && !m_composing && takesNumbers(QGuiApplication::focusObject())
        && digitOnKey(keycode);
#else
    Q_UNUSED(keycode);
    Q_UNUSED(state);
    return false;
#endif
}

void InputMethodKeys::passInputMethod(bool past)
{
    // Once more for each such key: the widget may have been asked again
    // since the last one, as a field is whenever its text changes.
    if (!past && !m_pastInputMethod)
        return;
    m_pastInputMethod = past;
    // Qt asks the focused widget whether it takes an input method here and
    // keeps the answer for the input method, which does not ask at each key:
    // it holds until the widget is asked again.
    m_asking = true;
    QGuiApplication::inputMethod()->update(Qt::ImEnabled);
    m_asking = false;
}

void InputMethodKeys::dropComposition()
{
    const QPointer<QObject> composing = std::exchange(m_composing, nullptr);
    if (!composing)
        return;
    // Qt would commit the composition as it stands to the field that loses
    // the focus; the input method forgets it instead, and the field stops
    // showing it.
    QGuiApplication::inputMethod()->reset();
    QInputMethodEvent nothing;
    QCoreApplication::sendEvent(composing, &nothing);
}

bool InputMethodKeys::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::InputMethodQuery: {
        auto *query = static_cast<QInputMethodQueryEvent *>(event);
        if (m_asking && m_pastInputMethod && (query->queries() & Qt::ImEnabled)) {
            query->setValue(Qt::ImEnabled, false);
            query->accept();
            return true;
        }
        break;
    }
    case QEvent::InputMethod:
        m_composing = static_cast<QInputMethodEvent *>(event)->preeditString().isEmpty() ? nullptr : watched;
        break;
    case QEvent::MouseButtonPress:
        // Seen by the window before Qt moves the focus to what was pressed.
        if (m_composing && watched->isWindowType()) {
            const auto *press = static_cast<QMouseEvent *>(event);
            const QWidget *pressed = QApplication::widgetAt(press->globalPosition().toPoint());
            const auto *composing = qobject_cast<QWidget *>(m_composing);
            if (!pressed || !composing || (pressed != composing && !composing->isAncestorOf(pressed)))
                dropComposition();
        }
        break;
    default:
        break;
    }
    return false;
}

} // namespace duset
