// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "person.h"

#include "support.h"

#include "reckoning.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace duset::monkey {

using testing::q;

namespace {

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

QString thaiLetters(Rng &rng, int length)
{
    QString text;
    for (int i = 0; i < length; ++i) {
        // Consonants and vowels, and now and then a mark above or below.
        const char32_t c = rng.chance(80) ? 0x0E01 + rng.below(0x2E) : 0x0E31 + rng.below(0x1E);
        text += fromCodePoint(c);
    }
    return text;
}

// The way to a widget by name, from its window: Form1/Combo2/QLineEdit.
QString describe(const QWidget *widget)
{
    QStringList path;
    for (; widget; widget = widget->isWindow() ? nullptr : widget->parentWidget()) {
        const QString name = widget->objectName();
        if (name == u"surface"_qs)
            continue;
        path.prepend(name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name);
    }
    return path.join(u'/');
}

QPoint pointIn(const QWidget *widget, std::uint32_t how)
{
    if (const auto *menu = qobject_cast<const QMenu *>(widget); menu && !menu->actions().isEmpty() && how % 4) {
        const QList<QAction *> actions = menu->actions();
        return menu->actionGeometry(actions.at(qsizetype(how % actions.size()))).center();
    }
    const QRect area = widget->rect();
    return {int(how % std::uint32_t(area.width())), int((how >> 16) % std::uint32_t(area.height()))};
}

QStringList itemsOf(const QWidget *field)
{
    QStringList items;
    if (const auto *list = qobject_cast<const QComboBox *>(field ? field->parentWidget() : nullptr)) {
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
    }
    return items;
}

// Where a Thai keyboard carries the letters of the access keys, as X
// numbers its keys, with the letter each key gives on the US layout.
struct UsKey {
    char16_t thai;
    quint32 keycode;
    char16_t us;
};
constexpr UsKey UsKeys[] = {
    {u'ท', 58, u'm'},
    {u'ส', 46, u'l'},
    {u'จ', 19, u'0'},
    {u'ว', 47, u';'},
    {u'ป', 53, u'x'},
    {u'ล', 35, u']'},
    {u'ก', 40, u'd'},
    {u'อ', 55, u'v'},
    {u'ห', 39, u's'},
    {u'ย', 33, u'p'},
    {u'ด', 41, u'f'},
    {u'พ', 27, u'r'},
    {u'ช', 21, u'='},
    {u'น', 32, u'o'},
};

QChar underlined(const QString &caption)
{
    const qsizetype marker = caption.indexOf(u'&');
    return marker >= 0 && marker + 1 < caption.size() ? caption.at(marker + 1) : QChar();
}

} // namespace

QStringList listItems()
{
    QStringList items;
    for (const auto &row : DayTable)
        items << q(row.key);
    for (const auto &row : MonthTable)
        items << q(row.key);
    for (const auto &row : YearTable)
        items << q(row.key);
    return items;
}

