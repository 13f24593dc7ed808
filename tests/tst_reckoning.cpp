// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "itemnames.h"
#include "reckoning.h"
#include "rule.h"
#include "text.h"

#include <QtTest>

using namespace duset;

namespace {

// The items as the lists offer them, day, month and year, in list order.
const QStringList Days{u"วันอาทิตย์"_qs, u"วันจันทร์"_qs, u"วันอังคาร"_qs, u"วันพุธ"_qs, u"วันพฤหัส"_qs, u"วันศุกร์"_qs, u"วันเสาร์"_qs};
const QStringList Months{u"เดือนมกราคม(เดือนยี่)"_qs, u"เดือนกุมภาพันธ์"_qs, u"เดือนมีนาคม"_qs, u"เดือนเมษายน"_qs,
    u"เดือนพฤษภาคม"_qs, u"เดือนมิถุนายน"_qs, u"เดือนกรกฎาคม"_qs, u"เดือนสิงหาคม"_qs, u"เดือนกันยายน"_qs, u"เดือนตุลาคม"_qs,
    u"เดือนพฤศจิกายน"_qs, u"เดือนธันวาคม(เดือนอ้าย)"_qs};
const QStringList Years{u"ปีชวด (หนู)"_qs, u"ปีฉลู (วัว)"_qs, u"ปีขาล (เสือ)"_qs, u"ปีเถาะ (กระต่าย)"_qs, u"ปีมะโรง (งูใหญ่)"_qs,
    u"ปีมะเส็ง (งูเล็ก)"_qs, u"ปีมะเมีย (ม้า)"_qs, u"ปีมะแม (แพะ)"_qs, u"ปีวอก (ลิง)"_qs, u"ปีระกา (ไก่)"_qs, u"ปีจอ (สุนัข)"_qs,
    u"ปีกุน (หมู)"_qs};

const QString ThaiDigits = u"๐๑๒๓๔๕๖๗๘๙"_qs;

QString thaiNumber(int n)
{
    QString text;
    for (const QChar digit : QString::number(n))
        text += ThaiDigits.at(digit.digitValue());
    return text;
}

} // namespace

class TestReckoning : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void everyCombinationFollowsTheRule();
    void verdictText();
    void versesAreLaidOutAsVerse();
    void warnings_data();
    void warnings();
    void aWarningNamesOnlyWhatItsPressLacks();
    void textsThatAreNoItem_data();
    void textsThatAreNoItem();
    void freeTextAfterAVerdictIsNotReadAsTheOldChoice();
    void newChoicesReplaceOldValues();
    void typedNamesOfferTheirItems_data();
    void typedNamesOfferTheirItems();
};

void TestReckoning::workedExamples_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("remainder");
    QTest::addColumn<QString>("working"); // as the birth-date screen shows it
    // Indices into the lists.
    QTest::newRow("Sunday, December, rat: 3, the smallest total")
        << 0 << 11 << 0 << 3 << u"วันอาทิตย์ ๑ + เดือนอ้าย ๑ + ปีชวด ๑ = ๓ → เศษ ๓"_qs;
    QTest::newRow("Saturday, November, pig: 31 gives 1")
        << 6 << 10 << 11 << 1 << u"วันเสาร์ ๗ + เดือนพฤศจิกายน ๑๒ + ปีกุน ๑๒ = ๓๑ → เศษ ๑"_qs;
    QTest::newRow("Saturday, November, dog: 30 gives 10")
        << 6 << 10 << 10 << 10 << u"วันเสาร์ ๗ + เดือนพฤศจิกายน ๑๒ + ปีจอ ๑๑ = ๓๐ → เศษ ๑๐"_qs;
    QTest::newRow("Saturday, November, ox: 21 gives 1")
        << 6 << 10 << 1 << 1 << u"วันเสาร์ ๗ + เดือนพฤศจิกายน ๑๒ + ปีฉลู ๒ = ๒๑ → เศษ ๑"_qs;
    QTest::newRow("Friday, October, tiger: 20 gives 10")
        << 5 << 9 << 2 << 10 << u"วันศุกร์ ๖ + เดือนตุลาคม ๑๑ + ปีขาล ๓ = ๒๐ → เศษ ๑๐"_qs;
    QTest::newRow("Wednesday, January, pig: 18 gives 8")
        << 3 << 0 << 11 << 8 << u"วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘"_qs;
}

