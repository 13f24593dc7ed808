// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"
#include "words.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include <vector>

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

// The notices that appear in the program's windows, with their texts, as a
// screen reader hears them: a notification is spoken as it appears.
class NoticeListener : public QObject {
public:
    NoticeListener() { qApp->installEventFilter(this); }

    QStringList notices;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()
            && accessible(watched)->role() == QAccessible::Notification) {
            const auto *notice = static_cast<QWidget *>(watched);
            // Heard, but neither seen nor reached.
            if (notice->size().isEmpty() && notice->focusPolicy() == Qt::NoFocus)
                notices << accessible(watched)->text(QAccessible::Name);
            else
                notices << u"(seen)"_qs;
        }
        return false;
    }
};

QChar accessKeyOf(const QString &caption)
{
    return caption.at(caption.indexOf(u'&') + 1);
}

ScreenWindow *openDateScreen(const Program &program)
{
    program.choose("dates");
    ScreenWindow *window = program.window(DateScreen);
    if (!window || !QTest::qWaitForWindowActive(window))
        return nullptr;
    return window;
}

void enterDate(const Program &program, const QString &day, int month, const QString &year)
{
    typeText(program.control(DateScreen, "dayField"), day);
    auto *months = program.control<QComboBox>(DateScreen, "monthList");
    months->setFocus();
    for (int i = 0; i < month; ++i)
        QTest::keyClick(months, Qt::Key_Down);
    typeText(program.control(DateScreen, "yearField"), year);
}

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
    void aListWithoutAFieldCarriesItsItem();
    void anOptionButtonIsChosenBeforeItTakesTheFocus();
    void resultLinesAreNamedByTheirCaptionsAndReachable_data() { addScreenRows(); }
    void resultLinesAreNamedByTheirCaptionsAndReachable();
    void theDateScreenSaysWhatItFound();
    void aRefusedHandOverSaysWhy();
    void emptyingTheListsIsSaid();
    void theMainMenuSaysTheProgramAndItsMenuKey();
    void pagesSayTheirLinesWhole_data();
    void pagesSayTheirLinesWhole();
    void fieldsAreReadWhole();
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

void TestAccessibility::aListWithoutAFieldCarriesItsItem()
{
    Program program;
    QVERIFY(openDateScreen(program));
    auto *list = program.control<QComboBox>(DateScreen, "monthList");
    QAccessibleInterface *month = accessible(list);
    QCOMPARE(month->role(), QAccessible::ComboBox);
    QCOMPARE(name(list), u"เดือน"_qs);
    QCOMPARE(labelledBy(list), QStringList{u"เดือน"_qs});
    // Its item is its text, so that a screen reader reads it when the list
    // is reached, and its value.
    QAccessibleTextInterface *text = month->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, -1), QString());
    QCOMPARE(month->text(QAccessible::Value), QString());
    list->setCurrentIndex(0);
    QCOMPARE(text->text(0, -1), u"เดือนมกราคม(เดือนยี่)"_qs);
    QCOMPARE(text->characterCount(), 21);
    QCOMPARE(text->text(5, 11), u"มกราคม"_qs);
    QCOMPARE(text->text(15, 99), u"อนยี่)"_qs);
    QCOMPARE(month->text(QAccessible::Value), u"เดือนมกราคม(เดือนยี่)"_qs);
    list->setCurrentIndex(11);
    QCOMPARE(text->text(0, -1), u"เดือนธันวาคม(เดือนอ้าย)"_qs);
    QCOMPARE(name(list), u"เดือน"_qs);
    // An editable list leaves its text to its field.
    Program entryProgram;
    openScreen(entryProgram, EntryScreen);
    QAccessibleInterface *entry = accessible(entryProgram.control(EntryScreen, "Combo2"));
    QVERIFY(!entry->textInterface());
}

