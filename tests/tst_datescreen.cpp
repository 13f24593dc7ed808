// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The birth-date screen as a person uses it: typing or pasting a date, what
// it comes to (the three items, the lunar date, the reckoning), choosing
// between the civil and the traditional count, the messages for dates that
// cannot be and for text the fields do not take, the keyboard, and the
// hand-over to the entry screen, where predict gives the verse.

#include "support.h"

#include "reckoning.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

using namespace duset;
using namespace duset::testing;

namespace {

// The date screen, opened from the main menu's Help menu.
class OpenDateScreen : public Program {
public:
    OpenDateScreen()
    {
        choose("dates");
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }

    ScreenWindow *window() const { return Program::window(DateScreen); }
    ScreenWindow *window(ScreenId id) const { return Program::window(id); }
    QLineEdit *day() const { return control<QLineEdit>(DateScreen, "dayField"); }
    QComboBox *month() const { return control<QComboBox>(DateScreen, "monthList"); }
    QLineEdit *year() const { return control<QLineEdit>(DateScreen, "yearField"); }
    QCheckBox *beforeDawn() const { return control<QCheckBox>(DateScreen, "beforeDawn"); }
    // 1: the civil count; 2: the traditional one.
    QRadioButton *option(int n) const
    {
        return control<QRadioButton>(DateScreen, n == 1 ? "civilYear" : "traditionalYear");
    }
    QAbstractButton *handOver() const { return control<QAbstractButton>(DateScreen, "handOver"); }
    QAbstractButton *back() const { return control<QAbstractButton>(DateScreen, "back"); }
    QLabel *label(const char *name) const { return control<QLabel>(DateScreen, name); }
    QString text(const char *name) const { return label(name)->text(); }
    // A line as a person sees it: empty while it is hidden.
    QString shown(const char *name) const { return label(name)->isVisible() ? text(name) : QString(); }
    QString status() const { return text("status"); }
    QStringList results() const { return {text("foundWeekday"), text("foundMonth"), text("foundYear")}; }
    // Everything the fields come to, but the line above the results, which
    // also says what a field refused.
    QStringList everythingFound() const
    {
        QStringList found = results();
        for (const char *line : {"lunarDate", "sum", "commonEraYear", "estimateNote", "countNote", "dawnNote"})
            found << shown(line);
        found << (option(1)->isVisible() ? option(1)->text() : QString())
              << (option(2)->isVisible() ? option(2)->text() : QString());
        return found;
    }

