// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

using namespace duset;
using namespace duset::testing;

// Where the screens put their controls. Positions are given in twips, 15 to a
// pixel; the pixels below are worked out by hand from the twips. That every
// screen builds its description is tst_highdpi's to check, and each screen's
// tab order is checked by its own tests against the order a person reads.

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    void anEdgeGoesToTheNearestPixel_data();
    void anEdgeGoesToTheNearestPixel();
    void aRectangleRoundsItsEdgesNotItsSize_data();
    void aRectangleRoundsItsEdgesNotItsSize();
};

void TestLayout::anEdgeGoesToTheNearestPixel_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    // Fifteen is odd, so no whole number of twips lies on half a pixel: the
    // twips either side of each half decide the rule. Rounding down or
    // towards zero would get the ones above a half wrong, on either side of 0.
    QTest::newRow("0") << 0 << 0;
    QTest::newRow("7 (0.47)") << 7 << 0;
    QTest::newRow("8 (0.53)") << 8 << 1;
    QTest::newRow("15") << 15 << 1;
    QTest::newRow("112 (7.47)") << 112 << 7;
    QTest::newRow("113 (7.53)") << 113 << 8;
    QTest::newRow("952 (63.47)") << 952 << 63;
    QTest::newRow("6653 (443.53)") << 6653 << 444;
    QTest::newRow("9600") << 9600 << 640;
    QTest::newRow("-7 (-0.47)") << -7 << 0;
    QTest::newRow("-8 (-0.53)") << -8 << -1;
    QTest::newRow("-112 (-7.47)") << -112 << -7;
    QTest::newRow("-113 (-7.53)") << -113 << -8;
    QTest::newRow("-578 (-38.53)") << -578 << -39;
    QTest::newRow("-795") << -795 << -53;
    QTest::newRow("-1042 (-69.47)") << -1042 << -69;
    QTest::newRow("-1043 (-69.53)") << -1043 << -70;
}

void TestLayout::anEdgeGoesToTheNearestPixel()
{
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(twipsToPixels(twips), pixels);
}

void TestLayout::aRectangleRoundsItsEdgesNotItsSize_data()
{
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QRect>("pixels");
    QTest::newRow("whole pixels") << QRect(1440, 2520, 2175, 330) << QRect(96, 168, 145, 22);
    // 8 twips is more than half a pixel, yet both edges of 8 to 16 round to
    // 1: no room at all, not one pixel.
    QTest::newRow("narrower than it rounds") << QRect(8, 0, 8, 8) << QRect(1, 0, 0, 1);
    // 7 twips is less than half a pixel, yet the edges 0 and 14 round to 0 and 1.
    QTest::newRow("wider than it rounds") << QRect(7, 7, 7, 7) << QRect(0, 0, 1, 1);
    // Neighbours share an edge and neither gap nor overlap.
    QTest::newRow("left neighbour") << QRect(952, 0, 113, 15) << QRect(63, 0, 8, 1);
    QTest::newRow("right neighbour") << QRect(1065, 0, 113, 15) << QRect(71, 0, 8, 1);
    QTest::newRow("from left of the window") << QRect(-1042, 0, 7695, 615) << QRect(-69, 0, 513, 41);
    QTest::newRow("across a half on the left") << QRect(-578, 0, 7920, 615) << QRect(-39, 0, 528, 41);
}

void TestLayout::aRectangleRoundsItsEdgesNotItsSize()
{
    QFETCH(QRect, twips);
    QFETCH(QRect, pixels);
    QCOMPARE(twipsToPixels(twips.x(), twips.y(), twips.width(), twips.height()), pixels);
}

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
