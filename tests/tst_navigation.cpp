// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include <QAction>
#include <QMenu>
#include <QScreen>

using namespace duset;
using namespace duset::testing;

namespace {

// Records, in order, when screens become visible or invisible.
class ShowHideLog : public QObject {
public:
    ShowHideLog() { qApp->installEventFilter(this); }
    ~ShowHideLog() override { qApp->removeEventFilter(this); }

    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<ScreenWindow *>(watched);
        if (window && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
            entries << (event->type() == QEvent::Show ? u"show "_qs : u"hide "_qs) + window->objectName();
        return false;
    }
};

QPoint clientTopLeft(const ScreenWindow *window)
{
    return window->surface()->mapToGlobal(QPoint(0, 0));
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void startsOnTheMainMenu();
    void windowAttributes_data();
    void windowAttributes();
    void routes_data();
    void routes();
    void mainMenuIsBuiltOnceAndComesBackWhereItWas();
    void menuHidesTheMainMenuBeforeShowingItsTarget();
    void orderScreenShowsTheMenuBeforeUnloadingItself();
    void centredScreensAreCentredAtEveryLoad();
    void closeButtonLeadsBackToTheMainMenu_data();
    void closeButtonLeadsBackToTheMainMenu();
    void meaningScreenOpensAtARemainderAndLeadsBack();
    void closingTheMainMenuEndsTheProgram();
    void escapeClosesNothing();
    void endEndsAtOnce();
    void separatorDoesNothing();
    void menuByKeyboard();
    void aFailingHandlerEndsTheProgram();
    void aFailureIsLoggedUnderTheProgramsName();
    void theProgramEndsOnceWithItsFirstStatus_data();
    void theProgramEndsOnceWithItsFirstStatus();
    void accessKeysInQuickSuccession_data();
    void accessKeysInQuickSuccession();
};

void TestNavigation::startsOnTheMainMenu()
{
    Program program;
    QCOMPARE(program.visibleScreens(), std::vector{MainMenu});
    for (ScreenId id : AllScreens) {
        if (id != MainMenu)
            QVERIFY(!program.screens.peek(id)); // no other slot is filled before its first reference
    }
    // The client area stands where the main menu's description puts it.
    QCOMPARE(clientTopLeft(program.window(MainMenu)), QPoint(71, 110));
}

void TestNavigation::windowAttributes_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QSize>("clientSize");
    QTest::addColumn<QColor>("backColor");
    QTest::addColumn<int>("captionLength");
    QTest::newRow("entry screen") << Route{{MainMenu, "m1"}} << EntryScreen << QSize(374, 271) << QColor(0xE0E0E0)
                                  << 24;
    QTest::newRow("order screen") << Route{{MainMenu, "m4"}} << OrderScreen << QSize(433, 459) << QColor(0xFFFFFF)
                                  << 33;
    QTest::newRow("history screen") << Route{{MainMenu, "m2"}} << HistoryScreen << QSize(433, 459) << QColor(Qt::black)
                                    << 22;
    QTest::newRow("main menu") << Route{} << MainMenu << QSize(395, 247) << QColor(0xC0FFC0) << 9;
    QTest::newRow("verse page 1") << Route{{MainMenu, "m3"}} << VersePage1 << QSize(451, 478) << QColor(0xFFFFFF) << 13;
    QTest::newRow("verse page 2") << Route{{MainMenu, "m3"}, {VersePage1, "Command1"}} << VersePage2 << QSize(451, 478)
                                  << QColor(Qt::black) << 14; // ends in a space
    QTest::newRow("meaning screen") << Route{{MainMenu, "meaning"}} << MeaningScreen << QSize(600, 600)
                                    << QColor(Qt::black) << 18;
}