QString randomText(std::uint32_t seed, bool pasting, const QStringList &itemsHere)
{
    Rng rng(seed);
    const int length = 1 + int(rng.below(24));
    QString text;
    switch (rng.below(pasting ? 10 : 9)) {
    case 0: // Thai
        return thaiLetters(rng, length);
    case 1: // Latin words and digits
        for (int i = 0; i < length; ++i)
            text += QChar(rng.chance(15) ? u' ' : char16_t(u'a' + rng.below(26)));
        return text;
    case 2: // combining marks with nothing to combine with
        for (int i = 0; i < length; ++i)
            text += fromCodePoint(rng.chance(50) ? 0x0E31 + rng.below(10) : 0x0300 + rng.below(0x70));
        return text;
    case 3: // right to left, with the controls that turn the direction
        for (int i = 0; i < length; ++i) {
            constexpr char32_t Directions[] = {0x200F, 0x202B, 0x202E, 0x2067, 0x202C};
            text += fromCodePoint(rng.chance(10) ? Directions[rng.below(5)]
                    : rng.chance(50)             ? 0x05D0 + rng.below(27)
                                                 : 0x0627 + rng.below(36));
        }
        return text;
    case 4: // control characters, broken surrogates, zero widths
        for (int i = 0; i < length; ++i) {
            constexpr char16_t Odd[] = {0x0000, 0x0007, 0x0008, 0x0009, 0x000A, 0x000D, 0x001B, 0x007F, 0x0085, 0x200B,
                0x200D, 0x2028, 0x2029, 0xFEFF, 0xFFFD, 0xFFFF, 0xD800, 0xDBFF, 0xDC00, 0xDFFF};
            text += QChar(Odd[rng.below(std::size(Odd))]);
        }
        return text;
    case 5: // exactly an item of a list
    case 6: {
        const QStringList items = itemsHere.isEmpty() || rng.chance(20) ? listItems() : itemsHere;
        text = items.at(int(rng.below(std::uint32_t(items.size()))));
        if (rng.below(2) == 0)
            return text;
        // or one that is nearly an item
        switch (rng.below(4)) {
        case 0:
            return text + u' ';
        case 1:
            return QChar(0x00A0) + text;
        case 2:
            return text.left(text.size() - 1);
        default:
            return text.toUpper() + fromCodePoint(0x0E48);
        }
    }
    case 7: // pictures beyond the first plane, digits and punctuation
        for (int i = 0; i < length; ++i)
            text += rng.chance(50) ? fromCodePoint(0x1F300 + rng.below(0x300)) : QChar(char16_t(u'!' + rng.below(32)));
        return text;
    case 8: // a mixture
        return thaiLetters(rng, length) + fromCodePoint(0x05D0 + rng.below(27)) + QChar(0x0301) + u"  "_qs
            + QString::number(rng.next());
    default: { // about a megabyte
        const QString piece = thaiLetters(rng, 40) + u" abc "_qs + fromCodePoint(0x202E) + fromCodePoint(0x1F600);
        text.reserve(1 << 20);
        while (text.size() < (1 << 20) / 2)
            text += piece;
        return text;
    }
    }
}

QString printable(const QString &text)
{
    QString shown = text.left(60);
    for (QChar &c : shown) {
        if (!c.isPrint())
            c = QChar(0x2423); // the visible space
    }
    return u'"' + shown + (text.size() > 60 ? u"\"…"_qs : u"\""_qs);
}

ScreenWindow *Person::onView() const
{
    const std::vector<ScreenId> visible = m_program->visibleScreens();
    return visible.empty() ? nullptr : m_program->window(visible.front());
}

// Where the keyboard goes: an open pop-up first, then an open box, then the
// focus of the screen on view.
QWidget *Person::keyTarget() const
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    if (QWidget *box = QApplication::activeModalWidget())
        return box->focusWidget() ? box->focusWidget() : box;
    ScreenWindow *window = onView();
    if (!window)
        return nullptr;
    QWidget *focus = window->focusWidget();
    return focus && focus->isVisible() ? focus : window;
}

// Everything on view that the mouse could land on: on an open pop-up, on an
// open box, or on the screen (which an open box keeps from the mouse).
std::vector<QWidget *> Person::clickable(bool behindTheBox) const
{
    QWidget *top = QApplication::activePopupWidget();
    if (!top && !behindTheBox)
        top = QApplication::activeModalWidget();
    if (!top)
        top = onView();
    std::vector<QWidget *> widgets;
    if (!top)
        return widgets;
    widgets.push_back(top);
    for (QWidget *child : top->findChildren<QWidget *>()) {
        if (child->isVisible() && !child->isWindow() && !child->rect().isEmpty())
            widgets.push_back(child);
    }
    return widgets;
}

