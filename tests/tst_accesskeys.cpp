// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Access keys as a Thai keyboard gives them: the key that carries the
// letter, pressed with the US layout of a us,th group active, with the Thai
// one, or on a keyboard with the US or the Thai layout only. Off screen the key events
// are made as X sends them (the X keycode with the active layout's letter);
// on an X server they are real key presses, through XTest, with the
// server's layout group set.

#include "support.h"

#include "accesskeys.h"
#include "realkeys.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include <functional>

using namespace duset;
using namespace duset::testing;

namespace {

// The layouts a key is pressed under.
enum class Layout {
    UsOfGroup, // us,th with the US layout active
    ThaiOfGroup, // us,th with the Thai layout active
    UsOnly, // a keyboard with the US layout alone
    ThaiOnly, // a keyboard with the Thai layout alone
};

const char *nameOf(Layout layout)
{
    switch (layout) {
    case Layout::UsOfGroup:
        return "us of us,th";
    case Layout::ThaiOfGroup:
        return "th of us,th";
    case Layout::UsOnly:
        return "us only";
    case Layout::ThaiOnly:
        return "th only";
    }
    return "";
}

// One physical key of a PC keyboard: its X keycode, and the letter it
// carries on the US layout and on the Thai (Kedmanee) one.
struct Key {
    unsigned keycode;
    char16_t us;
    char16_t thai;
};

constexpr Key Tab{23, u'\t', u'\t'};

// Where a key is pressed, set up as a person would have left it.
enum class Situation {
    Screen, // the screen as it opens
    LetGoOpen, // the main menu with its menu "Let go !" open
    HelpOpen, // the main menu with its Help menu open
    ListsFilled, // the entry screen with an item in each list
    EarlyYearDate, // the date screen with 1 January 2530, which has two animal years
    WholeDate, // the date screen with 15 June 2530
    VerseFocused, // the meaning screen with the focus in its verse
    OfferOpen, // the entry screen with the day list's offer open for "พ"
};

using Outcome = std::function<bool(const Program &)>;

struct Case {
    const char *name;
    ScreenId screen;
    Situation situation;
    Key key;
    bool alt;
    Outcome done;
};

Outcome onlyOnView(ScreenId id)
{
    return [id](const Program &program) { return program.visibleScreens() == std::vector{id}; };
}

Outcome messageTitled(const QString &title)
{
    return [title](const Program &program) {
        return program.messages.size() == 1 && program.messages.front().message.title == title;
    };
}

Outcome focusOn(ScreenId id, const char *name)
{
    return [id, name](const Program &program) {
        return program.control(id, name) && QApplication::focusWidget() == program.control(id, name);
    };
}

Outcome checked(ScreenId id, const char *name)
{
    return [id, name](const Program &program) {
        const auto *button = program.control<QAbstractButton>(id, name);
        return button && button->isChecked();
    };
}

Outcome menuOpen(const char *name)
{
    return [name](const Program &) {
        const QWidget *popup = QApplication::activePopupWidget();
        return popup && popup->objectName() == QLatin1String(name);
    };
}

Outcome predicted()
{
    return [](const Program &program) {
        return program.messages.size() == 1 && program.messages.front().parent == program.window(EntryScreen);
    };
}

Outcome listsEmpty()
{
    return [](const Program &program) {
        for (const char *name : {"Combo1", "Combo2", "Combo3"}) {
            if (!program.control<QComboBox>(EntryScreen, name)->currentText().isEmpty())
                return false;
        }
        return true;
    };
}

Outcome ended()
{
    return [](const Program &program) { return program.screens.hasEnded(); };
}

// Every access key of every screen, by the key a person presses, the letter
// that key carries on each layout, and what it does.
const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        {"entry: ท predicts", EntryScreen, Situation::Screen, {58, u'm', u'ท'}, true, predicted()},
        {"entry: ส empties the lists", EntryScreen, Situation::ListsFilled, {46, u'l', u'ส'}, true, listsEmpty()},
        {"entry: ส empties the lists past an open offer", EntryScreen, Situation::OfferOpen, {46, u'l', u'ส'}, true,
            listsEmpty()},
        {"entry: จ finishes", EntryScreen, Situation::Screen, {19, u'0', u'จ'}, true, onlyOnView(MainMenu)},
        {"entry: ว finds from the birth date", EntryScreen, Situation::Screen, {47, u';', u'ว'}, true,
            onlyOnView(DateScreen)},
        {"main menu: L opens Let go", MainMenu, Situation::Screen, {46, u'l', u'ส'}, true, menuOpen("menu")},
        {"main menu: ว opens Help", MainMenu, Situation::Screen, {47, u';', u'ว'}, true, menuOpen("help")},
        {"Let go: ท to the entry screen", MainMenu, Situation::LetGoOpen, {58, u'm', u'ท'}, false,
            onlyOnView(EntryScreen)},
        {"Let go: ป to the history", MainMenu, Situation::LetGoOpen, {53, u'x', u'ป'}, false,
            onlyOnView(HistoryScreen)},
        {"Let go: ล to the order", MainMenu, Situation::LetGoOpen, {35, u']', u'ล'}, false, onlyOnView(OrderScreen)},
        {"Let go: ก to the verses", MainMenu, Situation::LetGoOpen, {40, u'd', u'ก'}, false, onlyOnView(VersePage1)},
        {"Let go: อ ends", MainMenu, Situation::LetGoOpen, {55, u'v', u'อ'}, false, ended()},
        {"Let go: Alt+ว over to Help", MainMenu, Situation::LetGoOpen, {47, u';', u'ว'}, true, menuOpen("help")},
        {"Help: ห to the date screen", MainMenu, Situation::HelpOpen, {39, u's', u'ห'}, false, onlyOnView(DateScreen)},
        {"Help: บ to About", MainMenu, Situation::HelpOpen, {34, u'[', u'บ'}, false, messageTitled(u"เกี่ยวกับ duset"_qs)},
        {"Help: ย to About Qt", MainMenu, Situation::HelpOpen, {33, u'p', u'ย'}, false, messageTitled(u"About Qt"_qs)},
        {"Help: ค to the meaning screen", MainMenu, Situation::HelpOpen, {17, u'8', u'ค'}, false,
            onlyOnView(MeaningScreen)},
        {"meaning: เ to the list", MeaningScreen, Situation::VerseFocused, {42, u'g', u'เ'}, true,
            focusOn(MeaningScreen, "remainderList")},
        {"meaning: ป closes", MeaningScreen, Situation::Screen, {53, u'x', u'ป'}, true, onlyOnView(MainMenu)},
        {"date: ว to the day", DateScreen, Situation::Screen, {47, u';', u'ว'}, true, focusOn(DateScreen, "dayField")},
        {"date: ด to the month", DateScreen, Situation::Screen, {41, u'f', u'ด'}, true,
            focusOn(DateScreen, "monthList")},
        {"date: พ to the year", DateScreen, Situation::Screen, {27, u'r', u'พ'}, true,
            focusOn(DateScreen, "yearField")},
        {"date: ช ticks before dawn", DateScreen, Situation::Screen, {21, u'=', u'ช'}, true,
            checked(DateScreen, "beforeDawn")},
        {"date: ส chooses the civil year", DateScreen, Situation::EarlyYearDate, {46, u'l', u'ส'}, true,
            checked(DateScreen, "civilYear")},
        {"date: ท chooses the traditional year", DateScreen, Situation::EarlyYearDate, {58, u'm', u'ท'}, true,
            checked(DateScreen, "traditionalYear")},
        {"date: ห to the meaning", DateScreen, Situation::WholeDate, {39, u's', u'ห'}, true, onlyOnView(MeaningScreen)},
        {"date: น hands over", DateScreen, Situation::WholeDate, {32, u'o', u'น'}, true, onlyOnView(EntryScreen)},
        {"date: ก goes back", DateScreen, Situation::Screen, {40, u'd', u'ก'}, true, onlyOnView(MainMenu)},
        {"history: ว to the order", HistoryScreen, Situation::Screen, {47, u';', u'ว'}, true, onlyOnView(OrderScreen)},
        {"history: ป closes", HistoryScreen, Situation::Screen, {53, u'x', u'ป'}, true, onlyOnView(MainMenu)},
        {"order: ป closes", OrderScreen, Situation::Screen, {53, u'x', u'ป'}, true, onlyOnView(MainMenu)},
        {"verses 1: ห to page 2", VersePage1, Situation::Screen, {39, u's', u'ห'}, true, onlyOnView(VersePage2)},
        {"verses 2: ย to page 1", VersePage2, Situation::Screen, {33, u'p', u'ย'}, true, onlyOnView(VersePage1)},
        {"verses 2: ก to the main menu", VersePage2, Situation::Screen, {40, u'd', u'ก'}, true, onlyOnView(MainMenu)},
    };
    return all;
}

