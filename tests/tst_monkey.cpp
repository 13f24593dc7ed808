// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random things a person could do, from the start-up screen on,
// with the program checked after each: one screen on view, the main menu
// loaded, the entry screen's values sound, every screen opening as designed,
// every message the one the lists ask for, and no crash.
//
// The actions are made from a seed, so a run can be repeated. They run in a
// child process (this program again), so that a crash or a hang is caught
// like any other failure; a failure is then shrunk to the shortest list of
// actions that still fails in the same way, which is printed with the seed.
//
//   DUSET_MONKEY_SEED     the seed (a number, or "random"); 1 by default
//   DUSET_MONKEY_ACTIONS  how many actions; 3,000 by default
//   DUSET_MONKEY_REPLAY   a file of actions to run as they are, as printed
//                         after a failure
//   DUSET_MONKEY_SHRINK_SECONDS  how long shrinking may take; 300 by default

// Mouse clicks go through the window system's way in, as a person's do, so
// that an open pop-up list or menu takes them first.
#define QTEST_QPA_MOUSE_HANDLING

#include "support.h"

#include "form1.h"
#include "reckoning.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

using namespace duset;
using namespace duset::testing;

namespace {

// A small generator with the same numbers on every machine and library.
class Rng {
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    {
    }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    std::uint32_t below(std::uint32_t n) { return n == 0 ? 0 : std::uint32_t(next() % n); }
    bool chance(int percent) { return below(100) < std::uint32_t(percent); }

private:
    std::uint64_t m_state;
};

// What a person does, in terms that hold on any screen: "the 7th of the
// controls on view", "the 3rd of the keys". So an action can be left out of a
// list and the rest still mean something, which is what shrinking needs.
struct Action {
    enum class Kind { Click, RightClick, Choose, Key, AccessKey, Menu, Close, Type, Paste };

    Kind kind = Kind::Click;
    std::uint32_t which = 0; // the target, modulo the number there are
    std::uint32_t how = 0; // the key, the point, the letter
    std::uint32_t text = 0; // the seed of the text typed or pasted
};

constexpr std::pair<Action::Kind, const char *> KindNames[] = {
    {Action::Kind::Click, "click"},
    {Action::Kind::RightClick, "right-click"},
    {Action::Kind::Choose, "choose"},
    {Action::Kind::Key, "key"},
    {Action::Kind::AccessKey, "access-key"},
    {Action::Kind::Menu, "menu"},
    {Action::Kind::Close, "close"},
    {Action::Kind::Type, "type"},
    {Action::Kind::Paste, "paste"},
};

std::vector<Action> makeActions(std::uint64_t seed, std::size_t count)
{
    // How often each kind comes, out of 100.
    constexpr std::pair<Action::Kind, int> Weights[] = {
        {Action::Kind::Click, 19},
        {Action::Kind::RightClick, 3},
        {Action::Kind::Choose, 14},
        {Action::Kind::Key, 25},
        {Action::Kind::AccessKey, 12},
        {Action::Kind::Menu, 4},
        {Action::Kind::Close, 2},
        {Action::Kind::Type, 14},
        {Action::Kind::Paste, 7},
    };
    Rng rng(seed);
    std::vector<Action> actions(count);
    for (Action &action : actions) {
        int roll = int(rng.below(100));
        for (const auto &[kind, weight] : Weights) {
            if (roll < weight) {
                action.kind = kind;
                break;
            }
            roll -= weight;
        }
        action.which = std::uint32_t(rng.next());
        action.how = std::uint32_t(rng.next());
        action.text = std::uint32_t(rng.next());
    }
    return actions;
}

QByteArray serialise(const std::vector<Action> &actions)
{
    QByteArray out;
    for (const Action &action : actions) {
        for (const auto &[kind, name] : KindNames) {
            if (kind == action.kind)
                out += name;
        }
        out += ' ' + QByteArray::number(action.which) + ' ' + QByteArray::number(action.how) + ' '
            + QByteArray::number(action.text) + '\n';
    }
    return out;
}

std::vector<Action> deserialise(const QByteArray &in)
{
    std::vector<Action> actions;
    for (const QByteArray &line : in.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() != 4)
            continue;
        Action action;
        bool known = false;
        for (const auto &[kind, name] : KindNames) {
            if (fields[0] == name) {
                action.kind = kind;
                known = true;
            }
        }
        if (!known)
            throw std::runtime_error("no such action: " + fields[0].toStdString());
        action.which = fields[1].toUInt();
        action.how = fields[2].toUInt();
        action.text = fields[3].toUInt();
        actions.push_back(action);
    }
    return actions;
}

