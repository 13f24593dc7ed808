// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <climits>

using namespace duset;
using namespace duset::testing;

namespace {

// The word for year, which the order screen's rows put before each animal.
const QString YearWord = u"ปี"_qs;

// A reference screen opened from the main menu, active, as a person finds it.
class OpenScreen : public Program {
public:
    explicit OpenScreen(ScreenId id)
        : id(id)
    {
        take(*this, wayTo(id));
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }

    ScreenWindow *window() const { return Program::window(id); }
    const Screen &screen() const { return *screens.peek(id); }
    template<typename Widget = QWidget> Widget *control(std::string_view name) const
    {
        return Program::control<Widget>(id, name);
    }
    QString focusName() const
    {
        const QWidget *focus = window()->focusWidget();
        return focus ? focus->objectName() : QString();
    }
    QImage grab() const { return grabbed(window()->surface()); }

    const ScreenId id;
};

QString shownText(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (const auto *field = qobject_cast<const QLineEdit *>(widget))
        return field->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    return {};
}

qsizetype leadingSpaces(const QString &text)
{
    qsizetype n = 0;
    while (n < text.size() && text.at(n) == u' ')
        ++n;
    return n;
}

// Where a field draws its text, in the coordinates of the screen's surface.
QRect textArea(const QWidget *widget)
{
    const auto *field = qobject_cast<const QLineEdit *>(widget);
    if (!field)
        return widget->geometry();
    // Less the rounded corners of the border.
    return fieldTextRect(field).translated(field->pos()).adjusted(1, 1, -1, -1);
}

// The orange-on-black controls: the verse fields and the order screen's rows.
std::vector<const Control *> orangeOnBlack(const Screen &screen)
{
    std::vector<const Control *> found;
    for (const Control &control : screen.description().controls) {
        if (control.backColor.source == Colour::Source::Rgb && control.backColor.rgb == 0x000000
            && control.foreColor.source == Colour::Source::Rgb && control.foreColor.rgb == 0xFF8000)
            found.push_back(&control);
    }
    return found;
}

void addReferenceScreenRows()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::newRow("order screen") << OrderScreen;
    QTest::newRow("history") << HistoryScreen;
    QTest::newRow("verse page 1") << VersePage1;
    QTest::newRow("verse page 2") << VersePage2;
}

} // namespace

class TestReferenceScreens : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void verseFieldsStandInRows_data();
    void verseFieldsStandInRows();
    void orderRowsStandInTheirNumbersOrder();
    void focusOnOpenAndTabCycle_data();
    void focusOnOpenAndTabCycle();
    void reopenedScreenShowsItsDesign_data();
    void reopenedScreenShowsItsDesign();
    void firstPageVersesCanBeCopiedButNotChanged();
    void secondPageFieldsIgnoreTheMouse();
    void accessKeysAreUnderlinedAndLead_data();
    void accessKeysAreUnderlinedAndLead();
    void titlesStandWhereTheirLabelsPutThem_data();
    void titlesStandWhereTheirLabelsPutThem();
    void leadingSpacesAreDrawn_data() { addReferenceScreenRows(); }
    void leadingSpacesAreDrawn();
    void contentIsOrangeOnBlack_data() { addReferenceScreenRows(); }
    void contentIsOrangeOnBlack();
};

void TestReferenceScreens::verseFieldsStandInRows_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("rows");
    QTest::newRow("page 1") << VersePage1 << 16;
    QTest::newRow("page 2") << VersePage2 << 14;
}