void TestReckoning::workedExamples()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(int, remainder);
    QFETCH(QString, working);
    ReckoningState state;
    const auto outcome = Reckon(utf16(Days[day]), utf16(Months[month]), utf16(Years[year]), state);
    QCOMPARE(toQString(Working(utf16(Days[day]), utf16(Months[month]), utf16(Years[year]))), working);
    QCOMPARE(outcome.kind, ReckoningOutcome::Kind::Verdict);
    QCOMPARE(outcome.remainder, remainder);
}

void TestReckoning::everyCombinationFollowsTheRule()
{
    // All 7 x 12 x 12 choices, against the rule stated on its own, each
    // verse opening with "เศษ" and its remainder in Thai digits.
    ReckoningState state; // carried over, as between presses on one screen
    int checked = 0;
    for (int d = 0; d < Days.size(); ++d) {
        for (int m = 0; m < Months.size(); ++m) {
            for (int y = 0; y < Years.size(); ++y) {
                const int expected = testing::remainderOfPlaces(d, m, y);
                const auto outcome = Reckon(utf16(Days[d]), utf16(Months[m]), utf16(Years[y]), state);
                QCOMPARE(outcome.kind, ReckoningOutcome::Kind::Verdict);
                QCOMPARE(outcome.remainder, expected);
                const QString opening = u"     เศษ "_qs + thaiNumber(expected) + u' ';
                QVERIFY2(toQString(outcome.text).startsWith(opening), qPrintable(Days[d] + Months[m] + Years[y]));
                QCOMPARE(toQString(outcome.title), u"คำทำนายของคุณ"_qs);
                QCOMPARE(outcome.icon, MessageIcon::Information);
                ++checked;
            }
        }
    }
    QCOMPARE(checked, 1008);
}

void TestReckoning::verdictText()
{
    // Sunday, January, monkey: 1 + 2 + 9 = 12, remainder 2.
    ReckoningState state;
    const auto outcome = Reckon(utf16(Days[0]), utf16(Months[0]), utf16(Years[8]), state);
    QCOMPARE(outcome.remainder, 2);
    QCOMPARE(
        toQString(outcome.text), u"     เศษ ๒ จะครองไข้     มีโรคร้ายรุมประจำ\r\n     หยูกยาจะหาทำ     บ่ถูกแท้จนแก่ตัวฯ"_qs);
    QCOMPARE(toQString(outcome.title), u"คำทำนายของคุณ"_qs);
    QCOMPARE(outcome.icon, MessageIcon::Information);
}

void TestReckoning::versesAreLaidOutAsVerse()
{
    const int lineCounts[] = {4, 2, 2, 2, 2, 2, 2, 2, 4, 8};
    const QRegularExpression line(u"^ {5}\\S.*\\S {5}\\S.*\\S$"_qs);
    for (int n = 1; n <= 10; ++n) {
        const auto &verse = VerseTable[n - 1];
        QCOMPARE(int(verse.size()), lineCounts[n - 1]);
        QVERIFY(toQString(verse.front()).startsWith(u"     เศษ "_qs + thaiNumber(n) + u' '));
        for (const auto &text : verse) {
            QVERIFY2(line.match(toQString(text)).hasMatch(), qPrintable(toQString(text)));
            QCOMPARE(toQString(text).count(u"     "_qs), 2); // the opening run and the one between the halves
        }
    }
}

void TestReckoning::warnings_data()
{
    QTest::addColumn<bool>("dayEmpty");
    QTest::addColumn<bool>("monthEmpty");
    QTest::addColumn<bool>("yearEmpty");
    QTest::addColumn<QString>("text");
    QTest::newRow("all three") << true << true << true << u"กรุณาเลือกช่อง วัน, เดือน, ปีเกิด ด้วยครับ"_qs;
    QTest::newRow("day and month") << true << true << false << u"กรุณาเลือกช่อง วัน, เดือน,  ด้วยครับ"_qs;
    QTest::newRow("day and year") << true << false << true << u"กรุณาเลือกช่อง วัน, ปีเกิด ด้วยครับ"_qs;
    QTest::newRow("month and year") << false << true << true << u"กรุณาเลือกช่อง เดือน, ปีเกิด ด้วยครับ"_qs;
    QTest::newRow("day: comma and two spaces") << true << false << false << u"กรุณาเลือกช่อง วัน,  ด้วยครับ"_qs;
    QTest::newRow("month: comma and two spaces") << false << true << false << u"กรุณาเลือกช่อง เดือน,  ด้วยครับ"_qs;
    QTest::newRow("year: between single spaces") << false << false << true << u"กรุณาเลือกช่อง ปีเกิด ด้วยครับ"_qs;
}