// The fields a person can click into and type; none while a box is open.
std::vector<QLineEdit *> Person::editable() const
{
    std::vector<QLineEdit *> fields;
    ScreenWindow *window = onView();
    if (!window || QApplication::activeModalWidget())
        return fields;
    for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
        if (field->isVisible() && field->isEnabled() && !field->isReadOnly())
            fields.push_back(field);
    }
    return fields;
}

QString Person::click(const Action &action, Qt::MouseButton button)
{
    const bool behind = QApplication::activeModalWidget() && action.text % 5 == 0;
    const std::vector<QWidget *> widgets = clickable(behind);
    if (widgets.empty())
        return u"nothing to click"_qs;
    QWidget *widget = widgets[action.which % widgets.size()];
    const QPoint at = pointIn(widget, action.how);
    // Told before it is done: the click may take the widget away.
    const QString done = (button == Qt::RightButton ? u"right-click "_qs : u"click "_qs) + describe(widget)
        + u" at %1,%2"_qs.arg(at.x()).arg(at.y());
    QTest::mouseClick(widget, button, Qt::NoModifier, at);
    return done;
}

// An item of a list, picked with the mouse: the arrow, then the item. Most
// of the time the first list that holds none of its items, so that all three
// get filled; once they are, now and then predict instead.
QString Person::choose(const Action &action)
{
    std::vector<QComboBox *> lists;
    if (ScreenWindow *window = onView();
        window && !QApplication::activePopupWidget() && !QApplication::activeModalWidget()) {
        for (QComboBox *list : window->findChildren<QComboBox *>()) {
            if (list->isVisible() && list->isEnabled() && list->count() > 0)
                lists.push_back(list);
        }
    }
    if (lists.empty())
        return click(action, Qt::LeftButton);
    const auto holdsNoItem = [](const QComboBox *list) {
        return list->findText(list->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0;
    };
    const auto unfilled = std::find_if(lists.begin(), lists.end(), holdsNoItem);
    if (unfilled == lists.end() && action.how % 3 != 0)
        return predict(action);
    QComboBox *list = lists[action.which % lists.size()];
    if (unfilled != lists.end() && action.how % 4 != 0)
        list = *unfilled;
    const QString done = u"choose from "_qs + describe(list);
    QTest::mouseClick(list, Qt::LeftButton, Qt::NoModifier, QPoint(list->width() - 6, list->height() / 2));
    QAbstractItemView *view = list->view();
    if (!view->isVisible())
        return done + u": no list opened"_qs;
    const int row = int((action.how >> 1) % std::uint32_t(list->count()));
    view->scrollTo(view->model()->index(row, 0));
    QTest::mouseClick(
        view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(view->model()->index(row, 0)).center());
    return done + u" item %1, which shows "_qs.arg(row) + printable(list->currentText());
}

// The entry screen's predict button, by the mouse or by its access key.
QString Person::predict(const Action &action)
{
    auto *button = m_program->control<QAbstractButton>(EntryScreen, "Command1");
    if (!button || button->window() != onView())
        return click(action, Qt::LeftButton);
    if (action.how % 2) {
        QTest::mouseClick(button, Qt::LeftButton);
        return u"predict with the mouse"_qs;
    }
    return u"predict: "_qs + pressAccessKey(keyTarget(), underlined(button->text()), false, action.how % 4 == 0);
}

QString Person::key(const Action &action)
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *name;
    };
    static const Key Keys[] = {
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
        {Qt::Key_Return, Qt::NoModifier, "Enter"},
        {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter"},
        {Qt::Key_Escape, Qt::NoModifier, "Esc"},
        {Qt::Key_Space, Qt::NoModifier, "Space"},
        {Qt::Key_Up, Qt::NoModifier, "Up"},
        {Qt::Key_Down, Qt::NoModifier, "Down"},
        {Qt::Key_Left, Qt::NoModifier, "Left"},
        {Qt::Key_Right, Qt::NoModifier, "Right"},
        {Qt::Key_Home, Qt::NoModifier, "Home"},
        {Qt::Key_End, Qt::NoModifier, "End"},
        {Qt::Key_PageUp, Qt::NoModifier, "Page Up"},
        {Qt::Key_PageDown, Qt::NoModifier, "Page Down"},
        {Qt::Key_F4, Qt::NoModifier, "F4"},
        {Qt::Key_Down, Qt::AltModifier, "Alt+Down"},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
        {Qt::Key_Delete, Qt::NoModifier, "Delete"},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
        {Qt::Key_V, Qt::ControlModifier, "Ctrl+V"},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
        {Qt::Key_Menu, Qt::NoModifier, "Menu"},
        {Qt::Key_F10, Qt::NoModifier, "F10"},
        {Qt::Key_F4, Qt::AltModifier, "Alt+F4"},
    };
    QWidget *target = keyTarget();
    if (!target)
        return u"no key target"_qs;
    const Key &chosen = Keys[action.how % std::size(Keys)];
    const QString done = QString::fromLatin1(chosen.name) + u" on "_qs + describe(target);
    QTest::keyClick(target, chosen.key, chosen.modifiers);
    return done;
}