// -- Texts a person could type or paste --------------------------------------

QString fromCodePoint(char32_t c)
{
    return QString::fromUcs4(&c, 1);
}

QString q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

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

// A text of one of many kinds. The items of a list, where given, are what a
// person would mostly type into that list.
QString randomText(std::uint32_t seed, bool pasting, const QStringList &itemsHere = {})
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

// -- The checks ---------------------------------------------------------------

// A check that fails: what kind of fault it found, and how it showed.
struct Failure {
    std::size_t action = 0; // the index of the action after which it showed
    QString kind;
    QString detail;
};

struct CheckFailed {
    QString kind;
    QString detail;
};

void expect(bool holds, const char *kind, const QString &detail)
{
    if (!holds)
        throw CheckFailed{QString::fromLatin1(kind), detail};
}

QString nameOf(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
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

void checkDesignedTexts(const Screen &screen)
{
    const ScreenDescription &description = screen.description();
    const QString where = nameOf(description.name);
    const ScreenWindow *window = screen.window();
    expect(window->windowTitle() == description.caption.toString(), "designed-texts", where + u": caption"_qs);
    for (const Control &control : description.controls) {
        const QString name = where + u'/' + nameOf(control.name);
        QWidget *widget = screen.control(control.name);
        expect(widget, "designed-texts", name + u" is missing"_qs);
        QString shown;
        switch (control.kind) {
        case Control::Kind::Label:
            shown = static_cast<QLabel *>(widget)->text();
            break;
        case Control::Kind::TextBox:
            shown = static_cast<QLineEdit *>(widget)->text();
            break;
        case Control::Kind::CommandButton:
            shown = static_cast<QAbstractButton *>(widget)->text();
            break;
        case Control::Kind::ComboBox: {
            const auto *list = static_cast<QComboBox *>(widget);
            shown = list->currentText();
            expect(list->currentIndex() == -1, "designed-texts", name + u" opens with an item chosen"_qs);
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
            QStringList designed;
            for (const QStringView item : control.items)
                designed << item.toString();
            expect(items == designed, "designed-texts", name + u": list items"_qs);
            break;
        }
        case Control::Kind::Image:
            expect(!static_cast<QLabel *>(widget)->pixmap().isNull(), "designed-texts", name + u": no picture"_qs);
            continue;
        }
        expect(shown == control.text.toString(), "designed-texts",
            name + u" shows "_qs + printable(shown) + u" instead of "_qs + printable(control.text.toString()));
    }
    if (description.menu) {
        const auto *dropDown = window->findChild<QMenu *>(nameOf(description.menu->name));
        expect(dropDown && dropDown->title() == description.menu->caption.toString(), "designed-texts",
            where + u": menu caption"_qs);
        for (const MenuEntry &entry : description.menu->entries) {
            const QAction *action = window->menuEntry(entry.name);
            expect(
                action && (entry.caption == u"-" ? action->isSeparator() : action->text() == entry.caption.toString()),
                "designed-texts", where + u": menu entry "_qs + nameOf(entry.name));
        }
    }
}

bool isWhole(double value, double low, double high)
{
    return std::isfinite(value) && value == std::floor(value) && value >= low && value <= high;
}

// -- One run of actions ---------------------------------------------------------

// Some of Qt's own context menus (a scroll bar's) run an event loop of their
// own and wait on the person. While an action runs, such a loop is answered
// as Esc would answer it. A modal window is noted as well, since the program
// raises none: its messages go through the presenter.
class NestedLoopAnswerer : public QObject {
public:
    NestedLoopAnswerer()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &NestedLoopAnswerer::answer);
    }

    void arm() { m_timer.start(); }
    void disarm() { m_timer.stop(); }
    QString modal; // the kind of modal window found, if any

