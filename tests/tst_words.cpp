// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every text the program shows, against the word file beside the tests, byte
// for byte; and the two copies of the verses, the boxes' and the verse
// pages', against each other.

#include "support.h"
#include "words.h"

#include "reckoning.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <stdexcept>

using namespace duset;
using namespace duset::testing;

namespace {

// What the file's keys begin with; a key that begins with none of them is
// a text nothing is compared with.
const QStringList Sections{u"Form1 "_qs, u"Form2 "_qs, u"Form3 "_qs, u"Form4 "_qs, u"Form5 "_qs, u"Form6 "_qs,
    u"Form7 "_qs, u"dates "_qs, u"Form8 "_qs, u"warning "_qs, u"verdict "_qs, u"verse "_qs, u"meaning "_qs,
    u"glossary "_qs, u"about "_qs, u"error "_qs};

// The date screen filled in as a person fills it in: between them, these
// show every text of the screen that its opening does not.
struct DateState {
    const char *name;
    const char16_t *day; // typed
    int month; // chosen, 1 for January; 0 for none
    const char16_t *year; // typed
    bool beforeDawn = false;
    const char *count = nullptr; // the option button chosen
    const char *refusedBy = nullptr; // the field that refuses a control character
};

const DateState DateStates[] = {
    {"17/1/1996 typed into the day, before dawn", u"17/1/1996", 0, u"", true},
    {"17 January 2539, the traditional count", u"17", 1, u"2539", false, "traditionalYear"},
    {"10 February 2482", u"10", 2, u"2482"},
    {"31 April 2566", u"31", 4, u"2566"},
    {"day 32", u"32", 0, u""},
    {"the start of a date", u"17/1/", 0, u""},
    {"a date whose year may go on", u"17/1/25", 0, u""},
    {"a year with a letter", u"", 0, u"25a3"},
    {"year 2700", u"", 0, u"2700"},
    {"a day refused", u"", 0, u"", false, nullptr, "dayField"},
    {"a year refused", u"", 0, u"", false, nullptr, "yearField"},
};

// Birth choices as places in the entry screen's three lists (counted from 0:
// Sunday first; January first, December last; the rat first), and the
// remainder they give. Weekdays count 1 from Sunday, months 1 from
// December, years 1 from the rat; a sum of 31 gives 1, one above 20 loses
// 20 and one above 10 loses 10.
struct Choice {
    int day;
    int month;
    int year;
    int remainder;
};

constexpr Choice Choices[] = {
    {6, 10, 11, 1}, // Saturday 7, November 12, pig 12: 31
    {0, 11, 9, 2}, // Sunday 1, December 1, rooster 10: 12
    {0, 11, 0, 3}, // Sunday 1, December 1, rat 1: 3
    {0, 11, 1, 4}, // Sunday 1, December 1, ox 2: 4
    {1, 0, 0, 5}, // Monday 2, January 2, rat 1: 5
    {3, 11, 0, 6}, // Wednesday 4, December 1, rat 1: 6
    {4, 11, 0, 7}, // Thursday 5, December 1, rat 1: 7
    {3, 0, 11, 8}, // Wednesday 4, January 2, pig 12: 18
    {5, 11, 1, 9}, // Friday 6, December 1, ox 2: 9
    {5, 9, 2, 10}, // Friday 6, October 11, tiger 3: 20
};

// The lists a warning is raised for, left empty, and its key in the file.
struct Missing {
    bool day;
    bool month;
    bool year;
    const char *key;
};

constexpr Missing Warnings[] = {
    {true, true, true, "warning without day, month, year"},
    {true, false, false, "warning without day"},
    {false, true, false, "warning without month"},
    {false, false, true, "warning without year"},
    {true, true, false, "warning without day, month"},
    {true, false, true, "warning without day, year"},
    {false, true, true, "warning without month, year"},
};

// Where the two copies of the verses part on purpose. A page row is a line
// of verse across a page, its left field and its right one; the rows count on
// from verse page 1 to verse page 2, so row r holds the r-th line of the
// verse table, remainder by remainder.
//
// Rows that do not begin a stanza have no spaces before their first word on
// a page; the boxes begin every line with five.
constexpr int RowsWithoutLeadingSpaces[] = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30};
// Spaces after a left field's last word, which the boxes do not keep.
struct Trailing {
    int row;
    int spaces;
};
constexpr Trailing TrailingSpaces[] = {{7, 2}, {19, 5}, {23, 1}};
// The end mark closes a stanza's last line in the boxes; on the pages only the
// very last field has it.
constexpr int RowsWithEndMarkOnlyInTheBoxes[] = {4, 6, 8, 10, 12, 14, 16, 26, 28};
// Words spelt otherwise in the boxes.
struct Spelling {
    int row;
    const char16_t *onPage;
    const char16_t *inBox;
};
constexpr Spelling Spellings[] = {{1, u"ชะตาใคร", u"ชะตะใคร"}};