void TestAccessibility::anOptionButtonIsChosenBeforeItTakesTheFocus()
{
    Program program;
    QVERIFY(openDateScreen(program));
    enterDate(program, u"1"_qs, 1, u"2566"_qs); // early in the year: two animals
    auto *traditional = program.control<QRadioButton>(DateScreen, "traditionalYear");
    QVERIFY(traditional->isVisible());
    std::vector<bool> checkedOnFocus;
    QObject::connect(qApp, &QApplication::focusChanged, traditional, [&](QWidget *, QWidget *now) {
        if (now == traditional)
            checkedOnFocus.push_back(traditional->isChecked());
    });
    pressAccessKey(QApplication::focusWidget(), accessKeyOf(traditional->text()));
    QTRY_VERIFY(traditional->hasFocus());
    QCOMPARE(checkedOnFocus, std::vector<bool>{true});
    // The key clicks the button a moment later, as it clicks any button, so a
    // key pressed before it is handled first.
    auto *civil = program.control<QRadioButton>(DateScreen, "civilYear");
    pressAccessKey(QApplication::focusWidget(), accessKeyOf(civil->text()));
    QVERIFY(!civil->isChecked());
    QVERIFY(traditional->hasFocus());
    QTRY_VERIFY(civil->hasFocus());
    QVERIFY(civil->isChecked());
    QVERIFY(!traditional->isChecked());
}

void TestAccessibility::resultLinesAreNamedByTheirCaptionsAndReachable()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    QStringList lines;
    for (const ScreenWindow::ResultLine &result : window->resultLines()) {
        lines << result.line->objectName();
        QCOMPARE(labelledBy(result.line), QStringList{result.caption->text()});
        QCOMPARE(result.line->focusPolicy(), Qt::TabFocus);
    }
    if (screen != DateScreen) {
        QCOMPARE(lines, QStringList());
        return;
    }
    // The weekday, the month and the animal year, beside วัน, เดือน, ปีเกิด.
    for (const auto &[line, caption] :
        {std::pair{"foundWeekday", u"วัน"}, {"foundMonth", u"เดือน"}, {"foundYear", u"ปีเกิด"}}) {
        QVERIFY2(lines.contains(QLatin1String(line)), line);
        QCOMPARE(labelledBy(window->control(line)), QStringList{QString::fromUtf16(caption)});
    }
    // The status line above them and the fields' own labels are no results.
    QVERIFY(!lines.contains(u"status"_qs));
    QVERIFY(!lines.contains(u"commonEraYear"_qs));
}

