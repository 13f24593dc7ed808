// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The birth-date arithmetic against dates anyone can look up, and the first
// day of the fifth lunar month against a table of new moons reckoned by
// PyEphem (tools/fifth-month.py).

#include "dates.h"
#include "fifthmonth.h"
#include "reckoning.h"

#include <QtTest>

Q_DECLARE_METATYPE(duset::BirthReading::Problem)

using namespace duset;
using namespace std::chrono;

namespace {

QString dayOf(const BirthReading &reading)
{
    return QString::fromStdU16String(std::u16string(DayTable[reading.weekday].key));
}

QString monthOf(const BirthReading &reading)
{
    return QString::fromStdU16String(std::u16string(MonthTable[reading.month].key));
}

QString animal(std::size_t index)
{
    return QString::fromStdU16String(std::u16string(YearTable[index].key));
}

} // namespace

class TestDates : public QObject {
    Q_OBJECT

private slots:
    void weekdayAndMonth_data();
    void weekdayAndMonth();
    void impossibleDates_data();
    void impossibleDates();
    void animalYears_data();
    void animalYears();
    void twoCandidatesExactlyBeforeTheFifthMonth_data();
    void twoCandidatesExactlyBeforeTheFifthMonth();
    void fifthMonthOnKnownDays();
    void fifthMonthAgreesWithAnIndependentEphemeris_data();
    void fifthMonthAgreesWithAnIndependentEphemeris();
};

void TestDates::weekdayAndMonth_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("buddhistYear");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("monthItem");
    QTest::newRow("1 January 2000, a Saturday") << 1 << 1 << 2543 << false << u"วันเสาร์"_qs << u"เดือนมกราคม(เดือนยี่)"_qs;
    QTest::newRow("11 September 2001, a Tuesday") << 11 << 9 << 2544 << false << u"วันอังคาร"_qs << u"เดือนกันยายน"_qs;
    QTest::newRow("29 February 2024, a Thursday") << 29 << 2 << 2567 << false << u"วันพฤหัส"_qs << u"เดือนกุมภาพันธ์"_qs;
    QTest::newRow("20 July 1969, a Sunday") << 20 << 7 << 2512 << false << u"วันอาทิตย์"_qs << u"เดือนกรกฎาคม"_qs;
    QTest::newRow("1 January 1900, a Monday") << 1 << 1 << 2443 << false << u"วันจันทร์"_qs << u"เดือนมกราคม(เดือนยี่)"_qs;
    QTest::newRow("first day taken: 1 January 1857, a Thursday")
        << 1 << 1 << 2400 << false << u"วันพฤหัส"_qs << u"เดือนมกราคม(เดือนยี่)"_qs;
    QTest::newRow("last day taken: 31 December 2057, a Monday")
        << 31 << 12 << 2600 << false << u"วันจันทร์"_qs << u"เดือนธันวาคม(เดือนอ้าย)"_qs;
    // Before dawn the Thai day is still the day before; the calendar month
    // is the one written.
    QTest::newRow("before dawn on Friday 1 March 2024") << 1 << 3 << 2567 << true << u"วันพฤหัส"_qs << u"เดือนมีนาคม"_qs;
    QTest::newRow("before dawn on Monday 1 January 2024")
        << 1 << 1 << 2567 << true << u"วันอาทิตย์"_qs << u"เดือนมกราคม(เดือนยี่)"_qs;
    QTest::newRow("before dawn on Thursday 1 March 1900") << 1 << 3 << 2443 << true << u"วันพุธ"_qs << u"เดือนมีนาคม"_qs;
    QTest::newRow("before dawn on the first day taken")
        << 1 << 1 << 2400 << true << u"วันพุธ"_qs << u"เดือนมกราคม(เดือนยี่)"_qs;
}

void TestDates::weekdayAndMonth()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, buddhistYear);
    QFETCH(bool, beforeDawn);
    QFETCH(QString, weekday);
    QFETCH(QString, monthItem);
    const BirthReading reading = readBirthDate(day, month, buddhistYear, beforeDawn);
    QCOMPARE(reading.problem, BirthReading::Problem::None);
    QCOMPARE(dayOf(reading), weekday);
    QCOMPARE(monthOf(reading), monthItem);
}

