// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QPainter>

using namespace duset;
using namespace duset::testing;

namespace {

// Where a label's text puts ink, in its window's client area: the text drawn
// the way the label draws it but without the label's clipping, so that what
// a window or label edge would cut still counts, marks above and below the
// line included.
QRect inkOf(const QLabel *label)
{
    const QRect room = label->contentsRect();
    const int pad = room.height() + room.width();
    QImage canvas(room.size() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.setFont(label->font());
        painter.setPen(Qt::black);
        painter.drawText(QRect(QPoint(pad, pad), room.size()), static_cast<int>(label->alignment()) | Qt::TextDontClip,
            label->text());
    }
    QRect ink;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
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

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void everyCaptionShowsWhole_data() { addScreenRows(); }
    void everyCaptionShowsWhole();
    void theDateScreensLinesShowWhole_data();
    void theDateScreensLinesShowWhole();
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
    typeText(program.control(DateScreen, "Text1"), day);
    program.control<QComboBox>(DateScreen, "Combo1")->setCurrentIndex(month - 1);
    typeText(program.control(DateScreen, "Text2"), year);
    QVERIFY(!program.control<QLabel>(DateScreen, "Label16")->text().isEmpty());
    const int captions = checkCaptionsOf(program, DateScreen);
    QVERIFY(captions >= 14);
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
