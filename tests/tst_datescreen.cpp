// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The birth-date screen as a person uses it: typing a date, the lunar date it
// shows, choosing among two animal years, the messages for dates that cannot
// be and for text the fields do not take, the keyboard, and the hand-over to
// the entry screen, where predict gives the verse.

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
    // 1: the animal year of the civil count; 2: that of the traditional one.
    QRadioButton *option(int n) const
    {
        return control<QRadioButton>(DateScreen, n == 1 ? "civilYear" : "traditionalYear");
    }
    QAbstractButton *handOver() const { return control<QAbstractButton>(DateScreen, "handOver"); }
    QAbstractButton *back() const { return control<QAbstractButton>(DateScreen, "back"); }
    QString text(const char *label) const { return control<QLabel>(DateScreen, label)->text(); }
    QString status() const { return text("status"); }
    QStringList results() const { return {text("foundWeekday"), text("foundMonth"), text("foundYear")}; }
    QString lunarDate() const { return text("lunarDate"); }
    bool saysItIsAnEstimate() const { return control<QLabel>(DateScreen, "estimateNote")->isVisible(); }

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

} // namespace

Q_DECLARE_METATYPE(Way)

class TestDateScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void typingShowsTheThreeItems_data();
    void typingShowsTheThreeItems();
    void earlyYearsWarnOfTheOldNewYear();
    void theLunarDateShowsWithTheDate_data();
    void theLunarDateShowsWithTheDate();
    void beforeTheCalendarsTableTheDateIsAnEstimate_data();
    void beforeTheCalendarsTableTheDateIsAnEstimate();
    void fieldsReadWhatTheyKeep_data();
    void fieldsReadWhatTheyKeep();
    void fieldsRefuseWhatTheyCannotKeep_data();
    void fieldsRefuseWhatTheyCannotKeep();
    void titleCaptionAndMenuNameTheScreenAlike();
    void badDatesAreSaidOnTheScreen_data();
    void badDatesAreSaidOnTheScreen();
    void earlyInTheYearThePersonChoosesTheAnimal();
    void handOverGivesTheVerseOfTheThreeItems_data();
    void handOverGivesTheVerseOfTheThreeItems();
    void tabFollowsTheForm();
    void accessKeys();
    void aChoicePendingAtTheHandOverIsHarmless();
    void fieldsKeepTheirNamesForScreenReaders();
    void returnChangesNothingWhereItCameFrom();
};

void TestDateScreen::typingShowsTheThreeItems_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QString>("christianEra");
    const QString choose = u"(เลือกด้านล่าง)"_qs;
    QTest::newRow("1 January 2000") << u"1"_qs << 1 << u"2543"_qs << false
                                    << QStringList{u"วันเสาร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, choose} << u"ค.ศ. 2000"_qs;
    QTest::newRow("11 September 2001") << u"11"_qs << 9 << u"2544"_qs << false
                                       << QStringList{u"วันอังคาร"_qs, u"เดือนกันยายน"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs}
                                       << u"ค.ศ. 2001"_qs;
    QTest::newRow("20 July 1969") << u"20"_qs << 7 << u"2512"_qs << false
                                  << QStringList{u"วันอาทิตย์"_qs, u"เดือนกรกฎาคม"_qs, u"ปีระกา (ไก่)"_qs} << u"ค.ศ. 1969"_qs;
    QTest::newRow("in Thai digits") << u"๑๕"_qs << 1 << u"๒๕๓๓"_qs << false
                                    << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, choose} << u"ค.ศ. 1990"_qs;
    // Before dawn every item is that of the day before, 30 April.
    QTest::newRow("before dawn on Wednesday 1 May 2024")
        << u"1"_qs << 5 << u"2567"_qs << true << QStringList{u"วันอังคาร"_qs, u"เดือนเมษายน"_qs, u"ปีมะโรง (งูใหญ่)"_qs}
        << u"ค.ศ. 2024"_qs;
}

