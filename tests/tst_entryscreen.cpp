// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"
#include "words.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

using namespace duset;
using namespace duset::testing;

namespace {

// What the word file holds for a box or a list's item, counted from 0.
QString word(const char16_t *key)
{
    return programWords().text(QString::fromUtf16(key));
}
QString item(int list, int place)
{
    return programWords().find(u"Form1 Combo%1 items"_qs.arg(list))->value(place);
}

QChar accessKey(const QAbstractButton *button)
{
    const QString caption = button->text();
    return caption.at(caption.indexOf(u'&') + 1);
}

// The entry screen, opened from the main menu.
class OpenEntryScreen : public Program {
public:
    OpenEntryScreen()
    {
        choose("m1");
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }

    ScreenWindow *window() const { return Program::window(EntryScreen); }
    QComboBox *list(int n) const { return control<QComboBox>(EntryScreen, "Combo" + std::to_string(n)); }
    QAbstractButton *button(int n) const
    {
        return control<QAbstractButton>(EntryScreen, "Command" + std::to_string(n));
    }
    void pick(int n, int item) const
    {
        list(n)->setFocus();
        for (int i = 0; i <= item; ++i)
            QTest::keyClick(list(n), Qt::Key_Down);
    }
    QStringList texts() const { return {list(1)->currentText(), list(2)->currentText(), list(3)->currentText()}; }
};

} // namespace

class TestEntryScreen : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void opensEmptyWithTheFocusInTheDayList();
    void tabFollowsTheTabIndexes();
    void pickingPutsExactlyTheItemInTheField();
    void typedTextStaysAsTyped();
    void typingOffersItemsAndChoosesNone();
    void predictShowsTheVerse();
    void predictOnAFreshScreenWarnsOfAllThree();
    void predictAfterFreeTextWarns();
    void clearEmptiesTheLists();
    void accessKeys();
    void enterAndSpacePressTheFocusedButton();
    void finishingForgetsWhatWasEntered();
    void messageBoxCanBeReadAndCopied();
};

void TestEntryScreen::opensEmptyWithTheFocusInTheDayList()
{
    OpenEntryScreen screen;
    QCOMPARE(screen.texts(), QStringList(3));
    QCOMPARE(screen.window()->focusWidget(), screen.list(1));
    for (int n = 1; n <= 3; ++n) {
        QCOMPARE(screen.list(n)->currentIndex(), -1);
        QVERIFY(screen.list(n)->isEditable());
    }
}

void TestEntryScreen::tabFollowsTheTabIndexes()
{
    OpenEntryScreen screen;
    const QList<QWidget *> cycle{screen.list(2), screen.list(3), screen.button(1), screen.button(2), screen.button(3),
        screen.button(4), screen.list(1)};
    for (QWidget *next : cycle) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(screen.window()->focusWidget(), next);
    }
    // The button to the birth-date screen comes last.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(screen.window()->focusWidget(), screen.button(4));
}

void TestEntryScreen::pickingPutsExactlyTheItemInTheField()
{
    OpenEntryScreen screen;
    screen.pick(1, 3);
    QCOMPARE(screen.list(1)->currentText(), item(1, 3));
    // From the drop-down list with the mouse.
    QComboBox *months = screen.list(2);
    months->showPopup();
    QAbstractItemView *view = months->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex december = view->model()->index(11, 0);
    view->scrollTo(december);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(december).center());
    QTRY_COMPARE(months->currentText(), item(2, 11));
    QCOMPARE(months->count(), 12);
}

void TestEntryScreen::typedTextStaysAsTyped()
{
    OpenEntryScreen screen;
    QComboBox *days = screen.list(1);
    // The start of a weekday is not completed to the weekday.
    const QString start = item(1, 3).left(4);
    typeText(days->lineEdit(), start);
    QCOMPARE(days->currentText(), start);
    QCOMPARE(days->lineEdit()->selectedText(), QString());
    // Enter keeps the text in the field and adds nothing to the list.
    typeText(days->lineEdit(), u" free text"_qs);
    QTest::keyClick(days->lineEdit(), Qt::Key_Return);
    QCOMPARE(days->currentText(), start + u" free text"_qs);
    QCOMPARE(days->count(), 7);
    QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
    // A control character, pasted or committed by an input method (the Tab
    // of LibThai's Shift+Tab), is refused whole; the list keeps its text.
    const QString kept = days->currentText();
    for (const QString &pasted : {u"x"_qs + QChar(0), QString(QChar(0x1b)), start + u"\u0085"_qs}) {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keySequence(days->lineEdit(), QKeySequence::Paste);
        QCOMPARE(days->currentText(), kept);
    }
    QInputMethodEvent tab;
    tab.setCommitString(u"\t"_qs);
    QCoreApplication::sendEvent(days, &tab);
    QCOMPARE(days->currentText(), kept);
}

