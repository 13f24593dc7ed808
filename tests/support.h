// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every test of the running program needs: the fonts, a registry of
// the real screens, a record of the messages it would show, and a way to
// press keys the way a person does.

#include "accesskeys.h"
#include "builder.h"
#include "fonts.h"
#include "inputmethods.h"
#include "messages.h"
#include "screen.h"
#include "screens.h"
#include "text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionFrame>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

Q_DECLARE_METATYPE(duset::ScreenId)

namespace duset::testing {

struct ShownMessage {
    QWidget *parent;
    Message message;
};

// A text of the program's own tables, which hold UTF-16, as a QString.
inline QString q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// One run of the program: starts on the main menu, records the messages it
// raises instead of waiting on a modal box, and tells whether it has ended.
class Program {
public:
    Program()
    {
        m_previous = setMessagePresenter([this](QWidget *parent, const Message &message) {
            messages.push_back({parent, message});
        });
        screens.runHandler([this] { screens.Show(MainMenu); });
    }
    ~Program() { setMessagePresenter(std::move(m_previous)); }

    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    ScreenWindow *window(ScreenId id) const
    {
        const Screen *screen = screens.peek(id);
        return screen ? screen->window() : nullptr;
    }

    bool isLoaded(ScreenId id) const { return window(id) != nullptr; }
    bool isVisible(ScreenId id) const { return isLoaded(id) && window(id)->isVisible(); }

    std::vector<ScreenId> visibleScreens() const
    {
        std::vector<ScreenId> visible;
        for (ScreenId id : AllScreens) {
            if (isVisible(id))
                visible.push_back(id);
        }
        return visible;
    }

    template<typename Widget = QWidget> Widget *control(ScreenId id, std::string_view name) const
    {
        const Screen *screen = screens.peek(id);
        return screen && screen->window() ? qobject_cast<Widget *>(screen->window()->control(name)) : nullptr;
    }

    // The texts of the entry screen's day, month and year lists while it is
    // loaded; none while it is not.
    QStringList entryTexts() const
    {
        QStringList texts;
        for (const char *name : {"Combo1", "Combo2", "Combo3"}) {
            if (const auto *list = control<QComboBox>(EntryScreen, name))
                texts << list->currentText();
        }
        return texts;
    }

    void click(ScreenId id, std::string_view button) const
    {
        auto *widget = control<QAbstractButton>(id, button);
        QVERIFY2(widget, button.data());
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    void choose(std::string_view menuEntry) const
    {
        QAction *entry = window(MainMenu)->menuEntry(menuEntry);
        QVERIFY2(entry, menuEntry.data());
        entry->trigger();
    }

    // The program's keys, as its start-up installs them.
    AccessKeys accessKeys;
    InputMethodKeys inputMethodKeys;
    ScreenRegistry screens{programScreens()};
    QSignalSpy ended{&screens, &ScreenRegistry::programEnded};
    std::vector<ShownMessage> messages;

private:
    MessagePresenter m_previous;
};

// Alt and a letter, as a person presses an access key; QTest's own key
// helpers take Latin letters only.
inline void pressAccessKey(QWidget *target, QChar letter)
{
    const auto key = static_cast<Qt::Key>(letter.toUpper().unicode());
    QTest::sendKeyEvent(QTest::Press, target, key, QString(letter), Qt::AltModifier);
    QTest::sendKeyEvent(QTest::Release, target, key, QString(letter), Qt::AltModifier);
}

// A key event the way a window system's comes, with the key's native codes:
// offered to the shortcuts first, then given to the open pop-up or to the
// widget that has the focus, or to the given one where neither is.
inline void deliverKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers, quint32 keycode, quint32 keysym,
    quint32 state, const QString &text, QWidget *fallback = nullptr)
{
    QWidget *receiver = QApplication::activePopupWidget();
    if (receiver && receiver->focusWidget())
        receiver = receiver->focusWidget();
    if (!receiver)
        receiver = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    if (!receiver)
        receiver = fallback;
    if (!receiver)
        return;
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(receiver, 0, key, modifiers, text))
        return;
    QKeyEvent event(type, key, modifiers, keycode, keysym, state, text);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::instance()->notify(receiver, &event);
}

