// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "platform.h"

#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

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
    void noDisplayThatAnswersGivesTheMessage_data();
    void noDisplayThatAnswersGivesTheMessage();
    void aThreadThatCannotStartGivesTheMessage();
    void aMinimisedWindowComesBack_data() { addScreenRows(); }
    void aMinimisedWindowComesBack();
};

void TestDesktop::thePlatformFollowsTheDisplays_data()
{
    QTest::addColumn<QByteArray>("chosen");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<QByteArray>("x11");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<PlatformChoice>("expected");
    using enum PlatformChoice;
    const QByteArray none;
    const QByteArray x(":0");
    const QByteArray w("wayland-0");
    QTest::newRow("X11 desktop") << none << false << x << none << X11;
    QTest::newRow("GNOME on Wayland, with XWayland") << none << false << x << w << X11ThenWayland;
    QTest::newRow("Wayland without XWayland") << none << false << none << w << Native;
    QTest::newRow("chosen Wayland") << QByteArray("wayland") << false << x << w << AsChosen;
    QTest::newRow("chosen off screen, no display") << QByteArray("offscreen") << false << none << none << AsChosen;
    QTest::newRow("chosen on the command line") << none << true << x << w << AsChosen;
    QTest::newRow("no display") << none << false << none << none << NoDisplay;
}

void TestDesktop::thePlatformFollowsTheDisplays()
{
    QFETCH(QByteArray, chosen);
    QFETCH(bool, argument);
    QFETCH(QByteArray, x11);
    QFETCH(QByteArray, wayland);
    QFETCH(PlatformChoice, expected);
    const DisplayEnvironment environment{.chosenPlatform = {chosen.constData(), std::size_t(chosen.size())},
        .platformArgument = argument,
        .x11Display = {x11.constData(), std::size_t(x11.size())},
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

namespace {

struct Ended {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString error;
};

// The program itself, started with nothing of the test's environment but
// what is given here, a private run-time directory, and its address space
// limited where asked.
Ended runProgram(const QStringList &environment, rlim_t addressSpace = RLIM_INFINITY, int waitMs = 20'000)
{
    static const QTemporaryDir runtime;
    QProcess program;
    QProcessEnvironment variables;
    variables.insert(u"PATH"_qs, qEnvironmentVariable("PATH"));
    variables.insert(u"XDG_RUNTIME_DIR"_qs, runtime.path());
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    program.setProcessEnvironment(variables);
    program.setChildProcessModifier([addressSpace] {
        const rlimit limit{addressSpace, addressSpace};
        setrlimit(RLIMIT_AS, &limit);
    });
    program.start(QStringLiteral(DUSET_PROGRAM), {});
    Ended ended;
    ended.finished = program.waitForFinished(waitMs);
    if (!ended.finished) {
        program.kill();
        program.waitForFinished();
    }
    ended.status = program.exitStatus();
    ended.code = program.exitCode();
    ended.error = QString::fromUtf8(program.readAllStandardError());
    return ended;
}

} // namespace

void TestDesktop::noDisplayThatAnswersGivesTheMessage_data()
{
    QTest::addColumn<QStringList>("environment");
    const QString goneX = u"DISPLAY=:4711"_qs; // no X server listens there
    const QString goneWayland = u"WAYLAND_DISPLAY=duset-no-compositor"_qs;
    const QString waylandSession = u"XDG_SESSION_TYPE=wayland"_qs;
    QTest::newRow("nothing set") << QStringList{};
    QTest::newRow("X server gone") << QStringList{goneX};
    QTest::newRow("no compositor") << QStringList{goneWayland};
    QTest::newRow("no compositor, Wayland session") << QStringList{goneWayland, waylandSession};
    QTest::newRow("neither answers") << QStringList{goneX, goneWayland};
    QTest::newRow("neither answers, Wayland session") << QStringList{goneX, goneWayland, waylandSession};
    QTest::newRow("X server gone, Wayland session") << QStringList{goneX, waylandSession};
    QTest::newRow("X11 chosen, X server gone") << QStringList{u"QT_QPA_PLATFORM=xcb"_qs, goneX};
}

// Where no display answers, Qt would abort with its advice to reinstall the
// program; the program says what is wrong instead, and only that.
void TestDesktop::noDisplayThatAnswersGivesTheMessage()
{
    QFETCH(QStringList, environment);
    const Ended ended = runProgram(environment);
    QVERIFY(ended.finished);
    QCOMPARE(ended.status, QProcess::NormalExit);
    QCOMPARE(ended.code, 1);
    QCOMPARE(ended.error, QString::fromUtf8(NoDisplayMessage));
}

// A thread Qt cannot start leaves the program deaf or without a window.
// Where the address space is too small for a thread's stack but not for the
// program's libraries, the program says so and ends. The limit where that
// happens depends on the libraries of the machine, so the test looks for
// it, from too little to load the program upwards.
void TestDesktop::aThreadThatCannotStartGivesTheMessage()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#endif
#endif
    const QStringList offScreen{u"QT_QPA_PLATFORM=offscreen"_qs};
    for (rlim_t kib = 40'000; kib <= 200'000; kib += 4'000) {
        const Ended ended = runProgram(offScreen, kib * 1024, 3'000);
        const QString where = u" at %1 KiB: "_qs.arg(kib) + ended.error;
        if (ended.finished && ended.status == QProcess::NormalExit && ended.code == 127)
            continue; // the libraries did not fit
        if (ended.error.contains(u"Thread creation error") || ended.error.contains(u"thread it needs")) {
            QVERIFY2(ended.finished, qPrintable(where));
            QCOMPARE(ended.status, QProcess::NormalExit);
            QCOMPARE(ended.code, 1);
            QCOMPARE(ended.error, QString::fromUtf8(NoThreadMessage));
            return;
        }
        if (!ended.finished)
            QSKIP(qPrintable(u"every thread started once the libraries fit"_qs + where));
    }
    QSKIP("no limit up to 200,000 KiB let the program start");
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
