// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A message box is modal: while it is open, whatever else arrives (an access
// key's click that lands late, a close from the window manager) leaves the
// screens as the box found them, and the box belongs to whoever opened it.

#include "support.h"

#include "iconic.h"
#include "reckoning.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QScopeGuard>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#if DUSET_TEST_WITH_XCB
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

using namespace duset;
using namespace duset::testing;

namespace {

// A box that was opened, with what the entry screen's lists held when it
// opened and when it closed.
struct OpenedBox {
    Message message;
    QStringList textsAtOpen;
    QStringList textsAtClose;
};

// The program with its real modal boxes. Each box is closed a while after it
// opens, by its OK button unless a test closes it some other way, and
// whatever the test set going meanwhile runs inside the box's modal loop.
class ProgramWithBoxes : public Program {
public:
    explicit ProgramWithBoxes(int openFor = 300)
    {
        setMessagePresenter([this, openFor](QWidget *owner, const Message &message) {
            OpenedBox opened{message, entryTexts(), {}};
            const auto box = createMessageBox(owner, message);
            QTimer::singleShot(openFor, box.get(), [this, &opened, box = box.get()] {
                opened.textsAtClose = entryTexts();
                closeBox(box);
            });
            if (whileOpen)
                QTimer::singleShot(0, box.get(), [this, box = box.get()] { whileOpen(box); });
            box->exec();
            boxes.push_back(opened);
        });
    }

    void pick(int list, int row) const
    {
        control<QComboBox>(EntryScreen, "Combo" + std::to_string(list))->setCurrentIndex(row);
    }

    // Alt and the underlined letter of the entry screen's button.
    void pressAccessKeyOf(const char *button) const
    {
        const QString caption = control<QAbstractButton>(EntryScreen, button)->text();
        pressAccessKey(window(EntryScreen), caption.at(caption.indexOf(u'&') + 1));
    }

    // Until every access key's click has landed and every box is closed.
    bool settled() const
    {
        if (QApplication::activeModalWidget())
            return false;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->isDown())
                    return false;
            }
        }
        return true;
    }

    std::function<void(QMessageBox *)> closeBox = [](QMessageBox *box) { box->buttons().front()->click(); };
    std::function<void(QMessageBox *)> whileOpen;
    std::vector<OpenedBox> boxes;
};

const QString Verse8 = q(VerseTable[7][0]) + u"\r\n"_qs + q(VerseTable[7][1]);

} // namespace

class TestModality : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void keysThatLandWhileTheBoxIsOpen_data();
    void keysThatLandWhileTheBoxIsOpen();
    void closesWhileTheBoxIsOpen_data();
    void closesWhileTheBoxIsOpen();
    void aClickThatLandsUnderAContextMenu();
    void theBoxOutlivesItsOwnersWindow();
    void theBoxStandsOverItsOwner();
    void aMinimiseBurstLeavesNoWindowIconic_data();
    void aMinimiseBurstLeavesNoWindowIconic();
};

void TestModality::keysThatLandWhileTheBoxIsOpen_data()
{
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QStringList>("keys");
    // Predict opens the box when its click lands, a moment after its key; a
    // key pressed just after it clicks its own button while the box is open.
    // Each row stands for one way the box could lose what it belongs to:
    // finish would unload the screen under its box, clear would empty the
    // lists its verse was read from, and a second predict would open a second
    // box over the first before finish unloads the screen under both.
    QTest::newRow("empty lists: predict, finish") << false << QStringList{u"Command1"_qs, u"Command2"_qs};
    QTest::newRow("a verse: predict, clear") << true << QStringList{u"Command1"_qs, u"Command3"_qs};
    QTest::newRow("a verse: predict, predict, finish")
        << true << QStringList{u"Command1"_qs, u"Command1"_qs, u"Command2"_qs};
}

void TestModality::keysThatLandWhileTheBoxIsOpen()
{
    QFETCH(bool, filled);
    QFETCH(QStringList, keys);
    ProgramWithBoxes program;
    openScreen(program, EntryScreen);
    QVERIFY(QTest::qWaitForWindowActive(program.window(EntryScreen)));
    if (filled) {
        program.pick(1, 3); // Wednesday 4
        program.pick(2, 0); // January 2
        program.pick(3, 11); // pig 12: 18, remainder 8
    }
    const QStringList before = program.entryTexts();
    for (const QString &key : keys)
        program.pressAccessKeyOf(key.toLatin1().constData());
    QTRY_VERIFY(program.settled() && !program.boxes.empty());
    QTest::qWait(150);
    QTRY_VERIFY(program.settled());

    // One box, whose message belongs to the texts on screen all the while.
    QCOMPARE(program.boxes.size(), std::size_t(1));
    const OpenedBox &box = program.boxes.front();
    QCOMPARE(box.textsAtOpen, before);
    QCOMPARE(box.textsAtClose, before);
    if (filled)
        QCOMPARE(box.message.text, Verse8);
    else
        QCOMPARE(box.message.icon, QMessageBox::Warning);
    // The keys that landed while the box was open did nothing.
    QCOMPARE(program.visibleScreens(), std::vector{EntryScreen});
    QCOMPARE(program.entryTexts(), before);
    QCOMPARE(program.ended.count(), 0);
    // And the screen answers once the box is closed.
    program.click(EntryScreen, "Command2");
    QTRY_COMPARE(program.visibleScreens(), std::vector{MainMenu});
    QVERIFY(!program.isLoaded(EntryScreen));
}