void TestDates::impossibleDates_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("buddhistYear");
    QTest::addColumn<BirthReading::Problem>("problem");
    using enum BirthReading::Problem;
    QTest::newRow("29 February 2000, a leap year") << 29 << 2 << 2543 << None;
    QTest::newRow("29 February 1900, no leap year") << 29 << 2 << 2443 << NoSuchDate;
    QTest::newRow("29 February 2023") << 29 << 2 << 2566 << NoSuchDate;
    QTest::newRow("29 February 2024") << 29 << 2 << 2567 << None;
    QTest::newRow("30 February 2024") << 30 << 2 << 2567 << NoSuchDate;
    QTest::newRow("31 April") << 31 << 4 << 2566 << NoSuchDate;
    QTest::newRow("31 June") << 31 << 6 << 2566 << NoSuchDate;
    QTest::newRow("31 September") << 31 << 9 << 2566 << NoSuchDate;
    QTest::newRow("31 November") << 31 << 11 << 2566 << NoSuchDate;
    QTest::newRow("31 December") << 31 << 12 << 2566 << None;
    QTest::newRow("day 0") << 0 << 5 << 2566 << NoSuchDate;
    QTest::newRow("day 32") << 32 << 5 << 2566 << NoSuchDate;
    QTest::newRow("month 13") << 1 << 13 << 2566 << NoSuchDate;
    QTest::newRow("before the range") << 31 << 12 << 2399 << YearOutOfRange;
    QTest::newRow("after the range") << 1 << 1 << 2601 << YearOutOfRange;
    QTest::newRow("a Christian-era year") << 1 << 1 << 1990 << YearOutOfRange;
}

void TestDates::impossibleDates()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, buddhistYear);
    QFETCH(BirthReading::Problem, problem);
    QCOMPARE(readBirthDate(day, month, buddhistYear, false).problem, problem);
    QCOMPARE(readBirthDate(day, month, buddhistYear, true).problem, problem);
}

void TestDates::animalYears_data()
{
    QTest::addColumn<int>("buddhistYear");
    QTest::addColumn<QString>("animal");
    QTest::newRow("2020, the rat") << 2563 << u"ปีชวด (หนู)"_qs;
    QTest::newRow("2021, the ox") << 2564 << u"ปีฉลู (วัว)"_qs;
    QTest::newRow("2023, the rabbit") << 2566 << u"ปีเถาะ (กระต่าย)"_qs;
    QTest::newRow("1990, the horse") << 2533 << u"ปีมะเมีย (ม้า)"_qs;
    QTest::newRow("1995, the pig") << 2538 << u"ปีกุน (หมู)"_qs;
    QTest::newRow("1900, the rat") << 2443 << u"ปีชวด (หนู)"_qs;
    QTest::newRow("1857, the snake") << 2400 << u"ปีมะเส็ง (งูเล็ก)"_qs;
    QTest::newRow("2057, the ox") << 2600 << u"ปีฉลู (วัว)"_qs;
}

void TestDates::animalYears()
{
    QFETCH(int, buddhistYear);
    QFETCH(QString, animal);
    // From May to December both counts name the year's own animal.
    for (const auto &[day, month] : {std::pair{1, 5}, {15, 8}, {31, 12}}) {
        const BirthReading reading = readBirthDate(day, month, buddhistYear, false);
        QVERIFY(!reading.hasTwoYears());
        QCOMPARE(::animal(reading.civilYear), animal);
        QCOMPARE(::animal(reading.traditionalYear), animal);
    }
}

