// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "placement.h"

#include <QScreen>
#include <QScrollArea>

#include <limits>

using namespace duset;
using namespace duset::testing;

Q_DECLARE_METATYPE(duset::Placement)

class TestPlacement : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void windowsGoWhereTheyFit_data();
    void windowsGoWhereTheyFit();
    void theScreensArePlacedByTheRule_data();
    void theScreensArePlacedByTheRule();
    void titleBarAndButtonsAreOnTheScreen_data() { addScreenRows(); }
    void titleBarAndButtonsAreOnTheScreen();
    void centredScreensFollowTheMainMenu_data();
    void centredScreensFollowTheMainMenu();
};

void TestPlacement::windowsGoWhereTheyFit_data()
{
    QTest::addColumn<Placement>("rule");
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("expected");
    using enum Placement;
    // A title bar of 23 pixels and borders of 4, as a window manager draws them.
    const QSize verses(451, 478);
    const QSize history(433, 459);
    const QSize entry(374, 271);
    const QSize mainMenu(395, 269);
    const QPoint none;
    const QRect large(0, 0, 1280, 1024);
    const QRect right(1280, 0, 1280, 1024);
    const QRect small(0, 0, 640, 480);

    QTest::newRow("one screen, centred") << CentreScreen << none << verses << large << large << QPoint(414, 282);
    QTest::newRow("one screen, main menu where stored")
        << Manual << QPoint(71, 91) << mainMenu << large << large << QPoint(71, 91);
    QTest::newRow("one screen, entry screen where stored")
        << Manual << QPoint(122, 140) << entry << large << large << QPoint(122, 140);
    QTest::newRow("right of two, centred") << CentreScreen << none << verses << right << right << QPoint(1694, 282);
    QTest::newRow("right of two, where stored on it")
        << Manual << QPoint(122, 140) << entry << right << right << QPoint(1402, 140);
    QTest::newRow("panel on top, centred below it")
        << CentreScreen << none << verses << large << QRect(0, 32, 1280, 992) << QPoint(414, 298);
    QTest::newRow("panel on top, stored position clear of it")
        << Manual << QPoint(71, 91) << mainMenu << large << QRect(0, 32, 1280, 992) << QPoint(71, 91);
    QTest::newRow("panel on top, stored position under it")
        << Manual << QPoint(71, 40) << mainMenu << large << QRect(0, 32, 1280, 992) << QPoint(71, 55);
    QTest::newRow("panel on the left, stored position under it")
        << Manual << QPoint(71, 91) << mainMenu << large << QRect(100, 0, 1180, 1024) << QPoint(104, 91);
    QTest::newRow("stored past the bottom right corner")
        << Manual << QPoint(600, 500) << entry << QRect(0, 0, 800, 600) << QRect(0, 0, 800, 600) << QPoint(422, 325);
    QTest::newRow("640 x 480, entry screen where stored")
        << Manual << QPoint(122, 140) << entry << small << small << QPoint(122, 140);
    QTest::newRow("640 x 480, main menu where stored")
        << Manual << QPoint(71, 91) << mainMenu << small << small << QPoint(71, 91);
    QTest::newRow("640 x 480, verses taller than the screen")
        << CentreScreen << none << verses << small << small << QPoint(94, 23);
    QTest::newRow("640 x 480, history taller than the screen")
        << CentreScreen << none << history << small << small << QPoint(103, 23);
    QTest::newRow("640 x 480 with a panel below, verses")
        << CentreScreen << none << verses << small << QRect(0, 0, 640, 452) << QPoint(94, 23);
    QTest::newRow("640 x 480 with a panel on top, verses")
        << CentreScreen << none << verses << small << QRect(0, 28, 640, 452) << QPoint(94, 51);
    QTest::newRow("narrower than the window")
        << CentreScreen << none << verses << QRect(0, 0, 320, 240) << QRect(0, 0, 320, 240) << QPoint(4, 23);
    // Screens as a broken platform or scale factor reports them: the window
    // goes to the free part's corner and nothing overflows.
    const int most = std::numeric_limits<int>::max();
    const int least = std::numeric_limits<int>::min();
    QTest::newRow("no screen at all") << CentreScreen << none << verses << QRect() << QRect() << QPoint(4, 23);
    QTest::newRow("screen of negative size")
        << CentreScreen << none << verses << large << QRect(100, 100, -50, -50) << QPoint(104, 123);
    const QRect farEnd(QPoint(most - 99, most - 99), QPoint(most, most));
    QTest::newRow("screen at the end of the int range, stored position past it")
        << Manual << QPoint(71, 91) << mainMenu << farEnd << farEnd << QPoint(most - 95, most - 76);
    const QRect everything(QPoint(least, least), QPoint(most, most));
    QTest::newRow("screen as large as the int range")
        << CentreScreen << none << verses << everything << everything << QPoint(-226, -230);
    QTest::newRow("window as large as the int range")
        << CentreScreen << none << QSize(most, most) << large << large << QPoint(4, 23);
}