void TestModality::closesWhileTheBoxIsOpen_data()
{
    QTest::addColumn<QString>("closed");
    // What the window manager may close while the box is open.
    QTest::newRow("the entry screen behind its box") << u"entry"_qs;
    QTest::newRow("the hidden main menu") << u"menu"_qs;
    QTest::newRow("the box itself") << u"box"_qs;
}

void TestModality::closesWhileTheBoxIsOpen()
{
    QFETCH(QString, closed);
    ProgramWithBoxes program(closed == u"box"_qs ? 5000 : 300);
    openScreen(program, EntryScreen);
    QVERIFY(QTest::qWaitForWindowActive(program.window(EntryScreen)));
    bool closedEarly = false;
    program.whileOpen = [&](QMessageBox *box) {
        if (closed == u"box"_qs)
            closedEarly = box->close();
        else
            program.window(closed == u"entry"_qs ? EntryScreen : MainMenu)->close();
    };
    program.click(EntryScreen, "Command1");
    QTRY_VERIFY(program.settled());

    QCOMPARE(program.boxes.size(), std::size_t(1));
    if (closed == u"box"_qs) {
        // A close of the box is its OK.
        QVERIFY(closedEarly);
        QVERIFY(program.boxes.front().textsAtClose.isEmpty());
    }
    QCOMPARE(program.visibleScreens(), std::vector{EntryScreen});
    QVERIFY(program.isLoaded(MainMenu));
    QCOMPARE(program.ended.count(), 0);
    // Once the box is closed, a close of the screen leads to the main menu.
    program.window(EntryScreen)->close();
    QTRY_COMPARE(program.visibleScreens(), std::vector{MainMenu});
}

// A context menu that waits on the person (a scroll bar's runs a loop of its
// own) holds back an access key's click, which would otherwise unload the
// screen under the menu.
void TestModality::aClickThatLandsUnderAContextMenu()
{
    Program program;
    openScreen(program, HistoryScreen);
    ScreenWindow *window = program.window(HistoryScreen);
    QVERIFY(QTest::qWaitForWindowActive(window));
    const QString caption = program.control<QAbstractButton>(HistoryScreen, "Command2")->text();
    pressAccessKey(window, caption.at(caption.indexOf(u'&') + 1));
    const QPointer<QMenu> menu = new QMenu(program.control(HistoryScreen, "Text1"));
    menu->addAction(u"x"_qs);
    QTimer::singleShot(300, menu, &QMenu::close);
    menu->exec(window->geometry().center());
    delete menu;
    QCOMPARE(program.visibleScreens(), std::vector{HistoryScreen});
    QTRY_VERIFY(!program.control<QAbstractButton>(HistoryScreen, "Command2")->isDown());
    QCOMPARE(program.visibleScreens(), std::vector{HistoryScreen});
}

// Whatever becomes of the owner's window, the box is destroyed by its holder
// alone.
void TestModality::theBoxOutlivesItsOwnersWindow()
{
    Program program;
    openScreen(program, EntryScreen);
    auto box = createMessageBox(program.window(EntryScreen), {.title = u"t"_qs, .text = u"x"_qs});
    const QPointer<QMessageBox> alive(box.get());
    box->show();
    program.screens.Unload(EntryScreen);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QVERIFY(!program.isLoaded(EntryScreen));
    QVERIFY(alive);
    QVERIFY(box->isVisible());
}

void TestModality::theBoxStandsOverItsOwner()
{
    Program program;
    openScreen(program, EntryScreen);
    ScreenWindow *owner = program.window(EntryScreen);
    QVERIFY(QTest::qWaitForWindowExposed(owner));
    auto box = createMessageBox(owner, {.title = u"t"_qs, .text = u"x"_qs});
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    const QPoint offset = box->frameGeometry().center() - owner->frameGeometry().center();
    QVERIFY2(offset.manhattanLength() <= 2, qPrintable(u"%1,%2"_qs.arg(offset.x()).arg(offset.y())));
    QCOMPARE(box->windowHandle()->transientParent(), owner->windowHandle());
    // Its text is the label a person can select.
    const QList<QLabel *> labels = box->findChildren<QLabel *>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](const QLabel *label) {
        return label->text() == u"x"_qs && label->textInteractionFlags() & Qt::TextSelectableByKeyboard;
    }));
}