    // Types the day and the year and picks the month (1 to 12, 0 for none)
    // from the keyboard.
    void enter(const QString &dayText, int monthNumber, const QString &yearText) const
    {
        typeText(day(), dayText);
        month()->setFocus();
        for (int i = 0; i < monthNumber; ++i)
            QTest::keyClick(month(), Qt::Key_Down);
        typeText(year(), yearText);
    }
};

// How text reaches a field.
enum class Way { Typed, Pasted, FromAnInputMethod };

void put(QLineEdit *field, Way way, const QString &text)
{
    field->setFocus();
    switch (way) {
    case Way::Typed:
        typeText(field, text);
        break;
    case Way::Pasted:
        QGuiApplication::clipboard()->setText(text);
        QTest::keySequence(field, QKeySequence::Paste);
        break;
    case Way::FromAnInputMethod: {
        QInputMethodEvent event;
        event.setCommitString(text);
        QCoreApplication::sendEvent(field, &event);
        break;
    }
    }
}

QChar accessKey(const QString &caption)
{
    return caption.at(caption.indexOf(u'&') + 1);
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QStringList labelledBy(QObject *object)
{
    QStringList names;
    for (const auto &[label, relation] : accessible(object)->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

// What a fresh screen finds from the same field texts, the month and the
// hour of birth set as a program sets them: what the fields hold, whatever
// a person did to get there.
QStringList foundFromFields(const QString &day, int monthIndex, const QString &year, bool beforeDawn, int option)
{
    OpenDateScreen fresh;
    fresh.day()->setText(day);
    fresh.month()->setCurrentIndex(monthIndex);
    fresh.year()->setText(year);
    fresh.beforeDawn()->setChecked(beforeDawn);
    if (option && fresh.option(option)->isVisible())
        fresh.option(option)->click();
    return fresh.everythingFound();
}

const QString Choose = u"(เลือกด้านล่าง)"_qs;
const QString Refused = u"ช่องนี้ไม่รับที่ใส่: "_qs;

} // namespace

Q_DECLARE_METATYPE(Way)

class TestDateScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void typingShowsWhatTheDateComesTo_data();
    void typingShowsWhatTheDateComesTo();
    void earlyYearsWarnOfTheOldNewYear();
    void beforeTheCalendarsTableTheDateIsAnEstimate_data();
    void beforeTheCalendarsTableTheDateIsAnEstimate();
    void aWholeDateFillsTheFields_data();
    void aWholeDateFillsTheFields();
    void aTwoDigitYearThatMayGoOnWaitsForEnter();
    void whatTheFieldsRefuseLeavesTheirResults_data();
    void whatTheFieldsRefuseLeavesTheirResults();
    void titleCaptionAndMenuNameTheScreenAlike();
    void badDatesAreSaidOnTheScreen_data();
    void badDatesAreSaidOnTheScreen();
    void whereTheCountsPartThePersonChooses();
    void handOverGivesTheVerseOfTheSum_data();
    void handOverGivesTheVerseOfTheSum();
    void theMeaningOpensAtTheRemainderOfTheSum();
    void tabReadsTheScreenTopToBottom();
    void accessKeys();
    void fieldsKeepTheirNamesForScreenReaders();
    void returnChangesNothingWhereItCameFrom();
};

void TestDateScreen::typingShowsWhatTheDateComesTo_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<int>("option"); // 0 where the counts agree, 1 the civil, 2 the traditional
    QTest::addColumn<QStringList>("results"); // weekday, month, year
    QTest::addColumn<QString>("lunar");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("otherEra");
    // The lunar dates are counted from the calendar's table of year kinds:
    // 11 September 2001 is the 24th day of the tenth lunar month.
    QTest::newRow("11 September 2001") << u"11"_qs << 9 << u"2544"_qs << false << 0
                                       << QStringList{u"วันอังคาร"_qs, u"เดือนกันยายน"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs}
                                       << u"วันอังคาร แรม ๙ ค่ำ เดือน ๑๐ ปีมะเส็ง"_qs
                                       << u"วันอังคาร ๓ + เดือนกันยายน ๑๐ + ปีมะเส็ง ๖ = ๑๙ → เศษ ๙"_qs << u"ค.ศ. 2001"_qs;
    QTest::newRow("20 July 1969, in ๘๘, which counts as the eighth")
        << u"20"_qs << 7 << u"2512"_qs << false << 0 << QStringList{u"วันอาทิตย์"_qs, u"เดือนกรกฎาคม"_qs, u"ปีระกา (ไก่)"_qs}
        << u"วันอาทิตย์ ขึ้น ๗ ค่ำ เดือน ๘๘ ปีระกา"_qs << u"วันอาทิตย์ ๑ + เดือนกรกฎาคม ๘ + ปีระกา ๑๐ = ๑๙ → เศษ ๙"_qs
        << u"ค.ศ. 1969"_qs;
    // 1 January 2000 is in เดือนอ้าย and before the fifth month: both the
    // month and the animal part.
    QTest::newRow("1 January 2000, the traditional count")
        << u"1"_qs << 1 << u"2543"_qs << false << 2
        << QStringList{u"วันเสาร์"_qs, u"เดือนธันวาคม(เดือนอ้าย)"_qs, u"ปีเถาะ (กระต่าย)"_qs}
        << u"วันเสาร์ แรม ๑๐ ค่ำ เดือนอ้าย ปีเถาะ"_qs << u"วันเสาร์ ๗ + เดือนอ้าย ๑ + ปีเถาะ ๔ = ๑๒ → เศษ ๒"_qs << u"ค.ศ. 2000"_qs;
    QTest::newRow("1 January 2000, the civil count")
        << u"1"_qs << 1 << u"2543"_qs << false << 1
        << QStringList{u"วันเสาร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะโรง (งูใหญ่)"_qs}
        << u"วันเสาร์ แรม ๑๐ ค่ำ เดือนอ้าย ปีเถาะ"_qs << u"วันเสาร์ ๗ + เดือนยี่ ๒ + ปีมะโรง ๕ = ๑๔ → เศษ ๔"_qs << u"ค.ศ. 2000"_qs;
    // 31 December 2019 is in เดือนยี่; the animals agree.
    QTest::newRow("31 December 2019, the traditional count")
        << u"31"_qs << 12 << u"2562"_qs << false << 2
        << QStringList{u"วันอังคาร"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีกุน (หมู)"_qs} << u"วันอังคาร ขึ้น ๖ ค่ำ เดือนยี่ ปีกุน"_qs
        << u"วันอังคาร ๓ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๗ → เศษ ๗"_qs << u"ค.ศ. 2019"_qs;
    QTest::newRow("31 December 2019, the civil count")
        << u"31"_qs << 12 << u"2562"_qs << false << 1
        << QStringList{u"วันอังคาร"_qs, u"เดือนธันวาคม(เดือนอ้าย)"_qs, u"ปีกุน (หมู)"_qs} << u"วันอังคาร ขึ้น ๖ ค่ำ เดือนยี่ ปีกุน"_qs
        << u"วันอังคาร ๓ + เดือนอ้าย ๑ + ปีกุน ๑๒ = ๑๖ → เศษ ๖"_qs << u"ค.ศ. 2019"_qs;
    QTest::newRow("in Thai digits") << u"๑๕"_qs << 1 << u"๒๕๓๓"_qs << false << 2
                                    << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs}
                                    << u"วันจันทร์ แรม ๕ ค่ำ เดือนยี่ ปีมะเส็ง"_qs
                                    << u"วันจันทร์ ๒ + เดือนยี่ ๒ + ปีมะเส็ง ๖ = ๑๐ → เศษ ๑๐"_qs << u"ค.ศ. 1990"_qs;
    QTest::newRow("a year of the Christian era")
        << u"17"_qs << 1 << u"1996"_qs << false << 2 << QStringList{u"วันพุธ"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีกุน (หมู)"_qs}
        << u"วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน"_qs << u"วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘"_qs
        << u"ปี ค.ศ. 1996 คือ พ.ศ. 2539"_qs;
    // Before dawn every item is that of the day before, 30 April.
    QTest::newRow("before dawn on Wednesday 1 May 2024")
        << u"1"_qs << 5 << u"2567"_qs << true << 0 << QStringList{u"วันอังคาร"_qs, u"เดือนเมษายน"_qs, u"ปีมะโรง (งูใหญ่)"_qs}
        << u"วันอังคาร แรม ๗ ค่ำ เดือน ๕ ปีมะโรง"_qs << u"วันอังคาร ๓ + เดือนเมษายน ๕ + ปีมะโรง ๕ = ๑๓ → เศษ ๓"_qs
        << u"ค.ศ. 2024"_qs;
}

void TestDateScreen::typingShowsWhatTheDateComesTo()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, beforeDawn);
    QFETCH(int, option);
    QFETCH(QStringList, results);
    QFETCH(QString, lunar);
    QFETCH(QString, sum);
    QFETCH(QString, otherEra);
    OpenDateScreen screen;
    screen.enter(day, month, year.left(3));
    // Nothing until the date is whole.
    QCOMPARE(screen.results(), QStringList(3));
    QCOMPARE(screen.text("lunarDate"), QString());
    QCOMPARE(screen.text("sum"), QString());
    typeText(screen.year(), year.mid(3));
    if (beforeDawn)
        QTest::mouseClick(screen.beforeDawn(), Qt::LeftButton, {}, QPoint(5, screen.beforeDawn()->height() / 2));
    QCOMPARE(screen.beforeDawn()->isChecked(), beforeDawn);
    QCOMPARE(screen.option(1)->isVisible(), option != 0);
    QCOMPARE(screen.option(2)->isVisible(), option != 0);
    if (option) {
        // Nothing is reckoned until the person chooses a count.
        QVERIFY(screen.results().contains(Choose));
        QCOMPARE(screen.text("sum"), QString());
        screen.option(option)->click();
    }
    QCOMPARE(screen.results(), results);
    QCOMPARE(screen.text("lunarDate"), lunar);
    QCOMPARE(screen.text("sum"), sum);
    QCOMPARE(screen.shown("commonEraYear"), otherEra);
    QCOMPARE(screen.status(), u"ครบแล้ว: กดปุ่ม นำไปทำนาย"_qs);
    // The day counted, for a birth before dawn.
    QCOMPARE(screen.text("dawnNote"),
        beforeDawn ? u"นับแบบไทย วันใหม่เริ่มตอนรุ่งเช้า: นับเป็นวันที่ 30 เมษายน 2567"_qs
                   : u"นับแบบไทย วันใหม่เริ่มตอนรุ่งเช้า: เกิดก่อน 06:00 นับเป็นวันก่อนหน้า"_qs);
    QVERIFY(!screen.label("estimateNote")->isVisible());
    QVERIFY(screen.messages.empty());
}