// A short form or another spelling offers its items under the list; the
// field keeps what was typed until Down puts an offer in it, and predict
// reads only what the field shows.
void TestEntryScreen::typingOffersItemsAndChoosesNone()
{
    OpenEntryScreen screen;
    const auto offered = [](const QComboBox *list) {
        QStringList items;
        const auto *view = list->findChild<const QListView *>(u"offers"_qs);
        if (view && view->isVisible()) {
            for (int row = 0; row < view->model()->rowCount(); ++row)
                items << view->model()->index(row, 0).data().toString();
        }
        return items;
    };
    const struct {
        int list;
        QString typed;
        QString item;
    } cases[] = {
        {1, u"พุธ"_qs, u"วันพุธ"_qs},
        {2, u"ม.ค."_qs, u"เดือนมกราคม(เดือนยี่)"_qs},
        {3, u"ปีกุน(หมู)"_qs, u"ปีกุน (หมู)"_qs},
    };
    for (const auto &[n, typed, item] : cases) {
        QComboBox *list = screen.list(n);
        list->setFocus();
        typeText(list, typed);
        QCOMPARE(offered(list), QStringList{item});
        QCOMPARE(list->currentText(), typed);
        if (n < 3) {
            // Esc closes the offer and keeps the text.
            QTest::keyClick(list, Qt::Key_Escape);
            QCOMPARE(offered(list), QStringList{});
            QCOMPARE(list->currentText(), typed);
        }
    }
    // Tab closes the offer and leaves the year as typed; predict names it,
    // and the month and the day, which were never picked.
    QTest::keyClick(screen.list(3), Qt::Key_Tab);
    QCOMPARE(offered(screen.list(3)), QStringList{});
    QCOMPARE(screen.list(3)->currentText(), u"ปีกุน(หมู)"_qs);
    screen.click(EntryScreen, "Command1");
    QCOMPARE(screen.messages.back().message.text, word(u"warning without day, month, year"));

    // Down puts the first offer in the field, Up goes back no further than
    // the first, and Enter takes what the field shows.
    QComboBox *days = screen.list(1);
    days->setFocus();
    days->lineEdit()->selectAll();
    typeText(days, item(1, 3).left(4));
    QCOMPARE(offered(days), (QStringList{u"วันพุธ"_qs, u"วันพฤหัส"_qs}));
    QTest::keyClick(days, Qt::Key_Down);
    QTest::keyClick(days, Qt::Key_Down);
    QCOMPARE(days->currentText(), u"วันพฤหัส"_qs);
    QTest::keyClick(days, Qt::Key_Up);
    QTest::keyClick(days, Qt::Key_Up);
    QCOMPARE(days->currentText(), u"วันพุธ"_qs);
    QTest::keyClick(days, Qt::Key_Return);
    QCOMPARE(offered(days), QStringList{});
    QCOMPARE(days->currentText(), u"วันพุธ"_qs);
}

void TestEntryScreen::predictShowsTheVerse()
{
    OpenEntryScreen screen;
    screen.pick(1, 3); // Wednesday 4
    screen.pick(2, 0); // January 2
    screen.pick(3, 11); // pig 12: 18, remainder 8
    screen.click(EntryScreen, "Command1");
    QCOMPARE(screen.messages.size(), std::size_t(1));
    const ShownMessage &shown = screen.messages.front();
    QCOMPARE(shown.parent, screen.window());
    QCOMPARE(shown.message.title, word(u"verdict title"));
    QCOMPARE(shown.message.icon, QMessageBox::Information);
    QCOMPARE(shown.message.text, word(u"verse 8"));
    // The screen stays as it was.
    QCOMPARE(screen.texts(), (QStringList{item(1, 3), item(2, 0), item(3, 11)}));
    QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
}

void TestEntryScreen::predictOnAFreshScreenWarnsOfAllThree()
{
    OpenEntryScreen screen;
    screen.click(EntryScreen, "Command1");
    QCOMPARE(screen.messages.size(), std::size_t(1));
    const Message &message = screen.messages.front().message;
    QCOMPARE(message.title, word(u"warning title"));
    QCOMPARE(message.icon, QMessageBox::Warning);
    QCOMPARE(message.text, word(u"warning without day, month, year"));
}

