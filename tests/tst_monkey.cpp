// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random things a person could do, from the start-up screen on,
// with the program checked after each: one screen on view, the main menu
// loaded, every screen opening with the words of the word file, every
// message the one the lists ask for and belonging to the lists all the while
// its box is open, and no crash. Messages open the real modal box, and
// the actions go on inside it; now and then an action follows the last at
// once, before the last one's delayed click has landed.
//
// The actions are made from a seed, so a run can be repeated. They run in a
// child process (this program again), so that a crash or a hang is caught
// like any other failure; a failure is then shrunk to the shortest list of
// actions that still fails in the same way, which is printed with the seed.
// A run of 1,000 actions or more fails as well if it never reached a
// warning, a verdict or any one of the screens.
//
//   DUSET_MONKEY_SEED     the seed (a number, or "random"); 1 by default
//   DUSET_MONKEY_ACTIONS  how many actions; 3,000 by default
//   DUSET_MONKEY_REPLAY   a file of actions to run as they are, as printed
//                         after a failure
//   DUSET_MONKEY_SHRINK_SECONDS  how long shrinking may take; 300 by default

#include "monkey/harness.h"
#include "monkey/person.h"
#include "rule.h"
#include "support.h"

#include "words.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <optional>

using namespace duset;
using namespace duset::monkey;
using namespace duset::testing;

namespace {

// -- The checks ---------------------------------------------------------------

// The only boxes the main menu raises: about the program and about Qt.
const QStringList AboutTitles{u"เกี่ยวกับ duset"_qs, u"About Qt"_qs};

struct CheckFailed {
    QString kind;
    QString detail;
};

void expect(bool holds, const char *kind, const QString &detail)
{
    if (!holds)
        throw CheckFailed{QString::fromLatin1(kind), detail};
}

// A screen shows the words of the word file as it comes on view.
void checkWords(const ScreenWindow &window)
{
    const QStringList found = differences(wordsShownBy(window), programWords(), {window.objectName() + u' '});
    expect(found.isEmpty(), "words", found.join(u'\n'));
}

// The box that three list texts call for, from the word file: a warning that
// names the lists whose text is no item of theirs, or the verse of the
// remainder.
Message expectedBox(const QStringList &texts)
{
    const Words &words = programWords();
    const char *lists[] = {"day", "month", "year"};
    int places[3] = {};
    QStringList missing;
    for (int i = 0; i < 3; ++i) {
        const QStringList *items = words.find(u"Form1 Combo%1 items"_qs.arg(i + 1));
        places[i] = items ? int(items->indexOf(texts[i])) : -1;
        if (places[i] < 0)
            missing << QString::fromLatin1(lists[i]);
    }
    if (!missing.isEmpty())
        return {words.text(u"warning title"_qs), words.text(u"warning without "_qs + missing.join(u", "_qs)),
            QMessageBox::Warning};
    return {words.text(u"verdict title"_qs),
        words.text(u"verse %1"_qs.arg(remainderOfPlaces(places[0], places[1], places[2]))), QMessageBox::Information};
}

// -- One run of actions ---------------------------------------------------------

// Some of Qt's own context menus (a scroll bar's) run an event loop of their
// own and wait on the person. While an action runs, such a loop is answered
// as Esc would answer it. The program's message boxes are left to the
// actions; any other modal window is noted, since the program raises none.
class NestedLoopAnswerer : public QObject {
public:
    explicit NestedLoopAnswerer(std::function<int()> boxesOpen)
        : m_boxesOpen(std::move(boxesOpen))
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, &NestedLoopAnswerer::answer);
    }

    void arm() { m_timer.start(); }
    void disarm() { m_timer.stop(); }
    QString modal; // the kind of modal window found, if any

private:
    void answer()
    {
        if (thread()->loopLevel() <= m_boxesOpen())
            return;
        QWidget *window = QApplication::activeModalWidget();
        if (window && !qobject_cast<QMessageBox *>(window)) {
            modal = QString::fromLatin1(window->metaObject()->className());
            window->close();
        } else if (QWidget *popup = QApplication::activePopupWidget()) {
            popup->close();
        }
    }

    std::function<int()> m_boxesOpen;
    QTimer m_timer;
};

