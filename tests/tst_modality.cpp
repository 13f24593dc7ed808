// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A message box is modal: while it is open, whatever else arrives (an access
// key's click that lands late, a close from the window manager) leaves the
// screens as the box found them, and the box belongs to whoever opened it.

#include "support.h"

#include "reckoning.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTimer>

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
