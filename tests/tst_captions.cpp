// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionComboBox>

using namespace duset;
using namespace duset::testing;

namespace {

// Where text drawn in the font puts ink, without clipping: every stroke and
// mark, in a canvas of the given size.
QRect inkDrawn(const QFont &font, const QRect &room, int alignment, const QString &text, QSize canvasSize)
{
    QImage canvas(canvasSize, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(room, alignment | Qt::TextDontClip, text);
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

// Where a label's text puts ink, in its window's client area: the text drawn
// the way the label draws it but without the label's clipping, so that what
// a window or label edge would cut still counts, marks above and below the
// line included.
QRect inkOf(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const int pad = room.height() + room.width();
    const QRect ink = inkDrawn(label->font(), QRect(QPoint(pad, pad), room.size()),
        static_cast<int>(label->alignment()), label->text(), room.size() + QSize(2 * pad, 2 * pad));
    if (ink.isNull())
        return ink;
    return ink.translated(label->mapTo(label->window(), room.topLeft()) - QPoint(pad, pad));
}

// A label may run past the window's edges, its colour cut off there, but its
// text must show whole: every stroke and mark inside the part of the label
// the window shows, clear of its border if it has one, and clear of its top
// and bottom rows, where a mark above or below the line would look cut off.
// Returns how many labels it looked at.
int checkCaptionsOf(const Program &program, ScreenId screen)
{
    ScreenWindow *window = program.window(screen);
    if (!window) {
        QTest::qFail("the screen is not loaded", __FILE__, __LINE__);
        return 0;
    }
    window->layout()->activate();
    const QRect client = window->surface()->geometry();

    int captions = 0;
    for (const Control &control : program.screens.peek(screen)->description().controls) {
        if (control.kind != Control::Kind::Label)
            continue;
        const auto *label = qobject_cast<const QLabel *>(window->control(control.name));
        if (!label) {
            QTest::qFail(control.name.data(), __FILE__, __LINE__);
            return captions;
        }
        // Lines that the screen fills in as the person types are empty or
        // hidden until then.
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        ++captions;
        const QRect visible = QRect(label->mapTo(window, QPoint()), label->size()) & client;
        const QRect clear = control.border ? visible.adjusted(1, 1, -1, -1) : visible.adjusted(0, 1, 0, -1);
        const QRect ink = inkOf(label);
        if (ink.isNull() || !clear.contains(ink)) {
            QTest::qFail(qPrintable(QStringLiteral("%1 \"%2\": ink (%3,%4 %5x%6) outside (%7,%8 %9x%10)")
                                        .arg(label->objectName(), label->text())
                                        .arg(ink.x())
                                        .arg(ink.y())
                                        .arg(ink.width())
                                        .arg(ink.height())
                                        .arg(visible.x())
                                        .arg(visible.y())
                                        .arg(visible.width())
                                        .arg(visible.height())),
                __FILE__, __LINE__);
            return captions;
        }
    }
    return captions;
}

// Where a list shows its chosen item when it is closed: the field beside
// the arrow, inside the frame.
QRect closedFieldOf(const QComboBox *list)
{
    if (list->isEditable())
        return list->lineEdit()->geometry();
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.frame = list->hasFrame();
    return list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
}

// The pixels that differ between two pictures of the same size.
QRect differences(const QImage &a, const QImage &b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
        }
    }
    return changed;
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void everyCaptionShowsWhole_data() { addScreenRows(); }
    void everyCaptionShowsWhole();
    void theDateScreensLinesShowWhole_data();
    void theDateScreensLinesShowWhole();
    void everyListItemShowsWhole_data() { addScreenRows(); }
    void everyListItemShowsWhole();
};

void TestCaptions::everyCaptionShowsWhole()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    const int captions = checkCaptionsOf(program, screen);
    QVERIFY(captions > 0);
}

void TestCaptions::theDateScreensLinesShowWhole_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("year");
    // Two animal years, the old new year and the estimate, with the lunar
    // date; and the lunar date's longer texts.
    QTest::newRow("1 January 1900") << u"1"_qs << 1 << u"2443"_qs;
    QTest::newRow("1 August 2023, in the second eighth month") << u"1"_qs << 8 << u"2566"_qs;
    QTest::newRow("30 November 2024, a waning fifteenth") << u"30"_qs << 11 << u"2567"_qs;
    QTest::newRow("24 July 1958, a Thursday of the snake") << u"24"_qs << 7 << u"2501"_qs;
    QTest::newRow("17 January 1996") << u"17"_qs << 1 << u"2539"_qs;
}

void TestCaptions::theDateScreensLinesShowWhole()
{
    QFETCH(QString, day);
    QFETCH(int, month);
    QFETCH(QString, year);
    Program program;
    openScreen(program, DateScreen);
    typeText(program.control(DateScreen, "dayField"), day);
    program.control<QComboBox>(DateScreen, "monthList")->setCurrentIndex(month - 1);
    typeText(program.control(DateScreen, "yearField"), year);
    QVERIFY(!program.control<QLabel>(DateScreen, "lunarDate")->text().isEmpty());
    const int captions = checkCaptionsOf(program, DateScreen);
    QVERIFY(captions >= 14);
}

// A list's chosen item shows whole in its closed field, without the focus,
// as it stays once a person has picked it and moved on: the whole of its
// ink, marks included, and clear of the field's edges, so that neither the
// arrow nor the frame touches a letter. The ink the field shows is what
// changes from the empty field; the whole ink is the item drawn in the
// field's font without any clipping.
void TestCaptions::everyListItemShowsWhole()
{
    QFETCH(ScreenId, screen);
    Program program;
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));

    int items = 0;
    QStringList faults;
    for (const Control &control : program.screens.peek(screen)->description().controls) {
        if (control.kind != Control::Kind::ComboBox && control.kind != Control::Kind::DropDownList)
            continue;
        auto *list = qobject_cast<QComboBox *>(window->control(control.name));
        QVERIFY(list);
        const QFont font = list->isEditable() ? list->lineEdit()->font() : list->font();
        const QRect field = closedFieldOf(list);
        QImage empty;
        for (int i = -1; i < list->count(); ++i) {
            list->setFocus();
            list->setCurrentIndex(i); // as a pick from the open list or with the arrow keys
            window->setFocus();
            QVERIFY(!list->hasFocus() && !list->isAncestorOf(QApplication::focusWidget()));
            const QImage shown = grabbed(list);
            if (i < 0) {
                empty = shown;
                continue;
            }
            ++items;
            const QString item = list->itemText(i);
            const QRect ink = differences(empty, shown);
            const QRect whole
                = inkDrawn(font, QRect(0, 0, 1000, 200), Qt::AlignLeft | Qt::AlignVCenter, item, {1000, 200});
            const QString where = QStringLiteral("%1 \"%2\": ink (%3,%4 %5x%6) of (%7x%8) in field (%9,%10 %11x%12)")
                                      .arg(list->objectName(), item)
                                      .arg(ink.x())
                                      .arg(ink.y())
                                      .arg(ink.width())
                                      .arg(ink.height())
                                      .arg(whole.width())
                                      .arg(whole.height())
                                      .arg(field.x())
                                      .arg(field.y())
                                      .arg(field.width())
                                      .arg(field.height());
            if (!field.adjusted(1, 0, -1, 0).contains(ink) || ink.size() != whole.size())
                faults << where;
        }
    }
    QCOMPARE(items > 0, screen == EntryScreen || screen == DateScreen || screen == MeaningScreen);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