void TestDateScreen::earlyYearsWarnOfTheOldNewYear()
{
    // Until 2484 the year changed on 1 April: 10 February 2482 as written
    // then was 10 February 1940, which this count calls 2483. The line says
    // which Christian-era year is counted.
    OpenDateScreen screen;
    screen.enter(u"10"_qs, 2, u"2482"_qs);
    QCOMPARE(screen.shown("commonEraYear"), u"ค.ศ. 1939"_qs);
    QCOMPARE(screen.status(), u"ก่อน พ.ศ. 2484 ปีใหม่เริ่ม 1 เมษายน: ตรวจว่า ค.ศ. 1939 ตรงกับปีที่เกิด"_qs);
    screen.month()->setCurrentIndex(3); // from April on, both counts agree
    QVERIFY(!screen.status().contains(u"2484"));
    screen.month()->setCurrentIndex(1);
    // A year of the Christian era needs no check.
    screen.year()->clear();
    typeText(screen.year(), u"1939"_qs);
    QVERIFY(!screen.status().contains(u"2484"));
    screen.year()->clear();
    typeText(screen.year(), u"2484"_qs);
    QVERIFY(!screen.status().contains(u"2484"));
}

void TestDateScreen::beforeTheCalendarsTableTheDateIsAnEstimate_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<bool>("estimate");
    // The table begins with the lunar year that opened on 28 November 1913.
    QTest::newRow("1 January 1857") << u"1"_qs << 1 << u"2400"_qs << false << true;
    QTest::newRow("28 November 1913 before dawn") << u"28"_qs << 11 << u"2456"_qs << true << true;
    QTest::newRow("28 November 1913") << u"28"_qs << 11 << u"2456"_qs << false << false;
}

void TestDateScreen::beforeTheCalendarsTableTheDateIsAnEstimate()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, beforeDawn);
    QFETCH(bool, estimate);
    OpenDateScreen screen;
    QVERIFY(!screen.label("estimateNote")->isVisible());
    screen.enter(day, month, year);
    if (beforeDawn)
        screen.beforeDawn()->click();
    QVERIFY(!screen.text("lunarDate").isEmpty());
    QCOMPARE(screen.shown("estimateNote"), estimate ? u"ก่อน พ.ศ. 2457 วันทางจันทรคติเป็นเพียงค่าประมาณ"_qs : QString());
    screen.year()->clear();
    QVERIFY(!screen.label("estimateNote")->isVisible());
}