// Types text into a field a character at a time, Thai included.
inline void typeText(QWidget *target, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, target, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

// A step of a route: a menu entry of the main menu, or a button of a screen.
struct Step {
    ScreenId screen;
    const char *control;
};

using Route = std::vector<Step>;

inline void take(const Program &program, const Route &route)
{
    for (const Step &step : route) {
        if (step.screen == MainMenu)
            program.choose(step.control);
        else
            program.click(step.screen, step.control);
        QCoreApplication::processEvents();
    }
}

// The way a person reaches a screen from the main menu.
inline Route wayTo(ScreenId id)
{
    switch (id) {
    case EntryScreen:
        return {{MainMenu, "m1"}};
    case OrderScreen:
        return {{MainMenu, "m4"}};
    case HistoryScreen:
        return {{MainMenu, "m2"}};
    case MainMenu:
        return {};
    case VersePage1:
        return {{MainMenu, "m3"}};
    case VersePage2:
        return {{MainMenu, "m3"}, {VersePage1, "Command1"}};
    case DateScreen:
        return {{MainMenu, "dates"}};
    case MeaningScreen:
        return {{MainMenu, "meaning"}};
    }
    return {};
}

inline void openScreen(const Program &program, ScreenId id)
{
    take(program, wayTo(id));
}

// Opens the screen as a person reaches it and waits until the window system
// shows it; none if it did not come on view.
inline ScreenWindow *openOnView(const Program &program, ScreenId id)
{
    openScreen(program, id);
    ScreenWindow *window = program.window(id);
    if (!window)
        return nullptr;
    window->show();
    return QTest::qWaitForWindowExposed(window) ? window : nullptr;
}

// One row per screen, for tests that hold for every screen.
inline void addScreenRows()
{
    QTest::addColumn<ScreenId>("screen");
    for (ScreenId id : AllScreens)
        QTest::addRow("Form%d", static_cast<int>(id) + 1) << id;
}

inline QImage grabbed(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The colour that covers most of a picture: a control's background.
inline QRgb mostCommon(const QImage &image)
{
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    return std::max_element(counts.begin(), counts.end(), [](auto &a, auto &b) { return a.second < b.second; })->first;
}

// Whether a pixel is within a distance of a colour: small letters are
// smoothed at their edges, so few of their pixels carry the exact colour.
inline bool isNear(QRgb pixel, QRgb colour, int tolerance)
{
    return std::abs(qRed(pixel) - qRed(colour)) + std::abs(qGreen(pixel) - qGreen(colour))
        + std::abs(qBlue(pixel) - qBlue(colour))
        <= tolerance;
}

// Where, inside an area of the picture (all of it if none is given), the
// pixels within the tolerance of a colour lie.
inline QRect extentOf(const QImage &image, QRgb colour, int tolerance = 0, QRect area = {})
{
    area = area.isNull() ? image.rect() : area & image.rect();
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isNear(image.pixel(x, y), colour, tolerance))
                extent |= QRect(x, y, 1, 1);
    return extent;
}

// How many pixels lie within the tolerance of a colour.
inline int countNear(const QImage &image, QRgb colour, int tolerance = 0)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += isNear(image.pixel(x, y), colour, tolerance);
    return n;
}

// The text a caption shows: the access-key marker is not drawn.
inline QString withoutAccessMarker(QString caption)
{
    const qsizetype marker = caption.indexOf(u'&');
    return marker < 0 ? caption : caption.remove(marker, 1);
}

// Where a field draws its text, in the field's own coordinates.
inline QRect fieldTextRect(const QLineEdit *field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    return field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
}

// Every text a control of a loaded screen shows, with the width it has to
// show it in (none for a list's items: the list is as wide as they need).
struct ShownText {
    QString name;
    QString text;
    QWidget *widget;
    int room;
};