void TestPlacement::windowsGoWhereTheyFit()
{
    QFETCH(Placement, rule);
    QFETCH(QPoint, stored);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QPoint, expected);
    QCOMPARE(placeWindow(rule, stored, size, QMargins(4, 23, 4, 4), screen, available), expected);
}

void TestPlacement::theScreensArePlacedByTheRule_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QPoint>("expected");
    // The off-screen platform's one screen is 800 x 800, with no panel and
    // no frames. The main menu's and the entry screen's client areas lie at
    // their stored positions, the rest are centred.
    QTest::newRow("main menu") << MainMenu << QPoint(71, 110);
    QTest::newRow("entry screen") << EntryScreen << QPoint(122, 140);
    QTest::newRow("history") << HistoryScreen << QPoint(183, 170);
    QTest::newRow("order") << OrderScreen << QPoint(183, 170);
    QTest::newRow("verse page 1") << VersePage1 << QPoint(174, 161);
}

void TestPlacement::theScreensArePlacedByTheRule()
{
    QFETCH(ScreenId, screen);
    QFETCH(QPoint, expected);
    if (QGuiApplication::screens().size() != 1 || QGuiApplication::primaryScreen()->geometry() != QRect(0, 0, 800, 800))
        QSKIP("for the off-screen platform's own screen");
    Program program;
    openScreen(program, screen);
    const ScreenWindow *window = program.window(screen);
    QCOMPARE(window->mapToGlobal(window->surface()->pos()), expected);
}

// Whatever the screens (the test runs on the off-screen platform's own, on
// 640 x 480, 640 x 460 and 320 x 240 and on two side by side, with frames),
// every window shows its title bar on the screen it is on, and every button
// is in sight there or can be scrolled into sight.
void TestPlacement::titleBarAndButtonsAreOnTheScreen()
{
    QFETCH(ScreenId, screen);
    Program program;
    // The main menu is on view first, so its frame stands in for the next.
    QVERIFY(QTest::qWaitForWindowActive(program.window(MainMenu)));
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);
    const QRect available = window->screen()->availableGeometry();
    QTRY_VERIFY2(
        available.contains(window->frameGeometry().topLeft()) && available.contains(window->frameGeometry().topRight()),
        qPrintable(u"frame %1,%2 %3x%4"_qs.arg(window->frameGeometry().x())
                       .arg(window->frameGeometry().y())
                       .arg(window->frameGeometry().width())
                       .arg(window->frameGeometry().height())));
    auto *scroll = window->findChild<QScrollArea *>();
    const QWidget *view = scroll ? scroll->viewport() : window;
    for (const Control &control : program.screens.peek(screen)->description().controls) {
        if (control.kind != Control::Kind::CommandButton)
            continue;
        QWidget *button = window->control(control.name);
        if (scroll)
            scroll->ensureWidgetVisible(button, 0, 0);
        const QRect onScreen(button->mapToGlobal(QPoint()), button->size());
        QTRY_VERIFY2(
            available.contains(onScreen) && QRect(view->mapToGlobal(QPoint()), view->size()).contains(onScreen),
            qPrintable(u"%1 at %2,%3"_qs.arg(toQString(control.name)).arg(onScreen.x()).arg(onScreen.y())));
    }
}

void TestPlacement::centredScreensFollowTheMainMenu_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::newRow("history") << HistoryScreen;
    QTest::newRow("verse page 1") << VersePage1;
    QTest::newRow("birth-date screen") << DateScreen;
}

// On two screens side by side, a centred screen opens in the middle of the
// screen the person moved the main menu to.
void TestPlacement::centredScreensFollowTheMainMenu()
{
    QFETCH(ScreenId, screen);
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() != 2)
        QSKIP("for two screens side by side");
    QCOMPARE(screens[1]->availableGeometry(), QRect(1280, 0, 1024, 768));
    Program program;
    ScreenWindow *menu = program.window(MainMenu);
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QCOMPARE(menu->screen(), screens[0]);
    menu->move(1280 + 71, 110);
    QTRY_COMPARE(menu->screen(), screens[1]);
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);
    QCOMPARE(window->screen(), screens[1]);
    const QPoint middle = window->frameGeometry().center();
    QVERIFY2(std::abs(middle.x() - (1280 + 512)) <= 1 && std::abs(middle.y() - 384) <= 1,
        qPrintable(u"centre at %1,%2"_qs.arg(middle.x()).arg(middle.y())));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