// What the offscreen platform lacks: a key press as the X server sends it,
// with the keycode and the active layout's letter.
void sendAsX(Key key, Layout layout, bool alt, bool shift = false)
{
    const bool thai = layout == Layout::ThaiOfGroup || layout == Layout::ThaiOnly;
    const QChar letter = thai ? QChar(key.thai) : QChar(key.us);
    const int code = letter == u'\t' ? int(Qt::Key_Tab) : int(letter.toUpper().unicode());
    const QString text(letter);
    const Qt::KeyboardModifiers modifiers
        = (alt ? Qt::AltModifier : Qt::NoModifier) | (shift ? Qt::ShiftModifier : Qt::NoModifier);
    // X's keysym of the letter and its state: Shift is bit 0, Alt is Mod1,
    // the second group is bit 13.
    const quint32 keysym = letter.unicode() >= 0x0E01 ? letter.unicode() - 0x0E01 + 0x0DA1 : letter.unicode();
    const quint32 group = layout == Layout::ThaiOfGroup ? 0x2000 : 0;
    const quint32 state = (shift ? 0x1 : 0) | (alt ? 0x8 : 0) | group;
    // Alt is a key of its own, pressed first and let go last.
    constexpr quint32 AltKeycode = 64, AltKeysym = 0xFFE9;
    if (alt)
        deliverKey(QEvent::KeyPress, Qt::Key_Alt, Qt::NoModifier, AltKeycode, AltKeysym, group, {});
    deliverKey(QEvent::KeyPress, code, modifiers, key.keycode, keysym, state, text);
    deliverKey(QEvent::KeyRelease, code, modifiers, key.keycode, keysym, state, text);
    if (alt)
        deliverKey(QEvent::KeyRelease, Qt::Key_Alt, Qt::AltModifier, AltKeycode, AltKeysym, state, {});
}

} // namespace

