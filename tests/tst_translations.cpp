// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support.h"

#include "qtstrings.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>

using namespace duset;
using namespace duset::testing;
using namespace Qt::StringLiterals;

namespace {

// The program's own captions that are English by design.
const QStringList OwnEnglish{QStringLiteral("&Let go !"), QStringLiteral("Main menu")};

// What an entry of a menu says: its caption without the access-key marker,
// and without the shortcut column, which names keys as their caps print them.
QString caption(const QAction *action)
{
    QString text = action->text().section(u'\t', 0, 0);
    return text.remove(u'&');
}

// Latin letters, the name of the toolkit aside: Thai writes "Qt" as it is.
bool hasLatin(QString text)
{
    // The names of the program and of its toolkit are names, not English.
    static const QRegularExpression toolkit(QStringLiteral("\\b(Qt|duset)\\b"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.remove(toolkit).contains(latin);
}

QStringList captions(const QMenu *menu)
{
    QStringList result;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            result << caption(action);
    }
    return result;
}

// Right-clicks a widget as a person does and returns the menu that opens,
// or none.
QMenu *openContextMenu(QWidget *widget)
{
    const QPoint inside(widget->width() / 2, widget->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside, widget->mapToGlobal(inside));
    QCoreApplication::sendEvent(widget, &event);
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (auto *menu = qobject_cast<QMenu *>(top); menu && menu->isVisible())
            return menu;
    }
    return nullptr;
}

QStringList editableEntries()
{
    return {u"เลิกทำ"_s, u"ทำซ้ำ"_s, u"ตัด"_s, u"คัดลอก"_s, u"วาง"_s, u"ลบ"_s, u"เลือกทั้งหมด"_s};
}

QStringList readOnlyEntries()
{
    return {u"คัดลอก"_s, u"เลือกทั้งหมด"_s};
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installProgramFonts();
        installQtStrings();
    }

    void everyFieldsMenuIsThai_data() { addScreenRows(); }
    void everyFieldsMenuIsThai();
    void buttonsAndMenusHaveNoEnglishButTheProgramsOwn_data() { addScreenRows(); }
    void buttonsAndMenusHaveNoEnglishButTheProgramsOwn();
    void theMessageBoxIsThai();
    void qtTextsOfOtherDesktopsAndBoxesAreThai_data();
    void qtTextsOfOtherDesktopsAndBoxesAreThai();
};

void TestTranslations::everyFieldsMenuIsThai()
{
    QFETCH(ScreenId, screen);
    Program program;
    ScreenWindow *window = openOnView(program, screen);
    QVERIFY(window);

    // The one-line fields and the passages to read, by what they offer.
    std::vector<std::pair<QWidget *, bool>> fields;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        fields.emplace_back(field, field->isReadOnly());
    for (QPlainTextEdit *passage : window->findChildren<QPlainTextEdit *>())
        fields.emplace_back(passage->viewport(), passage->isReadOnly());
    if (fields.empty())
        QSKIP("no fields on this screen");
    for (const auto &[field, readOnly] : fields) {
        const QString where = field->parentWidget()->objectName() + u'/' + field->objectName();
        QPointer<QMenu> menu = openContextMenu(field);
        if (!field->isEnabled()) {
            // A disabled field takes no click of any button.
            QVERIFY2(!menu, qPrintable(where));
            continue;
        }
        QVERIFY2(menu, qPrintable(where));
        const QStringList expected = readOnly ? readOnlyEntries() : editableEntries();
        QCOMPARE(captions(menu), expected);
        for (const QAction *action : menu->actions()) {
            // An access key a Thai keyboard can press, or none at all.
            const QString text = action->text().section(u'\t', 0, 0);
            const qsizetype marker = text.indexOf(u'&');
            if (marker >= 0) {
                QVERIFY2(marker + 1 < text.size(), qPrintable(text));
                QVERIFY2(!hasLatin(text.mid(marker + 1, 1)), qPrintable(text));
            }
        }
        menu->close();
        QTRY_VERIFY(!menu);
    }
    window->hide();
}

void TestTranslations::buttonsAndMenusHaveNoEnglishButTheProgramsOwn()
{
    QFETCH(ScreenId, screen);
    Program program;
    openScreen(program, screen);
    ScreenWindow *window = program.window(screen);
    QVERIFY(window);

    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!OwnEnglish.contains(button->text()))
            QVERIFY2(!hasLatin(button->text()), qPrintable(button->text()));
    }
    for (const QMenu *menu : window->findChildren<QMenu *>()) {
        if (!OwnEnglish.contains(menu->title()))
            QVERIFY2(!hasLatin(menu->title().remove(u'&')), qPrintable(menu->title()));
        for (const QString &entry : captions(menu))
            QVERIFY2(!hasLatin(entry), qPrintable(entry));
    }
}

void TestTranslations::theMessageBoxIsThai()
{
    Program program;
    const auto box = createMessageBox(
        program.window(MainMenu), Message{.title = u"ทดลอง"_s, .text = u"ข้อความ"_s, .icon = QMessageBox::Warning});
    box->show();
    QVERIFY(QTest::qWaitForWindowExposed(box.get()));

    QStringList buttons;
    for (const QAbstractButton *button : box->findChildren<QAbstractButton *>())
        buttons << button->text();
    QCOMPARE(buttons, QStringList{u"ตกลง"_s});
}

// Texts Qt draws only on other desktops or in boxes a test cannot wait on:
// the buttons of boxes on GNOME and the box about Qt.
void TestTranslations::qtTextsOfOtherDesktopsAndBoxesAreThai_data()
{
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("thai");
    QTest::newRow("GNOME OK") << u"QGnomeTheme"_s << u"&OK"_s << u"&ตกลง"_s;
    QTest::newRow("GNOME Close") << u"QGnomeTheme"_s << u"&Close"_s << u"&ปิด"_s;
    QTest::newRow("GNOME Cancel") << u"QGnomeTheme"_s << u"&Cancel"_s << u"ยก&เลิก"_s;
    QTest::newRow("Close") << u"QPlatformTheme"_s << u"Close"_s << u"ปิด"_s;
    QTest::newRow("About Qt title") << u"QMessageBox"_s << u"About Qt"_s << u"เกี่ยวกับ Qt"_s;
    QTest::newRow("About Qt heading") << u"QMessageBox"_s
                                      << u"<h3>About Qt</h3><p>This program uses Qt version %1.</p>"_s
                                      << u"<h3>เกี่ยวกับ Qt</h3><p>โปรแกรมนี้ใช้ Qt รุ่น %1</p>"_s;
    QTest::newRow("layout direction") << u"QGuiApplication"_s << u"QT_LAYOUT_DIRECTION"_s << u"LTR"_s;
}

void TestTranslations::qtTextsOfOtherDesktopsAndBoxesAreThai()
{
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, thai);
    const QByteArray disambiguation = context == u"QGuiApplication"
        ? QByteArrayLiteral("Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
                            "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.")
        : QByteArray();
    QCOMPARE(QCoreApplication::translate(context.toLatin1().constData(), source.toUtf8().constData(),
                 disambiguation.isEmpty() ? nullptr : disambiguation.constData()),
        thai);
}

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