void TestNavigation::windowAttributes()
{
    QFETCH(Route, route);
    QFETCH(ScreenId, screen);
    QFETCH(QSize, clientSize);
    QFETCH(QColor, backColor);
    QFETCH(int, captionLength);
    Program program;
    take(program, route);
    const ScreenWindow *window = program.window(screen);
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->windowTitle().size(), captionLength);
    QCOMPARE(window->surface()->size(), clientSize);
    QCOMPARE(window->surface()->palette().color(QPalette::Window), backColor);
    QVERIFY(!window->windowIcon().isNull());
    // A fixed frame with a close button and nothing to minimise or maximise
    // it, on an ordinary window, which mutter keeps off its window lists.
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QCOMPARE(flags & Qt::WindowType_Mask, Qt::Window);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestNavigation::routes_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<ScreenId>("visible");
    const ScreenId menu = MainMenu;
    using enum ScreenId;
    QTest::newRow("predict") << Route{{menu, "m1"}} << Form1;
    QTest::newRow("predict, finish") << Route{{menu, "m1"}, {Form1, "Command2"}} << menu;
    QTest::newRow("history") << Route{{menu, "m2"}} << Form3;
    QTest::newRow("history, close") << Route{{menu, "m2"}, {Form3, "Command2"}} << menu;
    QTest::newRow("history, order") << Route{{menu, "m2"}, {Form3, "Command1"}} << Form2;
    QTest::newRow("history, order, close") << Route{{menu, "m2"}, {Form3, "Command1"}, {Form2, "Command1"}} << menu;
    QTest::newRow("order") << Route{{menu, "m4"}} << Form2;
    QTest::newRow("order, close") << Route{{menu, "m4"}, {Form2, "Command1"}} << menu;
    QTest::newRow("verses") << Route{{menu, "m3"}} << Form5;
    QTest::newRow("verses, next") << Route{{menu, "m3"}, {Form5, "Command1"}} << Form6;
    QTest::newRow("verses, next, back") << Route{{menu, "m3"}, {Form5, "Command1"}, {Form6, "Command1"}} << Form5;
    QTest::newRow("verses, next, menu") << Route{{menu, "m3"}, {Form5, "Command1"}, {Form6, "Command2"}} << menu;
    QTest::newRow("everywhere in turn") << Route{{menu, "m1"}, {Form1, "Command2"}, {menu, "m2"}, {Form3, "Command1"},
        {Form2, "Command1"}, {menu, "m3"}, {Form5, "Command1"}, {Form6, "Command1"}, {Form5, "Command1"},
        {Form6, "Command2"}, {menu, "m4"}}
                                        << Form2;
    QTest::newRow("birth date") << Route{{menu, "dates"}} << Form7;
    QTest::newRow("birth date, return") << Route{{menu, "dates"}, {Form7, "back"}} << menu;
    QTest::newRow("birth date, hand over with nothing filled in")
        << Route{{menu, "dates"}, {Form7, "handOver"}} << Form7;
    QTest::newRow("predict, birth date") << Route{{menu, "m1"}, {Form1, "Command4"}} << Form7;
    QTest::newRow("predict, birth date, return") << Route{{menu, "m1"}, {Form1, "Command4"}, {Form7, "back"}} << Form1;
    QTest::newRow("predict, birth date, return, finish")
        << Route{{menu, "m1"}, {Form1, "Command4"}, {Form7, "back"}, {Form1, "Command2"}} << menu;
    QTest::newRow("meaning") << Route{{menu, "meaning"}} << Form8;
    QTest::newRow("meaning, close") << Route{{menu, "meaning"}, {Form8, "close"}} << menu;
}

void TestNavigation::routes()
{
    QFETCH(Route, route);
    QFETCH(ScreenId, visible);
    Program program;
    take(program, route);
    QCoreApplication::processEvents();
    // Exactly the target is visible; the main menu stays loaded behind it;
    // every other screen is loaded only while it is visible.
    QCOMPARE(program.visibleScreens(), std::vector{visible});
    QVERIFY(program.isLoaded(MainMenu));
    for (ScreenId id : AllScreens) {
        if (id != MainMenu)
            QCOMPARE(program.isLoaded(id), id == visible);
    }
    QCOMPARE(program.ended.count(), 0);
}