Q_DECLARE_METATYPE(Layout)

class TestAccessKeys : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void keysCarryTheirLetters_data();
    void keysCarryTheirLetters();
    void accessKeyActs_data();
    void accessKeyActs();
    void altChordTypesNothing_data();
    void altChordTypesNothing();
    void numberRowTypesDigits_data();
    void numberRowTypesDigits();

private:
    void addLayoutRows(const std::function<void(Layout, const QByteArray &)> &addRows);
    // Sets the layout, on an X server; false where that cannot be.
    bool use(Layout layout);
    void press(Key key, Layout layout, bool alt, bool shift = false);
    void prepare(const Program &program, Situation situation);

    std::unique_ptr<RealKeyboard> m_keyboard;
    QString m_noKeyboard;
    std::optional<Layout> m_layout;
};

void TestAccessKeys::initTestCase()
{
    installProgramFonts();
    m_keyboard = RealKeyboard::open(&m_noKeyboard);
    if (!m_keyboard)
        qInfo("Key events are made as X sends them, not pressed on an X server: %s", qPrintable(m_noKeyboard));
}

// The oracle is the Kedmanee layout as printed on Thai keycaps, with the US
// letters of the same keys; the program reads it from the keymap by name.
void TestAccessKeys::keysCarryTheirLetters_data()
{
    QTest::addColumn<uint>("keycode");
    QTest::addColumn<bool>("shifted");
    QTest::addColumn<QString>("thai");
    QTest::addColumn<QString>("latin");
    const struct {
        unsigned keycode;
        bool shifted;
        char16_t thai;
        char16_t latin;
    } keys[] = {
        {58, false, u'ท', u'm'},
        {58, true, u'?', u'M'},
        {46, false, u'ส', u'l'},
        {46, true, u'ศ', u'L'},
        {47, false, u'ว', u';'},
        {19, false, u'จ', u'0'},
        {18, false, u'ต', u'9'},
        {35, false, u'ล', u']'},
        {40, false, u'ก', u'd'},
        {33, false, u'ย', u'p'},
        {42, true, u'ฌ', u'G'},
        {54, true, u'ฉ', u'C'},
        {10, false, u'ๅ', u'1'},
        {51, false, u'ฃ', u'\\'},
    };
    for (const auto &key : keys) {
        QTest::addRow("%u%s", key.keycode, key.shifted ? " shifted" : "")
            << uint(key.keycode) << key.shifted << QString(QChar(key.thai)) << QString(QChar(key.latin));
    }
    // Keys that carry no character are no access keys.
    for (const auto &[keycode, name] : {std::pair{9u, "Escape"}, {23u, "Tab"}, {70u, "F4"}, {100000u, "no key"}})
        QTest::addRow("%s", name) << keycode << false << QString() << QString();
}

