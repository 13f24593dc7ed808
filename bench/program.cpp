// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program, started as app/main.cpp starts it, with a watch for
// its frames. Without arguments it reports the main menu's first frame and
// ends there. With --navigate TOURS it goes on to take every way between the
// screens TOURS times and reports, for each, the time from the click to the
// target screen's first frame. With --round-trips N it opens the entry screen
// from the main menu and goes back N times, and reports the resident size
// and the heap in use after every hundred round trips.

#include "builder.h"
#include "framewatch.h"
#include "platform.h"
#include "preflight.h"
#include "screenlist.h"
#include "startup.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <span>
#include <string>
#include <vector>

using duset::DateScreen;
using duset::EntryScreen;
using duset::HistoryScreen;
using duset::MainMenu;
using duset::OrderScreen;
using duset::ScreenId;
using duset::ScreenWindow;
using duset::VersePage1;
using duset::VersePage2;
using duset::bench::FrameWatch;
using duset::bench::monotonicNow;

namespace {

bool isScreen(const QWidget *window, ScreenId id)
{
    const std::string_view name = duset::screenName(id);
    return qobject_cast<const ScreenWindow *>(window)
        && window->objectName() == QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

ScreenWindow *visibleScreen(ScreenId id)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && isScreen(widget, id))
            return static_cast<ScreenWindow *>(widget);
    }
    return nullptr;
}

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "duset-bench-program: %s\n", why.c_str());
    std::_Exit(1);
}

enum class Via { Menu, Button, CloseButton };

struct Step {
    ScreenId from;
    Via via;
    const char *control;
    ScreenId to;
};

// One tour takes every way between the screens at least once and ends on the
// main menu, where the next tour starts.
constexpr Step Tour[] = {
    {MainMenu, Via::Menu, "m1", EntryScreen},
    {EntryScreen, Via::Button, "Command2", MainMenu},
    {MainMenu, Via::Menu, "m2", HistoryScreen},
    {HistoryScreen, Via::Button, "Command1", OrderScreen},
    {OrderScreen, Via::Button, "Command1", MainMenu},
    {MainMenu, Via::Menu, "m2", HistoryScreen},
    {HistoryScreen, Via::Button, "Command2", MainMenu},
    {MainMenu, Via::Menu, "m4", OrderScreen},
    {OrderScreen, Via::CloseButton, "close", MainMenu},
    {MainMenu, Via::Menu, "m3", VersePage1},
    {VersePage1, Via::Button, "Command1", VersePage2},
    {VersePage2, Via::Button, "Command1", VersePage1},
    {VersePage1, Via::Button, "Command1", VersePage2},
    {VersePage2, Via::Button, "Command2", MainMenu},
    {MainMenu, Via::Menu, "m1", EntryScreen},
    {EntryScreen, Via::CloseButton, "close", MainMenu},
    {MainMenu, Via::Menu, "m2", HistoryScreen},
    {HistoryScreen, Via::CloseButton, "close", MainMenu},
    {MainMenu, Via::Menu, "m3", VersePage1},
    {VersePage1, Via::CloseButton, "close", MainMenu},
    {MainMenu, Via::Menu, "m3", VersePage1},
    {VersePage1, Via::Button, "Command1", VersePage2},
    {VersePage2, Via::CloseButton, "close", MainMenu},
    {MainMenu, Via::Menu, "dates", DateScreen},
    {DateScreen, Via::Button, "back", MainMenu},
    {MainMenu, Via::Menu, "m1", EntryScreen},
    {EntryScreen, Via::Button, "Command4", DateScreen},
    {DateScreen, Via::Button, "back", EntryScreen},
    {EntryScreen, Via::Button, "Command4", DateScreen},
    {DateScreen, Via::CloseButton, "close", MainMenu},
};

// One round trip: the entry screen opened from the menu, and left again.
constexpr Step RoundTrip[] = {
    {MainMenu, Via::Menu, "m1", EntryScreen},
    {EntryScreen, Via::Button, "Command2", MainMenu},
};

// The resident set in KiB, as the kernel counts it.
long residentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::atol(line.c_str() + 6);
    }
    fail("no VmRSS in /proc/self/status");
}

// A left click in the middle of the button, as the mouse delivers it.
void click(QWidget *button)
{
    const QPointF at = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &release);
}

void take(const Step &step)
{
    ScreenWindow *from = visibleScreen(step.from);
    if (!from)
        fail(std::string(duset::screenName(step.from)) + " is not on screen");
    switch (step.via) {
    case Via::Menu:
        if (QAction *entry = from->menuEntry(step.control))
            entry->trigger();
        else
            fail(std::string("no menu entry ") + step.control);
        break;
    case Via::Button:
        if (QWidget *button = from->control(step.control))
            click(button);
        else
            fail(std::string("no button ") + step.control);
        break;
    case Via::CloseButton:
        from->close();
        break;
    }
}