// A page is read row by row, the left field before the right one: each row
// is a line across the page, two fields side by side, 24 pixels below the
// one before.
void TestReferenceScreens::verseFieldsStandInRows()
{
    QFETCH(ScreenId, screen);
    QFETCH(int, rows);
    OpenScreen open(screen);
    auto fields = open.window()->surface()->findChildren<QLineEdit *>(Qt::FindDirectChildrenOnly);
    QCOMPARE(fields.size(), qsizetype(rows * 2));
    std::sort(fields.begin(), fields.end(),
        [](const QLineEdit *a, const QLineEdit *b) { return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x()); });
    for (int r = 0; r < rows; ++r) {
        const QLineEdit *left = fields[2 * r];
        const QLineEdit *right = fields[2 * r + 1];
        QCOMPARE(left->y(), 56 + 24 * r);
        QCOMPARE(right->y(), 56 + 24 * r);
        QVERIFY2(left->geometry().right() < right->x(), qPrintable(left->objectName()));
    }
}

void TestReferenceScreens::orderRowsStandInTheirNumbersOrder()
{
    OpenScreen open(OrderScreen);
    const char *rows[] = {"Label5", "Label6", "Label7", "Label8", "Label9", "Label10", "Label11", "Label12", "Label14",
        "Label13", "Label15", "Label16"};
    for (int n = 1; n <= 12; ++n) {
        const auto *row = open.control<QLabel>(rows[n - 1]);
        QVERIFY(row);
        QCOMPARE(row->y(), 88 + 24 * (n - 1)); // a row every 24 pixels
        const QStringList items = row->text().split(u' ', Qt::SkipEmptyParts);
        // Seven days, twelve months, twelve years.
        QCOMPARE(items.size(), n <= 7 ? 3 : 2);
        const QString number = QString::number(n) + u'.';
        for (const QString &item : items)
            QVERIFY2(item.startsWith(number), qPrintable(item));
        // The seventh year alone goes without the word for year.
        QCOMPARE(items.last().mid(number.size()).startsWith(YearWord), n != 7);
    }
}

void TestReferenceScreens::focusOnOpenAndTabCycle_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QStringList>("cycle");
    QStringList firstPage;
    for (int n = 1; n <= 32; ++n)
        firstPage << u"Text%1"_qs.arg(n);
    QTest::newRow("verse page 1") << VersePage1 << firstPage + QStringList{u"Command1"_qs, u"Text1"_qs};
    QTest::newRow("verse page 2") << VersePage2 << QStringList{u"Command1"_qs, u"Command2"_qs, u"Command1"_qs};
    QStringList history;
    for (int n = 1; n <= 11; ++n)
        history << u"Text%1"_qs.arg(n);
    // The right-hand button comes before the left-hand one.
    QTest::newRow("history") << HistoryScreen << history + QStringList{u"Command2"_qs, u"Command1"_qs, u"Text1"_qs};
    QTest::newRow("order screen") << OrderScreen << QStringList{u"Command1"_qs, u"Command1"_qs};
    QTest::newRow("meaning screen") << MeaningScreen
                                    << QStringList{u"remainderList"_qs, u"verse"_qs, u"meaning"_qs, u"glossary"_qs,
                                           u"close"_qs, u"remainderList"_qs};
}

void TestReferenceScreens::focusOnOpenAndTabCycle()
{
    QFETCH(ScreenId, screen);
    QFETCH(QStringList, cycle);
    OpenScreen open(screen);
    QCOMPARE(open.focusName(), cycle.first());
    for (qsizetype i = 1; i < cycle.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(open.focusName(), cycle.at(i));
    }
    if (screen == HistoryScreen)
        QVERIFY(open.control("Command2")->x() > open.control("Command1")->x());
}

void TestReferenceScreens::reopenedScreenShowsItsDesign_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<bool>("editable");
    QTest::addColumn<Route>("away");
    QTest::newRow("order screen") << OrderScreen << false << Route{{OrderScreen, "Command1"}, {MainMenu, "m4"}};
    QTest::newRow("history, through the order screen")
        << HistoryScreen << true << Route{{HistoryScreen, "Command1"}, {OrderScreen, "Command1"}, {MainMenu, "m2"}};
    QTest::newRow("history, through the menu")
        << HistoryScreen << true << Route{{HistoryScreen, "Command2"}, {MainMenu, "m2"}};
    QTest::newRow("verse page 1") << VersePage1 << false << Route{{VersePage1, "Command1"}, {VersePage2, "Command1"}};
    QTest::newRow("verse page 2") << VersePage2 << false
                                  << Route{{VersePage2, "Command2"}, {MainMenu, "m3"}, {VersePage1, "Command1"}};
}

