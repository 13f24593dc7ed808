// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "platform.h"

#include <QFile>
#include <QLibraryInfo>
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
    void tooLittleRoomEndsWithTheMessageAndSparesTheFontCache();
    void aLiveDisplayWithoutThePlatformOrDepthIsNamed();
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
    // Where a Wayland display is there, the message names what is missing,
    // in both languages' lines.
    const QStringList wayland = QString::fromUtf8(NoWaylandPlatformMessage).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(wayland.size(), 2);
    QVERIFY(wayland[0].contains(u"จอภาพ Wayland") && wayland[1].contains(u"Wayland display"));
    for (const QString &line : wayland)
        QVERIFY(line.contains(u"qt6-wayland") && line.contains(u"Xwayland"));
}

namespace {

struct Ended {
    bool finished = false;
    QProcess::ExitStatus status = QProcess::CrashExit;
    int code = -1;
    QString error;
};

struct Limit {
    int resource = RLIMIT_AS;
    rlim_t most = RLIM_INFINITY;
};

// The program itself, started with nothing of the test's environment but
// what is given here, a private run-time directory, and one of its limits
// set where asked.
Ended runProgram(
    const QStringList &environment, Limit limit = {}, int waitMs = 20'000, const QStringList &arguments = {})
{
    static const QTemporaryDir runtime;
    QProcess program;
    QProcessEnvironment variables;
    variables.insert(u"PATH"_qs, qEnvironmentVariable("PATH"));
    variables.insert(u"XDG_RUNTIME_DIR"_qs, runtime.path());
    for (const QString &variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    program.setProcessEnvironment(variables);
    program.setChildProcessModifier([limit] {
        const rlimit most{limit.most, limit.most};
        setrlimit(limit.resource, &most);
    });
    program.start(QStringLiteral(DUSET_PROGRAM), arguments);
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
    QTest::addColumn<QString>("message");
    const QString goneX = u"DISPLAY=:4711"_qs; // no X server listens there
    const QString goneWayland = u"WAYLAND_DISPLAY=duset-no-compositor"_qs;
    const QString waylandSession = u"XDG_SESSION_TYPE=wayland"_qs;
    const QString noDisplay = QString::fromUtf8(NoDisplayMessage);
    // With only a Wayland display set, what is missing is Qt's Wayland
    // platform where Debian's qt6-wayland is not installed, and otherwise the
    // compositor.
    const bool waylandPlatform
        = QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms/libqwayland-generic.so"_qs);
    const QString onlyWayland = waylandPlatform ? noDisplay : QString::fromUtf8(NoWaylandPlatformMessage);
    QTest::newRow("nothing set") << QStringList{} << noDisplay;
    QTest::newRow("X server gone") << QStringList{goneX} << noDisplay;
    QTest::newRow("no compositor") << QStringList{goneWayland} << onlyWayland;
    QTest::newRow("no compositor, Wayland session") << QStringList{goneWayland, waylandSession} << onlyWayland;
    QTest::newRow("neither answers") << QStringList{goneX, goneWayland} << noDisplay;
    QTest::newRow("neither answers, Wayland session") << QStringList{goneX, goneWayland, waylandSession} << noDisplay;
    QTest::newRow("X server gone, Wayland session") << QStringList{goneX, waylandSession} << noDisplay;
    QTest::newRow("X11 chosen, X server gone") << QStringList{u"QT_QPA_PLATFORM=xcb"_qs, goneX} << noDisplay;
}

// Where no display answers, Qt would abort with its advice to reinstall the
// program; the program says what is wrong instead, and only that.
void TestDesktop::noDisplayThatAnswersGivesTheMessage()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, message);
    const Ended ended = runProgram(environment);
    QVERIFY(ended.finished);
    QCOMPARE(ended.status, QProcess::NormalExit);
    QCOMPARE(ended.code, 1);
    QCOMPARE(ended.error, message);
}

namespace {

QStringList thaiFaces(const QString &fontconfigFile)
{
    QProcess list;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(u"FONTCONFIG_FILE"_qs, fontconfigFile);
    list.setProcessEnvironment(variables);
    list.start(QStringLiteral(DUSET_FC_LIST), {u":lang=th"_qs, u"family"_qs});
    list.waitForFinished(60'000);
    QStringList faces = QString::fromUtf8(list.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    faces.sort();
    return faces;
}

// Fontconfig as where the system's font caches are stale: it scans the font
// folders afresh and writes what it finds into a cache of its own.
QString fontconfigFile(const QTemporaryDir &home, const QString &name)
{
    const QString path = home.filePath(name + u".conf"_qs);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(
        u"<?xml version=\"1.0\"?>\n<fontconfig>\n"
        "<dir>/usr/share/fonts</dir>\n<cachedir>%1</cachedir>\n"
        "<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n</fontconfig>\n"_qs.arg(home.filePath(name))
            .toUtf8());
    return path;
}

} // namespace

// With too little memory or too few file descriptors, fontconfig leaves out
// of the cache it writes every font it could not open, and every program of
// the person then draws Thai as boxes; Qt would abort, crash or hang. From
// too little to load the libraries upwards, the program either starts or
// ends with its message, and the cache then lists every Thai face.
void TestDesktop::tooLittleRoomEndsWithTheMessageAndSparesTheFontCache()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    QSKIP("AddressSanitizer reserves more address space than any limit leaves");
#endif
#endif
    if (!QFile::exists(QStringLiteral(DUSET_FC_LIST)))
        QSKIP("needs fc-list (Debian package fontconfig)");
    const QTemporaryDir home;
    const QString fontconfig = fontconfigFile(home, u"cache"_qs);
    const QStringList environment{
        u"QT_QPA_PLATFORM=offscreen"_qs, u"HOME="_qs + home.path(), u"FONTCONFIG_FILE="_qs + fontconfig};
    constexpr rlim_t MiB = 1024 * 1024;
    bool started = false;
    for (rlim_t limit = 40 * MiB; limit <= 1024 * MiB && !started; limit += 2 * MiB) {
        const Ended ended = runProgram(environment, {RLIMIT_AS, limit}, 3'000);
        const QString where = u" at %1 MiB: "_qs.arg(limit / MiB) + ended.error;
        started = !ended.finished;
        QVERIFY2(!started || ended.error.isEmpty(), qPrintable(where)); // a window that draws, and nothing amiss
        if (started || (ended.status == QProcess::NormalExit && ended.code == 127))
            continue; // started, or the libraries did not fit
        QVERIFY2(ended.status == QProcess::NormalExit && ended.code == 1, qPrintable(where));
        QVERIFY2(ended.error.contains(u"cannot start for want of memory")
                || ended.error == QString::fromUtf8(NoThreadMessage),
            qPrintable(where));
    }
    QVERIFY(started);
    int refused = 0;
    for (const rlim_t files : {4, 6, 8, 16, 24}) {
        const Ended ended = runProgram(environment, {RLIMIT_NOFILE, files});
        QVERIFY2(ended.finished && ended.status == QProcess::NormalExit, qPrintable(ended.error));
        if (ended.code == 127)
            continue; // the libraries could not be opened
        QCOMPARE(ended.code, 1);
        QVERIFY2(ended.error.contains(u"the limit on open files (ulimit -n)"), qPrintable(ended.error));
        ++refused;
    }
    QVERIFY(refused > 0);
    const QStringList faces = thaiFaces(fontconfigFile(home, u"fresh"_qs));
    QVERIFY(faces.size() > 10);
    QCOMPARE(thaiFaces(fontconfig), faces);
}

// Where the display answers, what is missing is said: a platform that Qt
// has no plugin for, chosen by a session's setting or on the command line,
// or a colour depth Qt cannot draw in, where every window would stay blank.
// A screen Qt can draw on, at any usable scale, is no such case.
void TestDesktop::aLiveDisplayWithoutThePlatformOrDepthIsNamed()
{
    if (!QFile::exists(QStringLiteral(DUSET_XVFB)))
        QSKIP("needs Xvfb (Debian package xvfb)");
    QProcess server;
    server.start(QStringLiteral(DUSET_XVFB),
        {u"-displayfd"_qs, u"1"_qs, u"-screen"_qs, u"0"_qs, u"640x480x8"_qs, u"-screen"_qs, u"1"_qs, u"640x480x24"_qs,
            u"-nolisten"_qs, u"tcp"_qs});
    QVERIFY(server.waitForReadyRead(20'000));
    const QString display = u"DISPLAY=:"_qs + QString::fromLatin1(server.readLine()).trimmed();
    const QString eightBits = display + u".0"_qs;
    const struct {
        QStringList environment;
        QStringList arguments;
        QString said; // none where the program starts
    } cases[] = {
        {{eightBits, u"QT_QPA_PLATFORM=wayland"_qs}, {},
            u"Qt's platform \"wayland\" is not installed (Debian package qt6-wayland)"_qs},
        {{eightBits, u"QT_QPA_PLATFORM=junk"_qs}, {}, u"Qt's platform \"junk\" is not installed"_qs},
        {{eightBits}, {u"-platform"_qs, u"junk"_qs}, u"Qt's platform \"junk\" is not installed"_qs},
        {{eightBits}, {}, u"its colour depth of 8 bits is not supported"_qs},
        {{display + u".1"_qs, u"QT_SCALE_FACTOR=3"_qs}, {}, {}},
    };
    for (const auto &[environment, arguments, said] : cases) {
        const Ended ended = runProgram(environment, {}, said.isEmpty() ? 3'000 : 20'000, arguments);
        if (said.isEmpty()) {
            QVERIFY2(!ended.finished && ended.error.isEmpty(), qPrintable(ended.error));
            continue;
        }
        QVERIFY2(ended.finished && ended.status == QProcess::NormalExit && ended.code == 1, qPrintable(ended.error));
        QVERIFY2(ended.error.contains(said), qPrintable(ended.error));
        QVERIFY2(!ended.error.contains(u"no display"), qPrintable(ended.error));
    }
    server.kill();
    server.waitForFinished();
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
