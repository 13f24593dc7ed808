// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Typing through the input methods that Thai typists run, IBus and Fcitx 5
// with their Thai engines, on an X server: tests/inputmethods/run.sh starts
// one and says which engines to switch between. An access key acts and types
// nothing, Shift+Tab moves back, text typed arrives code point for code
// point with the number row giving digits in the date fields, and, with
// IBus, a composition left open is neither committed raw nor in the way of
// an access key.

#include "support.h"

#include "realkeys.h"

#include <QInputMethodEvent>
#include <QProcess>

using namespace duset;
using namespace duset::testing;

namespace {

// The last composition the focused widget was shown.
class CompositionWatch : public QObject {
public:
    CompositionWatch() { QCoreApplication::instance()->installEventFilter(this); }
    QString shown;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::InputMethod)
            shown = static_cast<QInputMethodEvent *>(event)->preeditString();
        return false;
    }
};

QString textOf(const QWidget *field)
{
    const auto *list = qobject_cast<const QComboBox *>(field);
    return list ? list->currentText() : static_cast<const QLineEdit *>(field)->text();
}

} // namespace

class TestInputMethods : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void accessKeyActsAndTypesNothing_data() { addEngineRows(); }
    void accessKeyActsAndTypesNothing();
    void shiftTabMovesBack_data() { addEngineRows(); }
    void shiftTabMovesBack();
    void typedTextArrives_data();
    void typedTextArrives();
    void openCompositionIsDropped_data();
    void openCompositionIsDropped();

private:
    void addEngineRows();
    // Keys by X keycode, a leading S for Shift: "47 S28".
    void type(const QString &keys);
    // Opens the screen with the field focused and the engine at work there.
    QWidget *focused(const Program &program, ScreenId screen, const char *name, const QString &engine);

    std::unique_ptr<RealKeyboard> m_keyboard;
    QString m_engine;
};

void TestInputMethods::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("DUSET_IM"))
        QSKIP("no input method: run through tests/inputmethods/run.sh");
    QString reason;
    m_keyboard = RealKeyboard::open(&reason);
    if (!m_keyboard)
        QSKIP(qPrintable(reason));
    installProgramFonts();
}

void TestInputMethods::addEngineRows()
{
    QTest::addColumn<QString>("engine");
    for (const QString &engine : qEnvironmentVariable("DUSET_IM_ENGINES").split(u',', Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(engine)) << engine;
}

void TestInputMethods::type(const QString &keys)
{
    for (const QString &key : keys.split(u' ')) {
        const bool shifted = key.startsWith(u'S');
        m_keyboard->press(key.mid(shifted ? 1 : 0).toUInt(), shifted ? RealKeyboard::WithShift : RealKeyboard::Plain);
        // As fast as a quick typist, not faster: LibThai refuses a vowel
        // mark that comes before it has heard of the letter it sits on.
        QTest::qWait(80);
    }
}

QWidget *TestInputMethods::focused(const Program &program, ScreenId screen, const char *name, const QString &engine)
{
    ScreenWindow *window = openOnView(program, screen);
    if (!window || !QTest::qWaitForWindowActive(window))
        return nullptr;
    QWidget *field = program.control(screen, name);
    field->setFocus();
    if (!QTest::qWaitFor([field] { return field->hasFocus(); }))
        return nullptr;
    // The input method switches the engine of the window that has the focus.
    if (engine != m_engine) {
        QStringList command = qEnvironmentVariable("DUSET_IM_SWITCH").split(u' ');
        const QString switcher = command.takeFirst();
        if (QProcess::execute(switcher, command << engine) != 0) {
            qWarning("%s %s failed", qPrintable(switcher), qPrintable(command.join(u' ')));
            return nullptr;
        }
        m_engine = engine;
    }
    // The input method has taken up the window once the key of A gives the
    // engine's letter there; the field is then emptied.
    const QString letter = engine.startsWith(u"xkb:us") ? u"a"_qs : u"ฟ"_qs;
    const bool ready = QTest::qWaitFor(
        [&] {
            m_keyboard->press(38);
            return QTest::qWaitFor([&] { return textOf(field).endsWith(letter); }, 500);
        },
        5000);
    if (!ready) {
        qWarning("the engine %s typed \"%s\" for the key of A", qPrintable(engine), qPrintable(textOf(field)));
        return nullptr;
    }
    if (auto *list = qobject_cast<QComboBox *>(field))
        list->clearEditText();
    else
        static_cast<QLineEdit *>(field)->clear();
    return field;
}

// Fcitx's Thai keyboard would commit the letter of an Alt chord into the
// list: ฟ of a key that is no access key, ท of the one that predicts.
void TestInputMethods::accessKeyActsAndTypesNothing()
{
    QFETCH(QString, engine);
    Program program;
    QWidget *list = focused(program, EntryScreen, "Combo1", engine);
    QVERIFY(list);
    m_keyboard->press(38, RealKeyboard::WithAlt);
    m_keyboard->press(58, RealKeyboard::WithAlt);
    QTRY_COMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages.front().parent, program.window(EntryScreen));
    QCOMPARE(textOf(list), QString());
}