// The underlined letters on view, and now and then any letter at all.
QString Person::accessKey(const Action &action)
{
    Rng rng(action.text);
    QWidget *target = keyTarget();
    if (!target)
        return u"no key target"_qs;
    const QString letters = accessLetters();
    QChar letter;
    if (!letters.isEmpty() && rng.chance(75))
        letter = letters.at(qsizetype(rng.below(std::uint32_t(letters.size()))));
    else
        letter = rng.chance(50) ? QChar(char16_t(0x0E01 + rng.below(0x2E))) : QChar(char16_t(u'a' + rng.below(26)));
    return pressAccessKey(target, letter, qobject_cast<QMenu *>(QApplication::activePopupWidget()), rng.chance(50));
}

// In an open menu the letter alone chooses; elsewhere it takes Alt. A
// button's access key clicks it a moment later. A person who has the US
// layout active presses the same key and gets its US letter, with the key's
// X keycode, which the program reads as the Thai letter.
QString Person::pressAccessKey(QWidget *target, QChar letter, bool inMenu, bool usLayout)
{
    const Qt::KeyboardModifiers modifiers = inMenu ? Qt::NoModifier : Qt::AltModifier;
    const QString done = (inMenu ? u""_qs : u"Alt+"_qs) + letter + u" on "_qs + describe(target);
    const auto us
        = std::find_if(std::begin(UsKeys), std::end(UsKeys), [letter](const UsKey &key) { return key.thai == letter; });
    if (usLayout && us != std::end(UsKeys)) {
        const QString text(QChar(us->us));
        const int code = QChar(us->us).toUpper().unicode();
        const quint32 state = inMenu ? 0 : 0x8; // Mod1, the Alt key
        testing::deliverKey(QEvent::KeyPress, code, modifiers, us->keycode, us->us, state, text, target);
        testing::deliverKey(QEvent::KeyRelease, code, modifiers, us->keycode, us->us, state, text, target);
        return done + u" with the US layout"_qs;
    }
    const auto code = static_cast<Qt::Key>(letter.toUpper().unicode());
    const QPointer<QWidget> alive(target);
    QTest::sendKeyEvent(QTest::Press, target, code, QString(letter), modifiers);
    if (alive)
        QTest::sendKeyEvent(QTest::Release, target, code, QString(letter), modifiers);
    return done;
}

QString Person::accessLetters() const
{
    QStringList captions;
    if (const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        for (const QAction *entry : menu->actions())
            captions << entry->text();
    } else if (QWidget *window = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : onView()) {
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            captions << button->text();
        if (const auto *screen = qobject_cast<ScreenWindow *>(window); screen && screen->menuBar()) {
            for (const QAction *entry : screen->menuBar()->actions())
                captions << entry->text();
        }
    }
    QString letters;
    for (const QString &caption : captions) {
        if (const QChar letter = underlined(caption); !letter.isNull())
            letters += letter;
    }
    return letters;
}