// Every step runs from the main event loop, as a person's click does, so that
// the windows a step unloads go away as they do in the program.
class Navigator : public QObject {
public:
    Navigator(FrameWatch &watch, std::span<const Step> route, int times)
        : m_watch(watch)
        , m_route(route)
        , m_steps(times * int(route.size()))
        , m_sampleMemory(route.data() == RoundTrip)
    {
        m_stuck.setSingleShot(true);
        m_stuck.setInterval(10'000);
        connect(&m_stuck, &QTimer::timeout, this,
            [this] { fail("no frame of " + std::string(duset::screenName(current().to))); });
    }

    void start()
    {
        connect(&m_watch, &FrameWatch::framed, this, &Navigator::arrived);
        next();
    }

private:
    void next()
    {
        if (m_done == m_steps) {
            report();
            std::_Exit(0);
        }
        const Step &step = current();
        m_watch.arm([&step](const QWidget *window) { return isScreen(window, step.to); });
        m_stuck.start();
        m_clicked = monotonicNow();
        take(step);
    }

    const Step &current() const { return m_route[std::size_t(m_done) % m_route.size()]; }

    void arrived(qint64 at)
    {
        m_stuck.stop();
        // The times would be memory of the benchmark's own that grows with
        // every step, so they are kept only where memory is not measured.
        const Step &step = current();
        if (!m_sampleMemory)
            m_samples[std::string(duset::screenName(step.from)) + ' ' + step.control + ' '
                + std::string(duset::screenName(step.to))]
                .push_back(at - m_clicked);
        ++m_done;
        if (m_sampleMemory && m_done % (int(m_route.size()) * 100) == 0) {
            // Only what the event loop has to delete counts as gone, so the
            // sample waits until the loop has had its turn.
            QMetaObject::invokeMethod(this, &Navigator::sampleMemory, Qt::QueuedConnection);
            return;
        }
        QMetaObject::invokeMethod(this, &Navigator::next, Qt::QueuedConnection);
    }

    void sampleMemory()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const struct mallinfo2 heap = mallinfo2();
        std::printf("memory %d %ld %zu\n", m_done / int(m_route.size()), residentKiB(), heap.uordblks / 1024);
        std::fflush(stdout);
        next();
    }

    void report()
    {
        for (auto &[route, samples] : m_samples) {
            const qint64 first = samples.front();
            std::sort(samples.begin(), samples.end());
            std::printf("route %s %zu %lld %lld %lld\n", route.c_str(), samples.size(),
                static_cast<long long>(samples[samples.size() / 2]), static_cast<long long>(samples.back()),
                static_cast<long long>(first));
        }
        std::fflush(stdout);
    }

    FrameWatch &m_watch;
    const std::span<const Step> m_route;
    const int m_steps;
    const bool m_sampleMemory;
    int m_done = 0;
    qint64 m_clicked = 0;
    QTimer m_stuck;
    std::map<std::string, std::vector<qint64>> m_samples;
};

} // namespace

int main(int argc, char *argv[])
{
    if (!duset::prepareProcess() || !duset::prepareDisplay(argc, argv))
        return 1;
    QApplication app(argc, argv);
    duset::displayOpened();
    std::span<const Step> route = Tour;
    int tours = 0;
    if (argc == 3 && std::string(argv[1]) == "--navigate") {
        tours = std::atoi(argv[2]);
    } else if (argc == 3 && std::string(argv[1]) == "--round-trips") {
        route = RoundTrip;
        tours = std::atoi(argv[2]);
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: %s [--navigate TOURS | --round-trips N]\n", argv[0]);
        return 2;
    }

    FrameWatch watch;
    Navigator navigator(watch, route, tours);
    watch.arm([](const QWidget *window) { return isScreen(window, MainMenu); });
    QObject::connect(
        &watch, &FrameWatch::framed, &navigator,
        [&navigator, tours](qint64 at) {
            const QWidget *menu = visibleScreen(MainMenu);
            std::printf("frame %lld\nsize %dx%d\nplatform %s\nqt %s\n", static_cast<long long>(at), menu->width(),
                menu->height(), qPrintable(QGuiApplication::platformName()), qVersion());
            std::fflush(stdout);
            if (tours <= 0)
                std::_Exit(0);
            QMetaObject::invokeMethod(&navigator, &Navigator::start, Qt::QueuedConnection);
        },
        Qt::SingleShotConnection);
    return duset::run(app);
}