void TestDateScreen::typingShowsTheThreeItems()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, beforeDawn);
    QFETCH(QStringList, results);
    QFETCH(QString, christianEra);
    OpenDateScreen screen;
    QCOMPARE(screen.results(), QStringList(3)); // nothing until the date is whole
    screen.enter(day, month, year);
    if (beforeDawn)
        QTest::mouseClick(screen.beforeDawn(), Qt::LeftButton, {}, QPoint(5, screen.beforeDawn()->height() / 2));
    QCOMPARE(screen.beforeDawn()->isChecked(), beforeDawn);
    QCOMPARE(screen.results(), results);
    QCOMPARE(screen.text("commonEraYear"), christianEra);
    QCOMPARE(screen.option(1)->isVisible(), results[2].startsWith(u'('));
    QVERIFY(screen.messages.empty());
}

void TestDateScreen::earlyYearsWarnOfTheOldNewYear()
{
    // Until 2484 the year changed on 1 April: 10 February 2482 as written
    // then was 10 February 1940, which this count calls 2483.
    OpenDateScreen screen;
    screen.enter(u"10"_qs, 2, u"2482"_qs);
    QCOMPARE(screen.text("commonEraYear"), u"ค.ศ. 1939"_qs);
    QVERIFY(screen.status().contains(u"2484"));
    screen.month()->setCurrentIndex(3); // from April on, both counts agree
    QVERIFY(!screen.status().contains(u"2484"));
    screen.month()->setCurrentIndex(1);
    screen.year()->clear();
    typeText(screen.year(), u"2484"_qs);
    QVERIFY(!screen.status().contains(u"2484"));
}

void TestDateScreen::theLunarDateShowsWithTheDate_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<QString>("lunarDate");
    QTest::newRow("17 January 1996") << u"17"_qs << 1 << u"2539"_qs << false << u"วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน"_qs;
    QTest::newRow("Asalha Bucha 2023, in the second eighth month")
        << u"1"_qs << 8 << u"2566"_qs << false << u"วันอังคาร ขึ้น ๑๕ ค่ำ เดือน ๘๘ ปีเถาะ"_qs;
    QTest::newRow("the full moon of the first eighth month of 2023")
        << u"2"_qs << 7 << u"2566"_qs << false << u"วันอาทิตย์ ขึ้น ๑๕ ค่ำ เดือน ๘ ปีเถาะ"_qs;
    QTest::newRow("Loy Krathong 2024") << u"15"_qs << 11 << u"2567"_qs << false << u"วันศุกร์ ขึ้น ๑๕ ค่ำ เดือน ๑๒ ปีมะโรง"_qs;
    QTest::newRow("the lunar new year of 2025, 1 December 2024")
        << u"1"_qs << 12 << u"2567"_qs << false << u"วันอาทิตย์ ขึ้น ๑ ค่ำ เดือนอ้าย ปีมะโรง"_qs;
    // The fifth month of 2021 opened on 14 March: the animal of the line is
    // the traditional count's.
    QTest::newRow("14 March 2021") << u"14"_qs << 3 << u"2564"_qs << false << u"วันอาทิตย์ ขึ้น ๑ ค่ำ เดือน ๕ ปีฉลู"_qs;
    QTest::newRow("13 March 2021") << u"13"_qs << 3 << u"2564"_qs << false << u"วันเสาร์ แรม ๑๕ ค่ำ เดือน ๔ ปีชวด"_qs;
    QTest::newRow("before dawn on 1 March 2000")
        << u"1"_qs << 3 << u"2543"_qs << true << u"วันอังคาร แรม ๑๐ ค่ำ เดือน ๓ ปีเถาะ"_qs;
    QTest::newRow("in Thai digits") << u"๒๔"_qs << 2 << u"๒๕๖๗"_qs << false << u"วันเสาร์ ขึ้น ๑๕ ค่ำ เดือน ๓ ปีเถาะ"_qs;
}

