// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "style.h"

#include "credits.h"

#include <QLabel>

using namespace duset;
using namespace duset::testing;

class TestMainMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void titleFigureIsDrawnAtNaturalSize();
    void titleAndVersionAreCutByTheRightEdge();
    void nothingTakesTheFocus();
    void isBuiltOncePerRun();
    void helpMenuShowsTheAboutBoxes();
    void theMenuBarsExtensionArrowIsTheStyles();
};

void TestMainMenu::titleFigureIsDrawnAtNaturalSize()
{
    Program program;
    const QImage drawn = grabbed(program.window(MainMenu)->surface());
    const QImage figure = QImage(u":/assets/titlefigure.jpg"_qs).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(figure.size(), QSize(200, 250));
    // The client area is 247 pixels high: the figure fills the left 200
    // columns from the top, and its bottom 3 rows lie below the window.
    QCOMPARE(drawn.height(), 247);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < figure.width(); ++x)
            QVERIFY2(drawn.pixel(x, y) == figure.pixel(x, y), qPrintable(u"at %1,%2"_qs.arg(x).arg(y)));
    }
}

void TestMainMenu::titleAndVersionAreCutByTheRightEdge()
{
    Program program;
    const QImage drawn = grabbed(program.window(MainMenu)->surface());
    const QWidget *title = program.control(MainMenu, "Label1");
    const QWidget *version = program.control(MainMenu, "Label5");
    // Both labels reach 6 pixels past the client area; their colours run to
    // its last column.
    QCOMPARE(title->geometry().right(), drawn.width() - 1 + 6);
    QCOMPARE(version->geometry().right(), drawn.width() - 1 + 6);
    QCOMPARE(drawn.pixel(drawn.width() - 1, title->height() / 2), qRgb(0xFF, 0x80, 0x00));
    QCOMPARE(drawn.pixel(drawn.width() - 1, version->y() + version->height() / 2), qRgb(0xFF, 0xFF, 0xFF));
    // Their captions are centred on the labels' whole width, so they sit
    // right of the middle of what is visible.
    const int middle = title->geometry().center().x();
    const QRect titleLetters = extentOf(drawn, qRgb(0xFF, 0xFF, 0xFF), 59, title->geometry().adjusted(2, 2, -2, -2));
    const QRect versionLetters = extentOf(drawn, qRgb(0xFF, 0x80, 0x00), 59, version->geometry().adjusted(0, 2, 0, -2));
    QVERIFY(!titleLetters.isEmpty() && !versionLetters.isEmpty());
    QVERIFY2(std::abs(titleLetters.center().x() - middle) <= 4, qPrintable(QString::number(titleLetters.center().x())));
    QVERIFY2(
        std::abs(versionLetters.center().x() - middle) <= 4, qPrintable(QString::number(versionLetters.center().x())));
    const int visibleMiddle = (title->x() + drawn.width() - 1) / 2;
    QVERIFY(titleLetters.center().x() > visibleMiddle);
}

void TestMainMenu::nothingTakesTheFocus()
{
    Program program;
    for (const QWidget *child : program.window(MainMenu)->surface()->findChildren<QWidget *>())
        QCOMPARE(child->focusPolicy(), Qt::NoFocus);
    QTest::keyClick(program.window(MainMenu), Qt::Key_Tab);
    QVERIFY(!program.window(MainMenu)->surface()->findChild<QWidget *>()->hasFocus());
}

void TestMainMenu::isBuiltOncePerRun()
{
    Program program;
    const ScreenWindow *window = program.window(MainMenu);
    const QWidget *title = program.control(MainMenu, "Label1");
    const QPoint where = window->pos();
    const std::pair<const char *, ScreenId> visits[]
        = {{"m1", EntryScreen}, {"m2", HistoryScreen}, {"m3", VersePage1}, {"m4", OrderScreen}};
    for (const auto &[entry, target] : visits) {
        program.choose(entry);
        program.window(target)->close(); // the close button leads back to the main menu
        QCoreApplication::processEvents();
        QCOMPARE(program.window(MainMenu), window);
        QCOMPARE(program.control(MainMenu, "Label1"), title);
        QVERIFY(window->isVisible());
        QCOMPARE(window->pos(), where);
    }
}

void TestMainMenu::helpMenuShowsTheAboutBoxes()
{
    Program program;
    program.choose("about");
    QCOMPARE(program.messages.size(), std::size_t(1));
    const ShownMessage about = program.messages.front();
    QCOMPARE(about.parent, program.window(MainMenu));
    QCOMPARE(about.message.title, u"เกี่ยวกับ duset"_qs);
    const QStringList lines = about.message.text.split(u"\r\n"_qs);
    QVERIFY(lines.front().contains(u"duset"));
    for (const QString &part : {u"1.00"_qs, u"GPL-3.0-or-later"_qs, QString::fromUtf16(DUSET_AUTHOR_CREDIT),
             QString::fromUtf16(DUSET_CONTACT_CREDIT)}) {
        QVERIFY2(about.message.text.contains(part), qPrintable(part));
    }
    program.choose("aboutQt");
    QCOMPARE(program.messages.size(), std::size_t(2));
    QCOMPARE(program.messages.back().message.title, u"About Qt"_qs);
    // Both boxes leave the main menu where it is, alone on view.
    QCOMPARE(program.visibleScreens(), std::vector{MainMenu});
}

// The program's style reads the arrow of the menu bar's extension button only
// when it is drawn; drawn, it is the arrow of the style it stands for.
void TestMainMenu::theMenuBarsExtensionArrowIsTheStyles()
{
    const QString key = QApplication::style()->name();
    const ProgramStyle style(key);
    QCOMPARE(style.baseStyle()->name(), key);
    const QIcon deferred = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon own = QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!deferred.isNull());
    for (const int side : {16, 32}) {
        const QImage arrow = own.pixmap(side).toImage();
        QVERIFY(!arrow.isNull());
        QCOMPARE(deferred.pixmap(side).toImage(), arrow);
    }
}

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