void TestDateScreen::aWholeDateFillsTheFields_data()
{
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QStringList>("fields"); // day, month, year
    const QString january = u"เดือนมกราคม(เดือนยี่)"_qs;
    const QStringList fields{u"17"_qs, january, u"2539"_qs};
    QTest::newRow("typed with slashes") << Way::Typed << u"17/1/2539"_qs << fields;
    QTest::newRow("pasted with dashes") << Way::Pasted << u"17-01-2539"_qs << fields;
    QTest::newRow("the short month, from an input method") << Way::FromAnInputMethod << u"17 ม.ค. 2539"_qs << fields;
    QTest::newRow("the month's name, typed") << Way::Typed << u"17 มกราคม 2539"_qs << fields;
    QTest::newRow("Thai digits, pasted") << Way::Pasted << u"๑๗ ม.ค. ๒๕๓๙"_qs
                                         << QStringList{u"๑๗"_qs, january, u"๒๕๓๙"_qs};
    QTest::newRow("a two-digit year, typed") << Way::Typed << u"17/1/39"_qs << fields;
    QTest::newRow("a Christian-era year, pasted")
        << Way::Pasted << u"17/1/1996"_qs << QStringList{u"17"_qs, january, u"1996"_qs};
}

void TestDateScreen::aWholeDateFillsTheFields()
{
    QFETCH(Way, way);
    QFETCH(QString, date);
    QFETCH(QStringList, fields);
    OpenDateScreen screen;
    // Whatever the fields held before.
    screen.enter(u"3"_qs, 5, u"2500"_qs);
    screen.day()->clear();
    put(screen.day(), way, date);
    QCOMPARE((QStringList{screen.day()->text(), screen.month()->currentText(), screen.year()->text()}), fields);
    QCOMPARE(screen.results()[0], u"วันพุธ"_qs);
    QCOMPARE(screen.text("lunarDate"), u"วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน"_qs);
    QCOMPARE(screen.day()->hasFocus(), true);
    QVERIFY(screen.messages.empty());
}

void TestDateScreen::aTwoDigitYearThatMayGoOnWaitsForEnter()
{
    // "25" may be 2525 or the start of 2539: typing goes on, or Enter reads it.
    OpenDateScreen screen;
    typeText(screen.day(), u"17/1/25"_qs);
    QCOMPARE(screen.status(), u"กด Enter เพื่ออ่านเป็นวันที่ 17 มกราคม 2525 หรือพิมพ์ปีต่อ"_qs);
    QCOMPARE(screen.results(), QStringList(3));
    typeText(screen.day(), u"39"_qs);
    QCOMPARE(screen.year()->text(), u"2539"_qs);
    screen.day()->clear();
    typeText(screen.day(), u"17/1/25"_qs);
    QTest::keyClick(screen.day(), Qt::Key_Return);
    QCOMPARE((QStringList{screen.day()->text(), screen.month()->currentText(), screen.year()->text()}),
        (QStringList{u"17"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"2525"_qs}));
    // Leaving the field reads it as well.
    screen.day()->clear();
    typeText(screen.day(), u"5 ก.พ. 20"_qs);
    QTest::keyClick(screen.day(), Qt::Key_Tab);
    QCOMPARE((QStringList{screen.day()->text(), screen.month()->currentText(), screen.year()->text()}),
        (QStringList{u"5"_qs, u"เดือนกุมภาพันธ์"_qs, u"2520"_qs}));
    QCOMPARE(screen.results()[0], u"วันเสาร์"_qs); // 5 February 1977
}