void TestNavigation::mainMenuIsBuiltOnceAndComesBackWhereItWas()
{
    Program program;
    ScreenWindow *menu = program.window(MainMenu);
    menu->move(menu->pos() + QPoint(37, 23)); // where a person dragged it
    const QPoint where = menu->pos();
    take(program,
        {{MainMenu, "m1"}, {EntryScreen, "Command2"}, {MainMenu, "m2"}, {HistoryScreen, "Command2"}, {MainMenu, "m4"},
            {OrderScreen, "Command1"}, {MainMenu, "m3"}, {VersePage1, "Command1"}, {VersePage2, "Command2"}});
    QCOMPARE(program.window(MainMenu), menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(menu->pos(), where);
}

void TestNavigation::menuHidesTheMainMenuBeforeShowingItsTarget()
{
    Program program;
    ShowHideLog log;
    program.choose("m1");
    QCOMPARE(log.entries, (QStringList{u"hide Form4"_qs, u"show Form1"_qs}));
}

void TestNavigation::orderScreenShowsTheMenuBeforeUnloadingItself()
{
    Program program;
    program.choose("m4");
    ShowHideLog log;
    program.click(OrderScreen, "Command1");
    QCOMPARE(log.entries, (QStringList{u"show Form4"_qs, u"hide Form2"_qs}));
    // Every other way back unloads its own screen first.
    program.choose("m2");
    log.entries.clear();
    program.click(HistoryScreen, "Command2");
    QCOMPARE(log.entries, (QStringList{u"hide Form3"_qs, u"show Form4"_qs}));
}

void TestNavigation::centredScreensAreCentredAtEveryLoad()
{
    Program program;
    program.choose("m3");
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    ScreenWindow *page = program.window(VersePage1);
    const QPoint centre = page->frameGeometry().center();
    QVERIFY2(
        (centre - desktop.center()).manhattanLength() <= 2, qPrintable(u"%1,%2"_qs.arg(centre.x()).arg(centre.y())));
    page->move(page->pos() + QPoint(50, 40));
    take(program, {{VersePage1, "Command1"}, {VersePage2, "Command1"}});
    QVERIFY(program.window(VersePage1) != page || !page->isVisible());
    QCOMPARE(program.window(VersePage1)->frameGeometry().center(), centre);
}

void TestNavigation::closeButtonLeadsBackToTheMainMenu_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<ScreenId>("screen");
    QTest::newRow("entry screen") << Route{{MainMenu, "m1"}} << EntryScreen;
    QTest::newRow("order screen") << Route{{MainMenu, "m4"}} << OrderScreen;
    QTest::newRow("history screen") << Route{{MainMenu, "m2"}} << HistoryScreen;
    QTest::newRow("verse page 1") << Route{{MainMenu, "m3"}} << VersePage1;
    QTest::newRow("verse page 2") << Route{{MainMenu, "m3"}, {VersePage1, "Command1"}} << VersePage2;
    QTest::newRow("date screen") << Route{{MainMenu, "dates"}} << DateScreen;
    QTest::newRow("date screen from the entry screen")
        << Route{{MainMenu, "m1"}, {EntryScreen, "Command4"}} << DateScreen;
    QTest::newRow("meaning screen") << Route{{MainMenu, "meaning"}} << MeaningScreen;
}

void TestNavigation::closeButtonLeadsBackToTheMainMenu()
{
    QFETCH(Route, route);
    QFETCH(ScreenId, screen);
    Program program;
    const QPoint where = program.window(MainMenu)->pos();
    take(program, route);
    program.window(screen)->close();
    QCoreApplication::processEvents();
    QVERIFY(!program.isLoaded(screen));
    QCOMPARE(program.visibleScreens(), std::vector{MainMenu});
    QCOMPARE(program.window(MainMenu)->pos(), where);
    QCOMPARE(program.ended.count(), 0);
}

// Another screen opens the meaning screen at a remainder; its close button,
// by its access key, and the title bar's close button both lead back there
// and let that screen put back what it showed.
void TestNavigation::meaningScreenOpensAtARemainderAndLeadsBack()
{
    Program program;
    ScreenRegistry &screens = program.screens;
    int back = 0;
    const auto openAtEight = [&] {
        screens.runHandler([&] {
            screens.Unload(EntryScreen);
            verseMeanings(screens).openedFrom(EntryScreen, 8, [&] { ++back; });
            screens.Show(MeaningScreen);
        });
        QVERIFY(QTest::qWaitForWindowActive(program.window(MeaningScreen)));
        QCOMPARE(program.control<QComboBox>(MeaningScreen, "remainderList")->currentIndex(), 7);
    };
    program.choose("m1");
    openAtEight();
    pressAccessKey(program.window(MeaningScreen)->focusWidget(), u'ป');
    QTRY_COMPARE(program.visibleScreens(), std::vector{EntryScreen});
    QVERIFY(!program.isLoaded(MeaningScreen));
    QCOMPARE(back, 1);

    openAtEight();
    program.window(MeaningScreen)->close();
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{EntryScreen});
    QCOMPARE(back, 2);

    // A remainder with no verse is a fault of the program, which ends it.
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(u"."_qs));
    screens.runHandler([&] { verseMeanings(screens).openedFrom(EntryScreen, 11); });
    QCOMPARE(program.ended.count(), 1);
}

