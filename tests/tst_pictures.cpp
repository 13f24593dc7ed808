// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "assets.h"

#include <QFontInfo>
#include <QImageReader>
#include <QMenuBar>
#include <QRawFont>

using namespace duset;
using namespace duset::testing;

namespace {

QColor colourOf(const Colour &colour)
{
    return colour.source == Colour::Source::System ? QGuiApplication::palette().color(colour.role)
                                                   : QColor::fromRgb(colour.rgb);
}

bool hasGlyph(const QFont &font, char32_t character)
{
    QStringList families = font.families();
    if (families.isEmpty())
        families << font.family();
    for (const QString &family : families) {
        QFont single = font;
        single.setFamilies({family});
        if (QRawFont::fromFont(single).supportsCharacter(character))
            return true;
    }
    return false;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void facesResolveToInstalledLookAlikes_data();
    void facesResolveToInstalledLookAlikes();
    void starFieldShowsWhereNothingCoversIt_data() { addScreenRows(); }
    void starFieldShowsWhereNothingCoversIt();
    void labelsAndButtonsShowTheirColours_data() { addScreenRows(); }
    void labelsAndButtonsShowTheirColours();
    void everyCharacterIsInTheFaceUsed_data() { addScreenRows(); }
    void everyCharacterIsInTheFaceUsed();
    void everyTextFitsItsControl_data() { addScreenRows(); }
    void everyTextFitsItsControl();
    void predictButtonShowsTheHandAboveItsCaption();
    void controlsPastTheEdgeAreCutByTheWindow();
    void picturesAreDecodedOncePerRun();
    void picturesAreTheirFilesPixelForPixel_data();
    void picturesAreTheirFilesPixelForPixel();
};

void TestPictures::facesResolveToInstalledLookAlikes_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("installed");
    QTest::newRow("title face") << u"AngsanaUPC"_qs << u"Kinnari"_qs;
    QTest::newRow("dialog face") << u"MS Sans Serif"_qs << u"Loma"_qs;
    QTest::newRow("playful face") << u"Comic Sans MS"_qs << u"Comic Neue"_qs;
    QTest::newRow("default face") << QString() << u"Noto Sans Thai UI"_qs;
}

void TestPictures::facesResolveToInstalledLookAlikes()
{
    QFETCH(QString, face);
    QFETCH(QString, installed);
    const QFont font = face.isEmpty() ? QApplication::font() : QFont(face);
    QCOMPARE(QFontInfo(font).family(), installed);
}

void TestPictures::starFieldShowsWhereNothingCoversIt()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    expectStarFieldWhereUncovered(program.window(screen)->surface(), 1);
}

void TestPictures::labelsAndButtonsShowTheirColours()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    const Screen &instance = *program.screens.peek(screen);
    const QImage drawn = grabbed(program.window(screen)->surface());
    const QRect client = drawn.rect();
    for (const Control &control : instance.description().controls) {
        if (control.kind != Control::Kind::Label && control.kind != Control::Kind::CommandButton
            && control.kind != Control::Kind::TextBox)
            continue;
        if (control.backColor.source == Colour::Source::Default)
            continue;
        // Lines the screen fills in or shows only as the person types.
        if (!instance.window()->control(control.name)->isVisible()
            || (control.kind == Control::Kind::Label && control.text.isEmpty()))
            continue;
        const QRect area = instance.window()->control(control.name)->geometry() & client;
        const QImage part = drawn.copy(area);
        QCOMPARE(QColor(mostCommon(part)), colourOf(control.backColor));
        if (control.foreColor.source != Colour::Source::Default && !control.text.isEmpty())
            QVERIFY2(countNear(part, colourOf(control.foreColor).rgb(), 47) > 5, control.name.data());
    }
}

void TestPictures::everyCharacterIsInTheFaceUsed()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    std::vector<ShownText> texts = textsOf(*program.screens.peek(screen));
    const ScreenWindow *window = program.window(screen);
    if (window->menuBar()) {
        for (const QAction *entry : window->menuBar()->findChildren<QAction *>())
            texts.push_back({entry->objectName(), withoutAccessMarker(entry->text()), window->menuBar(), -1});
    }
    for (const ShownText &text : texts) {
        for (const char32_t character : text.text.toUcs4())
            QVERIFY2(hasGlyph(text.widget->font(), character),
                qPrintable(u"%1: U+%2"_qs.arg(text.name).arg(quint32(character), 4, 16, QChar(u'0'))));
    }
}

void TestPictures::everyTextFitsItsControl()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    expectTextsFit(textsOf(*program.screens.peek(screen)));
}