private:
    void answer()
    {
        if (thread()->loopLevel() == 0)
            return;
        if (QWidget *window = QApplication::activeModalWidget()) {
            modal = QString::fromLatin1(window->metaObject()->className());
            window->close();
        } else if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    QTimer m_timer;
};

class Monkey {
public:
    Monkey() { start(); }

    // What the run went through, to show that it went far.
    QString summary() const
    {
        QStringList opened;
        for (ScreenId id : AllScreens)
            opened << u"Form%1 %2"_qs.arg(int(id) + 1).arg(m_opened[std::size_t(id)]);
        return u"%1 program runs; screens opened: %2; %3 warnings, %4 verdicts"_qs.arg(m_programs)
            .arg(opened.join(u", "_qs))
            .arg(m_warnings)
            .arg(m_verdicts);
    }

    // Runs the actions on a program fresh from its start; a program that ends
    // is followed by a new one. Returns the first failure, if any.
    std::optional<Failure> run(const std::vector<Action> &actions, int progressFile, bool narrate)
    {
        try {
            check();
        } catch (const CheckFailed &failed) {
            return Failure{0, failed.kind, u"at the start: "_qs + failed.detail};
        }
        for (std::size_t i = 0; i < actions.size(); ++i) {
            if (progressFile >= 0)
                (void)pwrite(progressFile, &i, sizeof i, 0);
            QString done;
            std::optional<CheckFailed> failed;
            try {
                m_answerer.arm();
                done = perform(actions[i]);
                m_answerer.disarm();
                check();
            } catch (const CheckFailed &check) {
                m_answerer.disarm();
                failed = check;
            }
            if (narrate) {
                QStringList onView;
                for (ScreenId id : m_program->visibleScreens())
                    onView << m_program->window(id)->objectName();
                std::printf("monkey: %zu. %s  [on view: %s; %zu messages]\n", i + 1, qPrintable(done),
                    qPrintable(onView.join(u' ')), m_messages.size());
            }
            if (failed)
                return Failure{i, failed->kind, failed->detail};
        }
        return std::nullopt;
    }

private:
    void start()
    {
        m_program.reset();
        settle();
        m_program = std::make_unique<Program>();
        ++m_programs;
        m_messages.clear();
        m_messagesSeen = 0;
        m_onView = nullptr;
        // What the entry screen's lists held when the message came: a later
        // click of the same action may have left the screen already.
        setMessagePresenter([this](QWidget *, const Message &message) {
            ShownWithTexts shown{message, {}, false};
            if (const Screen *entry = m_program->screens.peek(EntryScreen); entry && entry->isLoaded()) {
                shown.fromEntryScreen = true;
                for (const char *name : {"Combo1", "Combo2", "Combo3"})
                    shown.texts << entry->control<QComboBox>(name)->currentText();
            }
            m_messages.push_back(shown);
        });
    }

