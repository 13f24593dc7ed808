// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws every screen of duset and its two kinds of message box to PNG files,
// off screen, for the README:
//
//     duset-screenshots OUTPUT-DIRECTORY
//
// It runs the program's own registry and screens and goes from screen to
// screen by the menu and the buttons, as a person does, so the pictures are
// what the program draws. The window manager's frame is not the program's;
// Qt's style draws a plain title bar with the caption and icon in its place.

#include "fonts.h"
#include "messages.h"
#include "qtstrings.h"
#include "reckoning.h"
#include "screen.h"
#include "screens.h"
#include "text.h"

#include "builder.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QStyleOptionTitleBar>
#include <QTextStream>

#include <stdexcept>
#include <string>

namespace {

using namespace duset;

// The window as a desktop shows it: a title bar above what the program draws.
QImage framed(QWidget *window)
{
    const QPixmap content = window->grab();
    const QSize inner = content.deviceIndependentSize().toSize();
    QStyle *style = window->style();
    QStyleOptionTitleBar bar;
    bar.initFrom(window);
    bar.text = window->windowTitle();
    bar.icon = window->windowIcon();
    bar.titleBarFlags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    bar.titleBarState = Qt::WindowActive;
    bar.state |= QStyle::State_Active | QStyle::State_Enabled;
    bar.subControls = QStyle::SC_TitleBarLabel | QStyle::SC_TitleBarSysMenu | QStyle::SC_TitleBarCloseButton;
    bar.palette = QApplication::palette();
    const int border = 1;
    const int barHeight = style->pixelMetric(QStyle::PM_TitleBarHeight, &bar, window);
    bar.rect = QRect(border, border, inner.width(), barHeight);

    QImage image(inner.width() + 2 * border, barHeight + inner.height() + 2 * border, QImage::Format_RGB32);
    image.fill(QApplication::palette().color(QPalette::Dark));
    QPainter painter(&image);
    style->drawComplexControl(QStyle::CC_TitleBar, &bar, &painter, window);
    painter.drawPixmap(border, border + barHeight, content);
    return image;
}

class Tour {
public:
    explicit Tour(const QString &folder)
        : m_folder(folder)
    {
        setMessagePresenter([this](QWidget *parent, const Message &message) {
            m_messages.push_back({parent, message});
        });
        m_screens.runHandler([this] { m_screens.Show(MainMenu); });
        settle();
    }

    void choose(std::string_view entry)
    {
        window(MainMenu)->menuEntry(entry)->trigger();
        settle();
    }

    void click(ScreenId id, std::string_view button)
    {
        control<QAbstractButton>(id, button)->click();
        settle();
    }

    // Picks the list item whose value in the reckoning is the given one.
    template<typename Table> void pick(std::string_view list, const Table &table, double value)
    {
        for (const auto &row : table) {
            if (row.value != value)
                continue;
            auto *combo = control<QComboBox>(EntryScreen, list);
            const QString key = toQString(row.key);
            combo->setCurrentIndex(combo->findText(key, Qt::MatchExactly));
            if (combo->currentText() != key)
                throw std::runtime_error("no such item in " + std::string(list));
            return;
        }
        throw std::runtime_error("no such value for " + std::string(list));
    }

    void type(ScreenId id, std::string_view field, const QString &text)
    {
        control<QLineEdit>(id, field)->setText(text);
        settle();
    }

    void pickItem(ScreenId id, std::string_view list, int index)
    {
        control<QComboBox>(id, list)->setCurrentIndex(index);
        settle();
    }

    void saveScreen(ScreenId id, const QString &name) { save(framed(window(id)), name); }

    // The message the last press raised, in the box the program shows it in.
    void saveLastMessage(const QString &name)
    {
        if (m_messages.empty())
            throw std::runtime_error("no message to draw for " + name.toStdString());
        const auto [parent, message] = m_messages.back();
        auto box = createMessageBox(parent, message);
        box->show();
        settle();
        save(framed(box.get()), name);
        box->hide();
    }

private:
    struct Shown {
        QWidget *parent;
        Message message;
    };