inline std::vector<ShownText> textsOf(const Screen &screen)
{
    std::vector<ShownText> texts;
    for (const Control &control : screen.description().controls) {
        QWidget *widget = screen.window()->control(control.name);
        const QString name = toQString(control.name);
        const QString text = control.text.toString();
        switch (control.kind) {
        case Control::Kind::Label:
            texts.push_back({name, text, widget, widget->width()});
            break;
        case Control::Kind::CommandButton:
            // Inside the button's bevel.
            texts.push_back({name, withoutAccessMarker(text), widget, widget->width() - 6});
            break;
        case Control::Kind::TextBox:
            // Inside the field's margins.
            texts.push_back({name, text, widget, fieldTextRect(static_cast<QLineEdit *>(widget)).width() - 4});
            break;
        case Control::Kind::ComboBox:
        case Control::Kind::DropDownList:
            for (const QStringView item : control.items)
                texts.push_back({name, item.toString(), widget, -1});
            break;
        case Control::Kind::CheckBox:
        case Control::Kind::OptionButton:
            // As wide as the line they stand on.
            texts.push_back({name, withoutAccessMarker(text), widget, -1});
            break;
        case Control::Kind::Image:
        case Control::Kind::MultiLineTextBox: // a passage wraps at its width
            break;
        }
    }
    return texts;
}

// Every text fits the room its control gives it, measured as it is laid out
// on the control's own screen.
inline void expectTextsFit(const std::vector<ShownText> &texts)
{
    for (const ShownText &text : texts) {
        if (text.room < 0)
            continue;
        const int width = QFontMetrics(text.widget->font(), text.widget).horizontalAdvance(text.text);
        QVERIFY2(width <= text.room, qPrintable(u"%1 needs %2 of %3"_qs.arg(text.name).arg(width).arg(text.room)));
    }
}

// Every device pixel of a screen's surface that no control covers shows the
// star field's pixel at its place, or past the picture the screen's colour:
// the picture is drawn once, at its natural size, from the top-left corner,
// with as many device pixels to each of its pixels as the screen has to a
// pixel.
inline void expectStarFieldWhereUncovered(QWidget *surface, int ratio)
{
    const QImage drawn = grabbed(surface);
    const QImage stars = QImage(u":/assets/starfield.gif"_qs).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(stars.size(), QSize(640, 480));
    QCOMPARE(drawn.size(), surface->size() * ratio);
    const QRgb background = surface->palette().color(QPalette::Window).rgb();
    QRegion covered;
    for (const QWidget *child : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        covered += QRect(child->pos() * ratio, child->size() * ratio);
    int compared = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (covered.contains(QPoint(x, y)))
                continue;
            // Past the picture, the screen's colour fills the client area.
            const QPoint star(x / ratio, y / ratio);
            const QRgb expected = stars.rect().contains(star) ? stars.pixel(star) : background;
            QVERIFY2(drawn.pixel(x, y) == expected, qPrintable(u"at %1,%2"_qs.arg(x).arg(y)));
            ++compared;
        }
    }
    QVERIFY(compared > drawn.width() * drawn.height() / 4);
    QVERIFY(countNear(drawn, qRgb(0x98, 0x98, 0x98)) > 0); // some stars are in sight
}

// The pixel nearest to an edge in twips, 15 to a pixel, in whole numbers:
// fifteen is odd, so no edge lies on half a pixel.
constexpr int nearestPixel(int twips)
{
    const int away = (2 * (twips < 0 ? -twips : twips) + TwipsPerPixel) / (2 * TwipsPerPixel);
    return twips < 0 ? -away : away;
}

// What is built is what the description says: every control and no other
// under its name, each edge of its place on the pixel nearest to the edge's
// twips, and enabled or editable as described. What each control says is
// the word file's to hold.
inline void expectPlacedAsDescribed(const ScreenWindow &window, const ScreenDescription &description)
{
    QCOMPARE(window.objectName(), toQString(description.name));
    QCOMPARE(
        window.surface()->size(), QSize(nearestPixel(description.clientWidth), nearestPixel(description.clientHeight)));
    QCOMPARE(window.surface()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).size(),
        qsizetype(description.controls.size()));
    for (const Control &control : description.controls) {
        const QWidget *widget = window.control(control.name);
        QVERIFY2(widget, control.name.data());
        const QRect expected(QPoint(nearestPixel(control.left), nearestPixel(control.top)),
            QPoint(nearestPixel(control.left + control.width) - 1, nearestPixel(control.top + control.height) - 1));
        QVERIFY2(widget->geometry() == expected, control.name.data());
        QCOMPARE(widget->isEnabled(), control.enabled);
        if (const auto *field = qobject_cast<const QLineEdit *>(widget))
            QCOMPARE(field->isReadOnly(), control.locked);
    }
}

// The fonts the program installs before its first window.
inline void installProgramFonts()
{
    static bool installed = false;
    if (!installed)
        installFonts();
    installed = true;
}

} // namespace duset::testing