void TestDateScreen::theLunarDateShowsWithTheDate()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, beforeDawn);
    QFETCH(QString, lunarDate);
    OpenDateScreen screen;
    QVERIFY(screen.lunarDate().isEmpty());
    if (beforeDawn)
        screen.beforeDawn()->click();
    screen.enter(day, month, year.left(3));
    QVERIFY(screen.lunarDate().isEmpty()); // not until the date is whole
    typeText(screen.year(), year.mid(3));
    QCOMPARE(screen.lunarDate(), lunarDate);
    QVERIFY(!screen.saysItIsAnEstimate());
    // Choosing either animal changes the year item, not the calendar's date.
    if (screen.option(1)->isVisible()) {
        screen.option(1)->click();
        QCOMPARE(screen.lunarDate(), lunarDate);
    }
    // A date that cannot be has none.
    screen.day()->clear();
    typeText(screen.day(), u"32"_qs);
    QVERIFY(screen.lunarDate().isEmpty());
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
    QTest::newRow("15 June 1900") << u"15"_qs << 6 << u"2443"_qs << false << true;
    QTest::newRow("27 November 1913") << u"27"_qs << 11 << u"2456"_qs << false << true;
    QTest::newRow("28 November 1913 before dawn") << u"28"_qs << 11 << u"2456"_qs << true << true;
    QTest::newRow("28 November 1913") << u"28"_qs << 11 << u"2456"_qs << false << false;
    QTest::newRow("1 January 1914 before dawn") << u"1"_qs << 1 << u"2457"_qs << true << false;
    QTest::newRow("31 December 2057") << u"31"_qs << 12 << u"2600"_qs << false << false;
}

void TestDateScreen::beforeTheCalendarsTableTheDateIsAnEstimate()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    QFETCH(bool, beforeDawn);
    QFETCH(bool, estimate);
    OpenDateScreen screen;
    QVERIFY(!screen.saysItIsAnEstimate());
    screen.enter(day, month, year);
    if (beforeDawn)
        screen.beforeDawn()->click();
    QVERIFY(!screen.lunarDate().isEmpty());
    QCOMPARE(screen.saysItIsAnEstimate(), estimate);
    QVERIFY(screen.text("estimateNote").contains(u"2457"));
    screen.year()->clear();
    QVERIFY(!screen.saysItIsAnEstimate());
}

void TestDateScreen::fieldsReadWhatTheyKeep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("results");
    const QStringList wednesday{u"วันพุธ"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"(เลือกด้านล่าง)"_qs};
    // The spaces around a number are not read, so they do not count
    // towards the field's two or four characters.
    QTest::newRow("a year pasted with a space before it") << u"yearField"_qs << u" 2539"_qs << u" 2539"_qs << wednesday;
    QTest::newRow("a year pasted between spaces") << u"yearField"_qs << u"  2539 "_qs << u"  2539 "_qs << wednesday;
    QTest::newRow("a year after as many spaces as a field holds")
        << u"yearField"_qs << QString(32763, u' ') + u"2539"_qs << QString(32763, u' ') + u"2539"_qs << wednesday;
    QTest::newRow("a day pasted with a space before it") << u"dayField"_qs << u" 17"_qs << u" 17"_qs << wednesday;
    QTest::newRow("a day in Thai digits, pasted") << u"dayField"_qs << u"๑๗ "_qs << u"๑๗ "_qs << wednesday;
    // A character outside the basic plane is one character, whole.
    QTest::newRow("a digit of another plane") << u"dayField"_qs << u"1𝟟"_qs << u"1𝟟"_qs << QStringList(3);
}

void TestDateScreen::fieldsReadWhatTheyKeep()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    QFETCH(QStringList, results);
    OpenDateScreen screen;
    screen.enter(u"17"_qs, 1, u"2539"_qs);
    auto *target = screen.control<QLineEdit>(DateScreen, field.toStdString());
    target->clear();
    put(target, Way::Pasted, text);
    QCOMPARE(target->text(), kept);
    QCOMPARE(screen.results(), results);
    if (!results[0].isEmpty())
        QCOMPARE(screen.text("commonEraYear"), u"ค.ศ. 1996"_qs);
}