void TestEntryScreen::predictAfterFreeTextWarns()
{
    OpenEntryScreen screen;
    screen.pick(1, 2); // Tuesday
    screen.pick(2, 0);
    screen.pick(3, 0);
    screen.click(EntryScreen, "Command1");
    QCOMPARE(screen.messages.back().message.title, word(u"verdict title"));
    // The day field now shows something that is no weekday: no verdict for
    // Tuesday while the field says otherwise.
    screen.list(1)->setFocus();
    screen.list(1)->lineEdit()->selectAll();
    typeText(screen.list(1)->lineEdit(), u"x"_qs);
    screen.click(EntryScreen, "Command1");
    QCOMPARE(screen.messages.size(), std::size_t(2));
    QCOMPARE(screen.messages.back().message.text, word(u"warning without day"));
}

void TestEntryScreen::clearEmptiesTheLists()
{
    OpenEntryScreen screen;
    screen.pick(1, 6);
    screen.pick(2, 10);
    screen.pick(3, 11);
    screen.click(EntryScreen, "Command1");
    screen.click(EntryScreen, "Command3");
    QCOMPARE(screen.texts(), QStringList(3));
    // Clear also empties a field that alone had a text.
    typeText(screen.list(2)->lineEdit(), u"abc"_qs);
    screen.click(EntryScreen, "Command3");
    QCOMPARE(screen.texts(), QStringList(3));
}

void TestEntryScreen::accessKeys()
{
    OpenEntryScreen screen;
    QWidget *focus = screen.window()->focusWidget();
    // Predict, by Alt and its underlined letter.
    pressAccessKey(focus, accessKey(screen.button(1)));
    QTRY_COMPARE(screen.messages.size(), std::size_t(1));
    QCOMPARE(screen.messages.front().message.title, word(u"warning title"));
    // Clear.
    typeText(screen.list(1)->lineEdit(), u"abc"_qs);
    pressAccessKey(focus, accessKey(screen.button(3)));
    QTRY_COMPARE(screen.list(1)->currentText(), QString());
    // Finish.
    pressAccessKey(focus, accessKey(screen.button(2)));
    QTRY_COMPARE(screen.visibleScreens(), std::vector{MainMenu});
    QVERIFY(!screen.isLoaded(EntryScreen));
}

void TestEntryScreen::enterAndSpacePressTheFocusedButton()
{
    OpenEntryScreen screen;
    screen.button(1)->setFocus();
    QTest::keyClick(screen.button(1), Qt::Key_Return);
    QTRY_COMPARE(screen.messages.size(), std::size_t(1));
    QTest::keyClick(screen.button(1), Qt::Key_Space);
    QTRY_COMPARE(screen.messages.size(), std::size_t(2));
    // Enter in a list presses no button.
    screen.list(3)->setFocus();
    QTest::keyClick(screen.list(3)->lineEdit(), Qt::Key_Enter);
    QCoreApplication::processEvents();
    QCOMPARE(screen.messages.size(), std::size_t(2));
    QCOMPARE(screen.visibleScreens(), std::vector{EntryScreen});
}

void TestEntryScreen::finishingForgetsWhatWasEntered()
{
    OpenEntryScreen screen;
    screen.pick(1, 0);
    screen.pick(2, 0);
    screen.pick(3, 0);
    screen.click(EntryScreen, "Command1");
    screen.click(EntryScreen, "Command2");
    screen.choose("m1");
    QCOMPARE(screen.texts(), QStringList(3));
}

void TestEntryScreen::messageBoxCanBeReadAndCopied()
{
    const Message verse{.title = word(u"verdict title"), .text = word(u"verse 2"), .icon = QMessageBox::Information};
    auto box = createMessageBox(nullptr, verse);
    QCOMPARE(box->windowTitle(), verse.title);
    QCOMPARE(box->icon(), QMessageBox::Information);
    QCOMPARE(box->buttons().size(), 1);
    QCOMPARE(box->standardButton(box->buttons().front()), QMessageBox::Ok);
    // The label that shows the text, found as a person finds it: by its text.
    QLabel *label = nullptr;
    for (QLabel *shown : box->findChildren<QLabel *>()) {
        if (shown->text() == verse.text)
            label = shown;
    }
    QVERIFY(label);
    QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
    QCOMPARE(label->text(), verse.text); // shown with its CR LF line breaks as they are
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box->buttons().front(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), verse.title + u"\r\n"_qs + verse.text);
}

QTEST_MAIN(TestEntryScreen)
#include "tst_entryscreen.moc"
