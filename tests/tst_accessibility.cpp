// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

using namespace duset;
using namespace duset::testing;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface)
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    return interface;
}

QString name(QObject *object)
{
    return accessible(object)->text(QAccessible::Name);
}

QStringList labelledBy(QObject *object)
{
    QStringList names;
    for (const auto &[label, relation] : accessible(object)->relations(QAccessible::Label))
        names << label->text(QAccessible::Name);
    return names;
}

// What a person reads: the caption without its access-key marker.
QString withoutMarker(QStringView caption)
{
    QString text = caption.toString();
    const qsizetype marker = text.indexOf(u'&');
    return marker < 0 ? text : text.remove(marker, 1);
}

// A made-up screen for the naming rule: one list with labels all around it,
// and a field with none on its line.
using enum Control::Kind;
constexpr Control RuleControls[] = {
    {.kind = Label, .name = "Far", .text = u"far", .left = 0, .top = 600, .width = 500, .height = 255},
    {.kind = Label, .name = "Near", .text = u"near", .left = 900, .top = 600, .width = 600, .height = 255},
    {.kind = Label, .name = "Above", .text = u"above", .left = 1500, .top = 300, .width = 400, .height = 255},
    {.kind = Label,
        .name = "Overlapping",
        .text = u"overlapping",
        .left = 1800,
        .top = 600,
        .width = 400,
        .height = 255},
    {.kind = Label, .name = "Right", .text = u"right", .left = 3600, .top = 600, .width = 600, .height = 255},
    {.kind = ComboBox, .name = "Combo1", .left = 2000, .top = 600, .width = 1500, .height = 330},
    {.kind = TextBox, .name = "Text1", .text = u"text", .left = 2000, .top = 1200, .width = 1500, .height = 315},
    {.kind = Label, .name = "Below", .text = u"below", .left = 0, .top = 1215, .width = 600, .height = 255},
};
constexpr ScreenDescription RuleScreen{
    .name = "Rule", .caption = u"rule", .clientWidth = 4500, .clientHeight = 2000, .controls = RuleControls};

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installProgramFonts(); }
    void listsAreAnnouncedWithTheirLabels_data();
    void listsAreAnnouncedWithTheirLabels();
    void aFieldTakesTheNearestLabelOnItsTopLineToItsLeft();
    void windowsButtonsAndMenuEntriesAreAnnouncedByTheirCaptions_data() { addScreenRows(); }
    void windowsButtonsAndMenuEntriesAreAnnouncedByTheirCaptions();
    void aScreenReaderCanPressAButton();
    void messageBoxesAnnounceTitleAndText_data();
    void messageBoxesAnnounceTitleAndText();
};

void TestAccessibility::listsAreAnnouncedWithTheirLabels_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("label");
    QTest::newRow("weekday") << u"Combo1"_qs << u"วัน"_qs;
    QTest::newRow("month") << u"Combo2"_qs << u"เดือน"_qs;
    QTest::newRow("year") << u"Combo3"_qs << u"ปีเกิด"_qs;
}

void TestAccessibility::listsAreAnnouncedWithTheirLabels()
{
    QFETCH(QString, list);
    QFETCH(QString, label);
    Program program;
    openScreen(program, EntryScreen);
    auto *combo = program.control<QComboBox>(EntryScreen, list.toStdString());
    QVERIFY(combo);
    QCOMPARE(accessible(combo)->role(), QAccessible::ComboBox);
    QCOMPARE(name(combo), label);
    QCOMPARE(labelledBy(combo), QStringList{label});
    // Whatever the list holds, a screen reader says the label as its name and
    // the text as its value, on the list and on the field inside it.
    QLineEdit *field = combo->lineEdit();
    QVERIFY(field);
    const auto announced = [&](const QString &text) {
        QCOMPARE(name(combo), label);
        QCOMPARE(labelledBy(combo), QStringList{label});
        QCOMPARE(accessible(combo)->text(QAccessible::Value), text);
        QCOMPARE(name(field), label);
        QCOMPARE(accessible(field)->text(QAccessible::Value), text);
    };
    announced(QString());
    if (QTest::currentTestFailed())
        return;

    combo->setCurrentIndex(2);
    announced(combo->itemText(2));
    if (QTest::currentTestFailed())
        return;

    combo->setFocus();
    field->selectAll();
    typeText(field, u"๕x"_qs);
    announced(u"๕x"_qs);
    if (QTest::currentTestFailed())
        return;

    // The list is still a list: its drop-down and its field are its children,
    // and a screen reader can open the drop-down.
    QAccessibleInterface *whole = accessible(combo);
    QCOMPARE(whole->childCount(), 2);
    QCOMPARE(whole->child(0)->object(), combo->view());
    QCOMPARE(whole->child(1)->object(), field);
    QCOMPARE(whole->indexOfChild(whole->child(1)), 1);
    QCOMPARE(whole->child(1)->parent()->object(), combo);
    QAccessibleActionInterface *actions = whole->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::showMenuAction()));
    ScreenWindow *window = program.window(EntryScreen);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QTRY_VERIFY(combo->view()->isVisible());
    combo->hidePopup();
    window->hide();
}

