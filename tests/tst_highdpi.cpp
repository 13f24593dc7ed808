// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "assets.h"

#include <QMenuBar>

using namespace duset;
using namespace duset::testing;

// Every screen on a screen with two device pixels to each pixel, as on a
// high-density display: the layout, the texts and the star field must stay as
// they are at one device pixel to each pixel, only sharper.

namespace {

constexpr int Ratio = 2;

QRect devicePixels(const QRect &rect)
{
    return {rect.topLeft() * Ratio, rect.size() * Ratio};
}

} // namespace

class TestHighDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsKeepTheirPlaces_data() { addScreenRows(); }
    void controlsKeepTheirPlaces();
    void starFieldCoversTheClientAreaAtItsNaturalSize_data() { addScreenRows(); }
    void starFieldCoversTheClientAreaAtItsNaturalSize();
    void everyTextFitsItsControl_data() { addScreenRows(); }
    void everyTextFitsItsControl();
    void buttonPicturesKeepTheirNaturalSize();
};

void TestHighDpi::initTestCase()
{
    installProgramFonts();
    QCOMPARE(qApp->devicePixelRatio(), qreal(Ratio));
}

void TestHighDpi::controlsKeepTheirPlaces()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    QCOMPARE(window->devicePixelRatio(), qreal(Ratio));
    const ScreenDescription &description = program.screens.peek(screen)->description();
    expectPlacedAsDescribed(*window, description);
    if (QMenuBar *bar = window->menuBar())
        QCOMPARE(window->surface()->y(), bar->height());
    else
        QCOMPARE(window->surface()->pos(), QPoint(0, 0));

    // Each control stands where its twips put it, and is drawn there, in
    // twice as many device pixels: an opaque control shows its colour over
    // its whole place.
    const QImage drawn = grabbed(window->surface());
    QCOMPARE(drawn.size(), window->surface()->size() * Ratio);
    for (const Control &control : description.controls) {
        const QWidget *widget = window->control(control.name);
        if (control.backColor.source != Colour::Source::Rgb || control.kind == Control::Kind::ComboBox)
            continue;
        const QRect place = devicePixels(widget->geometry()) & drawn.rect();
        QCOMPARE(QColor(mostCommon(drawn.copy(place))), QColor::fromRgb(control.backColor.rgb));
    }
}

void TestHighDpi::starFieldCoversTheClientAreaAtItsNaturalSize()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    // The picture is 640 x 480 pixels on screen, from the client area's
    // top-left corner; a taller client area shows its colour below it.
    expectStarFieldWhereUncovered(program.window(screen)->surface(), Ratio);
}

void TestHighDpi::everyTextFitsItsControl()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    // Text laid out for two device pixels to each pixel is not hinted, so it
    // may be wider than on a plain screen.
    expectTextsFit(textsOf(*program.screens.peek(screen)));
}

void TestHighDpi::buttonPicturesKeepTheirNaturalSize()
{
    // The navy cuff of the predict button's hand spans twice as many device
    // pixels as the picture has pixels.
    Program program;
    openScreen(program, EntryScreen);
    QWidget *button = program.control(EntryScreen, "Command1");
    button->clearFocus(); // no focus mark across the picture
    const QRgb navy = qRgb(0, 0, 0x80);
    const QRect drawn = extentOf(grabbed(button), navy);
    const QRect source = extentOf(picture(Picture::PointingHand).toImage().convertToFormat(QImage::Format_RGB32), navy);
    QVERIFY(!source.isEmpty());
    QCOMPARE(drawn.size(), source.size() * Ratio);
}

int main(int argc, char *argv[])
{
    // Whatever screen the test runs on.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(Ratio));
    QApplication app(argc, argv);
    TestHighDpi test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