void TestDates::twoCandidatesExactlyBeforeTheFifthMonth_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("buddhistYear");
    QTest::addColumn<bool>("beforeDawn");
    QTest::addColumn<QString>("civil");
    QTest::addColumn<QString>("traditional"); // the same as civil where the counts agree
    // In 2023 the fifth month opened on 22 March: the rabbit follows the tiger.
    QTest::newRow("1 January 2023") << 1 << 1 << 2566 << false << u"ปีเถาะ (กระต่าย)"_qs << u"ปีขาล (เสือ)"_qs;
    QTest::newRow("21 March 2023") << 21 << 3 << 2566 << false << u"ปีเถาะ (กระต่าย)"_qs << u"ปีขาล (เสือ)"_qs;
    QTest::newRow("22 March 2023") << 22 << 3 << 2566 << false << u"ปีเถาะ (กระต่าย)"_qs << u"ปีเถาะ (กระต่าย)"_qs;
    QTest::newRow("22 March 2023 before dawn") << 22 << 3 << 2566 << true << u"ปีเถาะ (กระต่าย)"_qs << u"ปีขาล (เสือ)"_qs;
    QTest::newRow("23 March 2023 before dawn")
        << 23 << 3 << 2566 << true << u"ปีเถาะ (กระต่าย)"_qs << u"ปีเถาะ (กระต่าย)"_qs;
    QTest::newRow("30 April 2023") << 30 << 4 << 2566 << false << u"ปีเถาะ (กระต่าย)"_qs << u"ปีเถาะ (กระต่าย)"_qs;
    // In 2024 it opened on 9 April: the dragon follows the rabbit.
    QTest::newRow("8 April 2024") << 8 << 4 << 2567 << false << u"ปีมะโรง (งูใหญ่)"_qs << u"ปีเถาะ (กระต่าย)"_qs;
    QTest::newRow("9 April 2024") << 9 << 4 << 2567 << false << u"ปีมะโรง (งูใหญ่)"_qs << u"ปีมะโรง (งูใหญ่)"_qs;
    QTest::newRow("31 December 2024") << 31 << 12 << 2567 << false << u"ปีมะโรง (งูใหญ่)"_qs << u"ปีมะโรง (งูใหญ่)"_qs;
    // Before dawn on New Year's Day the Thai day is still in the old year.
    QTest::newRow("1 January 2024 before dawn")
        << 1 << 1 << 2567 << true << u"ปีมะโรง (งูใหญ่)"_qs << u"ปีเถาะ (กระต่าย)"_qs;
    // 1990: the fifth month opened on 27 March.
    QTest::newRow("15 January 1990") << 15 << 1 << 2533 << false << u"ปีมะเมีย (ม้า)"_qs << u"ปีมะเส็ง (งูเล็ก)"_qs;
    QTest::newRow("the first day taken") << 1 << 1 << 2400 << false << u"ปีมะเส็ง (งูเล็ก)"_qs << u"ปีมะโรง (งูใหญ่)"_qs;
}

void TestDates::twoCandidatesExactlyBeforeTheFifthMonth()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, buddhistYear);
    QFETCH(bool, beforeDawn);
    QFETCH(QString, civil);
    QFETCH(QString, traditional);
    const BirthReading reading = readBirthDate(day, month, buddhistYear, beforeDawn);
    QCOMPARE(reading.problem, BirthReading::Problem::None);
    QCOMPARE(animal(reading.civilYear), civil);
    QCOMPARE(animal(reading.traditionalYear), traditional);
    QCOMPARE(reading.hasTwoYears(), civil != traditional);
}

void TestDates::fifthMonthOnKnownDays()
{
    // As Thai calendars print them.
    QCOMPARE(fifthMonthOpens(year{2023}), sys_days{2023y / March / 22});
    QCOMPARE(fifthMonthOpens(year{2024}), sys_days{2024y / April / 9});
    QCOMPARE(readBirthDate(1, 1, 2566, false).fifthMonth, sys_days{2023y / March / 22});
}

void TestDates::fifthMonthAgreesWithAnIndependentEphemeris_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("opens");
    for (const FifthMonthRow &row : FifthMonthOpenings) {
        QTest::addRow("%d", row.year) << row.year
                                      << QDate(row.year, static_cast<int>(row.month), static_cast<int>(row.day));
    }
}

void TestDates::fifthMonthAgreesWithAnIndependentEphemeris()
{
    QFETCH(int, year);
    QFETCH(QDate, opens);
    const year_month_day day{fifthMonthOpens(std::chrono::year{year})};
    QCOMPARE(QDate(static_cast<int>(day.year()), static_cast<int>(static_cast<unsigned>(day.month())),
                 static_cast<int>(static_cast<unsigned>(day.day()))),
        opens);
}

QTEST_APPLESS_MAIN(TestDates)
#include "tst_dates.moc"