void TestAccessibility::aFieldTakesTheNearestLabelOnItsTopLineToItsLeft()
{
    ScreenWindow window(RuleScreen);
    QCOMPARE(name(window.control("Combo1")), u"near"_qs);
    QCOMPARE(labelledBy(window.control("Combo1")), QStringList{u"near"_qs});
    // A label below the field's top line, however close, is not its label.
    QCOMPARE(name(window.control("Text1")), QString());
    QCOMPARE(labelledBy(window.control("Text1")), QStringList());
    // The labels keep their own captions.
    QCOMPARE(name(window.control("Near")), u"near"_qs);
}

void TestAccessibility::windowsButtonsAndMenuEntriesAreAnnouncedByTheirCaptions()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    const ScreenDescription &description = program.screens.peek(screen)->description();
    QCOMPARE(name(window), description.caption.toString());

    int buttons = 0;
    for (const Control &control : description.controls) {
        if (control.kind != Control::Kind::CommandButton)
            continue;
        QWidget *button = window->control(control.name);
        QCOMPARE(accessible(button)->role(), QAccessible::Button);
        QCOMPARE(name(button), withoutMarker(control.text));
        ++buttons;
    }
    QVERIFY(buttons > 0 || !description.menus.empty());

    if (description.menus.empty())
        return;
    // Each entry of the menu bar and each entry of its drop-down list, as a
    // screen reader walks them.
    QAccessibleInterface *bar = accessible(window->menuBar());
    QCOMPARE(bar->childCount(), static_cast<int>(description.menus.size()));
    for (int m = 0; m < bar->childCount(); ++m) {
        const Menu &menu = description.menus[static_cast<std::size_t>(m)];
        QAccessibleInterface *top = bar->child(m);
        QCOMPARE(top->text(QAccessible::Name), withoutMarker(menu.caption));
        QCOMPARE(top->childCount(), 1);
        QAccessibleInterface *list = top->child(0);
        QCOMPARE(list->role(), QAccessible::PopupMenu);
        QCOMPARE(list->childCount(), static_cast<int>(menu.entries.size()));
        for (int i = 0; i < list->childCount(); ++i) {
            const MenuEntry &entry = menu.entries[static_cast<std::size_t>(i)];
            QAccessibleInterface *item = list->child(i);
            if (entry.caption == u"-") {
                QCOMPARE(item->role(), QAccessible::Separator);
                continue;
            }
            QCOMPARE(item->role(), QAccessible::MenuItem);
            QCOMPARE(item->text(QAccessible::Name), withoutMarker(entry.caption));
        }
    }
}

void TestAccessibility::aScreenReaderCanPressAButton()
{
    // The buttons draw themselves, so check that they still offer the press
    // action and that it navigates as a click does.
    Program program;
    openScreen(program, VersePage2);
    QAccessibleInterface *back = accessible(program.control(VersePage2, "Command2"));
    QAccessibleActionInterface *actions = back->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(program.visibleScreens(), std::vector{MainMenu});
    QVERIFY(!program.isLoaded(VersePage2));
}

void TestAccessibility::messageBoxesAnnounceTitleAndText_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::newRow("warning") << -1 << -1 << -1 << QMessageBox::Warning;
    QTest::newRow("verdict") << 3 << 0 << 11 << QMessageBox::Information; // Wednesday, January, pig
}

void TestAccessibility::messageBoxesAnnounceTitleAndText()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QMessageBox::Icon, icon);
    Program program;
    openScreen(program, EntryScreen);
    const int picks[] = {day, month, year};
    for (int n = 1; n <= 3; ++n)
        program.control<QComboBox>(EntryScreen, "Combo" + std::to_string(n))->setCurrentIndex(picks[n - 1]);
    program.click(EntryScreen, "Command1");
    QCOMPARE(program.messages.size(), std::size_t(1));
    const Message message = program.messages.front().message;
    QCOMPARE(message.icon, icon);

    auto box = createMessageBox(program.window(EntryScreen), message);
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));
    // What a screen reader reads out when the box raises its alert.
    QAccessibleInterface *alert = accessible(box.get());
    QCOMPARE(alert->role(), QAccessible::AlertMessage);
    QCOMPARE(alert->text(QAccessible::Name), message.title);
    QCOMPARE(alert->text(QAccessible::Value), message.text);
    // The text can be selected and copied, and is still read as the text.
    const QList<QLabel *> labels = box->findChildren<QLabel *>();
    const auto label = std::find_if(
        labels.begin(), labels.end(), [&](const QLabel *shown) { return shown->text() == message.text; });
    QVERIFY(label != labels.end());
    QCOMPARE(name(*label), message.text);
    QCOMPARE(name(box->buttons().front()), box->buttons().front()->text().remove(u'&'));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