void TestNavigation::closingTheMainMenuEndsTheProgram()
{
    Program program;
    program.window(MainMenu)->close();
    QTRY_COMPARE(program.ended.count(), 1);
    QCOMPARE(program.ended.first().first().toInt(), 0);
    QVERIFY(!program.isLoaded(MainMenu));
}

void TestNavigation::escapeClosesNothing()
{
    Program program;
    program.choose("m1");
    QTest::keyClick(program.window(EntryScreen)->focusWidget(), Qt::Key_Escape);
    QCOMPARE(program.visibleScreens(), std::vector{EntryScreen});
}

void TestNavigation::endEndsAtOnce()
{
    Program program;
    take(program, {{MainMenu, "m1"}, {EntryScreen, "Command2"}});
    program.choose("end");
    QCOMPARE(program.ended.count(), 1);
    QCOMPARE(program.ended.first().first().toInt(), 0);
    QVERIFY(program.visibleScreens().empty());
    for (ScreenId id : AllScreens)
        QVERIFY(!program.isLoaded(id));
    // Nothing runs after the end: no screen can be shown again.
    program.screens.Show(EntryScreen);
    QVERIFY(!program.isLoaded(EntryScreen));
}

void TestNavigation::separatorDoesNothing()
{
    Program program;
    QAction *line = program.window(MainMenu)->menuEntry("line");
    QVERIFY(line && line->isSeparator());
    const auto *dropDown = program.window(MainMenu)->findChild<QMenu *>(u"menu"_qs);
    QStringList captions;
    for (const QAction *entry : dropDown->actions())
        captions << (entry->isSeparator() ? u"-"_qs : entry->objectName());
    QCOMPARE(captions, (QStringList{u"m1"_qs, u"m2"_qs, u"m4"_qs, u"m3"_qs, u"-"_qs, u"end"_qs}));
    line->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{MainMenu});
}

void TestNavigation::menuByKeyboard()
{
    Program program;
    ScreenWindow *menu = program.window(MainMenu);
    QVERIFY(QTest::qWaitForWindowActive(menu));
    // Alt+L opens the menu as its letter comes. A screen reader may hold the
    // Alt press that began the chord and let Qt deliver it only after that:
    // the menu stays open for the keys that follow. An Alt pressed once the
    // chord's is let go still closes it.
    QWindow *window = menu->windowHandle();
    QTest::keyPress(window, Qt::Key_L, Qt::AltModifier);
    auto *dropDown = menu->findChild<QMenu *>(u"menu"_qs);
    QTRY_VERIFY(dropDown->isVisible());
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier));
    QCoreApplication::processEvents();
    QVERIFY(dropDown->isVisible());
    QTest::keyRelease(window, Qt::Key_L, Qt::AltModifier);
    QTest::keyRelease(window, Qt::Key_Alt, Qt::NoModifier);
    QTest::keyClick(window, Qt::Key_Alt);
    QTRY_VERIFY(!dropDown->isVisible());
    // The underlined letter of an entry chooses it.
    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    QTRY_VERIFY(dropDown->isVisible());
    const QString entry = dropDown->actions().at(2)->text(); // m4: the order screen
    const QChar key = entry.at(entry.indexOf(u'&') + 1);
    QTest::sendKeyEvent(QTest::Click, dropDown, static_cast<Qt::Key>(key.unicode()), QString(key), Qt::NoModifier);
    QTRY_COMPARE(program.visibleScreens(), std::vector{OrderScreen});
}

void TestNavigation::aFailingHandlerEndsTheProgram()
{
    Program program;
    program.screens.runHandler([] { throw std::runtime_error("the window system refused a window"); });
    QCOMPARE(program.messages.size(), std::size_t(1));
    QCOMPARE(program.messages.front().message.icon, QMessageBox::Critical);
    QVERIFY(program.messages.front().message.text.contains(u"the window system refused a window"_qs));
    QCOMPARE(program.ended.count(), 1);
    QCOMPARE(program.ended.first().first().toInt(), 1);
    QVERIFY(program.visibleScreens().empty());
    // No handler runs after the end.
    bool ran = false;
    program.screens.runHandler([&ran] { ran = true; });
    QVERIFY(!ran);
}