void TestReferenceScreens::reopenedScreenShowsItsDesign()
{
    QFETCH(ScreenId, screen);
    QFETCH(bool, editable);
    QFETCH(Route, away);
    OpenScreen open(screen);
    // Click into every field, scroll to its end, type and select, as a
    // person might; then whatever has the focus gets some typing too.
    for (QLineEdit *field : open.window()->surface()->findChildren<QLineEdit *>()) {
        const QString before = field->text();
        QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
        QTest::keyClick(field, Qt::Key_End);
        typeText(field, u"xyz"_qs);
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(field->text() != before, editable && field->isEnabled());
    }
    typeText(QApplication::focusWidget(), u"abc"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);

    take(open, away);
    QVERIFY(QTest::qWaitForWindowActive(open.window()));
    QCOMPARE(open.visibleScreens(), std::vector{screen});
    for (const Control &control : open.screen().description().controls) {
        const QWidget *widget = open.control(control.name);
        if (control.kind == Control::Kind::CommandButton)
            continue;
        QCOMPARE(shownText(widget), control.text.toString());
        if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
            QCOMPARE(field->cursorPosition(), 0);
            QVERIFY(!field->hasSelectedText());
        }
    }
}

void TestReferenceScreens::firstPageVersesCanBeCopiedButNotChanged()
{
    OpenScreen open(VersePage1);
    // Text7 ends with two spaces; a copy keeps them.
    auto *field = open.control<QLineEdit>("Text7");
    const QString verse = field->text();
    QVERIFY(field->isEnabled());
    QVERIFY(field->isReadOnly());
    QTest::mouseClick(field, Qt::LeftButton);
    QCOMPARE(open.focusName(), u"Text7"_qs);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(field->selectedText(), verse);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), verse);
    for (const Qt::Key key : {Qt::Key_Delete, Qt::Key_Backspace})
        QTest::keyClick(field, key);
    QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(u"xyz"_qs);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field->text(), verse);
}

void TestReferenceScreens::secondPageFieldsIgnoreTheMouse()
{
    OpenScreen open(VersePage2);
    auto *field = open.control<QLineEdit>("Text36");
    const QString verse = field->text();
    QVERIFY(!field->isEnabled());
    QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
    QTest::mouseDClick(field, Qt::LeftButton, {}, field->rect().center());
    // A drag across the whole text.
    QTest::mousePress(field, Qt::LeftButton, {}, QPoint(4, field->height() / 2));
    QTest::mouseMove(field, QPoint(field->width() - 4, field->height() / 2));
    QTest::mouseRelease(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
    QCOMPARE(open.focusName(), u"Command1"_qs);
    QVERIFY(!field->hasSelectedText());
    typeText(QApplication::focusWidget(), u"xyz"_qs);
    QCOMPARE(field->text(), verse);
    QCOMPARE(open.visibleScreens(), std::vector{VersePage2});
}

void TestReferenceScreens::accessKeysAreUnderlinedAndLead_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("letter");
    QTest::addColumn<ScreenId>("target");
    QTest::newRow("page 1, next page") << VersePage1 << u"Command1"_qs << u"ห"_qs << VersePage2;
    QTest::newRow("page 2, back") << VersePage2 << u"Command1"_qs << u"ย"_qs << VersePage1;
    QTest::newRow("page 2, menu") << VersePage2 << u"Command2"_qs << u"ก"_qs << MainMenu;
    QTest::newRow("history, order") << HistoryScreen << u"Command1"_qs << u"ว"_qs << OrderScreen;
    QTest::newRow("history, close") << HistoryScreen << u"Command2"_qs << u"ป"_qs << MainMenu;
    QTest::newRow("order, close") << OrderScreen << u"Command1"_qs << u"ป"_qs << MainMenu;
}

