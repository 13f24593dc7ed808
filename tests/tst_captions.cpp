// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

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

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void everyCaptionShowsWhole_data() { addScreenRows(); }
    void everyCaptionShowsWhole();
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

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