void TestDateScreen::whatTheFieldsRefuseLeavesTheirResults_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("clearFirst"); // the field emptied before the text comes
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept"); // what the field holds afterwards
    QTest::addColumn<bool>("refused");
    // Each after 17 January 2539 with the traditional count chosen.
    // More than the field reads is refused, not cut.
    QTest::newRow("a fifth digit of the year")
        << u"yearField"_qs << false << Way::Typed << u"0"_qs << u"2539"_qs << true;
    QTest::newRow("a year and a tab, pasted into the empty year")
        << u"yearField"_qs << true << Way::Pasted << u"2539\t"_qs << QString() << true;
    QTest::newRow("a year and a line feed")
        << u"yearField"_qs << true << Way::Pasted << u"2540\n"_qs << QString() << true;
    QTest::newRow("a whole date and a bell, into the day")
        << u"dayField"_qs << false << Way::Pasted << u"/1/2540\a"_qs << u"17"_qs << true;
    QTest::newRow("more than the day field takes")
        << u"dayField"_qs << false << Way::Pasted << QString(40, u' ') + u"9"_qs << u"17"_qs << true;
    QTest::newRow("a NUL in the year") << u"yearField"_qs << true << Way::Pasted << u"25"_qs + QChar(0) + u"39"_qs
                                       << QString() << true;
    QTest::newRow("a C1 control") << u"yearField"_qs << true << Way::Pasted << u"25\u008539"_qs << QString() << true;
    QTest::newRow("an escape from an input method")
        << u"yearField"_qs << true << Way::FromAnInputMethod << QChar(0x1b) + u"2539"_qs << QString() << true;
    QTest::newRow("a zero-width space") << u"yearField"_qs << true << Way::Pasted << u"2539\u200b"_qs << QString()
                                        << true;
    QTest::newRow("half of a character") << u"dayField"_qs << true << Way::Pasted << QString(QChar(0xD835)) << QString()
                                         << true;
    QTest::newRow("the other half") << u"dayField"_qs << true << Way::Pasted << u"1"_qs + QChar(0xDFDF) << QString()
                                    << true;
    QTest::newRow("halves in the wrong order") << u"yearField"_qs << true << Way::FromAnInputMethod
                                               << QString(QChar(0xDFDF)) + QChar(0xD835) << QString() << true;
    // The spaces around a number are not read and do not count towards the
    // year's four digits.
    QTest::newRow("a year pasted between spaces")
        << u"yearField"_qs << true << Way::Pasted << u"  2539 "_qs << u"  2539 "_qs << false;
    // No field holds more than a field of Qt's does, spaces and all: a year
    // after that many spaces is refused whole, not cut to lose its digits.
    QTest::newRow("a year after as many spaces as a field holds")
        << u"yearField"_qs << true << Way::Pasted << QString(32763, u' ') + u"2539"_qs
        << QString(32763, u' ') + u"2539"_qs << false;
    QTest::newRow("a year after more spaces than a field holds")
        << u"yearField"_qs << true << Way::Pasted << QString(32764, u' ') + u"2539"_qs << QString() << true;
    QTest::newRow("a day in Thai digits, pasted")
        << u"dayField"_qs << true << Way::Pasted << u"๑๗ "_qs << u"๑๗ "_qs << false;
    // Figures that are not the digits 0 to 9 or ๐ to ๙ are kept and said to
    // be no number, as letters are; a character of another plane is one
    // character, whole.
    QTest::newRow("circled digits") << u"dayField"_qs << true << Way::Typed << u"①②"_qs << u"①②"_qs << false;
    QTest::newRow("raised digits in the year")
        << u"yearField"_qs << true << Way::Typed << u"²⁵³⁹"_qs << u"²⁵³⁹"_qs << false;
    QTest::newRow("full-width digits") << u"yearField"_qs << true << Way::Pasted << u"２５３９"_qs << u"２５３９"_qs
                                       << false;
    QTest::newRow("Arabic-Indic digits") << u"yearField"_qs << true << Way::Pasted << u"٢٥٣٩"_qs << u"٢٥٣٩"_qs << false;
    QTest::newRow("Lao digits") << u"dayField"_qs << true << Way::Pasted << u"໑໗"_qs << u"໑໗"_qs << false;
    QTest::newRow("a digit of another plane") << u"dayField"_qs << true << Way::Pasted << u"1𝟟"_qs << u"1𝟟"_qs << false;
    QTest::newRow("a third digit of the day") << u"dayField"_qs << false << Way::Typed << u"3"_qs << u"173"_qs << false;
}

void TestDateScreen::whatTheFieldsRefuseLeavesTheirResults()
{
    QFETCH(QString, field);
    QFETCH(bool, clearFirst);
    QFETCH(Way, way);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(bool, refused);
    QStringList found;
    QStringList fields;
    int option = 0;
    {
        OpenDateScreen screen;
        screen.enter(u"17"_qs, 1, u"2539"_qs);
        screen.option(2)->click();
        auto *target = screen.control<QLineEdit>(DateScreen, field.toStdString());
        if (clearFirst)
            target->clear();
        put(target, way, text);
        QCoreApplication::processEvents();
        QCOMPARE(target->text(), kept);
        QCOMPARE(screen.status().startsWith(Refused), refused);
        found = screen.everythingFound();
        fields = {screen.day()->text(), screen.year()->text()};
        // An emptied field and a new date ask for the count afresh.
        option = screen.option(2)->isChecked() ? 2 : 0;
        // The hand-over takes what the screen shows, or leads to the field to mend.
        screen.click(DateScreen, "handOver");
        QCoreApplication::processEvents();
        if (found[0].isEmpty() || found.mid(0, 3).contains(Choose)) {
            QCOMPARE(screen.visibleScreens(), std::vector{DateScreen});
            QVERIFY(screen.messages.empty());
        } else {
            QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
            QStringList entered;
            for (const char *list : {"Combo1", "Combo2", "Combo3"})
                entered << screen.control<QComboBox>(EntryScreen, list)->currentText();
            QCOMPARE(entered, found.mid(0, 3));
        }
    }
    // What the screen shows is what its fields hold.
    QCOMPARE(found, foundFromFields(fields[0], 0, fields[1], false, option));
}

void TestDateScreen::titleCaptionAndMenuNameTheScreenAlike()
{
    OpenDateScreen screen;
    const QString title = screen.text("title");
    QCOMPARE(screen.window()->windowTitle(), title);
    QString entry = screen.window(MainMenu)->menuEntry("dates")->text();
    entry.remove(u'&');
    QCOMPARE(entry, title + u'…');
}