QTEST_MAIN(TestModality)
#include "tst_modality.moc"

#if DUSET_TEST_WITH_XCB
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// What a pager or `xdotool windowminimize` asks of the window manager, from
// connections of their own: eight of them at once, each asking four times
// for every window, a few milliseconds apart.
void minimiseBurst(const std::vector<xcb_window_t> &windows)
{
    std::vector<std::thread> senders;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        senders.emplace_back([&windows, seed] {
            xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
            const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
            const xcb_atom_t changeState = atom(connection, "WM_CHANGE_STATE");
            std::minstd_rand random(seed);
            for (int round = 0; round < 4; ++round) {
                for (const xcb_window_t window : windows) {
                    xcb_client_message_event_t request{};
                    request.response_type = XCB_CLIENT_MESSAGE;
                    request.format = 32;
                    request.window = window;
                    request.type = changeState;
                    request.data.data32[0] = 3; // IconicState
                    xcb_send_event(connection, 0, root,
                        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                        reinterpret_cast<const char *>(&request));
                    xcb_flush(connection);
                    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20'000));
                }
            }
            xcb_disconnect(connection);
        });
    }
    for (std::thread &sender : senders)
        sender.join();
}

// Whether the window manager has every window in its normal state, as a
// person sees it, read from a connection of the test's own.
bool allInView(const std::vector<xcb_window_t> &windows)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    const xcb_atom_t state = atom(connection, "WM_STATE");
    bool inView = true;
    for (const xcb_window_t window : windows) {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, state, state, 0, 2), nullptr),
            &std::free);
        inView = inView && reply && xcb_get_property_value_length(reply.get()) >= 4
            && *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get())) == 1; // NormalState
    }
    xcb_disconnect(connection);
    return inView;
}

} // namespace
#endif

void TestModality::aMinimiseBurstLeavesNoWindowIconic_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("warning") << u"warning"_qs;
    QTest::newRow("verse") << u"verse"_qs;
    QTest::newRow("About") << u"about"_qs;
}

// The windows keep out of the task bar, so a window left iconic could not be
// brought back: after a burst of requests to minimise every window, with
// each kind of box open, every window is back in view within a second,
// three bursts running.
void TestModality::aMinimiseBurstLeavesNoWindowIconic()
{
#if DUSET_TEST_WITH_XCB
    QFETCH(QString, box);
    if (QGuiApplication::platformName() != u"xcb")
        QSKIP("on an X server with a window manager (tst_modality_x11)");
    static QProcess windowManager;
    if (windowManager.state() == QProcess::NotRunning) {
        windowManager.start(QStringLiteral(DUSET_OPENBOX), {});
        QVERIFY(windowManager.waitForStarted());
        QTest::qWait(500);
    }
    refuseToStayIconic(*qApp);
    ProgramWithBoxes program(60'000);
    int bursts = 0;
    program.whileOpen = [&](QMessageBox *opened) {
        const auto close = qScopeGuard([opened] { opened->buttons().front()->click(); });
        QVERIFY(QTest::qWaitForWindowActive(opened));
        std::vector<xcb_window_t> windows;
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                windows.push_back(xcb_window_t(window->winId()));
        }
        QCOMPARE(windows.size(), std::size_t(2)); // the box and its screen
        for (; bursts < 3; ++bursts) {
            // The program answers the window manager while the requests come.
            std::atomic_bool sent = false;
            std::thread burst([&] {
                minimiseBurst(windows);
                sent = true;
            });
            const bool done = QTest::qWaitFor([&] { return sent.load(); }, 20'000);
            burst.join();
            QVERIFY(done);
            QVERIFY2(QTest::qWaitFor([&] { return allInView(windows); }, 1'000),
                qPrintable(u"still iconic a second after burst %1"_qs.arg(bursts + 1)));
        }
    };
    if (box == u"about"_qs) {
        QVERIFY(QTest::qWaitForWindowActive(program.window(MainMenu)));
        program.choose("about");
    } else {
        openScreen(program, EntryScreen);
        QVERIFY(QTest::qWaitForWindowActive(program.window(EntryScreen)));
        if (box == u"verse"_qs) {
            program.pick(1, 3);
            program.pick(2, 0);
            program.pick(3, 11);
        }
        program.click(EntryScreen, "Command1");
    }
    QTRY_VERIFY(program.settled());
    QCOMPARE(bursts, 3);
    QCOMPARE(program.boxes.size(), std::size_t(1));
#else
    QSKIP("built without XCB");
#endif
}
