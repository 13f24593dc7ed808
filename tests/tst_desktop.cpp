// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "platform.h"

using namespace duset;
using namespace duset::testing;

Q_DECLARE_METATYPE(duset::PlatformChoice)

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void thePlatformFollowsTheDisplays_data();
    void thePlatformFollowsTheDisplays();
    void theNoDisplayMessageSpeaksThaiAndEnglish();
    void anAbsentXServerIsNotReached();
    void aMinimisedWindowComesBack_data() { addScreenRows(); }
    void aMinimisedWindowComesBack();
};

void TestDesktop::thePlatformFollowsTheDisplays_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<PlatformChoice>("expected");
    using enum PlatformChoice;
    const QByteArray none;
    const QByteArray x(":0");
    const QByteArray w("wayland-0");
    QTest::newRow("X11 desktop") << none << false << x << none << true << X11;
    QTest::newRow("GNOME on Wayland, with XWayland") << none << false << x << w << true << X11;
    QTest::newRow("Wayland without XWayland") << none << false << none << w << true << Native;
    QTest::newRow("XWayland not answering") << none << false << x << w << false << Native;
    QTest::newRow("chosen Wayland") << QByteArray("wayland") << false << x << w << true << AsChosen;
    QTest::newRow("chosen off screen, no display")
        << QByteArray("offscreen") << false << none << none << true << AsChosen;
    QTest::newRow("chosen on the command line") << none << true << x << w << true << AsChosen;
    QTest::newRow("no display") << none << false << none << none << true << NoDisplay;
    QTest::newRow("X server gone") << none << false << x << none << false << NoDisplay;
}

void TestDesktop::thePlatformFollowsTheDisplays()
{
    QFETCH(QByteArray, chosen);
    QFETCH(bool, argument);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, wayland);
    QFETCH(bool, reachable);
    QFETCH(PlatformChoice, expected);
    const DisplayEnvironment environment{.chosenPlatform = {chosen.constData(), std::size_t(chosen.size())},
        .platformArgument = argument,
        .x11Display = {x11.constData(), std::size_t(x11.size())},
        .x11Reachable = reachable,
        .waylandDisplay = {wayland.constData(), std::size_t(wayland.size())}};
    QCOMPARE(choosePlatform(environment), expected);
}

void TestDesktop::theNoDisplayMessageSpeaksThaiAndEnglish()
{
    const QString message = QString::fromUtf8(NoDisplayMessage);
    QVERIFY(message.contains(u"ไม่พบจอภาพ"));
    QVERIFY(message.contains(u"no display"));
    QVERIFY(message.endsWith(u'\n'));
}

void TestDesktop::anAbsentXServerIsNotReached()
{
    // A display number no X server listens on.
    QVERIFY(!canReachX11(":4711"));
}

// The windows keep out of the task bar, so a window the window manager
// minimises must come back by itself.
void TestDesktop::aMinimisedWindowComesBack()
{
    QFETCH(ScreenId, screen);
    Program program;
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);

    window->setWindowState(window->windowState() | Qt::WindowMinimized);
    QTRY_VERIFY(!(window->windowState() & Qt::WindowMinimized));
    QVERIFY(window->isVisible());
    QCOMPARE(program.visibleScreens().size(), std::size_t(1));
    QVERIFY(program.ended.isEmpty());
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