void TestDateScreen::badDatesAreSaidOnTheScreen_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("fieldToMend");
    const QString range = u"รับเฉพาะปี พ.ศ. 2400 ถึง 2600 หรือ ค.ศ. 1857 ถึง 2057"_qs;
    const QString prompt = u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด"_qs;
    const QString noDay = u"ใส่วันที่ 1 ถึง 31 หรือทั้งวันที่ เช่น 17/1/2539"_qs;
    QTest::newRow("31 April") << u"31"_qs << 4 << u"2566"_qs << u"ไม่มีวันที่ 31 ในเดือนเมษายน ปี พ.ศ. 2566"_qs
                              << u"dayField"_qs;
    QTest::newRow("29 February 1900, a Christian-era year")
        << u"29"_qs << 2 << u"1900"_qs << u"ไม่มีวันที่ 29 ในเดือนกุมภาพันธ์ ปี พ.ศ. 2443"_qs << u"dayField"_qs;
    QTest::newRow("day 32") << u"32"_qs << 1 << u"2566"_qs << noDay << u"dayField"_qs;
    QTest::newRow("day in words") << u"ห้า"_qs << 1 << u"2566"_qs << noDay << u"dayField"_qs;
    QTest::newRow("the start of a whole date")
        << u"17/1/"_qs << 0 << QString() << u"พิมพ์ต่อให้ครบทั้งวัน เดือน ปี เช่น 17/1/2539 หรือ 17 ม.ค. 2539"_qs
        << u"dayField"_qs;
    QTest::newRow("year 2399") << u"1"_qs << 1 << u"2399"_qs << range << u"yearField"_qs;
    QTest::newRow("year 2058") << u"1"_qs << 1 << u"2058"_qs << range << u"yearField"_qs;
    QTest::newRow("year with a letter") << u"1"_qs << 1 << u"25a3"_qs << u"ปีเกิดต้องเป็นตัวเลข พ.ศ. เช่น 2530"_qs
                                        << u"yearField"_qs;
    QTest::newRow("no month") << u"1"_qs << 0 << u"2566"_qs << prompt << u"monthList"_qs;
    QTest::newRow("a short year") << u"1"_qs << 1 << u"256"_qs << prompt << u"yearField"_qs;
    QTest::newRow("nothing") << QString() << 0 << QString() << prompt << u"dayField"_qs;
}

void TestDateScreen::badDatesAreSaidOnTheScreen()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(QString, status);
    QFETCH(QString, fieldToMend);
    OpenDateScreen screen;
    screen.enter(day, month, year);
    QCOMPARE(screen.status(), status);
    QCOMPARE(screen.results(), QStringList(3));
    QVERIFY(!screen.option(1)->isVisible() && !screen.option(2)->isVisible());
    // The hand-over and the meaning stay on the screen and lead to the field
    // to mend; no box interrupts.
    for (const char *button : {"handOver", "meaning"}) {
        screen.click(DateScreen, button);
        QCoreApplication::processEvents();
        QCOMPARE(screen.visibleScreens(), std::vector{DateScreen});
        QCOMPARE(screen.window()->focusWidget(), screen.control(DateScreen, fieldToMend.toStdString()));
    }
    QVERIFY(screen.messages.empty());
}

void TestDateScreen::whereTheCountsPartThePersonChooses()
{
    OpenDateScreen screen;
    // 15 January 1990, before the fifth lunar month opened on 26 March; the
    // lunar month is เดือนยี่, as the civil one.
    screen.enter(u"15"_qs, 1, u"2533"_qs);
    QCOMPARE(screen.option(1)->text(), u"นับแบบ&สากล: เดือนมกราคม(เดือนยี่) ปีมะเมีย (ม้า)"_qs);
    QCOMPARE(screen.option(2)->text(), u"นับแบบไ&ทย ตามจันทรคติ: เดือนมกราคม(เดือนยี่) ปีมะเส็ง (งูเล็ก)"_qs);
    QCOMPARE(screen.shown("countNote"), u"แบบไทยนับเดือนตามจันทรคติ และเปลี่ยนปีนักษัตรวันขึ้น 1 ค่ำ เดือน 5 (26 มีนาคม)"_qs);
    QCOMPARE(screen.shown("certificateNote"), u"ถ้าสูติบัตรระบุปีนักษัตรไว้ ให้เลือกตามสูติบัตร"_qs);
    QCOMPARE(screen.status(), u"นับได้สองแบบ: เลือกแบบสากลหรือแบบไทยด้านล่าง"_qs);
    QCOMPARE(screen.results(), (QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, Choose}));
    // Unchosen, the hand-over leads to the choice.
    screen.click(DateScreen, "handOver");
    QCOMPARE(screen.visibleScreens(), std::vector{DateScreen});
    QCOMPARE(screen.window()->focusWidget(), screen.option(1));

    QTest::mouseClick(screen.option(2), Qt::LeftButton, {}, QPoint(5, screen.option(2)->height() / 2));
    QCOMPARE(screen.results()[2], u"ปีมะเส็ง (งูเล็ก)"_qs);
    QTest::mouseClick(screen.option(1), Qt::LeftButton, {}, QPoint(5, screen.option(1)->height() / 2));
    QCOMPARE(screen.results()[2], u"ปีมะเมีย (ม้า)"_qs);
    QVERIFY(!screen.option(2)->isChecked());
    // The hour of birth moves the weekday, not the pair, so the choice stays.
    screen.beforeDawn()->click();
    QCOMPARE(screen.results(), (QStringList{u"วันอาทิตย์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเมีย (ม้า)"_qs}));
    // Another year is another pair, to be chosen afresh.
    screen.year()->clear();
    typeText(screen.year(), u"2534"_qs);
    QVERIFY(!screen.option(1)->isChecked() && !screen.option(2)->isChecked());
    QCOMPARE(screen.results()[2], Choose);
    // 15 May 1991 before dawn, 14 May, opened the seventh lunar month: only
    // the months part, and no birth certificate decides it.
    screen.month()->setCurrentIndex(4);
    QCOMPARE(screen.results(), (QStringList{u"วันอังคาร"_qs, Choose, u"ปีมะแม (แพะ)"_qs}));
    QCOMPARE(screen.shown("certificateNote"), QString());
    screen.option(2)->click();
    QCOMPARE(screen.results()[1], u"เดือนมิถุนายน"_qs);
    // 10 April 1991 before dawn, 9 April, in the fifth: one count.
    screen.day()->clear();
    typeText(screen.day(), u"10"_qs);
    screen.month()->setCurrentIndex(3);
    QVERIFY(!screen.option(1)->isVisible() && !screen.option(2)->isVisible());
    QCOMPARE(screen.results(), (QStringList{u"วันอังคาร"_qs, u"เดือนเมษายน"_qs, u"ปีมะแม (แพะ)"_qs}));
}