void TestReckoning::warnings()
{
    QFETCH(bool, dayEmpty);
    QFETCH(bool, monthEmpty);
    QFETCH(bool, yearEmpty);
    QFETCH(QString, text);
    ReckoningState state;
    const auto outcome = Reckon(
        dayEmpty ? u"" : utf16(Days[4]), monthEmpty ? u"" : utf16(Months[4]), yearEmpty ? u"" : utf16(Years[4]), state);
    QCOMPARE(outcome.kind, ReckoningOutcome::Kind::Warning);
    QCOMPARE(toQString(outcome.text), text);
    QCOMPARE(toQString(outcome.title), u"คำเตือน"_qs);
    QCOMPARE(outcome.icon, MessageIcon::Exclamation);
    QCOMPARE(outcome.remainder, 0);
}

void TestReckoning::aWarningNamesOnlyWhatItsPressLacks()
{
    // Presses on one screen, as its reckoning carries over between them.
    ReckoningState state;
    Reckon(utf16(Days[2]), utf16(Months[3]), utf16(Years[4]), state);
    Reckon(u"", u"", u"", state);
    const auto outcome = Reckon(utf16(Days[2]), u"", utf16(Years[4]), state);
    QCOMPARE(toQString(outcome.text), u"กรุณาเลือกช่อง เดือน,  ด้วยครับ"_qs);
    QCOMPARE(Reckon(utf16(Days[2]), utf16(Months[3]), utf16(Years[4]), state).remainder, 3); // 3 + 5 + 5 = 13
}

void TestReckoning::textsThatAreNoItem_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("missing");
    const QString dayPiece = u"วัน, "_qs, monthPiece = u"เดือน, "_qs, yearPiece = u"ปีเกิด"_qs;
    QTest::newRow("day with one trailing space") << Days[1] + u' ' << Months[0] << Years[0] << dayPiece;
    QTest::newRow("month with a leading space") << Days[1] << u' ' + Months[0] << Years[0] << monthPiece;
    QTest::newRow("year without its space") << Days[1] << Months[0] << QString(Years[0]).remove(u' ') << yearPiece;
    QTest::newRow("spaces only") << u" "_qs << Months[0] << Years[0] << dayPiece;
    QTest::newRow("free text in the day, January and rat") << u"abc"_qs << Months[0] << Years[0] << dayPiece;
    QTest::newRow("a day in the month list") << Days[1] << Days[1] << Years[0] << monthPiece;
    QTest::newRow("Latin letters of another case") << u"X"_qs << Months[0] << u"x"_qs << dayPiece + yearPiece;
    QTest::newRow("all three free") << u"a"_qs << u"b"_qs << u"c"_qs << dayPiece + monthPiece + yearPiece;
    QTest::newRow("one empty, one free") << QString() << u"?"_qs << Years[3] << dayPiece + monthPiece;
    QTest::newRow("a control character") << Days[1] + QChar(0) << Months[0] << Years[0] << dayPiece;
}

void TestReckoning::textsThatAreNoItem()
{
    // A text that is no item counts as not chosen: the warning names it, and
    // nothing is reckoned from an earlier choice or from zero.
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, missing);
    ReckoningState state;
    const auto outcome = Reckon(utf16(day), utf16(month), utf16(year), state);
    QCOMPARE(outcome.kind, ReckoningOutcome::Kind::Warning);
    QCOMPARE(toQString(outcome.text), u"กรุณาเลือกช่อง "_qs + missing + u" ด้วยครับ"_qs);
    QVERIFY(Working(utf16(day), utf16(month), utf16(year)).empty());
}