// Calls back as each window comes on view, before anything else can happen
// to it.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(std::function<void(QWidget *)> shown)
        : m_shown(std::move(shown))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            m_shown(static_cast<QWidget *>(watched));
        return false;
    }

private:
    std::function<void(QWidget *)> m_shown;
};

class Monkey {
public:
    Monkey(std::vector<Action> actions, int progressFile, bool narrate)
        : m_actions(std::move(actions))
        , m_progressFile(progressFile)
        , m_narrate(narrate)
    {
        start();
    }

    // Runs the actions on a program fresh from its start; a program that ends
    // is followed by a new one. Returns the first failure, if any.
    std::optional<Failure> run()
    {
        try {
            check();
        } catch (const CheckFailed &failed) {
            return Failure{0, failed.kind, u"at the start: "_qs + failed.detail};
        }
        runActions(nullptr);
        return m_failure;
    }

    Reach reach() const
    {
        Reach reach{m_warnings, m_verdicts, {}};
        for (ScreenId id : AllScreens)
            reach.opened.push_back(m_opened[std::size_t(id)]);
        return reach;
    }

    // What the run went through, to show that it went far.
    QString summary() const
    {
        QStringList opened;
        for (ScreenId id : AllScreens)
            opened << u"%1 %2"_qs.arg(QString::fromLatin1(screenName(id))).arg(m_opened[std::size_t(id)]);
        return u"%1 program runs; screens opened: %2; %3 warnings, %4 verdicts, %5 boxes closed by an action"_qs
            .arg(m_programs)
            .arg(opened.join(u", "_qs))
            .arg(m_warnings)
            .arg(m_verdicts)
            .arg(m_boxesClosed);
    }

private:
    struct OpenBox {
        QMessageBox *box;
        std::size_t message; // its index in m_messages
    };

    struct ShownWithTexts {
        Message message;
        // What the entry screen's lists held when the box opened, and whether
        // they held the same when it closed.
        QStringList texts;
        bool fromEntryScreen = false;
        bool fromMainMenu = false; // its Help menu's boxes about the program and about Qt
        bool changedUnderTheBox = false;
    };

    // Performs the actions from the next one on, each followed by the checks
    // unless the next one comes at once. Inside a box's modal loop it goes on
    // until an action closes the box; a box still open when the actions run
    // out or a check fails is closed as its OK would close it.
    void runActions(QMessageBox *box)
    {
        while (!m_failure && m_next < m_actions.size()) {
            if (box && !box->isVisible()) {
                ++m_boxesClosed;
                return;
            }
            const std::size_t i = m_next++;
            if (m_progressFile >= 0)
                (void)pwrite(m_progressFile, &i, sizeof i, 0);
            const Action &action = m_actions[i];
            QString done;
            std::optional<CheckFailed> failed;
            try {
                m_answerer.arm();
                done = m_person.perform(action);
                m_answerer.disarm();
                if (!action.quick || m_next == m_actions.size())
                    check();
            } catch (const CheckFailed &check) {
                m_answerer.disarm();
                failed = check;
            }
            if (m_narrate)
                narrate(i, action, done);
            if (failed)
                m_failure = Failure{i, failed->kind, failed->detail};
        }
        if (box && box->isVisible())
            box->close();
    }

    void narrate(std::size_t i, const Action &action, const QString &done) const
    {
        QStringList onView;
        for (ScreenId id : m_program->visibleScreens())
            onView << m_program->window(id)->objectName();
        if (!m_boxes.empty())
            onView << u"a box"_qs;
        std::printf("monkey: %zu. %s%s  [on view: %s; %zu messages]\n", i + 1, qPrintable(done),
            action.quick ? ", and at once" : "", qPrintable(onView.join(u' ')), m_messages.size());
        std::fflush(stdout);
    }

    void start()
    {
        m_program.reset();
        settle();
        m_program = std::make_unique<Program>();
        m_person.setProgram(m_program.get());
        ++m_programs;
        // The main menu came on view as the program started.
        screenShown(m_program->window(MainMenu));
        m_messages.clear();
        m_messagesSeen = 0;
        setMessagePresenter([this](QWidget *owner, const Message &message) { present(owner, message); });
    }