    // Everything that a click or key set going, done: queued calls, windows
    // going away, a program coming to its end. An access key clicks its
    // button a moment after the key; that is waited for too, so that time
    // never changes what a run does.
    static void settle()
    {
        const auto flush = [] {
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        flush();
        QElapsedTimer waited;
        waited.start();
        while (anyButtonDown() && waited.elapsed() < 5000) {
            QTest::qWait(5);
            flush();
        }
    }

    static bool anyButtonDown()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->isDown())
                    return true;
            }
        }
        return false;
    }

    void check()
    {
        settle();
        expect(m_answerer.modal.isEmpty(), "modal", u"a modal window waited on the person: "_qs + m_answerer.modal);
        Program &program = *m_program;
        if (program.screens.hasEnded()) {
            expect(program.ended.count() == 1 && program.ended.first().first().toInt() == 0, "end",
                u"the program ended with a failure or more than once"_qs);
            for (ScreenId id : AllScreens)
                expect(!program.isLoaded(id), "end", u"a screen is still loaded after the end"_qs);
            checkMessages();
            start();
            check();
            return;
        }
        checkMessages();

        const std::vector<ScreenId> visible = program.visibleScreens();
        QStringList names;
        for (ScreenId id : visible)
            names << program.window(id)->objectName();
        expect(
            visible.size() == 1, "one-screen", u"on view: "_qs + (names.isEmpty() ? u"nothing"_qs : names.join(u' ')));
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const bool popup = window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip;
            expect(!window->isVisible() || popup || qobject_cast<ScreenWindow *>(window), "one-screen",
                u"a window that is no screen is on view: "_qs + QString::fromLatin1(window->metaObject()->className()));
        }
        expect(program.isLoaded(MainMenu), "menu-loaded", u"the main menu is no longer loaded"_qs);

        if (const auto *entry = static_cast<const Form1 *>(program.screens.peek(EntryScreen))) {
            const ReckoningState &state = entry->Reckoning;
            expect(state.DayValue >= 0 && state.DayValue <= 7 && state.MonthValue >= 0 && state.MonthValue <= 12
                    && isWhole(state.YearValue, 0, 12) && isWhole(state.Total, 0, 10),
                "values",
                u"day %1, month %2, year %3, total %4"_qs.arg(state.DayValue)
                    .arg(state.MonthValue)
                    .arg(state.YearValue)
                    .arg(state.Total));
        }

        checkNewScreen();
    }

    // A screen that has come on view shows its designed texts.
    void checkNewScreen()
    {
        const std::vector<ScreenId> visible = m_program->visibleScreens();
        if (visible.size() != 1)
            return;
        ScreenWindow *window = m_program->window(visible.front());
        if (window != m_onView) {
            checkDesignedTexts(*m_program->screens.peek(visible.front()));
            m_onView = window;
            ++m_opened[std::size_t(visible.front())];
        }
    }

    // Every message is the warning or the verdict that the entry screen's
    // three texts call for; the program never reports a failure of its own.
    void checkMessages()
    {
        for (; m_messagesSeen < m_messages.size(); ++m_messagesSeen) {
            const ShownWithTexts &shown = m_messages[m_messagesSeen];
            const Message &message = shown.message;
            expect(message.icon != QMessageBox::Critical, "fatal", message.text);
            expect(shown.fromEntryScreen, "message", u"a message with no entry screen: "_qs + message.title);
            const QStringList &texts = shown.texts;
            ReckoningState scratch;
            const ReckoningOutcome outcome
                = Reckon(texts[0].toStdU16String(), texts[1].toStdU16String(), texts[2].toStdU16String(), scratch);
            const bool verdict = outcome.kind == ReckoningOutcome::Kind::Verdict;
            ++(verdict ? m_verdicts : m_warnings);
            expect(message.title == q(outcome.title) && message.text == q(outcome.text)
                    && message.icon == (verdict ? QMessageBox::Information : QMessageBox::Warning),
                "message", u"for "_qs + printable(texts.join(u" | "_qs)) + u" the message was "_qs + message.title);
        }
    }

    // -- Doing things ---------------------------------------------------------

    ScreenWindow *onView() const
    {
        const std::vector<ScreenId> visible = m_program->visibleScreens();
        return visible.empty() ? nullptr : m_program->window(visible.front());
    }

    // The way to a widget by name, from its window: Form1/Combo2/QLineEdit.
    static QString describe(const QWidget *widget)
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

    // Where the keyboard goes: an open pop-up first, then the focus.
    QWidget *keyTarget() const
    {
        if (QWidget *popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        ScreenWindow *window = onView();
        if (!window)
            return nullptr;
        QWidget *focus = window->focusWidget();
        return focus && focus->isVisible() ? focus : window;
    }

    // Everything on view that the mouse could land on.
    std::vector<QWidget *> clickable() const
    {
        QWidget *top = QApplication::activePopupWidget();
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

    std::vector<QLineEdit *> editable() const
    {
        std::vector<QLineEdit *> fields;
        if (ScreenWindow *window = onView()) {
            for (QLineEdit *field : window->findChildren<QLineEdit *>()) {
                if (field->isVisible() && field->isEnabled() && !field->isReadOnly())
                    fields.push_back(field);
            }
        }
        return fields;
    }

    static QPoint pointIn(const QWidget *widget, std::uint32_t how)
    {
        if (const auto *menu = qobject_cast<const QMenu *>(widget); menu && !menu->actions().isEmpty() && how % 4) {
            const QList<QAction *> actions = menu->actions();
            return menu->actionGeometry(actions.at(qsizetype(how % actions.size()))).center();
        }
        const QRect area = widget->rect();
        return {int(how % std::uint32_t(area.width())), int((how >> 16) % std::uint32_t(area.height()))};
    }

    QString click(const Action &action, Qt::MouseButton button)
    {
        const std::vector<QWidget *> widgets = clickable();
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

    // An item of a list, picked with the mouse: the arrow, then the item.
    QString choose(const Action &action)
    {
        std::vector<QComboBox *> lists;
        if (ScreenWindow *window = onView(); window && !QApplication::activePopupWidget()) {
            for (QComboBox *list : window->findChildren<QComboBox *>()) {
                if (list->isVisible() && list->isEnabled() && list->count() > 0)
                    lists.push_back(list);
            }
        }
        if (lists.empty())
            return click(action, Qt::LeftButton);
        // Half the time the first list that holds none of its items, so that
        // all three get filled and predict has something to tell.
        QComboBox *list = lists[action.which % lists.size()];
        if (action.how % 2 == 0) {
            for (QComboBox *unfilled : lists) {
                if (unfilled->findText(unfilled->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive) < 0) {
                    list = unfilled;
                    break;
                }
            }
        }
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

    QString key(const Action &action)
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
    // Now and then two keys in quick succession, the second before the first
    // one's button has clicked.
    QString accessKey(const Action &action)
    {
        Rng rng(action.text);
        const int presses = rng.chance(25) ? 2 : 1;
        QString done;
        for (int press = 0; press < presses; ++press) {
            QWidget *target = keyTarget();
            if (!target)
                return done.isEmpty() ? u"no key target"_qs : done;
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            const QString letters = accessLetters(menu);
            QChar letter;
            if (!letters.isEmpty() && rng.chance(75))
                letter = letters.at(qsizetype(rng.below(std::uint32_t(letters.size()))));
            else
                letter = rng.chance(50) ? QChar(char16_t(0x0E01 + rng.below(0x2E)))
                                        : QChar(char16_t(u'a' + rng.below(26)));
            // In an open menu the letter alone chooses; elsewhere it takes Alt.
            const Qt::KeyboardModifiers modifiers = menu ? Qt::NoModifier : Qt::AltModifier;
            const auto code = static_cast<Qt::Key>(letter.toUpper().unicode());
            done += (done.isEmpty() ? u""_qs : u", then "_qs) + (menu ? u""_qs : u"Alt+"_qs) + letter + u" on "_qs
                + describe(target);
            const QPointer<QWidget> alive(target);
            QTest::sendKeyEvent(QTest::Press, target, code, QString(letter), modifiers);
            if (alive)
                QTest::sendKeyEvent(QTest::Release, target, code, QString(letter), modifiers);
            // A menu's letter opens its screen at once; the second key must
            // not hide how it opened.
            QCoreApplication::processEvents();
            checkNewScreen();
        }
        return done;
    }

    QString accessLetters(const QMenu *menu) const
    {
        QStringList captions;
        if (menu) {
            for (const QAction *entry : menu->actions())
                captions << entry->text();
        } else if (ScreenWindow *window = onView()) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                captions << button->text();
            if (window->menuBar()) {
                for (const QAction *entry : window->menuBar()->actions())
                    captions << entry->text();
            }
        }
        QString letters;
        for (const QString &caption : captions) {
            const qsizetype marker = caption.indexOf(u'&');
            if (marker >= 0 && marker + 1 < caption.size())
                letters += caption.at(marker + 1);
        }
        return letters;
    }

    // A command of the main menu's drop-down, chosen as the menu chooses it.
    QString menuCommand(const Action &action)
    {
        ScreenWindow *window = onView();
        if (!window || !window->menuBar() || QApplication::activePopupWidget())
            return click(action, Qt::LeftButton);
        const QList<QAction *> entries = window->menuBar()->actions().front()->menu()->actions();
        QAction *entry = entries.at(qsizetype(action.how % entries.size()));
        const QString done = u"choose "_qs + entry->objectName() + u" on "_qs + describe(window);
        entry->trigger();
        return done;
    }

    // The close button of the title bar: a first press only closes an open
    // pop-up, as it does on the desktop.
    QString closeButton()
    {
        if (QWidget *popup = QApplication::activePopupWidget()) {
            const QString done = u"close the pop-up "_qs + describe(popup);
            popup->close();
            return done;
        }
        ScreenWindow *window = onView();
        if (!window)
            return u"nothing to close"_qs;
        const QString done = u"close "_qs + describe(window);
        window->close();
        return done;
    }

    // Into a field, after a click that puts the focus there, and half the
    // time with all its text selected so that the new text replaces it; or
    // into whatever has the focus.
    QWidget *fieldFor(const Action &action, QString &where)
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

    static QStringList itemsOf(const QWidget *field)
    {
        QStringList items;
        if (const auto *list = qobject_cast<const QComboBox *>(field ? field->parentWidget() : nullptr)) {
            for (int i = 0; i < list->count(); ++i)
                items << list->itemText(i);
        }
        return items;
    }

    QString type(const Action &action)
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
            QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, character, Qt::NoModifier);
            i += length - 1;
        }
        return u"type "_qs + printable(text) + u" into "_qs + where;
    }

    QString paste(const Action &action)
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

    QString perform(const Action &action)
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
            return closeButton();
        case Action::Kind::Type:
            return type(action);
        case Action::Kind::Paste:
            return paste(action);
        }
        return {};
    }

    struct ShownWithTexts {
        Message message;
        QStringList texts;
        bool fromEntryScreen;
    };

    NestedLoopAnswerer m_answerer;
    std::unique_ptr<Program> m_program;
    int m_programs = 0;
    std::array<int, AllScreens.size()> m_opened{};
    int m_warnings = 0;
    int m_verdicts = 0;
    std::vector<ShownWithTexts> m_messages;
    std::size_t m_messagesSeen = 0;
    QPointer<ScreenWindow> m_onView;
};