    ScreenWindow *window(ScreenId id) const
    {
        Screen *screen = m_screens.peek(id);
        if (!screen || !screen->window())
            throw std::runtime_error("a screen did not open");
        return screen->window();
    }

    template<typename Widget> Widget *control(ScreenId id, std::string_view name) const
    {
        auto *widget = qobject_cast<Widget *>(window(id)->control(name));
        if (!widget)
            throw std::runtime_error("no control " + std::string(name));
        return widget;
    }

    // Lets unloaded windows go and shown ones lay themselves out.
    void settle()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (m_screens.hasEnded())
            throw std::runtime_error("the program ended on the way");
    }

    void save(const QImage &image, const QString &name)
    {
        const QString path = m_folder + u'/' + name + QStringLiteral(".png");
        if (!image.save(path, "png"))
            throw std::runtime_error("cannot write " + path.toStdString());
        QTextStream(stdout) << path << ' ' << image.width() << 'x' << image.height() << '\n';
    }

    QString m_folder;
    ScreenRegistry m_screens{programScreens()};
    std::vector<Shown> m_messages;
};

} // namespace

int main(int argc, char *argv[])
{
    // Pictures, not a session: always off screen and at one device pixel to
    // each pixel, whatever the desktop the tool is started from.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    installFonts();
    installQtStrings();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: duset-screenshots OUTPUT-DIRECTORY\n";
        return 2;
    }
    if (!QDir().mkpath(arguments[1])) {
        QTextStream(stderr) << "cannot make " << arguments[1] << '\n';
        return 1;
    }

    try {
        Tour tour(arguments[1]);
        tour.saveScreen(MainMenu, QStringLiteral("main-menu"));

        // The entry screen with the worked example of the README chosen:
        // Wednesday (4), January (2, the second Thai month) and the pig (12).
        tour.choose("m1");
        tour.click(EntryScreen, "Command1");
        tour.saveLastMessage(QStringLiteral("warning"));
        tour.pick("Combo1", DayTable, 4);
        tour.pick("Combo2", MonthTable, 2);
        tour.pick("Combo3", YearTable, 12);
        tour.saveScreen(EntryScreen, QStringLiteral("entry"));
        tour.click(EntryScreen, "Command1");
        tour.saveLastMessage(QStringLiteral("verdict"));
        tour.click(EntryScreen, "Command2");

        tour.choose("m2");
        tour.saveScreen(HistoryScreen, QStringLiteral("history"));
        tour.click(HistoryScreen, "Command1");
        tour.saveScreen(OrderScreen, QStringLiteral("order"));
        tour.click(OrderScreen, "Command1");

        tour.choose("m3");
        tour.saveScreen(VersePage1, QStringLiteral("verses-1"));
        tour.click(VersePage1, "Command1");
        tour.saveScreen(VersePage2, QStringLiteral("verses-2"));
        tour.click(VersePage2, "Command2");

        // The meaning of the verse of the worked example, remainder 8.
        tour.choose("meaning");
        tour.pickItem(MeaningScreen, "remainderList", 7);
        tour.saveScreen(MeaningScreen, QStringLiteral("meaning"));
        tour.click(MeaningScreen, "close");

        // The same three items from a birth date: Wednesday 17 January 1996
        // (2539 in the Buddhist Era), before the fifth lunar month, so the
        // animal of the traditional count is the pig of 1995.
        tour.choose("dates");
        tour.type(DateScreen, "dayField", QStringLiteral("17"));
        tour.pickItem(DateScreen, "monthList", 0);
        tour.type(DateScreen, "yearField", QStringLiteral("2539"));
        tour.click(DateScreen, "traditionalYear");
        tour.saveScreen(DateScreen, QStringLiteral("dates"));
        tour.click(DateScreen, "handOver");
        tour.saveScreen(EntryScreen, QStringLiteral("dates-handed-over"));
        tour.click(EntryScreen, "Command2");

        tour.choose("about");
        tour.saveLastMessage(QStringLiteral("about"));
    } catch (const std::exception &error) {
        QTextStream(stderr) << "duset-screenshots: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