    // The real modal box, in whose loop the next actions run.
    void present(QWidget *owner, const Message &message)
    {
        const QStringList texts = m_program->entryTexts();
        const bool fromMainMenu = owner && owner == m_program->window(MainMenu);
        m_messages.push_back({message, texts, !texts.isEmpty() && !fromMainMenu, fromMainMenu});
        const std::size_t index = m_messages.size() - 1;
        const std::unique_ptr<QMessageBox> box = createMessageBox(owner, message);
        m_boxes.push_back({box.get(), index});
        QTimer::singleShot(0, box.get(), [this, box = box.get()] { runActions(box); });
        box->exec();
        m_boxes.pop_back();
        m_messages[index].changedUnderTheBox = m_program->entryTexts() != texts;
    }

    // Everything that a click or key set going, done: queued calls, windows
    // going away, a program coming to its end. An access key clicks its
    // button a moment after the key; that is waited for too.
    static void settle()
    {
        const auto flush = [] {
            for (int i = 0; i < 3; ++i) {
                QCoreApplication::processEvents();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
        };
        flush();
        QElapsedTimer waited;
        waited.start();
        while (anyButtonDown() && waited.elapsed() < 5000) {
            QTest::qWait(5);
            flush();
        }
    }

    static bool anyButtonDown()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
                if (button->isDown())
                    return true;
            }
        }
        return false;
    }

    bool isOpenBox(const QWidget *window) const
    {
        return std::any_of(
            m_boxes.begin(), m_boxes.end(), [window](const OpenBox &open) { return open.box == window; });
    }

    void check()
    {
        settle();
        expect(m_answerer.modal.isEmpty(), "modal", u"a modal window waited on the person: "_qs + m_answerer.modal);
        expect(m_boxes.size() <= 1, "modal", u"a second box opened over the first"_qs);
        Program &program = *m_program;
        if (program.screens.hasEnded()) {
            expect(m_boxes.empty(), "end", u"the program ended under an open box"_qs);
            expect(program.ended.count() == 1 && program.ended.first().first().toInt() == 0, "end",
                u"the program ended with a failure or more than once"_qs);
            for (ScreenId id : AllScreens)
                expect(!program.isLoaded(id), "end", u"a screen is still loaded after the end"_qs);
            checkMessages();
            start();
            check();
            return;
        }
        checkMessages();

        const std::vector<ScreenId> visible = program.visibleScreens();
        QStringList names;
        for (ScreenId id : visible)
            names << program.window(id)->objectName();
        expect(
            visible.size() == 1, "one-screen", u"on view: "_qs + (names.isEmpty() ? u"nothing"_qs : names.join(u' ')));
        for (QWidget *window : QApplication::topLevelWidgets()) {
            const bool popup = window->windowType() == Qt::Popup || window->windowType() == Qt::ToolTip;
            expect(!window->isVisible() || popup || qobject_cast<ScreenWindow *>(window) || isOpenBox(window),
                "one-screen",
                u"a window that is no screen is on view: "_qs + QString::fromLatin1(window->metaObject()->className()));
        }
        expect(program.isLoaded(MainMenu), "menu-loaded", u"the main menu is no longer loaded"_qs);

        // The box's message belongs to the texts on screen as long as it is
        // open.
        if (!m_boxes.empty()) {
            const ShownWithTexts &shown = m_messages[m_boxes.back().message];
            expect(!shown.fromEntryScreen || m_program->entryTexts() == shown.texts, "verse",
                u"the lists changed under the box to "_qs + printable(m_program->entryTexts().join(u" | "_qs)));
        }

        checkNewScreens();
    }

    // A screen that comes on view shows its words. It is checked as it
    // opens: the next action may come before its checks.
    void screenShown(QWidget *window)
    {
        for (ScreenId id : AllScreens) {
            if (!m_program || m_program->window(id) != window)
                continue;
            ++m_opened[std::size_t(id)];
            try {
                checkWords(*m_program->window(id));
            } catch (const CheckFailed &failed) {
                if (!m_openedWrongly)
                    m_openedWrongly = failed;
            }
        }
    }

    void checkNewScreens()
    {
        if (m_openedWrongly)
            throw *m_openedWrongly;
    }

    // Every message is the warning or the verdict that the entry screen's
    // three texts call for; the program never reports a failure of its own.
    void checkMessages()
    {
        for (; m_messagesSeen < m_messages.size(); ++m_messagesSeen) {
            const ShownWithTexts &shown = m_messages[m_messagesSeen];
            const Message &message = shown.message;
            expect(message.icon != QMessageBox::Critical, "fatal", message.text);
            if (shown.fromMainMenu) {
                expect(AboutTitles.contains(message.title), "message", u"the main menu raised "_qs + message.title);
                ++m_abouts;
                continue;
            }
            expect(shown.fromEntryScreen, "message", u"a message with no entry screen: "_qs + message.title);
            expect(!shown.changedUnderTheBox, "verse", u"the lists changed while the box was open"_qs);
            const QStringList &texts = shown.texts;
            const Message expected = expectedBox(texts);
            ++(expected.icon == QMessageBox::Information ? m_verdicts : m_warnings);
            expect(message.title == expected.title && message.text == expected.text && message.icon == expected.icon,
                "message",
                u"for "_qs + printable(texts.join(u" | "_qs)) + u" the message was "_qs + message.title + u": "_qs
                    + printable(message.text.left(60)));
        }
    }

    std::vector<Action> m_actions;
    std::size_t m_next = 0;
    std::optional<Failure> m_failure;
    int m_progressFile;
    bool m_narrate;

    NestedLoopAnswerer m_answerer{[this] { return int(m_boxes.size()); }};
    Person m_person;
    std::unique_ptr<Program> m_program;
    int m_programs = 0;
    std::array<int, AllScreens.size()> m_opened{};
    int m_warnings = 0;
    int m_verdicts = 0;
    int m_abouts = 0;
    int m_boxesClosed = 0;
    std::vector<ShownWithTexts> m_messages;
    std::size_t m_messagesSeen = 0;
    std::vector<OpenBox> m_boxes;
    std::optional<CheckFailed> m_openedWrongly;
    ShowWatcher m_showWatcher{[this](QWidget *window) { screenShown(window); }};
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installProgramFonts();
        // Time must not change what an action does, so that a seed always
        // gives the same run: no double clicks made of two quick single
        // ones, no pop-up list that ignores a release that comes early.
        QApplication::setDoubleClickInterval(0);
        QApplication::setEffectEnabled(Qt::UI_AnimateMenu, false);
        QApplication::setEffectEnabled(Qt::UI_FadeMenu, false);
        QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    }
    void textsCoverWhatAPersonMightEnter();
    void actionsSurviveBeingWrittenOut();
    void monkey();
};