// The verse fields of a page, row by row from the top, left before right.
std::vector<std::pair<QString, QString>> pageRows(const ScreenWindow &window)
{
    auto fields = window.surface()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
    std::sort(fields.begin(), fields.end(),
        [](const QLineEdit *a, const QLineEdit *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    std::vector<std::pair<QString, QString>> rows;
    for (qsizetype i = 0; i + 1 < fields.size(); i += 2) {
        if (fields[i]->y() != fields[i + 1]->y())
            return {};
        rows.emplace_back(fields[i]->text(), fields[i + 1]->text());
    }
    return fields.size() % 2 == 0 ? rows : std::vector<std::pair<QString, QString>>{};
}

template<std::size_t N> bool listed(const int (&rows)[N], int row)
{
    return std::find(std::begin(rows), std::end(rows), row) != std::end(rows);
}

} // namespace

class TestWords : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void fileIsInItsForm();
    void screenShowsItsWords_data() { addScreenRows(); }
    void screenShowsItsWords();
    void dateScreenShowsItsWordsAsItIsFilledIn_data();
    void dateScreenShowsItsWordsAsItIsFilledIn();
    void boxesShowTheirWords();
    void verseCopiesPartOnlyWhereTheyShould();
    void meaningScreenShowsEachVerseWithItsMeaning();
    void aChangedLetterIsFound_data();
    void aChangedLetterIsFound();
    void aTextMissingOrLeftOverIsFound();
};

void TestWords::fileIsInItsForm()
{
    const Words &words = programWords();
    QVERIFY2(words.faults.isEmpty(), qPrintable(words.faults.join(u'\n')));
    for (const auto &[key, lines] : words.entries) {
        QVERIFY2(
            std::any_of(Sections.begin(), Sections.end(), [&key = key](const QString &s) { return key.startsWith(s); }),
            qPrintable(key));
    }
}

void TestWords::screenShowsItsWords()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    const ScreenWindow *window = program.window(screen);
    QVERIFY(window);
    const QString prefix = window->objectName() + u' ';
    QVERIFY(Sections.contains(prefix));
    const QStringList found = differences(wordsShownBy(*window), programWords(), {prefix});
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestWords::dateScreenShowsItsWordsAsItIsFilledIn_data()
{
    QTest::addColumn<int>("state");
    for (int i = 0; i < int(std::size(DateStates)); ++i)
        QTest::newRow(DateStates[i].name) << i;
}