void TestAccessKeys::keysCarryTheirLetters()
{
    QFETCH(uint, keycode);
    QFETCH(bool, shifted);
    QFETCH(QString, thai);
    QFETCH(QString, latin);
    if (lettersOfKey(58, false).thai.isNull())
        QSKIP("no Thai keymap: libxkbcommon or the keyboard data (Debian package xkb-data) is missing");
    const KeyLetters letters = lettersOfKey(keycode, shifted);
    QCOMPARE(letters.thai.isNull() ? QString() : QString(letters.thai), thai);
    QCOMPARE(letters.latin.isNull() ? QString() : QString(letters.latin), latin);
}

void TestAccessKeys::addLayoutRows(const std::function<void(Layout, const QByteArray &)> &addRows)
{
    // Off screen a keymap of one layout gives the same events as that
    // layout of a group; on an X server, a Thai layout alone has no Latin
    // letters for Qt to fall back on.
    std::vector<Layout> layouts{Layout::UsOfGroup, Layout::ThaiOfGroup};
    if (m_keyboard)
        layouts.insert(layouts.end(), {Layout::UsOnly, Layout::ThaiOnly});
    for (const Layout layout : layouts)
        addRows(layout, nameOf(layout));
}

bool TestAccessKeys::use(Layout layout)
{
    if (!m_keyboard || m_layout == layout)
        return true;
    QString reason;
    const QString layouts = layout == Layout::UsOnly ? u"us"_qs : layout == Layout::ThaiOnly ? u"th"_qs : u"us,th"_qs;
    const bool set = m_keyboard->useLayouts(layouts, layout == Layout::ThaiOfGroup ? 1 : 0, &reason);
    if (!set) {
        qWarning("%s", qPrintable(reason));
        return false;
    }
    // The key of A gives ฟ once the server's Thai layout is active, and a
    // person's Thai text is typed.
    QLineEdit probe;
    probe.show();
    probe.activateWindow();
    if (!QTest::qWaitForWindowActive(&probe))
        return false;
    m_keyboard->press(38);
    const QString expected = layout == Layout::ThaiOfGroup || layout == Layout::ThaiOnly ? u"ฟ"_qs : u"a"_qs;
    if (!QTest::qWaitFor([&] { return !probe.text().isEmpty(); }) || probe.text() != expected) {
        qWarning("the X server gives \"%s\" for the key of A with %s", qPrintable(probe.text()), nameOf(layout));
        return false;
    }
    m_layout = layout;
    return true;
}

void TestAccessKeys::press(Key key, Layout layout, bool alt, bool shift)
{
    if (m_keyboard)
        m_keyboard->press(key.keycode,
            (alt ? RealKeyboard::WithAlt : RealKeyboard::Plain)
                | (shift ? RealKeyboard::WithShift : RealKeyboard::Plain));
    else
        sendAsX(key, layout, alt, shift);
}