void TestDateScreen::fieldsRefuseWhatTheyCannotKeep_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<Way>("way");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept"); // what the field holds afterwards
    // Figures that are not the digits 0 to 9 or ๐ to ๙ are kept and said to
    // be no number, as letters are.
    QTest::newRow("circled digits") << u"dayField"_qs << Way::Typed << u"①②"_qs << u"①②"_qs;
    QTest::newRow("raised digits in the day") << u"dayField"_qs << Way::Typed << u"¹²"_qs << u"¹²"_qs;
    QTest::newRow("raised digits in the year") << u"yearField"_qs << Way::Typed << u"²⁵³⁹"_qs << u"²⁵³⁹"_qs;
    QTest::newRow("full-width digits") << u"yearField"_qs << Way::Pasted << u"２５３９"_qs << u"２５３９"_qs;
    QTest::newRow("Arabic-Indic digits") << u"yearField"_qs << Way::Pasted << u"٢٥٣٩"_qs << u"٢٥٣٩"_qs;
    QTest::newRow("Lao digits") << u"dayField"_qs << Way::Pasted << u"໑໗"_qs << u"໑໗"_qs;
    // Control characters and halves of characters are refused whole.
    QTest::newRow("a NUL in the year") << u"yearField"_qs << Way::Pasted << u"25"_qs + QChar(0) + u"39"_qs << QString();
    QTest::newRow("a NUL alone") << u"dayField"_qs << Way::Pasted << QString(QChar(0)) << QString();
    QTest::newRow("a line feed after the year") << u"yearField"_qs << Way::Pasted << u"2539\n"_qs << QString();
    QTest::newRow("a tab") << u"dayField"_qs << Way::Pasted << u"1\t7"_qs << QString();
    QTest::newRow("a bell") << u"dayField"_qs << Way::Pasted << u"\a"_qs << QString();
    QTest::newRow("a C1 control") << u"yearField"_qs << Way::Pasted << u"25\u008539"_qs << QString();
    QTest::newRow("an escape from an input method")
        << u"yearField"_qs << Way::FromAnInputMethod << QChar(0x1b) + u"2539"_qs << QString();
    QTest::newRow("a zero-width space") << u"yearField"_qs << Way::Pasted << u"2539\u200b"_qs << QString();
    QTest::newRow("half of a character") << u"dayField"_qs << Way::Pasted << QString(QChar(0xD835)) << QString();
    QTest::newRow("the other half") << u"dayField"_qs << Way::Pasted << u"1"_qs + QChar(0xDFDF) << QString();
    QTest::newRow("halves in the wrong order")
        << u"yearField"_qs << Way::FromAnInputMethod << QString(QChar(0xDFDF)) + QChar(0xD835) << QString();
    // More than the field reads is refused, not cut.
    QTest::newRow("a five-digit year") << u"yearField"_qs << Way::Pasted << u"25390"_qs << QString();
    QTest::newRow("a year after more spaces than a field holds")
        << u"yearField"_qs << Way::Pasted << QString(32764, u' ') + u"2539"_qs << QString();
    QTest::newRow("a third digit of the day") << u"dayField"_qs << Way::Typed << u"123"_qs << u"12"_qs;
    QTest::newRow("a day and a character of another plane") << u"dayField"_qs << Way::Pasted << u"12𝟟"_qs << QString();
}