// The LibThai engines would commit a Tab character and keep the focus.
void TestInputMethods::shiftTabMovesBack()
{
    QFETCH(QString, engine);
    Program program;
    QWidget *month = focused(program, EntryScreen, "Combo2", engine);
    QVERIFY(month);
    m_keyboard->press(23, RealKeyboard::WithShift);
    QTRY_VERIFY(program.control(EntryScreen, "Combo1")->hasFocus());
    QCOMPARE(textOf(month), QString());
}

void TestInputMethods::typedTextArrives_data()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    for (const QString &engine : qEnvironmentVariable("DUSET_IM_ENGINES").split(u',', Qt::SkipEmptyParts)) {
        QTest::addRow("%s, day list", qPrintable(engine))
            << engine << EntryScreen << u"Combo1"_qs << u"47 29 32 27 15 S28"_qs << u"วันพุธ"_qs;
        QTest::addRow("%s, year field, number row", qPrintable(engine))
            << engine << DateScreen << u"yearField"_qs << u"11 14 12 18"_qs << u"2539"_qs;
        QTest::addRow("%s, year field, Thai digits", qPrintable(engine))
            << engine << DateScreen << u"yearField"_qs << u"S12 S17 S13 S21"_qs << u"๒๕๓๙"_qs;
    }
}

void TestInputMethods::typedTextArrives()
{
    QFETCH(QString, engine);
    QFETCH(ScreenId, screen);
    QFETCH(QString, field);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    Program program;
    QWidget *target = focused(program, screen, qPrintable(field), engine);
    QVERIFY(target);
    type(keys);
    QTRY_COMPARE(textOf(target), expected);
}

void TestInputMethods::openCompositionIsDropped_data()
{
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("predict clicked") << true;
    QTest::newRow("Alt+ท") << false;
}

// IBus's Unicode entry shows "u0e51" underlined in the year list until it is
// finished; it reads the code in Latin letters, so it is typed with IBus's
// US keyboard. Predict, clicked or pressed by its access key, finds the list
// as the person left it, and the list keeps no raw "u0e51".
void TestInputMethods::openCompositionIsDropped()
{
    QFETCH(bool, byMouse);
    if (qEnvironmentVariable("DUSET_IM") != u"ibus")
        QSKIP("Fcitx 5 shows its Unicode entry in a window of its own");
    Program program;
    CompositionWatch composition;
    QWidget *year = focused(program, EntryScreen, "Combo3", u"xkb:us::eng"_qs);
    QVERIFY(year);
    m_keyboard->press(30, RealKeyboard::WithControl | RealKeyboard::WithShift);
    type(u"19 26 14 10"_qs);
    if (!QTest::qWaitFor([&] { return composition.shown == u"u0e51"_qs; }, 2000))
        QFAIL(qPrintable(u"IBus opened no Unicode entry (it showed \"%1\")"_qs.arg(composition.shown)));
    if (byMouse) {
        auto *predict = program.control(EntryScreen, "Command1");
        const QPoint centre = predict->mapToGlobal(predict->rect().center());
        m_keyboard->click(centre.x(), centre.y());
    } else {
        m_keyboard->press(58, RealKeyboard::WithAlt);
    }
    QTRY_COMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(textOf(year), QString());
    QTRY_COMPARE(composition.shown, QString());
}

QTEST_MAIN(TestInputMethods)
#include "tst_inputmethods.moc"