void TestAccessKeys::prepare(const Program &program, Situation situation)
{
    switch (situation) {
    case Situation::Screen:
        break;
    case Situation::LetGoOpen:
    case Situation::HelpOpen: {
        // Opened from the keyboard, as a person who then goes on with keys
        // opens it: the letter as the Thai layout gives it.
        const bool letGo = situation == Situation::LetGoOpen;
        pressAccessKey(program.window(MainMenu), letGo ? u'L' : u'ว');
        QTRY_VERIFY(QApplication::activePopupWidget());
        QCOMPARE(QApplication::activePopupWidget()->objectName(), letGo ? u"menu"_qs : u"help"_qs);
        break;
    }
    case Situation::ListsFilled:
        for (const char *name : {"Combo1", "Combo2", "Combo3"})
            program.control<QComboBox>(EntryScreen, name)->setCurrentIndex(1);
        break;
    case Situation::EarlyYearDate:
    case Situation::WholeDate: {
        const bool early = situation == Situation::EarlyYearDate;
        program.control<QLineEdit>(DateScreen, "dayField")->setText(early ? u"1"_qs : u"15"_qs);
        program.control<QComboBox>(DateScreen, "monthList")->setCurrentIndex(early ? 0 : 5);
        program.control<QLineEdit>(DateScreen, "yearField")->setText(u"2530"_qs);
        QCOMPARE(program.control(DateScreen, "civilYear")->isVisible(), early);
        break;
    }
    case Situation::VerseFocused:
        program.control(MeaningScreen, "verse")->setFocus();
        break;
    case Situation::OfferOpen:
        typeText(program.control<QComboBox>(EntryScreen, "Combo1")->lineEdit(), u"พ"_qs);
        QVERIFY(program.control(EntryScreen, "Combo1")->findChild<QWidget *>(u"offers"_qs)->isVisible());
        break;
    }
}

void TestAccessKeys::accessKeyActs_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Layout>("layout");
    addLayoutRows([](Layout layout, const QByteArray &name) {
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::addRow("%s, %s", name.constData(), cases()[i].name) << int(i) << layout;
    });
}