void TestDateScreen::fieldsRefuseWhatTheyCannotKeep()
{
    QFETCH(QString, field);
    QFETCH(Way, way);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    OpenDateScreen screen;
    const bool isDay = field == u"dayField";
    const QString message = isDay ? u"วันที่ต้องเป็นตัวเลข 1 ถึง 31"_qs : u"ปีเกิดต้องเป็นตัวเลข พ.ศ. เช่น 2530"_qs;
    // The other field filled in, the month not yet chosen.
    screen.enter(isDay ? QString() : u"17"_qs, 0, isDay ? u"2539"_qs : QString());
    auto *target = screen.control<QLineEdit>(DateScreen, field.toStdString());
    put(target, way, text);
    QCOMPARE(target->text(), kept);
    QCOMPARE(screen.status(), message);
    QCOMPARE(screen.results(), QStringList(3));
    // The hand-over leads to the field; the next good text mends it.
    screen.click(DateScreen, "handOver");
    QCOMPARE(screen.visibleScreens(), std::vector{DateScreen});
    QCOMPARE(screen.window()->focusWidget(), target);
    target->clear();
    put(target, Way::Typed, isDay ? u"17"_qs : u"2539"_qs);
    screen.month()->setCurrentIndex(0);
    QCOMPARE(screen.results()[0], u"วันพุธ"_qs);
    QVERIFY(screen.status() != message);
    QVERIFY(screen.messages.empty());
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
    const QString range = u"รับเฉพาะปี พ.ศ. 2400 ถึง 2600"_qs;
    const QString prompt = u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด"_qs;
    QTest::newRow("31 April") << u"31"_qs << 4 << u"2566"_qs << u"ไม่มีวันที่ 31 ในเดือนเมษายน ปี พ.ศ. 2566"_qs
                              << u"dayField"_qs;
    QTest::newRow("29 February 2566") << u"29"_qs << 2 << u"2566"_qs << u"ไม่มีวันที่ 29 ในเดือนกุมภาพันธ์ ปี พ.ศ. 2566"_qs
                                      << u"dayField"_qs;
    QTest::newRow("29 February 2443 (1900)")
        << u"29"_qs << 2 << u"2443"_qs << u"ไม่มีวันที่ 29 ในเดือนกุมภาพันธ์ ปี พ.ศ. 2443"_qs << u"dayField"_qs;
    QTest::newRow("day 32") << u"32"_qs << 1 << u"2566"_qs << u"วันที่ต้องเป็นตัวเลข 1 ถึง 31"_qs << u"dayField"_qs;
    QTest::newRow("day 0") << u"0"_qs << 1 << u"2566"_qs << u"วันที่ต้องเป็นตัวเลข 1 ถึง 31"_qs << u"dayField"_qs;
    QTest::newRow("day in words") << u"ห้า"_qs << 1 << u"2566"_qs << u"วันที่ต้องเป็นตัวเลข 1 ถึง 31"_qs << u"dayField"_qs;
    QTest::newRow("year 2399") << u"1"_qs << 1 << u"2399"_qs << range << u"yearField"_qs;
    QTest::newRow("year 2601") << u"1"_qs << 1 << u"2601"_qs << range << u"yearField"_qs;
    QTest::newRow("a Christian-era year") << u"1"_qs << 1 << u"1990"_qs << range << u"yearField"_qs;
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
    // The hand-over stays on the screen and leads to the field to mend; no
    // box interrupts.
    screen.click(DateScreen, "handOver");
    QCoreApplication::processEvents();
    QCOMPARE(screen.visibleScreens(), std::vector{DateScreen});
    QCOMPARE(screen.window()->focusWidget(), screen.control(DateScreen, fieldToMend.toStdString()));
    QVERIFY(screen.messages.empty());
}

void TestDateScreen::earlyInTheYearThePersonChoosesTheAnimal()
{
    OpenDateScreen screen;
    // 15 January 1990, before the fifth lunar month opened on 27 March.
    screen.enter(u"15"_qs, 1, u"2533"_qs);
    QVERIFY(screen.option(1)->isVisible() && screen.option(2)->isVisible());
    QVERIFY(screen.text("certificateNote").contains(u"สูติบัตร"));
    QVERIFY(!screen.option(1)->isChecked() && !screen.option(2)->isChecked());
    QVERIFY(screen.option(1)->text().endsWith(u"ปีมะเมีย (ม้า)"));
    QVERIFY(screen.option(2)->text().contains(u"26 มีนาคม"));
    QVERIFY(screen.option(2)->text().endsWith(u"ปีมะเส็ง (งูเล็ก)"));
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
    QCOMPARE(screen.results()[2], u"(เลือกด้านล่าง)"_qs);
    // From May on there is one animal and nothing to choose.
    screen.month()->setCurrentIndex(4);
    QVERIFY(!screen.option(1)->isVisible() && !screen.option(2)->isVisible());
    QCOMPARE(screen.results()[2], u"ปีมะแม (แพะ)"_qs);
}