void TestWords::dateScreenShowsItsWordsAsItIsFilledIn()
{
    QFETCH(int, state);
    const DateState &date = DateStates[state];
    Program program;
    openScreen(program, DateScreen);
    const ScreenWindow &window = *program.window(DateScreen);
    const Words opening = wordsShownBy(window);
    typeText(program.control(DateScreen, "dayField"), QString::fromUtf16(date.day));
    if (date.month)
        program.control<QComboBox>(DateScreen, "monthList")->setCurrentIndex(date.month - 1);
    typeText(program.control(DateScreen, "yearField"), QString::fromUtf16(date.year));
    if (date.beforeDawn)
        program.control<QAbstractButton>(DateScreen, "beforeDawn")->click();
    if (date.count)
        program.control<QAbstractButton>(DateScreen, date.count)->click();
    if (date.refusedBy) {
        auto *field = program.control<QLineEdit>(DateScreen, date.refusedBy);
        field->setFocus();
        QGuiApplication::clipboard()->setText(u"\a"_qs);
        QTest::keySequence(field, QKeySequence::Paste);
        QCoreApplication::processEvents();
    }
    // What differs from the opening, under the state's name, but the fields,
    // which hold what the person typed, and the chosen month, an item of
    // its list.
    const QString prefix = u"dates %1: "_qs.arg(QLatin1String(date.name));
    Words shown;
    for (const auto &[key, lines] : wordsShownBy(window).entries) {
        if (key.startsWith(u"Form7 dayField"_qs) || key.startsWith(u"Form7 monthList"_qs)
            || key.startsWith(u"Form7 yearField"_qs))
            continue;
        if (!opening.find(key) || *opening.find(key) != lines)
            shown.add(prefix + key.mid(key.indexOf(u' ') + 1), lines);
    }
    const QStringList found = differences(shown, programWords(), {prefix});
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestWords::boxesShowTheirWords()
{
    Words shown;
    // A box's title, once for all boxes of its kind: a box with another one
    // shows under a key of its own, which the file does not have.
    const auto addTitle = [&shown](const QString &key, const QString &title, const QString &which) {
        if (!shown.find(key))
            shown.addText(key, title);
        else if (shown.text(key) != title)
            shown.addText(key + u" of "_qs + which, title);
    };
    Program program;
    openScreen(program, EntryScreen);
    const auto list = [&program](const char *name) { return program.control<QComboBox>(EntryScreen, name); };
    const auto predict = [&]() -> Message {
        program.messages.clear();
        program.click(EntryScreen, "Command1");
        return program.messages.size() == 1 ? program.messages.front().message : Message{u"(no box)"_qs, {}, {}};
    };
    const auto set = [](QComboBox *box, int index) {
        box->setCurrentIndex(index);
        if (index < 0)
            box->setEditText(QString());
    };
    for (const Choice &choice : Choices) {
        set(list("Combo1"), choice.day);
        set(list("Combo2"), choice.month);
        set(list("Combo3"), choice.year);
        const Message box = predict();
        const QString which = u"verse %1"_qs.arg(choice.remainder);
        addTitle(u"verdict title"_qs, box.title, which);
        QCOMPARE(box.icon, QMessageBox::Information);
        shown.addText(which, box.text);
    }
    for (const Missing &missing : Warnings) {
        set(list("Combo1"), missing.day ? -1 : 0);
        set(list("Combo2"), missing.month ? -1 : 0);
        set(list("Combo3"), missing.year ? -1 : 0);
        const Message box = predict();
        addTitle(u"warning title"_qs, box.title, QString::fromLatin1(missing.key));
        QCOMPARE(box.icon, QMessageBox::Warning);
        shown.addText(QString::fromLatin1(missing.key), box.text);
    }
    program.click(EntryScreen, "Command2");

    program.messages.clear();
    program.choose("about");
    QCOMPARE(program.messages.size(), std::size_t(1));
    shown.addText(u"about title"_qs, program.messages.front().message.title);
    shown.addText(u"about text"_qs, program.messages.front().message.text);

    // The box that ends the program after a failure: its fixed words, with
    // the failure where the file marks it.
    program.messages.clear();
    const QString failure = u"a failure the test raises"_qs;
    QTest::ignoreMessage(QtCriticalMsg, qPrintable(failure));
    program.screens.runHandler([&failure] { throw std::runtime_error(failure.toStdString()); });
    QCOMPARE(program.messages.size(), std::size_t(1));
    QString text = program.messages.front().message.text;
    QVERIFY(text.endsWith(failure));
    shown.addText(u"error text"_qs, text.replace(failure, u"⟪failure⟫"_qs));

    const QStringList found = differences(
        shown, programWords(), {u"warning "_qs, u"verdict "_qs, u"verse "_qs, u"about "_qs, u"error "_qs});
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void TestWords::verseCopiesPartOnlyWhereTheyShould()
{
    Program program;
    std::vector<std::pair<QString, QString>> rows;
    for (const ScreenId page : {VersePage1, VersePage2}) {
        openScreen(program, page);
        const std::vector<std::pair<QString, QString>> more = pageRows(*program.window(page));
        QVERIFY(!more.empty());
        rows.insert(rows.end(), more.begin(), more.end());
    }
    QStringList lines;
    for (const auto &verse : VerseTable)
        for (const std::u16string_view line : verse)
            lines << q(line);
    QCOMPARE(rows.size(), std::size_t(lines.size()));

    const QString gap(5, u' ');
    for (int row = 1; row <= int(rows.size()); ++row) {
        auto [left, right] = rows[std::size_t(row - 1)];
        const QString where = u"row %1: "_qs.arg(row);
        for (const Trailing &trailing : TrailingSpaces) {
            if (trailing.row != row)
                continue;
            QVERIFY2(left.endsWith(QString(trailing.spaces, u' ')), qPrintable(where + left));
            left.chop(trailing.spaces);
        }
        QString line = (listed(RowsWithoutLeadingSpaces, row) ? gap : QString()) + left + gap + right;
        for (const Spelling &spelling : Spellings) {
            if (spelling.row != row)
                continue;
            const QString onPage = QString::fromUtf16(spelling.onPage);
            QVERIFY2(line.count(onPage) == 1, qPrintable(where + line));
            line.replace(onPage, QString::fromUtf16(spelling.inBox));
        }
        if (listed(RowsWithEndMarkOnlyInTheBoxes, row))
            line += u'ฯ';
        QVERIFY2(line == lines[row - 1],
            qPrintable(where + u"\n  from the page: "_qs + escapedLine(line) + u"\n  in the box:    "_qs
                + escapedLine(lines[row - 1])));
    }
}

// The meaning screen, from one remainder to the next by the list's arrow key,
// shows each verse as the boxes give it and its meaning and glossary.
void TestWords::meaningScreenShowsEachVerseWithItsMeaning()
{
    Program program;
    ScreenWindow *window = openOnView(program, MeaningScreen);
    QVERIFY(window);
    QWidget *list = window->focusWidget();
    QVERIFY(qobject_cast<QComboBox *>(list));
    Words shown;
    for (int remainder = 1; remainder <= 10; ++remainder) {
        if (remainder > 1)
            QTest::keyClick(list, Qt::Key_Down);
        const Words now = wordsShownBy(*window);
        for (const QString &kind : {u"verse"_qs, u"meaning"_qs, u"glossary"_qs}) {
            const QString key = kind + u' ' + QString::number(remainder);
            const QStringList *lines = now.find(key);
            QVERIFY2(lines, qPrintable(key));
            shown.add(key, *lines);
        }
    }
    const QStringList found = differences(shown, programWords(), {u"meaning "_qs, u"glossary "_qs});
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// The file's reader and the comparison find a one-letter change anywhere in
// a text: at its start, inside, in a space, in a mark, in a list's item.
void TestWords::aChangedLetterIsFound_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<bool>("same");
    const QByteArray file = "# a note\n[X label]\n|  ชะตะ \\r|\n|line two|\n";
    QTest::newRow("the same") << file << u"  ชะตะ \r\r\nline two"_qs << true;
    QTest::newRow("a vowel") << file << u"  ชะตา \r\r\nline two"_qs << false;
    QTest::newRow("a decomposed am") << QByteArray("[X label]\n|ทำ|\n") << u"ท\u0E4D\u0E32"_qs << false;
    QTest::newRow("a leading space less") << file << u" ชะตะ \r\r\nline two"_qs << false;
    QTest::newRow("a trailing space more") << file << u"  ชะตะ \r\r\nline two "_qs << false;
    QTest::newRow("LF for CR LF") << file << u"  ชะตะ \r\nline two"_qs << false;
    QTest::newRow("a no-break space") << QByteArray("[X label]\n|a b|\n") << u"a\u00A0b"_qs << false;
    QTest::newRow("an escaped no-break space") << QByteArray("[X label]\n|a\\x{00A0}b|\n") << u"a\u00A0b"_qs << true;
}

void TestWords::aChangedLetterIsFound()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shownText);
    QFETCH(bool, same);
    const Words written = wordsFrom(file);
    QVERIFY2(written.faults.isEmpty(), qPrintable(written.faults.join(u'\n')));
    Words shown;
    shown.addText(u"X label"_qs, shownText);
    QCOMPARE(differences(shown, written, {u"X "_qs}).isEmpty(), same);
}