void TestAccessKeys::accessKeyActs()
{
    QFETCH(int, index);
    QFETCH(Layout, layout);
    const Case &key = cases()[std::size_t(index)];
    if (!use(layout))
        QSKIP("the X server does not take this layout");
    Program program;
    ScreenWindow *window = openOnView(program, key.screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    prepare(program, key.situation);
    press(key.key, layout, key.alt);
    QTRY_VERIFY2(key.done(program), key.name);
}

// An Alt chord that is no access key on the screen leaves the field that has
// the focus as it was: no letter typed, no item chosen. Tab then moves on.
void TestAccessKeys::altChordTypesNothing_data()
{
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<uint>("keycode");
    QTest::addColumn<QString>("us");
    QTest::addColumn<QString>("thai");
    addLayoutRows([](Layout layout, const QByteArray &name) {
        QTest::addRow("%s, day list, ฟ", name.constData())
            << layout << EntryScreen << u"Combo1"_qs << 38u << u"a"_qs << u"ฟ"_qs;
        QTest::addRow("%s, year list, ย", name.constData())
            << layout << EntryScreen << u"Combo3"_qs << 33u << u"p"_qs << u"ย"_qs;
        QTest::addRow("%s, day field, ฟ", name.constData())
            << layout << DateScreen << u"dayField"_qs << 38u << u"a"_qs << u"ฟ"_qs;
        QTest::addRow("%s, month list, เ", name.constData())
            << layout << DateScreen << u"monthList"_qs << 42u << u"g"_qs << u"เ"_qs;
    });
}

void TestAccessKeys::altChordTypesNothing()
{
    QFETCH(Layout, layout);
    QFETCH(ScreenId, screen);
    QFETCH(QString, field);
    QFETCH(uint, keycode);
    QFETCH(QString, us);
    QFETCH(QString, thai);
    if (!use(layout))
        QSKIP("the X server does not take this layout");
    Program program;
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *target = program.control(screen, field.toStdString());
    target->setFocus();
    QTRY_VERIFY(target->hasFocus());
    press({keycode, us.front().unicode(), thai.front().unicode()}, layout, true);
    press(Tab, layout, false);
    QTRY_VERIFY(!target->hasFocus());
    if (auto *list = qobject_cast<QComboBox *>(target)) {
        QCOMPARE(list->currentText(), QString());
        QCOMPARE(list->currentIndex(), -1);
    } else {
        QCOMPARE(static_cast<QLineEdit *>(target)->text(), QString());
    }
    QVERIFY(program.messages.empty());
    QCOMPARE(program.visibleScreens(), std::vector{screen});
}

namespace {

// Keys typed into a field, and what the field then holds with the US and
// with the Thai layout active.
struct Typing {
    const char *name;
    ScreenId screen;
    const char *field;
    bool shifted;
    std::vector<Key> keys;
    QString us;
    QString thai;
};

// The number row of a Kedmanee keyboard: the digits printed on its keys, and
// the Thai layout's letters and, with Shift, its Thai digits.
const std::vector<Typing> &typings()
{
    static const std::vector<Typing> all{
        {"day field, 17", DateScreen, "dayField", false, {{10, u'1', u'ๅ'}, {16, u'7', u'ึ'}}, u"17"_qs, u"17"_qs},
        {"year field, 2539", DateScreen, "yearField", false,
            {{11, u'2', u'/'}, {14, u'5', u'ถ'}, {12, u'3', u'-'}, {18, u'9', u'ต'}}, u"2539"_qs, u"2539"_qs},
        {"year field, shifted", DateScreen, "yearField", true,
            {{12, u'#', u'๒'}, {17, u'*', u'๕'}, {13, u'$', u'๓'}, {21, u'+', u'๙'}}, QString(), u"๒๕๓๙"_qs},
        {"year list, 2", EntryScreen, "Combo3", false, {{11, u'2', u'/'}}, u"2"_qs, u"/"_qs},
        // After a Thai letter the keys give the layout's letters, the ค of a
        // month's short name, and the whole date goes into the three fields
        // (as the US layout's 17 ,8 2539 does, 17 August).
        {"day field, 17 มค 2539", DateScreen, "dayField", false,
            {{10, u'1', u'ๅ'}, {16, u'7', u'ึ'}, {65, u' ', u' '}, {59, u',', u'ม'}, {17, u'8', u'ค'}, {65, u' ', u' '},
                {11, u'2', u'/'}, {14, u'5', u'ถ'}, {12, u'3', u'-'}, {18, u'9', u'ต'}},
            u"17"_qs, u"17"_qs},
    };
    return all;
}

} // namespace

// In the day and year fields the number row types the digits printed on its
// keys, whichever layout is active, and Shift gives the layout's own: Thai
// digits on the Thai layout (a US one's signs are no test of anything, the
// field refuses them). A list that takes no numbers keeps the layout's
// letters.
void TestAccessKeys::numberRowTypesDigits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<Layout>("layout");
    addLayoutRows([](Layout layout, const QByteArray &name) {
        for (std::size_t i = 0; i < typings().size(); ++i)
            QTest::addRow("%s, %s", name.constData(), typings()[i].name) << int(i) << layout;
    });
}

void TestAccessKeys::numberRowTypesDigits()
{
    QFETCH(int, index);
    QFETCH(Layout, layout);
    const Typing &typing = typings()[std::size_t(index)];
    const bool thai = layout == Layout::ThaiOfGroup || layout == Layout::ThaiOnly;
    const QString expected = thai ? typing.thai : typing.us;
    if (expected.isNull())
        QSKIP("nothing to type with this layout");
    if (!use(layout))
        QSKIP("the X server does not take this layout");
    Program program;
    ScreenWindow *window = openOnView(program, typing.screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *field = program.control(typing.screen, typing.field);
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    for (const Key key : typing.keys)
        press(key, layout, false, typing.shifted);
    const auto text = [field] {
        const auto *list = qobject_cast<QComboBox *>(field);
        return list ? list->currentText() : static_cast<QLineEdit *>(field)->text();
    };
    QTRY_COMPARE(text(), expected);
}

QTEST_MAIN(TestAccessKeys)
#include "tst_accesskeys.moc"