// -- Running in a child process, and shrinking --------------------------------

struct Outcome {
    bool passed = true;
    Failure failure;
    QString output;
};

class Runner {
public:
    explicit Runner(QTemporaryDir &dir)
        : m_dir(dir)
    {
    }

    // Runs the actions in a child process and tells how it went.
    Outcome run(const std::vector<Action> &actions, bool narrate) const
    {
        const QString list = m_dir.filePath(u"actions.txt"_qs);
        const QString progress = m_dir.filePath(u"progress"_qs);
        QFile file(list);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(serialise(actions)) < 0)
            throw std::runtime_error("cannot write the list of actions");
        file.close();
        QFile::remove(progress);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"DUSET_MONKEY_REPLAY"_qs, list);
        environment.insert(u"DUSET_MONKEY_PROGRESS"_qs, progress);
        environment.insert(u"DUSET_MONKEY_NARRATE"_qs, narrate ? u"1"_qs : u"0"_qs);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        // Only the last, narrated run waits for a stack trace of a crash.
        QStringList arguments{u"monkey"_qs};
        if (!narrate)
            arguments << u"-nocrashhandler"_qs;
        child.start(QCoreApplication::applicationFilePath(), arguments);
        // Generous: a slow sanitizer build takes a few milliseconds an action.
        const int limit = 120'000 + int(std::min<std::size_t>(actions.size(), 1'000'000) * 100);
        const bool finished = child.waitForFinished(limit);
        if (!finished) {
            child.kill();
            child.waitForFinished();
        }
        Outcome outcome;
        outcome.output = QString::fromUtf8(child.readAll());
        if (finished && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
            return outcome;

        outcome.passed = false;
        const QRegularExpression reported(u"monkey: failed after action (\\d+): ([\\w-]+): (.*)"_qs);
        const QRegularExpressionMatch match = reported.match(outcome.output);
        if (match.hasMatch()) {
            outcome.failure = {match.captured(1).toULongLong(), match.captured(2), match.captured(3)};
            return outcome;
        }
        // A crash or a hang says nothing; the progress file tells where it was.
        std::size_t at = 0;
        QFile where(progress);
        if (where.open(QIODevice::ReadOnly))
            where.read(reinterpret_cast<char *>(&at), sizeof at);
        const QStringList lines = outcome.output.split(u'\n');
        outcome.failure = {
            at, finished ? u"crash"_qs : u"hang"_qs, lines.mid(std::max<qsizetype>(0, lines.size() - 40)).join(u'\n')};
        return outcome;
    }

    // Leaves out as much as it can while the run still fails in the same way
    // (delta debugging), within a time budget.
    std::vector<Action> shrink(std::vector<Action> actions, const QString &kind, qint64 budgetMs) const
    {
        QElapsedTimer clock;
        clock.start();
        std::size_t chunk = actions.size() / 2;
        while (chunk >= 1 && clock.elapsed() < budgetMs) {
            bool removed = false;
            for (std::size_t start = 0; start < actions.size() && clock.elapsed() < budgetMs;) {
                std::vector<Action> candidate(actions.begin(), actions.begin() + qsizetype(start));
                candidate.insert(candidate.end(), actions.begin() + qsizetype(std::min(actions.size(), start + chunk)),
                    actions.end());
                const Outcome outcome = run(candidate, false);
                if (!outcome.passed && outcome.failure.kind == kind) {
                    candidate.resize(std::min(candidate.size(), outcome.failure.action + 1));
                    actions = candidate;
                    removed = true;
                } else {
                    start += chunk;
                }
            }
            if (!removed)
                chunk /= 2;
            chunk = std::min(chunk, actions.size() / 2 ? actions.size() / 2 : 1);
        }
        return actions;
    }

