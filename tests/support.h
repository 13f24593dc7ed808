// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What every test of the running program needs: the fonts, a registry of
// the real screens, a record of the messages it would show, and a way to
// press keys the way a person does.

#include "builder.h"
#include "fonts.h"
#include "messages.h"
#include "registry.h"
#include "screen.h"
#include "screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QSignalSpy>
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
        return screen ? screen->control<Widget>(name) : nullptr;
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

    ScreenRegistry screens{createScreen};
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
    }
    return {};
}

inline void openScreen(const Program &program, ScreenId id)
{
    take(program, wayTo(id));
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

// The fonts the program installs before its first window.
inline void installProgramFonts()
{
    static bool installed = false;
    if (!installed)
        installFonts();
    installed = true;
}

} // namespace duset::testing
