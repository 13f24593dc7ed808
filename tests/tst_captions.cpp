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
    void everyListItemShowsWhole_data() { addScreenRows(); }
    void everyListItemShowsWhole();
};

// A label may run past the window's edges, its colour cut off there, but its
// text must show whole: every stroke and mark inside the part of the label
// the window shows, clear of its border if it has one, and clear of its top
// and bottom rows, where a mark above or below the line would look cut off.
void TestCaptions::everyCaptionShowsWhole()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    QVERIFY(window);
    window->layout()->activate();
    const QRect client = window->surface()->geometry();

    int captions = 0;
    for (const Control &control : program.screens.peek(screen)->description().controls) {
        if (control.kind != Control::Kind::Label)
            continue;
        const auto *label = qobject_cast<const QLabel *>(window->control(control.name));
        QVERIFY(label);
        // Lines that the screen fills in as the person types are empty or
        // hidden until then.
        if (label->text().isEmpty() || !label->isVisible())
            continue;
        ++captions;
        const QRect visible = QRect(label->mapTo(window, QPoint()), label->size()) & client;
        const QRect clear = control.border ? visible.adjusted(1, 1, -1, -1) : visible.adjusted(0, 1, 0, -1);
        const QRect ink = inkOf(label);
        QVERIFY2(!ink.isNull(), qPrintable(label->objectName()));
        QVERIFY2(clear.contains(ink),
            qPrintable(QStringLiteral("%1 \"%2\": ink (%3,%4 %5x%6) outside (%7,%8 %9x%10)")
                           .arg(label->objectName(), label->text())
                           .arg(ink.x())
                           .arg(ink.y())
                           .arg(ink.width())
                           .arg(ink.height())
                           .arg(visible.x())
                           .arg(visible.y())
                           .arg(visible.width())
                           .arg(visible.height())));
    }
    QVERIFY(captions > 0);
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
    QCOMPARE(items > 0, screen == EntryScreen || screen == DateScreen);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u"\n"_qs)));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