void TestPictures::predictButtonShowsTheHandAboveItsCaption()
{
    Program program;
    openScreen(program, EntryScreen);
    QWidget *button = program.control(EntryScreen, "Command1");
    button->clearFocus(); // no focus mark across the picture
    const QImage drawn = grabbed(button);
    // The navy cuff of the pointing hand, inside the bevel.
    const QRect cuff = extentOf(drawn, qRgb(0, 0, 0x80), 0, drawn.rect().adjusted(3, 0, -3, 0));
    QRect caption; // the dark letters below it
    QVERIFY(!cuff.isEmpty());
    for (int y = cuff.bottom() + 1; y < drawn.height() - 3; ++y) {
        for (int x = 3; x < drawn.width() - 3; ++x) {
            if (qGray(drawn.pixel(x, y)) < 60)
                caption |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!caption.isEmpty());
    const double middle = (drawn.width() - 1) / 2.0;
    QVERIFY(std::abs(cuff.center().x() + 0.5 * (cuff.width() % 2 == 0) - middle) <= 1.0);
    QVERIFY(std::abs(caption.center().x() - middle) <= 2.0);
    QVERIFY(caption.top() > cuff.bottom());
}

void TestPictures::controlsPastTheEdgeAreCutByTheWindow()
{
    Program program;
    openScreen(program, EntryScreen);
    // The banner starts left of the client area and ends right of it; what
    // shows is its middle, with its caption on the middle of the window.
    QWidget *banner = program.control(EntryScreen, "Label1");
    QCOMPARE(banner->geometry(), QRect(-69, 0, 513, 41));
    const QImage drawn = grabbed(program.window(EntryScreen)->surface());
    const QRect letters = extentOf(drawn, qRgb(0, 0x80, 0), 0, QRect(0, 0, drawn.width(), banner->height()));
    QVERIFY(!letters.isEmpty());
    const int bannerMiddle = banner->geometry().center().x();
    QVERIFY(std::abs(letters.center().x() - bannerMiddle) <= 6);
    // Both ends of the visible banner are pale yellow right to the edge.
    QCOMPARE(drawn.pixel(0, banner->height() / 2), qRgb(0xFF, 0xFF, 0xC0));
    QCOMPARE(drawn.pixel(drawn.width() - 1, banner->height() / 2), qRgb(0xFF, 0xFF, 0xC0));
}

void TestPictures::picturesAreDecodedOncePerRun()
{
    Program program;
    openScreen(program, VersePage1);
    const qint64 icon = program.window(VersePage1)->windowIcon().cacheKey();
    const qint64 stars = picture(Picture::StarField).cacheKey();
    // Verse page 2 has the same information icon, and verse page 1 loaded
    // anew shows the very same decoded pictures as before.
    program.click(VersePage1, "Command1");
    QCOMPARE(program.window(VersePage2)->windowIcon().cacheKey(), icon);
    program.click(VersePage2, "Command1");
    QCOMPARE(program.window(VersePage1)->windowIcon().cacheKey(), icon);
    QCOMPARE(picture(Picture::StarField).cacheKey(), stars);
}

void TestPictures::picturesAreTheirFilesPixelForPixel_data()
{
    QTest::addColumn<int>("picture"); // a Picture, or -1 for an icon
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QList<QSize>>("sizes");
    const int noIcon = -1;
    QTest::newRow("star field") << int(Picture::StarField) << noIcon << u":/assets/starfield.gif"_qs
                                << QList<QSize>{{640, 480}};
    QTest::newRow("title figure") << int(Picture::TitleFigure) << noIcon << u":/assets/titlefigure.jpg"_qs
                                  << QList<QSize>{{200, 250}};
    QTest::newRow("hand") << int(Picture::PointingHand) << noIcon << u":/assets/hand.cur"_qs << QList<QSize>{{32, 32}};
    for (const auto &[icon, file] :
        {std::pair{WindowIcon::Chart, u":/assets/chart.ico"_qs}, std::pair{WindowIcon::Menu, u":/assets/menu.ico"_qs},
            std::pair{WindowIcon::Information, u":/assets/information.ico"_qs}})
        QTest::newRow(qPrintable(file)) << -1 << int(icon) << file << QList<QSize>{{32, 32}, {16, 16}};
}

// The program carries its pictures decoded; what it draws must be what Qt's
// own decoders read from the files, every pixel and its transparency.
void TestPictures::picturesAreTheirFilesPixelForPixel()
{
    QFETCH(int, picture);
    QFETCH(int, icon);
    QFETCH(QString, file);
    QFETCH(QList<QSize>, sizes);
    QImageReader reader(file);
    QCOMPARE(reader.imageCount() > 0 ? reader.imageCount() : 1, sizes.size());
    for (int i = 0; i < sizes.size(); ++i) {
        QImage original;
        QVERIFY(i == 0 || reader.jumpToImage(i));
        QVERIFY2(reader.read(&original), qPrintable(reader.errorString()));
        QCOMPARE(original.size(), sizes[i]);
        const QImage carried = picture >= 0 ? duset::picture(Picture(picture)).toImage()
                                            : windowIcon(WindowIcon(icon)).pixmap(sizes[i]).toImage();
        QCOMPARE(carried.size(), sizes[i]);
        QCOMPARE(carried.convertToFormat(QImage::Format_ARGB32), original.convertToFormat(QImage::Format_ARGB32));
    }
    if (icon >= 0)
        QCOMPARE(windowIcon(WindowIcon(icon)).availableSizes(), sizes);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