void TestDateScreen::handOverGivesTheVerseOfTheSum_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("option"); // 0 where the counts agree
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("remainder");
    QTest::newRow("15 January 1990, the traditional count")
        << u"15"_qs << 1 << u"2533"_qs << 2 << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs}
        << 10;
    QTest::newRow("15 January 1990, the civil count")
        << u"15"_qs << 1 << u"2533"_qs << 1 << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเมีย (ม้า)"_qs}
        << 1;
    QTest::newRow("1 August 2023, ๘๘, the traditional count")
        << u"1"_qs << 8 << u"2566"_qs << 2 << QStringList{u"วันอังคาร"_qs, u"เดือนกรกฎาคม"_qs, u"ปีเถาะ (กระต่าย)"_qs} << 5;
    QTest::newRow("31 December 2057, the civil count")
        << u"31"_qs << 12 << u"2600"_qs << 1 << QStringList{u"วันจันทร์"_qs, u"เดือนธันวาคม(เดือนอ้าย)"_qs, u"ปีฉลู (วัว)"_qs}
        << 5;
}

void TestDateScreen::handOverGivesTheVerseOfTheSum()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(int, option);
    QFETCH(QStringList, items);
    QFETCH(int, remainder);
    OpenDateScreen screen;
    screen.enter(day, month, year);
    if (option)
        screen.option(option)->click();
    QVERIFY(screen.text("sum").endsWith(u"→ เศษ "_qs + q(VerseTable[remainder - 1][0]).section(u' ', 6, 6)));
    screen.click(DateScreen, "handOver");
    QCoreApplication::processEvents();
    QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
    QVERIFY(!screen.isLoaded(DateScreen));
    QStringList entered;
    for (const char *list : {"Combo1", "Combo2", "Combo3"})
        entered << screen.control<QComboBox>(EntryScreen, list)->currentText();
    QCOMPARE(entered, items);
    QVERIFY(QTest::qWaitForWindowActive(screen.window(EntryScreen)));
    QCOMPARE(QApplication::focusWidget(), screen.control(EntryScreen, "Command1"));
    // Predict, with Enter on the focused button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(screen.messages.size(), std::size_t(1));
    QVERIFY(screen.messages.front().message.text.startsWith(q(VerseTable[remainder - 1][0])));
}

void TestDateScreen::theMeaningOpensAtTheRemainderOfTheSum()
{
    OpenDateScreen screen;
    typeText(screen.day(), u"17/1/2539"_qs);
    screen.option(2)->click(); // the traditional count: วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘
    const QString sum = screen.text("sum");
    pressAccessKey(QApplication::focusWidget(), u'ห');
    QTRY_COMPARE(screen.visibleScreens(), std::vector{MeaningScreen});
    QCOMPARE(screen.control<QComboBox>(MeaningScreen, "remainderList")->currentText(), u"เศษ ๘ นั้นเปรื่องยศ"_qs);
    // Closing it brings back the date screen as it was.
    screen.click(MeaningScreen, "close");
    QTRY_COMPARE(screen.visibleScreens(), std::vector{DateScreen});
    QCOMPARE(screen.text("sum"), sum);
    QTRY_COMPARE(QApplication::focusWidget(), screen.control(DateScreen, "meaning"));
}