// The texts are the point of half the actions; make sure every kind comes up.
void TestMonkey::textsCoverWhatAPersonMightEnter()
{
    const QStringList items = listItems();
    bool thai = false, rightToLeft = false, control = false, loneMark = false, item = false, megabyte = false;
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        const QString text = randomText(seed, true);
        item = item || items.contains(text);
        megabyte = megabyte || text.size() >= (1 << 19);
        loneMark = loneMark || (!text.isEmpty() && text.front().category() == QChar::Mark_NonSpacing);
        for (const QChar c : text) {
            thai = thai || c.script() == QChar::Script_Thai;
            rightToLeft = rightToLeft || c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
            control = control || c.category() == QChar::Other_Control || c.isSurrogate();
        }
    }
    QVERIFY(thai);
    QVERIFY(rightToLeft);
    QVERIFY(control);
    QVERIFY(loneMark);
    QVERIFY(item);
    QVERIFY(megabyte);
}

void TestMonkey::actionsSurviveBeingWrittenOut()
{
    const std::vector<Action> actions = makeActions(42, 500);
    const std::vector<Action> read = deserialise(serialise(actions));
    QCOMPARE(read.size(), actions.size());
    for (std::size_t i = 0; i < actions.size(); ++i) {
        QCOMPARE(read[i].kind, actions[i].kind);
        QCOMPARE(read[i].which, actions[i].which);
        QCOMPARE(read[i].how, actions[i].how);
        QCOMPARE(read[i].text, actions[i].text);
        QCOMPARE(read[i].quick, actions[i].quick);
    }
    for (const auto &[kind, name] : KindNames)
        QVERIFY2(std::any_of(actions.begin(), actions.end(), [kind = kind](const Action &a) { return a.kind == kind; }),
            name);
    QVERIFY(std::any_of(actions.begin(), actions.end(), [](const Action &a) { return a.quick; }));
    // A list written before actions could come at once still reads.
    QCOMPARE(deserialise("access-key 1 2 3\n").front().quick, false);
}