private:
    QTemporaryDir &m_dir;
};

std::uint64_t seedFromEnvironment()
{
    const QByteArray seed = qgetenv("DUSET_MONKEY_SEED");
    if (seed == "random")
        return QRandomGenerator::system()->generate64();
    if (seed.isEmpty())
        return 1;
    bool ok = false;
    const std::uint64_t value = seed.toULongLong(&ok);
    if (!ok)
        throw std::runtime_error("DUSET_MONKEY_SEED is no number");
    return value;
}

std::size_t countFromEnvironment()
{
    const QByteArray count = qgetenv("DUSET_MONKEY_ACTIONS");
    return count.isEmpty() ? 3000 : std::size_t(count.toULongLong());
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installProgramFonts();
        // Time must not change what an action does, so that a seed always
        // gives the same run: no double clicks made of two quick single
        // ones, no pop-up list that ignores a release that comes early.
        QApplication::setDoubleClickInterval(0);
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, false);
        QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
        QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    }
    void textsCoverWhatAPersonMightEnter();
    void actionsSurviveBeingWrittenOut();
    void monkey();
};

// The texts are the point of half the actions; make sure every kind comes up.
void TestMonkey::textsCoverWhatAPersonMightEnter()
{
    const QStringList items = listItems();
    bool thai = false, rightToLeft = false, control = false, loneMark = false, item = false, megabyte = false;
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        const QString text = randomText(seed, true);
        item = item || items.contains(text);
        megabyte = megabyte || text.size() >= (1 << 19);
        loneMark = loneMark || (!text.isEmpty() && text.front().category() == QChar::Mark_NonSpacing);
        for (const QChar c : text) {
            thai = thai || c.script() == QChar::Script_Thai;
            rightToLeft = rightToLeft || c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
            control = control || c.category() == QChar::Other_Control || c.isSurrogate();
        }
    }
    QVERIFY(thai);
    QVERIFY(rightToLeft);
    QVERIFY(control);
    QVERIFY(loneMark);
    QVERIFY(item);
    QVERIFY(megabyte);
}