void TestReferenceScreens::accessKeysAreUnderlinedAndLead()
{
    QFETCH(ScreenId, screen);
    QFETCH(QString, button);
    QFETCH(QString, letter);
    QFETCH(ScreenId, target);
    OpenScreen open(screen);
    auto *pressed = open.control<QAbstractButton>(button.toStdString());
    const QString caption = pressed->text();
    const qsizetype marker = caption.indexOf(u'&');
    QCOMPARE(caption.mid(marker + 1, 1), letter);

    // Drawn with its marker, the caption gains a line under the access letter
    // in rows where, without the marker, nothing dark is drawn; apart from
    // that line it takes the same columns: the "&" itself is not drawn.
    QString plain = caption;
    plain.remove(marker, 1);
    pressed->clearFocus(); // no focus mark
    const QImage marked = pressed->grab().toImage().convertToFormat(QImage::Format_RGB32);
    pressed->setText(plain);
    const QImage unmarked = pressed->grab().toImage().convertToFormat(QImage::Format_RGB32);
    pressed->setText(caption);
    const QRect inside = pressed->rect().adjusted(3, 3, -3, -3);
    const auto dark = [](const QImage &image, int x, int y) { return qGray(image.pixel(x, y)) < 100; };
    // The line: a run of dark pixels along a row, where the caption without
    // its marker is not dark.
    QRect line;
    QRect letters[2];
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (dark(unmarked, x, y))
                letters[1] |= QRect(x, y, 1, 1);
        }
        for (int x = inside.left(); x <= inside.right();) {
            int end = x;
            int alsoUnmarked = 0;
            while (end <= inside.right() && dark(marked, end, y))
                alsoUnmarked += dark(unmarked, end++, y);
            const int run = end - x;
            if (run >= 4 && alsoUnmarked * 2 < run)
                line |= QRect(x, y, run, 1);
            else
                for (int i = x; i < end; ++i)
                    letters[0] |= QRect(i, y, 1, 1);
            x = std::max(end, x + 1);
        }
    }
    QVERIFY(!line.isEmpty());
    QVERIFY(line.height() <= 2);
    QVERIFY(line.top() > letters[1].center().y());
    QVERIFY(std::abs(letters[0].left() - letters[1].left()) <= 1);
    QVERIFY(std::abs(letters[0].right() - letters[1].right()) <= 1);
    const QFontMetrics metrics(pressed->font());
    const int textLeft = inside.left() + (inside.width() - metrics.horizontalAdvance(plain)) / 2;
    const int letterLeft = textLeft + metrics.horizontalAdvance(plain.left(marker));
    QVERIFY2(std::abs(line.left() - letterLeft) <= 2, qPrintable(u"%1 vs %2"_qs.arg(line.left()).arg(letterLeft)));
    QVERIFY(std::abs(line.width() - metrics.horizontalAdvance(letter)) <= 2);
    pressed->setFocus();

    pressAccessKey(QApplication::focusWidget(), letter.at(0));
    QTRY_COMPARE(open.visibleScreens(), std::vector{target});
    QVERIFY(!open.isLoaded(screen));
}

void TestReferenceScreens::titlesStandWhereTheirLabelsPutThem_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<int>("offset"); // of the caption's middle from the window's, in twips
    QTest::newRow("order screen") << OrderScreen << 0;
    QTest::newRow("history") << HistoryScreen << -195;
    QTest::newRow("verse page 1") << VersePage1 << 578;
    QTest::newRow("verse page 2") << VersePage2 << 0;
}