void TestAccessibility::theDateScreenSaysWhatItFound()
{
    Program program;
    NoticeListener reader;
    QVERIFY(openDateScreen(program));
    QCoreApplication::processEvents();
    QCOMPARE(reader.notices, QStringList()); // nothing to say as it opens
    enterDate(program, u"17"_qs, 1, u"2539"_qs);
    const QString early = u"นับได้สองแบบ: เลือกแบบสากลหรือแบบไทยด้านล่าง ค.ศ. 1996 วัน วันพุธ เดือน เดือนมกราคม(เดือนยี่) "
                          u"ปีเกิด (เลือกด้านล่าง) จันทรคติ วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน "
                          u"แบบไทยนับเดือนตามจันทรคติ และเปลี่ยนปีนักษัตรวันขึ้น 1 ค่ำ เดือน 5 (19 มีนาคม) "
                          u"ถ้าสูติบัตรระบุปีนักษัตรไว้ ให้เลือกตามสูติบัตร"_qs;
    QTRY_COMPARE(reader.notices.value(reader.notices.size() - 1), early);
    // Nothing is said twice while nothing changes; each change is said once.
    QCoreApplication::processEvents();
    const qsizetype said = reader.notices.size();
    program.control<QRadioButton>(DateScreen, "traditionalYear")->click();
    QTRY_COMPARE(reader.notices.size(), said + 1);
    QCOMPARE(reader.notices.last(),
        u"ครบแล้ว: กดปุ่ม นำไปทำนาย ค.ศ. 1996 วัน วันพุธ เดือน เดือนมกราคม(เดือนยี่) ปีเกิด ปีกุน (หมู) "
        u"จันทรคติ วันพุธ แรม ๑๓ ค่ำ เดือนยี่ ปีกุน ผลรวม วันพุธ ๔ + เดือนยี่ ๒ + ปีกุน ๑๒ = ๑๘ → เศษ ๘"_qs);
    program.control<QRadioButton>(DateScreen, "traditionalYear")->click();
    QCoreApplication::processEvents();
    QCOMPARE(reader.notices.size(), said + 1);
    // The date broken again: the status says what is missing.
    auto *year = program.control<QLineEdit>(DateScreen, "yearField");
    year->setFocus();
    QTest::keyClick(year, Qt::Key_Backspace);
    QTRY_COMPARE(reader.notices.last(), u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด"_qs);
    // Before 2457 the lunar date is an estimate, and before 2484 the
    // Christian-era year is worth a check: all of it said once.
    year->clear();
    QCoreApplication::processEvents();
    const qsizetype before = reader.notices.size();
    typeText(year, u"2420"_qs);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(reader.notices.size(), before + 1);
    QVERIFY(reader.notices.last().startsWith(u"ก่อน พ.ศ. 2484 ปีใหม่เริ่ม 1 เมษายน: ตรวจว่า ค.ศ. 1877 ตรงกับปีที่เกิด วัน "_qs));
    QVERIFY(reader.notices.last().contains(u" ก่อน พ.ศ. 2457 วันทางจันทรคติเป็นเพียงค่าประมาณ "_qs));
}

void TestAccessibility::aRefusedHandOverSaysWhy()
{
    Program program;
    QVERIFY(openDateScreen(program));
    NoticeListener reader;
    program.click(DateScreen, "handOver");
    QCOMPARE(program.visibleScreens(), std::vector{DateScreen});
    QCOMPARE(reader.notices, QStringList{u"ใส่วันที่ เลือกเดือน และพิมพ์ปี พ.ศ. ที่เกิด"_qs});
    // A day that no month has: said as it is typed, and again at the refusal.
    typeText(program.control(DateScreen, "dayField"), u"32"_qs);
    program.click(DateScreen, "handOver");
    QTRY_COMPARE(reader.notices.size(), 3);
    QCOMPARE(reader.notices.mid(1), QStringList(2, u"ใส่วันที่ 1 ถึง 31 หรือทั้งวันที่ เช่น 17/1/2539"_qs));
    QCOMPARE(QApplication::focusWidget(), program.control(DateScreen, "dayField"));
}

void TestAccessibility::emptyingTheListsIsSaid()
{
    Program program;
    openScreen(program, EntryScreen);
    NoticeListener reader;
    program.click(EntryScreen, "Command3");
    QCOMPARE(reader.notices, QStringList{u"ล้างข้อมูลแล้ว: วัน เดือน ปีเกิด ว่าง"_qs});
    program.click(EntryScreen, "Command3");
    QCOMPARE(reader.notices.size(), 2); // said again at each press
}

void TestAccessibility::theMainMenuSaysTheProgramAndItsMenuKey()
{
    Program program;
    ScreenWindow *menu = program.window(MainMenu);
    QCOMPARE(name(menu), u"Main menu"_qs); // the caption a sighted person reads
    QCOMPARE(accessible(menu)->text(QAccessible::Description), u"ตำราวรุณศ (ดูเศษ) กด Alt+L เพื่อเปิดเมนู Let go !"_qs);
    QCOMPARE(menu->windowTitle(), u"Main menu"_qs);
    QCOMPARE(menu->toolTip(), QString());
    // No other window says more than its caption.
    openScreen(program, EntryScreen);
    QCOMPARE(accessible(program.window(EntryScreen))->text(QAccessible::Description), QString());
}

// The lines of each page as its tables set them out, by the names of the
// controls on each row, left to right; their texts from the word file.
void TestAccessibility::pagesSayTheirLinesWhole_data()
{
    QTest::addColumn<ScreenId>("screen");
    QTest::addColumn<QList<QStringList>>("rows");
    const auto texts = [](const char *prefix, std::initializer_list<int> numbers) {
        QStringList names;
        for (int n : numbers)
            names << u"%1%2"_qs.arg(QLatin1String(prefix)).arg(n);
        return names;
    };
    QList<QStringList> order{{u"Label1"_qs}, {u"Label2"_qs, u"Label3"_qs, u"Label4"_qs}};
    // The ninth row is Label14, the tenth Label13.
    for (int n : {5, 6, 7, 8, 9, 10, 11, 12, 14, 13, 15, 16})
        order << texts("Label", {n});
    QTest::newRow("order screen") << OrderScreen << order;
    QList<QStringList> history{{u"Label1"_qs}, {u"Label2"_qs}};
    for (int n = 1; n <= 11; ++n)
        history << texts("Text", {n});
    QTest::newRow("history") << HistoryScreen << history;
    QList<QStringList> first{{u"Label1"_qs}};
    for (int row = 1; row <= 15; ++row)
        first << texts("Text", {row, row + 15});
    first << texts("Text", {31, 32});
    QTest::newRow("verse page 1") << VersePage1 << first;
    QList<QStringList> second{{u"Label1"_qs}, texts("Text", {33, 34}), texts("Text", {35, 38}), texts("Text", {36, 39}),
        texts("Text", {37, 40})};
    for (int row = 5; row <= 14; ++row)
        second << texts("Text", {2 * row - 9, 2 * row - 8});
    QTest::newRow("verse page 2") << VersePage2 << second;
}

// A page says its lines after its caption as it opens, each whole and in the
// order a person reads them, and a field that holds half a line is named by
// the whole line, so that Tab gives the line whole too. The words count; the
// runs of spaces that line them up are no part of what is heard.
void TestAccessibility::pagesSayTheirLinesWhole()
{
    QFETCH(ScreenId, screen);
    QFETCH(QList<QStringList>, rows);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    const QString form = window->objectName();
    QStringList expected;
    for (const QStringList &row : rows) {
        QStringList words;
        for (const QString &control : row)
            words << programWords().text(form + u' ' + control);
        const QString line = words.join(u' ').simplified();
        expected << line;
        for (const QString &control : row) {
            auto *field = qobject_cast<QLineEdit *>(window->control(control.toStdString()));
            if (field)
                QCOMPARE(name(field).simplified(), row.size() > 1 ? line : QString());
        }
    }
    QStringList said = accessible(window)->text(QAccessible::Description).split(u'\n');
    for (QString &line : said)
        line = line.simplified();
    QCOMPARE(said, expected);
    QCOMPARE(name(window), window->windowTitle());
}

// A screen reader reads a field's line through the runs of its text's
// attributes, which must cover the text: every offset lies in a run, and the
// runs reach the end. The line at the cursor, at the start and at the end,
// is the whole text.
void TestAccessibility::fieldsAreReadWhole()
{
    const auto readWhole = [](QLineEdit *field) {
        QAccessibleTextInterface *text = accessible(field)->textInterface();
        QVERIFY(text);
        const int count = int(field->text().size());
        QCOMPARE(text->characterCount(), count);
        int start = -1, end = -1;
        for (int offset = 0; offset < count; ++offset) {
            text->attributes(offset, &start, &end);
            QVERIFY2(start <= offset && offset < end, qPrintable(u"%1 at %2"_qs.arg(field->text()).arg(offset)));
        }
        QCOMPARE(end, count);
        for (int cursor : {0, count}) {
            field->setCursorPosition(cursor);
            QCOMPARE(
                text->textAtOffset(text->cursorPosition(), QAccessible::LineBoundary, &start, &end), field->text());
        }
    };
    {
        Program program;
        QVERIFY(openDateScreen(program));
        auto *day = program.control<QLineEdit>(DateScreen, "dayField");
        auto *year = program.control<QLineEdit>(DateScreen, "yearField");
        typeText(day, u"31"_qs);
        typeText(year, u"2539"_qs);
        readWhole(day);
        readWhole(year);
    }
    // Half a line of verse that ends in a tone mark.
    Program program;
    openScreen(program, VersePage1);
    auto *verse = program.control<QLineEdit>(VersePage1, "Text1");
    QCOMPARE(verse->text(), programWords().text(u"Form5 Text1"_qs));
    readWhole(verse);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