void TestReckoning::freeTextAfterAVerdictIsNotReadAsTheOldChoice()
{
    ReckoningState state;
    QCOMPARE(Reckon(utf16(Days[2]), utf16(Months[0]), utf16(Years[0]), state).remainder, 6); // Tuesday: 3 + 2 + 1
    const auto outcome = Reckon(u"Tuesday", utf16(Months[0]), utf16(Years[0]), state);
    QCOMPARE(toQString(outcome.text), u"กรุณาเลือกช่อง วัน,  ด้วยครับ"_qs);
}

void TestReckoning::newChoicesReplaceOldValues()
{
    ReckoningState state;
    Reckon(utf16(Days[6]), utf16(Months[10]), utf16(Years[11]), state); // 31
    QCOMPARE(Reckon(utf16(Days[0]), utf16(Months[11]), utf16(Years[0]), state).remainder, 3); // 1 + 1 + 1
}

// What a list offers for a text being typed: short forms, names without
// the list's word, the words in parentheses and the order screen's
// spellings, with or without spaces and full stops.
void TestReckoning::typedNamesOfferTheirItems_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    const int day = int(EntryList::Day);
    const int month = int(EntryList::Month);
    const int year = int(EntryList::Year);
    QTest::newRow("พุธ") << day << u"พุธ"_qs << QStringList{Days[3]};
    QTest::newRow("พ") << day << u"พ"_qs << QStringList{Days[3], Days[4]};
    QTest::newRow("อ, Sunday's อา. and Tuesday") << day << u"อ"_qs << QStringList{Days[0], Days[2]};
    QTest::newRow("วันพฤหัสบดี") << day << u"วันพฤหัสบดี"_qs << QStringList{Days[4]};
    QTest::newRow("the whole item") << day << Days[6] << QStringList{Days[6]};
    QTest::newRow("มกรา") << month << u"มกรา"_qs << QStringList{Months[0]};
    QTest::newRow("ม.ค.") << month << u"ม.ค."_qs << QStringList{Months[0]};
    QTest::newRow("มค") << month << u"มค"_qs << QStringList{Months[0]};
    QTest::newRow("ม") << month << u"ม"_qs << QStringList{Months[0], Months[2], Months[5]};
    QTest::newRow("ยี่") << month << u"ยี่"_qs << QStringList{Months[0]};
    QTest::newRow("เดือนอ้าย") << month << u"เดือนอ้าย"_qs << QStringList{Months[11]};
    QTest::newRow("the order screen's January") << month << u"เดือนมกราคม(ยี่)"_qs << QStringList{Months[0]};
    QTest::newRow("the order screen's December") << month << u"เดือนธันวาคม(อ้าย)"_qs << QStringList{Months[11]};
    QTest::newRow("ก") << month << u"ก"_qs << QStringList{Months[1], Months[6], Months[8]};
    QTest::newRow("หมู") << year << u"หมู"_qs << QStringList{Years[11]};
    QTest::newRow("กุน") << year << u"กุน"_qs << QStringList{Years[11]};
    QTest::newRow("ปีกุน(หมู)") << year << u"ปีกุน(หมู)"_qs << QStringList{Years[11]};
    QTest::newRow("มะเมีย(ม้า), without ปี") << year << u"มะเมีย(ม้า)"_qs << QStringList{Years[6]};
    QTest::newRow("งู") << year << u"งู"_qs << QStringList{Years[4], Years[5]};
    QTest::newRow("หมา") << year << u"หมา"_qs << QStringList{Years[10]};
    QTest::newRow("a day in the year list") << year << u"พุธ"_qs << QStringList{};
    QTest::newRow("nothing") << day << QString() << QStringList{};
    QTest::newRow("spaces and full stops") << month << u" . "_qs << QStringList{};
    QTest::newRow("Latin") << day << u"Wed"_qs << QStringList{};
}

void TestReckoning::typedNamesOfferTheirItems()
{
    QFETCH(int, list);
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    const QStringList &items = list == int(EntryList::Day) ? Days : list == int(EntryList::Month) ? Months : Years;
    QStringList found;
    for (const std::size_t place : itemsNamed(EntryList(list), utf16(typed)))
        found << items.at(qsizetype(place));
    QCOMPARE(found, offered);
}

QTEST_APPLESS_MAIN(TestReckoning)
#include "tst_reckoning.moc"