void TestReferenceScreens::titlesStandWhereTheirLabelsPutThem()
{
    QFETCH(ScreenId, screen);
    QFETCH(int, offset);
    OpenScreen open(screen);
    const auto *title = open.control<QLabel>("Label1");
    const QImage drawn = open.grab();
    // The title overflows the window on its right, and on its left too where it starts before it.
    QVERIFY(title->geometry().right() >= drawn.width());
    for (const int y : {1, title->height() - 2}) {
        QCOMPARE(drawn.pixel(0, y), qRgb(0xFF, 0xFF, 0xC0));
        QCOMPARE(drawn.pixel(drawn.width() - 1, y), qRgb(0xFF, 0xFF, 0xC0));
    }
    // Green on pale yellow: a thin stroke's smoothed edge is still nearer the
    // green than the yellow.
    const QRect letters = extentOf(drawn, qRgb(0, 0x80, 0), 286, QRect(0, 0, drawn.width(), title->height()));
    QVERIFY(!letters.isEmpty());
    const double middle = drawn.width() / 2.0 + offset / double(TwipsPerPixel);
    // The caption is centred with its spaces; the letters start after them.
    const QFontMetrics metrics(title->font());
    const QString caption = title->text();
    const double left = middle - metrics.horizontalAdvance(caption) / 2.0
        + metrics.horizontalAdvance(caption.left(leadingSpaces(caption)));
    const double right = left + metrics.horizontalAdvance(caption.trimmed());
    QVERIFY2(
        std::abs(letters.left() - left) <= 4, qPrintable(u"starts at %1, not %2"_qs.arg(letters.left()).arg(left)));
    if (letters.right() < drawn.width() - 2)
        QVERIFY2(std::abs(letters.right() - right) <= 4,
            qPrintable(u"ends at %1, not %2"_qs.arg(letters.right()).arg(right)));
}

void TestReferenceScreens::leadingSpacesAreDrawn()
{
    QFETCH(ScreenId, screen);
    OpenScreen open(screen);
    open.control("Command1")->setFocus(); // no text cursor in a field
    const QImage drawn = open.grab();
    // Where the first letter starts, less the room of the spaces before it,
    // is the same for every row: the spaces are drawn, not dropped.
    int least = INT_MAX;
    int most = INT_MIN;
    int withSpaces = 0;
    for (const Control *control : orangeOnBlack(open.screen())) {
        const QWidget *widget = open.control(control->name);
        const QRect area = textArea(widget) & drawn.rect();
        int ink = -1;
        for (int x = area.left(); x <= area.right() && ink < 0; ++x)
            for (int y = area.top(); y <= area.bottom(); ++y)
                if (qRed(drawn.pixel(x, y)) > 128) {
                    ink = x - area.left();
                    break;
                }
        QVERIFY2(ink >= 0, control->name.data());
        const QString text = shownText(widget);
        const qsizetype spaces = leadingSpaces(text);
        withSpaces += spaces > 0;
        const int start = ink - QFontMetrics(widget->font()).horizontalAdvance(text.left(spaces));
        least = std::min(least, start);
        most = std::max(most, start);
    }
    QVERIFY(withSpaces >= 5);
    QVERIFY2(most - least <= 3, qPrintable(u"%1 to %2"_qs.arg(least).arg(most)));
}

void TestReferenceScreens::contentIsOrangeOnBlack()
{
    QFETCH(ScreenId, screen);
    OpenScreen open(screen);
    open.control("Command1")->setFocus();
    const QImage drawn = open.grab();
    // Orange letters smoothed into black keep green at half the red and no
    // blue; a disabled field drawn grey, or any other colour, would not.
    for (const Control *control : orangeOnBlack(open.screen())) {
        const QRect area = textArea(open.control(control->name)) & drawn.rect();
        int letters = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = drawn.pixel(x, y);
                QVERIFY2(qBlue(pixel) <= 12 && std::abs(qGreen(pixel) - qRed(pixel) / 2) <= 16,
                    qPrintable(u"%1 at %2,%3: %4"_qs.arg(toQString(control->name)).arg(x).arg(y).arg(pixel, 8, 16)));
                letters += qRed(pixel) >= 0xC0;
            }
        }
        QVERIFY2(letters > 10, control->name.data());
    }
}

QTEST_MAIN(TestReferenceScreens)
#include "tst_referencescreens.moc"
