// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program under a real window manager on a virtual X server: where the
// manager really puts the windows and what it keeps of their requests, as the
// X server tells any client. The manager is the command in
// DUSET_WINDOW_MANAGER, which the test starts itself.

#include "support.h"

#include <QProcess>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

using namespace duset;
using namespace duset::testing;

namespace {

xcb_connection_t *server()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t root()
{
    return xcb_setup_roots_iterator(xcb_get_setup(server())).data->root;
}

xcb_atom_t atom(const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(server(), xcb_intern_atom(server(), 0, std::strlen(name), name), nullptr), &std::free);
    return reply ? reply->atom : 0;
}

QList<quint32> cardinals(xcb_window_t window, const char *name, xcb_atom_t type)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(server(), xcb_get_property(server(), 0, window, atom(name), type, 0, 64), nullptr),
        &std::free);
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QList<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

// Where the window's client area is on the desktop.
QPoint clientOrigin(const QWidget *window)
{
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> origin(
        xcb_translate_coordinates_reply(
            server(), xcb_translate_coordinates(server(), window->winId(), root(), 0, 0), nullptr),
        &std::free);
    return origin ? QPoint(origin->dst_x, origin->dst_y) : QPoint(-1, -1);
}

// The window with the frame the manager drew around it, on the desktop.
QRect framed(const QWidget *window)
{
    const QList<quint32> frame = cardinals(window->winId(), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
    if (frame.size() != 4) // left, right, top, bottom
        return {};
    return QRect(clientOrigin(window), window->size())
        .adjusted(-int(frame[0]), -int(frame[2]), int(frame[1]), int(frame[3]));
}

ScreenWindow *active(const Program &program, ScreenId id)
{
    ScreenWindow *window = program.window(id);
    return window && QTest::qWaitForWindowActive(window) ? window : nullptr;
}

} // namespace

class TestWindowManager : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void theMainMenuComesBackWhereItWas();
    void aCentredWindowIsCentredInItsFrame();

private:
    QProcess m_manager;
};

void TestWindowManager::initTestCase()
{
    installProgramFonts();
    QStringList command = QProcess::splitCommand(qEnvironmentVariable("DUSET_WINDOW_MANAGER"));
    if (command.isEmpty())
        QSKIP("no window manager given in DUSET_WINDOW_MANAGER");
    m_manager.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_manager.start(command.takeFirst(), command);
    QVERIFY2(m_manager.waitForStarted(), qPrintable(m_manager.errorString()));
    // A manager announces itself on the root window once it manages.
    QTRY_VERIFY_WITH_TIMEOUT(!cardinals(root(), "_NET_SUPPORTING_WM_CHECK", XCB_ATOM_WINDOW).isEmpty(), 10'000);
}

void TestWindowManager::cleanupTestCase()
{
    m_manager.terminate();
    m_manager.waitForFinished();
}

// Hide and a later Show do not move a window. The main menu's client area,
// below its menu bar, stands at 1065 by 1650 twips, and comes back there from
// the entry screen, time after time, with its frame, and off the task bar.
void TestWindowManager::theMainMenuComesBackWhereItWas()
{
    Program program;
    ScreenWindow *menu = active(program, MainMenu);
    QVERIFY(menu);
    QTRY_VERIFY(framed(menu).isValid());
    const QRect first = framed(menu);
    QCOMPARE(clientOrigin(menu) + menu->surface()->pos(), QPoint(71, 110));
    const xcb_atom_t skipTaskbar = atom("_NET_WM_STATE_SKIP_TASKBAR");
    for (int trip = 1; trip <= 3; ++trip) {
        program.choose("m1");
        const ScreenWindow *entry = active(program, EntryScreen);
        QVERIFY(entry);
        // The manager writes the states it keeps back to the window.
        QTRY_VERIFY(cardinals(entry->winId(), "_NET_WM_STATE", XCB_ATOM_ATOM).contains(skipTaskbar));
        program.click(EntryScreen, "Command2");
        menu = active(program, MainMenu);
        QVERIFY(menu);
        QTRY_COMPARE(framed(menu), first);
        QVERIFY(cardinals(menu->winId(), "_NET_WM_STATE", XCB_ATOM_ATOM).contains(skipTaskbar));
    }
}

// A centred screen is centred with the frame the manager gave it, on the
// part of the screen that the manager leaves to windows.
void TestWindowManager::aCentredWindowIsCentredInItsFrame()
{
    Program program;
    QVERIFY(active(program, MainMenu));
    program.choose("m4");
    const ScreenWindow *order = active(program, OrderScreen);
    QVERIFY(order);
    QTRY_VERIFY(framed(order).isValid());
    const QRect frame = framed(order);
    QVERIFY2(frame.top() < order->geometry().top(), "the manager draws a title bar");
    // Left, top, width and height of the first desktop.
    const QList<quint32> area = cardinals(root(), "_NET_WORKAREA", XCB_ATOM_CARDINAL);
    QVERIFY(area.size() >= 4);
    const QRect work{int(area[0]), int(area[1]), int(area[2]), int(area[3])};
    QVERIFY2(
        std::abs(frame.center().x() - work.center().x()) <= 1 && std::abs(frame.center().y() - work.center().y()) <= 1,
        qPrintable(u"frame %1,%2 %3x%4 in %5,%6 %7x%8"_qs.arg(frame.x())
                       .arg(frame.y())
                       .arg(frame.width())
                       .arg(frame.height())
                       .arg(work.x())
                       .arg(work.y())
                       .arg(work.width())
                       .arg(work.height())));
}

QTEST_MAIN(TestWindowManager)
#include "tst_windowmanager.moc"