void TestDateScreen::tabReadsTheScreenTopToBottom()
{
    // Tab reaches the fields, every line the screen fills in and every note
    // on view in the order a person reads them, top to bottom, and the
    // buttons left to right.
    OpenDateScreen screen;
    screen.enter(u"1"_qs, 1, u"2400"_qs); // two counts, an estimate and the old new year
    screen.day()->setFocus();
    QList<QWidget *> visited;
    do {
        visited << QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } while (QApplication::focusWidget() != screen.day() && visited.size() < 40);
    for (qsizetype i = 1; i < visited.size(); ++i) {
        const QPoint before = visited[i - 1]->geometry().topLeft(), now = visited[i]->geometry().topLeft();
        QVERIFY2(now.y() > before.y() || (now.y() == before.y() && now.x() > before.x()),
            qPrintable(visited[i]->objectName()));
    }
    QStringList names;
    for (const QWidget *widget : visited)
        names << widget->objectName();
    for (const char *line : {"commonEraYear", "dawnNote", "status", "foundWeekday", "lunarDate", "estimateNote", "sum",
             "civilYear", "countNote", "certificateNote", "meaning", "handOver", "back"})
        QVERIFY2(names.contains(QLatin1String(line)), line);
    QVERIFY(!names.contains(u"dayHint"_qs)); // the day field says it
}

void TestDateScreen::accessKeys()
{
    OpenDateScreen screen;
    // Each label's access key leads to its field.
    QWidget *focus = screen.day();
    const std::pair<const char *, QWidget *> fields[]
        = {{"monthCaption", screen.month()}, {"yearCaption", screen.year()}, {"dayCaption", screen.day()}};
    for (const auto &[label, field] : fields) {
        pressAccessKey(QApplication::focusWidget(), accessKey(screen.text(label)));
        QTRY_COMPARE(QApplication::focusWidget(), field);
    }
    screen.enter(u"1"_qs, 2, u"2566"_qs);
    pressAccessKey(QApplication::focusWidget(), accessKey(screen.beforeDawn()->text()));
    QTRY_VERIFY(screen.beforeDawn()->isChecked());
    pressAccessKey(QApplication::focusWidget(), accessKey(screen.option(2)->text()));
    QTRY_VERIFY(screen.option(2)->isChecked());
    pressAccessKey(QApplication::focusWidget(), accessKey(screen.option(1)->text()));
    QTRY_VERIFY(screen.option(1)->isChecked());
    QVERIFY(!screen.option(2)->isChecked());
    // The hand-over.
    pressAccessKey(QApplication::focusWidget(), accessKey(screen.handOver()->text()));
    QTRY_COMPARE(screen.visibleScreens(), std::vector{EntryScreen});
    // And back again by the entry screen's own button; the return leads to it.
    focus = screen.window(EntryScreen)->focusWidget();
    pressAccessKey(focus, accessKey(screen.control<QAbstractButton>(EntryScreen, "Command4")->text()));
    QTRY_COMPARE(screen.visibleScreens(), std::vector{DateScreen});
    QVERIFY(QTest::qWaitForWindowActive(screen.window()));
    pressAccessKey(QApplication::focusWidget(), accessKey(screen.back()->text()));
    QTRY_COMPARE(screen.visibleScreens(), std::vector{EntryScreen});
}

void TestDateScreen::fieldsKeepTheirNamesForScreenReaders()
{
    OpenDateScreen screen;
    screen.enter(u"15"_qs, 3, u"2533"_qs);
    const std::pair<QWidget *, QString> named[]
        = {{screen.day(), u"วัน"_qs}, {screen.month(), u"เดือน"_qs}, {screen.year(), u"ปี พ.ศ."_qs}};
    for (const auto &[field, label] : named)
        QCOMPARE(labelledBy(field), QStringList{label});
    QCOMPARE(accessible(screen.day())->text(QAccessible::Name), u"วัน"_qs);
    // What a sighted person reads beside the day field.
    QCOMPARE(accessible(screen.day())->text(QAccessible::Description), screen.text("dayHint"));
    QCOMPARE(accessible(screen.year())->text(QAccessible::Name), u"ปี พ.ศ."_qs);
    QCOMPARE(accessible(screen.beforeDawn())->role(), QAccessible::CheckBox);
    QCOMPARE(accessible(screen.beforeDawn())->text(QAccessible::Name), u"เกิดหลังเที่ยงคืน ก่อน 6 โมงเช้า"_qs);
}

void TestDateScreen::returnChangesNothingWhereItCameFrom()
{
    // From the entry screen, with something already chosen and typed there.
    Program program;
    program.choose("m1");
    auto *year = program.control<QComboBox>(EntryScreen, "Combo3");
    year->setCurrentIndex(3);
    typeText(program.control<QComboBox>(EntryScreen, "Combo1")->lineEdit(), u"abc"_qs);
    const QStringList before{u"abc"_qs, QString(), year->currentText()};
    program.click(EntryScreen, "Command4");
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{DateScreen});
    QVERIFY(!program.isLoaded(EntryScreen));
    typeText(program.control(DateScreen, "dayField"), u"5"_qs);
    program.click(DateScreen, "back");
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{EntryScreen});
    QVERIFY(!program.isLoaded(DateScreen));
    QStringList after;
    for (const char *list : {"Combo1", "Combo2", "Combo3"})
        after << program.control<QComboBox>(EntryScreen, list)->currentText();
    QCOMPARE(after, before);

    // From the main menu, back to the main menu.
    program.click(EntryScreen, "Command2");
    program.choose("dates");
    program.click(DateScreen, "back");
    QCoreApplication::processEvents();
    QCOMPARE(program.visibleScreens(), std::vector{MainMenu});
    QVERIFY(!program.isLoaded(EntryScreen) && !program.isLoaded(DateScreen));
}

QTEST_MAIN(TestDateScreen)
#include "tst_datescreen.moc"