void TestDateScreen::handOverGivesTheVerseOfTheThreeItems_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("option"); // 0 where there is one animal
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("remainder");
    // Monday 2 + January 2 + snake 6 = 10.
    QTest::newRow("15 January 1990, traditional count")
        << u"15"_qs << 1 << u"2533"_qs << 2 << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs}
        << 10;
    // Monday 2 + January 2 + horse 7 = 11, less 10.
    QTest::newRow("15 January 1990, civil count")
        << u"15"_qs << 1 << u"2533"_qs << 1 << QStringList{u"วันจันทร์"_qs, u"เดือนมกราคม(เดือนยี่)"_qs, u"ปีมะเมีย (ม้า)"_qs}
        << 1;
    // Tuesday 3 + September 10 + snake 6 = 19, less 10.
    QTest::newRow("11 September 2001") << u"11"_qs << 9 << u"2544"_qs << 0
                                       << QStringList{u"วันอังคาร"_qs, u"เดือนกันยายน"_qs, u"ปีมะเส็ง (งูเล็ก)"_qs} << 9;
    // Monday 2 + December 1 + ox 2 = 5.
    QTest::newRow("31 December 2057") << u"31"_qs << 12 << u"2600"_qs << 0
                                      << QStringList{u"วันจันทร์"_qs, u"เดือนธันวาคม(เดือนอ้าย)"_qs, u"ปีฉลู (วัว)"_qs} << 5;
}

void TestDateScreen::handOverGivesTheVerseOfTheThreeItems()
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

void TestDateScreen::tabFollowsTheForm()
{
    OpenDateScreen screen;
    QCOMPARE(QApplication::focusWidget(), screen.day());
    // The result lines, which a screen reader reaches by Tab, come after the
    // fields, top to bottom.
    QList<QWidget *> results;
    for (const ScreenWindow::ResultLine &result : screen.window()->resultLines())
        results << result.line;
    QVERIFY(results.size() >= 3);
    for (int i = 1; i < results.size(); ++i)
        QVERIFY(results[i]->y() > results[i - 1]->y());
    QList<QWidget *> cycle{screen.month(), screen.year(), screen.beforeDawn()};
    cycle << results << QList<QWidget *>{screen.handOver(), screen.back(), screen.day()};
    for (QWidget *next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // With two animals to choose from, the choice comes before the buttons.
    screen.enter(u"1"_qs, 1, u"2566"_qs);
    results.last()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), screen.option(1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), screen.handOver());
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

void TestDateScreen::aChoicePendingAtTheHandOverIsHarmless()
{
    // An access key clicks its button a moment later, by which time the
    // hand-over may have unloaded the screen the button is on.
    OpenDateScreen screen;
    screen.enter(u"1"_qs, 1, u"2566"_qs);
    screen.option(1)->click();
    QWidget *focus = QApplication::focusWidget();
    pressAccessKey(focus, accessKey(screen.handOver()->text()));
    pressAccessKey(focus, accessKey(screen.option(2)->text()));
    pressAccessKey(focus, accessKey(screen.beforeDawn()->text()));
    QTRY_COMPARE(screen.visibleScreens(), std::vector{EntryScreen});
    QTest::qWait(300); // the clicks still pending land on the unloaded screen
    QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
    QCOMPARE(screen.control<QComboBox>(EntryScreen, "Combo3")->currentText(), u"ปีเถาะ (กระต่าย)"_qs);
    QCOMPARE(screen.ended.count(), 0);
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