// An entry of the main menu's menu bar, chosen as the menu chooses it.
QString Person::menuCommand(const Action &action)
{
    ScreenWindow *window = onView();
    if (!window || !window->menuBar() || QApplication::activePopupWidget() || QApplication::activeModalWidget())
        return click(action, Qt::LeftButton);
    int total = 0;
    for (const MenuChoice &choice : MenuChoices)
        total += choice.weight;
    int roll = int(action.how % std::uint32_t(total));
    for (const MenuChoice &choice : MenuChoices) {
        if (roll >= choice.weight) {
            roll -= choice.weight;
            continue;
        }
        QAction *entry = window->menuEntry(choice.entry);
        if (!entry)
            break;
        const QString done = u"choose "_qs + entry->objectName() + u" on "_qs + describe(window);
        entry->trigger();
        return done;
    }
    return click(action, Qt::LeftButton);
}

// A close from the window manager: a first one only closes an open pop-up,
// as it does on the desktop. While a box is open, mostly the box, and now
// and then the screen behind it.
QString Person::close(const Action &action)
{
    if (QWidget *popup = QApplication::activePopupWidget()) {
        const QString done = u"close the pop-up "_qs + describe(popup);
        popup->close();
        return done;
    }
    QWidget *window = QApplication::activeModalWidget();
    if (!window || action.which % 3 == 0)
        window = onView();
    if (!window)
        return u"nothing to close"_qs;
    const QString done = u"close "_qs + describe(window);
    window->close();
    return done;
}

// Into a field, after a click that puts the focus there, and half the time
// with all its text selected so that the new text replaces it; or into
// whatever has the focus.
QWidget *Person::fieldFor(const Action &action, QString &where)
{
    const std::vector<QLineEdit *> fields = editable();
    if (!fields.empty() && action.how % 4 != 0) {
        QLineEdit *field = fields[action.which % fields.size()];
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, pointIn(field, action.how));
        where = describe(field);
        if ((action.how >> 8) % 2 == 0) {
            QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
            where += u", all selected"_qs;
        }
        return field;
    }
    QWidget *target = keyTarget();
    if (target)
        where = describe(target);
    return target;
}

QString Person::type(const Action &action)
{
    QString where;
    QWidget *target = fieldFor(action, where);
    if (!target)
        return u"nowhere to type"_qs;
    const QString text = randomText(action.text, false, itemsOf(target));
    // A key for each character, pairs of surrogates together. In an open
    // menu a letter may choose an entry and so take the menu away.
    const QPointer<QWidget> alive(target);
    for (qsizetype i = 0; i < text.size() && alive; ++i) {
        qsizetype length = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            length = 2;
        const QString character = text.mid(i, length);
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, character, Qt::NoModifier);
        if (alive)
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, character, Qt::NoModifier);
        i += length - 1;
    }
    return u"type "_qs + printable(text) + u" into "_qs + where;
}

QString Person::paste(const Action &action)
{
    QString where;
    QWidget *target = fieldFor(action, where);
    if (!target)
        return u"nowhere to paste"_qs;
    const QString text = randomText(action.text, true, itemsOf(target));
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    return u"paste %1 characters "_qs.arg(text.size()) + printable(text) + u" into "_qs + where;
}

QString Person::perform(const Action &action)
{
    switch (action.kind) {
    case Action::Kind::Click:
        return click(action, Qt::LeftButton);
    case Action::Kind::RightClick:
        return click(action, Qt::RightButton);
    case Action::Kind::Choose:
        return choose(action);
    case Action::Kind::Key:
        return key(action);
    case Action::Kind::AccessKey:
        return accessKey(action);
    case Action::Kind::Menu:
        return menuCommand(action);
    case Action::Kind::Close:
        return close(action);
    case Action::Kind::Type:
        return type(action);
    case Action::Kind::Paste:
        return paste(action);
    }
    return {};
}

} // namespace duset::monkey