namespace {

struct LoggedMessage {
    QtMsgType type;
    QString category;
    QString text;
};
std::vector<LoggedMessage> s_logged;

void recordMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    s_logged.push_back({type, QString::fromUtf8(context.category), text});
}

} // namespace

void TestNavigation::aFailureIsLoggedUnderTheProgramsName()
{
    Program program;
    s_logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    program.screens.runHandler([] { throw std::runtime_error("no room for the verse"); });
    qInstallMessageHandler(previous);
    QCOMPARE(s_logged.size(), std::size_t(1));
    QCOMPARE(s_logged.front().type, QtCriticalMsg);
    // Qt's default pattern puts the category before the text, and the
    // category names the program.
    QCOMPARE(s_logged.front().category, u"duset.handlers"_qs);
    QCOMPARE(s_logged.front().text, u"no room for the verse"_qs);
}

void TestNavigation::theProgramEndsOnceWithItsFirstStatus_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("status");
    // A handler that unloads the last screen leaves the end to be found once
    // it has run; whatever ends the program first decides its status.
    QTest::newRow("unload the last screen, then fail") << 0 << 1;
    QTest::newRow("end, then fail") << 1 << 0;
    QTest::newRow("close the main menu, then end") << 2 << 0;
}

void TestNavigation::theProgramEndsOnceWithItsFirstStatus()
{
    QFETCH(int, step);
    QFETCH(int, status);
    Program program;
    ScreenRegistry &screens = program.screens;
    program.screens.runHandler([&] {
        switch (step) {
        case 0:
            screens.Unload(MainMenu);
            throw std::runtime_error("failed after the unload");
        case 1:
            screens.End();
            throw std::runtime_error("failed after the end");
        case 2:
            screens.closeButton(MainMenu);
            screens.End();
            break;
        }
    });
    QCoreApplication::processEvents(); // the check of what is still loaded
    QCoreApplication::processEvents();
    QCOMPARE(program.ended.count(), 1);
    QCOMPARE(program.ended.first().first().toInt(), status);
    QCOMPARE(screens.exitStatus(), status);
    QVERIFY(screens.hasEnded());
    QVERIFY(program.visibleScreens().empty());
}

void TestNavigation::accessKeysInQuickSuccession_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<ScreenId>("target");
    // The first button leaves the screen; the second, pressed before the
    // first has clicked, belongs to a screen that is gone by its turn.
    QTest::newRow("entry screen: finish, predict")
        << Route{{MainMenu, "m1"}} << EntryScreen << u"Command2"_qs << u"Command1"_qs << MainMenu;
    QTest::newRow("history: order, close")
        << Route{{MainMenu, "m2"}} << HistoryScreen << u"Command1"_qs << u"Command2"_qs << OrderScreen;
    QTest::newRow("verse page 2: back, menu") << Route{{MainMenu, "m3"}, {VersePage1, "Command1"}} << VersePage2
                                              << u"Command1"_qs << u"Command2"_qs << VersePage1;
}

void TestNavigation::accessKeysInQuickSuccession()
{
    QFETCH(Route, route);
    QFETCH(ScreenId, screen);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(ScreenId, target);
    Program program;
    take(program, route);
    QVERIFY(QTest::qWaitForWindowActive(program.window(screen)));
    QWidget *focus = program.window(screen)->focusWidget();
    QList<QPointer<QAbstractButton>> pressed;
    for (const QString &name : {first, second}) {
        auto *button = program.control<QAbstractButton>(screen, name.toStdString());
        const QString caption = button->text();
        pressed << button;
        pressAccessKey(focus ? focus : program.window(screen), caption.at(caption.indexOf(u'&') + 1));
    }
    // Both buttons click a moment after their keys.
    QTRY_VERIFY(
        std::none_of(pressed.begin(), pressed.end(), [](const auto &button) { return button && button->isDown(); }));
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{target});
    QVERIFY(program.messages.empty());
    QCOMPARE(program.ended.count(), 0);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