void TestMonkey::monkey()
{
    const QByteArray replay = qgetenv("DUSET_MONKEY_REPLAY");
    if (!replay.isEmpty()) {
        // The child: run the list as it is.
        QFile file(QString::fromLocal8Bit(replay));
        QVERIFY2(file.open(QIODevice::ReadOnly), replay.constData());
        const QByteArray progressPath = qgetenv("DUSET_MONKEY_PROGRESS");
        const int progress = progressPath.isEmpty() ? -1 : ::open(progressPath.constData(), O_WRONLY | O_CREAT, 0600);
        Monkey monkey(deserialise(file.readAll()), progress, qgetenv("DUSET_MONKEY_NARRATE") != "0");
        const std::optional<Failure> failure = monkey.run();
        if (progress >= 0)
            ::close(progress);
        std::printf("monkey: summary: %s\n%s", qPrintable(monkey.summary()), reportReach(monkey.reach()).constData());
        std::fflush(stdout);
        if (failure) {
            std::printf("%s", reportFailure(*failure).constData());
            std::fflush(stdout);
            QFAIL("the program failed a check");
        }
        return;
    }

    const std::uint64_t seed = seedFromEnvironment();
    const std::size_t count = countFromEnvironment();
    qInfo("monkey: seed %llu, %zu actions", static_cast<unsigned long long>(seed), count);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const Runner runner(dir);
    const std::vector<Action> actions = makeActions(seed, count);
    const Outcome outcome = runner.run(actions, false);
    for (const QString &line : outcome.output.split(u'\n')) {
        if (line.startsWith(u"monkey: summary"_qs))
            qInfo("%s", qPrintable(line));
    }
    if (outcome.passed) {
        if (count < 1000)
            return;
        const Reach &reach = outcome.reach;
        QVERIFY2(reach.warnings > 0, "the run raised no warning");
        QVERIFY2(reach.verdicts > 0, "the run reached no verdict");
        QCOMPARE(reach.opened.size(), AllScreens.size());
        for (ScreenId id : AllScreens)
            QVERIFY2(reach.opened[std::size_t(id)] > 0, screenName(id).data());
        return;
    }

    dir.setAutoRemove(false);
    const Failure &first = outcome.failure;
    std::printf("monkey: seed %llu, %zu actions: failed after action %zu (counting from 0): %s: %s\n",
        static_cast<unsigned long long>(seed), count, first.action, qPrintable(first.kind), qPrintable(first.detail));
    std::printf("monkey: shrinking the list of actions...\n");
    std::fflush(stdout);
    std::vector<Action> shortest(actions.begin(), actions.begin() + qsizetype(std::min(count, first.action + 1)));
    const qint64 budget = qEnvironmentVariableIsSet("DUSET_MONKEY_SHRINK_SECONDS")
        ? qEnvironmentVariableIntValue("DUSET_MONKEY_SHRINK_SECONDS") * 1000ll
        : 300'000;
    shortest = runner.shrink(shortest, first.kind, budget);

    const Outcome last = runner.run(shortest, true);
    const QString kept = dir.filePath(u"shortest.txt"_qs);
    QFile file(kept);
    if (file.open(QIODevice::WriteOnly))
        file.write(serialise(shortest));
    std::printf("monkey: seed %llu: the shortest list found that still fails has %zu actions; run it again with\n"
                "    DUSET_MONKEY_REPLAY=%s %s monkey\n%s\n",
        static_cast<unsigned long long>(seed), shortest.size(), qPrintable(kept),
        qPrintable(QCoreApplication::applicationFilePath()), qPrintable(last.output));
    std::fflush(stdout);
    QFAIL(qPrintable(u"seed %1: %2: %3"_qs.arg(seed).arg(first.kind, first.detail.left(400))));
}

int main(int argc, char *argv[])
{
    // A long run takes more than QtTest's five minutes for one test; the
    // child process has a time limit of its own.
    if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", "604800000");
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestMonkey test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_monkey.moc"