// A text the file lacks, and one the file has that nothing shows, are
// faults, as are keys written twice and lines out of the file's form; texts
// of other screens are not this screen's concern.
void TestWords::aTextMissingOrLeftOverIsFound()
{
    const Words written = wordsFrom("[X a]\n|one|\n[X b]\n|two|\n[Y c]\n|three|\n");
    Words shown;
    shown.addText(u"X a"_qs, u"one"_qs);
    QCOMPARE(differences(shown, written, {u"X "_qs}).size(), 1); // X b
    shown.addText(u"X b"_qs, u"two"_qs);
    QVERIFY(differences(shown, written, {u"X "_qs}).isEmpty());
    shown.addText(u"X d"_qs, u"four"_qs);
    QCOMPARE(differences(shown, written, {u"X "_qs}).size(), 1); // X d

    QCOMPARE(wordsFrom("[X a]\n|one|\n[X a]\n|one|\n").faults.size(), 1);
    QCOMPARE(wordsFrom("[X a]\none\n").faults.size(), 1);
    QCOMPARE(wordsFrom("[X a]\n|\\q|\n").faults.size(), 1);
    QCOMPARE(wordsFrom("[X a]\n|\xff|\n").faults.size(), 1);
}

QTEST_MAIN(TestWords)
#include "tst_words.moc"
