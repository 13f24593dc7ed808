// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accesskeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

#if DUSET_WITH_XKBCOMMON
#include <xkbcommon/xkbcommon.h>

#include <memory>
#endif

namespace duset {

namespace {

#if DUSET_WITH_XKBCOMMON
// Both layouts in one keymap, compiled by name from the machine's keyboard
// data: the Thai one first, the US one second.
constexpr xkb_layout_index_t ThaiLayout = 0;
constexpr xkb_layout_index_t LatinLayout = 1;

struct Keymap {
    Keymap()
    {
        // The names are those of the layouts themselves, whatever the
        // person's environment says the default keyboard is.
        context.reset(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
        if (!context)
            return;
        // Missing keyboard data is not an error of the program: the access
        // keys then work as the active layout gives them.
        xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
        const xkb_rule_names names{
            .rules = nullptr, .model = "pc105", .layout = "th,us", .variant = ",", .options = ""};
        keymap.reset(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
        if (keymap && xkb_keymap_num_layouts(keymap.get()) == 2)
            state.reset(xkb_state_new(keymap.get()));
        if (state)
            shift = xkb_keymap_mod_get_index(keymap.get(), XKB_MOD_NAME_SHIFT);
    }

    bool knows(quint32 keycode) const
    {
        return state && keycode >= xkb_keymap_min_keycode(keymap.get())
            && keycode <= xkb_keymap_max_keycode(keymap.get());
    }

    void use(bool shifted, xkb_layout_index_t layout)
    {
        const xkb_mod_mask_t mods = shifted && shift != XKB_MOD_INVALID ? xkb_mod_mask_t(1) << shift : 0;
        xkb_state_update_mask(state.get(), mods, 0, 0, 0, 0, layout);
    }

    QChar letter(quint32 keycode, bool shifted, xkb_layout_index_t layout)
    {
        if (!knows(keycode))
            return {};
        use(shifted, layout);
        const char32_t character = xkb_state_key_get_utf32(state.get(), keycode);
        // Only letters, marks, digits and signs of the basic plane can be
        // access keys; control characters and function keys are none.
        if (character < 0x20 || character == 0x7F || character > 0xFFFF)
            return {};
        const QChar result{static_cast<char16_t>(character)};
        return result.isPrint() ? result : QChar();
    }

    bool isTab(quint32 keycode)
    {
        if (!knows(keycode))
            return false;
        use(false, LatinLayout);
        return xkb_state_key_get_one_sym(state.get(), keycode) == XKB_KEY_Tab;
    }

    struct ContextFree {
        void operator()(xkb_context *context) const { xkb_context_unref(context); }
    };
    struct KeymapFree {
        void operator()(xkb_keymap *keymap) const { xkb_keymap_unref(keymap); }
    };
    struct StateFree {
        void operator()(xkb_state *state) const { xkb_state_unref(state); }
    };
    std::unique_ptr<xkb_context, ContextFree> context;
    std::unique_ptr<xkb_keymap, KeymapFree> keymap;
    std::unique_ptr<xkb_state, StateFree> state;
    xkb_mod_index_t shift = XKB_MOD_INVALID;
};
#endif

// A key event's native scan code is an xkb keycode on X11 and Wayland. The
// offscreen platform has no keyboard of its own; what is given to it comes
// as X gives it. Elsewhere the code means something else, and the keys work
// as the active layout gives them.
bool scanCodesAreXkbKeycodes()
{
    const QString platform = QGuiApplication::platformName();
    return platform == u"xcb" || platform.startsWith(u"wayland") || platform == u"offscreen";
}

bool isAccessKeyOf(const QString &caption, QChar letter)
{
    return !letter.isNull() && QKeySequence::mnemonic(caption) == QKeySequence(Qt::ALT | letter.toUpper().unicode());
}

// Whether an entry of the open menu, or a menu of the menu bar that the
// person moves through with the keys, has the letter as its access key.
bool menuHasAccessKey(const QWidget *menu, QChar letter)
{
    const auto actions = menu->actions();
    return std::any_of(actions.begin(), actions.end(), [letter](const QAction *action) {
        return action->isVisible() && action->isEnabled() && !action->isSeparator()
            && isAccessKeyOf(action->text(), letter);
    });
}

// The event being sent on, and whether it reached a widget: shared, so that
// the filter of every registry in the program knows it.
const QKeyEvent *s_resent = nullptr;
bool s_resentReachedWidget = false;

#if DUSET_WITH_XKBCOMMON
// Compiled at its first use, not at start-up.
Keymap &keymap()
{
    static Keymap keymap;
    return keymap;
}
#endif

} // namespace

KeyLetters lettersOfKey(quint32 keycode, bool shifted)
{
#if DUSET_WITH_XKBCOMMON
    return {keymap().letter(keycode, shifted, ThaiLayout), keymap().letter(keycode, shifted, LatinLayout)};
#else
    Q_UNUSED(keycode);
    Q_UNUSED(shifted);
    return {};
#endif
}

bool isTabKey(quint32 keycode)
{
#if DUSET_WITH_XKBCOMMON
    return keymap().isTab(keycode);
#else
    Q_UNUSED(keycode);
    return false;
#endif
}

std::optional<int> digitOnKey(quint32 keycode)
{
    const QChar printed = lettersOfKey(keycode, false).latin;
    if (printed < u'0' || printed > u'9')
        return std::nullopt;
    return printed.unicode() - u'0';
}

bool takesNumbers(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget || !(widget->inputMethodHints() & (Qt::ImhPreferNumbers | Qt::ImhDigitsOnly)))
        return false;
    // Straight after a Thai letter a word is being typed, such as a month's
    // name in a whole date: the keys give the layout's letters (the ค of
    // ม.ค.), as in any other field.
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    if (!field || (widget->inputMethodHints() & Qt::ImhDigitsOnly) || field->cursorPosition() == 0)
        return true;
    const QChar before = field->text().at(field->cursorPosition() - 1);
    return before.script() != QChar::Script_Thai || before.isDigit() || !(before.isLetter() || before.isMark());
}

AccessKeys::AccessKeys(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

AccessKeys::~AccessKeys()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

bool AccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (key == s_resent) {
        // No shortcut took the letter: it goes no further than here, unless
        // it was sent to an open menu.
        s_resentReachedWidget = true;
        return !qobject_cast<QMenu *>(watched) && !qobject_cast<QMenuBar *>(watched);
    }
    return handleKeyPress(static_cast<QWidget *>(watched), key);
}

bool AccessKeys::handleKeyPress(QWidget *receiver, QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    if (modifiers == Qt::NoModifier && typeDigitOfKey(receiver, *event))
        return true;
    const bool menu = qobject_cast<QMenu *>(receiver) || qobject_cast<QMenuBar *>(receiver);
    if (menu && translateInMenu(receiver, event))
        return true;
    if (!(modifiers & Qt::AltModifier))
        return false;
    // Alt with a key that a shortcut did not take as the layout gave it: the
    // same key as the Thai layout gives it, or else as the US layout does.
    // Alt closes an open menu, so such a chord may still come to the menu
    // that just closed.
    if (event->nativeScanCode() != 0 && scanCodesAreXkbKeycodes()) {
        const KeyLetters letters = lettersOfKey(event->nativeScanCode(), modifiers.testFlag(Qt::ShiftModifier));
        for (const QChar letter : {letters.thai, letters.latin}) {
            if (!letter.isNull() && QString(letter) != event->text() && resend(receiver, *event, letter, false))
                return true;
        }
    }
    // An Alt chord is a command, never a letter for the field that has the
    // focus, nor a letter that moves a list to its item. A menu takes it as
    // it comes.
    return !menu && !event->text().isEmpty() && event->text().front().isPrint();
}

bool AccessKeys::typeDigitOfKey(QWidget *receiver, const QKeyEvent &event)
{
    if (event.nativeScanCode() == 0 || !scanCodesAreXkbKeycodes() || !takesNumbers(receiver))
        return false;
    const std::optional<int> digit = digitOnKey(event.nativeScanCode());
    if (!digit)
        return false;
    const QChar printed(u'0' + *digit);
    if (event.text() == printed)
        return false;
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_0 + *digit, event.modifiers(), event.nativeScanCode(), printed.unicode(),
        event.nativeModifiers(), QString(printed), event.isAutoRepeat(), event.count());
    QCoreApplication::sendEvent(receiver, &typed);
    return true;
}

bool AccessKeys::translateInMenu(QWidget *menu, QKeyEvent *event)
{
    if (event->nativeScanCode() == 0 || !scanCodesAreXkbKeycodes() || event->text().size() != 1
        || menuHasAccessKey(menu, event->text().front()))
        return false;
    const KeyLetters letters = lettersOfKey(event->nativeScanCode(), event->modifiers().testFlag(Qt::ShiftModifier));
    for (const QChar letter : {letters.thai, letters.latin}) {
        if (menuHasAccessKey(menu, letter)) {
            resend(menu, *event, letter, true);
            return true;
        }
    }
    return false;
}

bool AccessKeys::resend(QWidget *receiver, const QKeyEvent &event, QChar letter, bool toMenu)
{
    // Without a native scan code Qt takes the key for what the event says,
    // and a key press that no window system sent is offered to the
    // shortcuts before it reaches the widget.
    QKeyEvent carried(QEvent::KeyPress, letter.toUpper().unicode(), event.modifiers(), QString(letter),
        event.isAutoRepeat(), event.count());
    const QKeyEvent *outer = s_resent;
    const bool outerReached = s_resentReachedWidget;
    s_resent = &carried;
    s_resentReachedWidget = false;
    QCoreApplication::sendEvent(receiver, &carried);
    const bool taken = toMenu || !s_resentReachedWidget;
    s_resent = outer;
    s_resentReachedWidget = outerReached;
    return taken;
}

} // namespace duset