void TestMonkey::actionsSurviveBeingWrittenOut()
{
    const std::vector<Action> actions = makeActions(42, 500);
    const std::vector<Action> read = deserialise(serialise(actions));
    QCOMPARE(read.size(), actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        QCOMPARE(read[i].kind, actions[i].kind);
        QCOMPARE(read[i].which, actions[i].which);
        QCOMPARE(read[i].how, actions[i].how);
        QCOMPARE(read[i].text, actions[i].text);
    }
    for (const auto &[kind, name] : KindNames)
        QVERIFY2(std::any_of(actions.begin(), actions.end(), [kind = kind](const Action &a) { return a.kind == kind; }),
            name);
}

void TestMonkey::monkey()
{
    const QByteArray replay = qgetenv("DUSET_MONKEY_REPLAY");
    if (!replay.isEmpty()) {
        // The child: run the list as it is.
        QFile file(QString::fromLocal8Bit(replay));
        QVERIFY2(file.open(QIODevice::ReadOnly), replay.constData());
        const std::vector<Action> actions = deserialise(file.readAll());
        const QByteArray progressPath = qgetenv("DUSET_MONKEY_PROGRESS");
        const int progress = progressPath.isEmpty() ? -1 : ::open(progressPath.constData(), O_WRONLY | O_CREAT, 0600);
        Monkey monkey;
        const std::optional<Failure> failure = monkey.run(actions, progress, qgetenv("DUSET_MONKEY_NARRATE") != "0");
        if (progress >= 0)
            ::close(progress);
        std::printf("monkey: summary: %s\n", qPrintable(monkey.summary()));
        std::fflush(stdout);
        if (failure) {
            std::printf("monkey: failed after action %zu: %s: %s\n", failure->action, qPrintable(failure->kind),
                qPrintable(failure->detail));
            std::fflush(stdout);
            QFAIL("the program failed a check");
        }
        return;
    }

    const std::uint64_t seed = seedFromEnvironment();
    const std::size_t count = countFromEnvironment();
    qInfo("monkey: seed %llu, %zu actions", static_cast<unsigned long long>(seed), count);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Runner runner(dir);
    const std::vector<Action> actions = makeActions(seed, count);
    const Outcome outcome = runner.run(actions, false);
    for (const QString &line : outcome.output.split(u'\n')) {
        if (line.startsWith(u"monkey: summary"_qs))
            qInfo("%s", qPrintable(line));
    }
    if (outcome.passed)
        return;

    dir.setAutoRemove(false);
    const Failure &first = outcome.failure;
    std::printf("monkey: seed %llu, %zu actions: failed after action %zu (counting from 0): %s: %s\n",
        static_cast<unsigned long long>(seed), count, first.action, qPrintable(first.kind), qPrintable(first.detail));
    std::printf("monkey: shrinking the list of actions...\n");
    std::fflush(stdout);
    std::vector<Action> shortest(actions.begin(), actions.begin() + qsizetype(std::min(count, first.action + 1)));
    const qint64 budget = qEnvironmentVariableIsSet("DUSET_MONKEY_SHRINK_SECONDS")
        ? qEnvironmentVariableIntValue("DUSET_MONKEY_SHRINK_SECONDS") * 1000ll
        : 300'000;
    shortest = runner.shrink(shortest, first.kind, budget);

    const Outcome last = runner.run(shortest, true);
    const QString kept = dir.filePath(u"shortest.txt"_qs);
    QFile file(kept);
    if (file.open(QIODevice::WriteOnly))
        file.write(serialise(shortest));
    std::printf("monkey: seed %llu: the shortest list found that still fails has %zu actions; run it again with\n"
                "    DUSET_MONKEY_REPLAY=%s %s monkey\n%s\n",
        static_cast<unsigned long long>(seed), shortest.size(), qPrintable(kept),
        qPrintable(QCoreApplication::applicationFilePath()), qPrintable(last.output));
    std::fflush(stdout);
    QFAIL(qPrintable(u"seed %1: %2: %3"_qs.arg(seed).arg(first.kind, first.detail.left(400))));
}

int main(int argc, char *argv[])
{
    // A long run takes more than QtTest's five minutes for one test; the
    // child process has a time limit of its own.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "604800000");
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
