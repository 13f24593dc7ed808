// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <vector>

namespace duset {

PlatformChoice choosePlatform(const DisplayEnvironment &environment)
{
    if (!environment.chosenPlatform.empty() || environment.platformArgument)
        return PlatformChoice::AsChosen;
    if (!environment.x11Display.empty())
        return environment.waylandDisplay.empty() ? PlatformChoice::X11 : PlatformChoice::X11ThenWayland;
    if (!environment.waylandDisplay.empty())
        return PlatformChoice::Native;
    return PlatformChoice::NoDisplay;
}

namespace {

std::string_view environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

bool hasPlatformArgument(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0
            || std::strncmp(argv[i], "-platform=", 10) == 0 || std::strncmp(argv[i], "--platform=", 11) == 0)
            return true;
    }
    return false;
}

struct Held {
    QtMsgType type;
    std::string category;
    QString message;
};

// Qt's messages come from any thread; the X server's reader has one.
std::mutex s_lock;
QtMessageHandler s_previous = nullptr;
bool s_opening = false;
std::vector<Held> s_held;
// Only a Wayland display is set, so Qt's Wayland platform is the one that
// could answer.
bool s_waylandOnly = false;

[[noreturn]] void endWith(const char *message)
{
    std::fputs(message, stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// Where every platform Qt tried is missing from its plugins, rather than
// unable to reach its display, the program names them. The caller holds the
// lock.
std::string whyNoPlatform(const QString &fatal)
{
    // With only a Wayland display, Qt's Wayland platform is the one that
    // could have answered, whatever else Qt tried after it.
    if (s_waylandOnly && std::ranges::any_of(s_held, [](const Held &held) {
            return held.message.startsWith(u"Could not find the Qt platform plugin \"wayland\"");
        }))
        return NoWaylandPlatformMessage;
    QStringList missing;
    for (const Held &held : s_held) {
        if (held.category != "qt.qpa.plugin")
            continue;
        if (!held.message.startsWith(u"Could not find the Qt platform plugin"))
            return NoDisplayMessage; // found, and its display did not answer
        missing.append(u'"' + held.message.section(u'"', 1, 1) + u'"');
    }
    if (missing.isEmpty())
        return NoDisplayMessage;
    const bool wayland = missing.contains(u"\"wayland\"");
    QString installed = fatal.section(QStringLiteral("Available platform plugins are:"), 1).trimmed();
    if (installed.endsWith(u'.'))
        installed.chop(1);
    return u"duset: แสดงหน้าต่างของโปรแกรมไม่ได้ เพราะไม่ได้ติดตั้งแพลตฟอร์ม %1 ของ Qt%2\n"
           "duset: the program cannot show its windows: Qt's %3 %1 %4 not installed%5; those installed are: %6\n"_qs
               .arg(missing.join(u", "), wayland ? u" (แพ็กเกจ Debian qt6-wayland)"_qs : QString(),
                   missing.size() > 1 ? u"platforms"_qs : u"platform"_qs, missing.size() > 1 ? u"are"_qs : u"is"_qs,
                   wayland ? u" (Debian package qt6-wayland)"_qs : QString(), installed)
               .toStdString();
}

void forward(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (s_previous)
        s_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

void watch(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    // QThread says so and goes on without the thread: the X server's events
    // would never be read, and the program would show a window that never
    // answers, or none.
    if (message.startsWith(u"QThread::start: Thread creation error"))
        endWith(NoThreadMessage);
    {
        const std::lock_guard lock(s_lock);
        if (s_opening) {
            // Qt's last word when it has tried every platform, before it aborts.
            if (type == QtFatalMsg && message.contains(u"no Qt platform plugin could be initialized"))
                endWith(whyNoPlatform(message).c_str());
            if (type != QtFatalMsg && context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0) {
                s_held.push_back({type, context.category, message});
                return;
            }
        }
    }
    forward(type, context, message);
}

} // namespace

bool prepareDisplay(int argc, char *argv[])
{
    const DisplayEnvironment displays{.chosenPlatform = environment("QT_QPA_PLATFORM"),
        .platformArgument = hasPlatformArgument(argc, argv),
        .x11Display = environment("DISPLAY"),
        .waylandDisplay = environment("WAYLAND_DISPLAY")};
    // Qt tries the platforms of the list in turn, so no display needs to be
    // reached before Qt itself reaches it.
    const PlatformChoice choice = choosePlatform(displays);
    switch (choice) {
    case PlatformChoice::X11:
        qputenv("QT_QPA_PLATFORM", "xcb");
        break;
    case PlatformChoice::X11ThenWayland:
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
        break;
    case PlatformChoice::NoDisplay:
        std::fputs(NoDisplayMessage, stderr);
        return false;
    case PlatformChoice::AsChosen:
    case PlatformChoice::Native:
        break;
    }
    const std::lock_guard lock(s_lock);
    s_waylandOnly = choice == PlatformChoice::Native;
    s_opening = true;
    s_previous = qInstallMessageHandler(watch);
    return true;
}

void displayOpened()
{
    std::vector<Held> held;
    {
        const std::lock_guard lock(s_lock);
        s_opening = false;
        held.swap(s_held);
    }
    for (const Held &message : held)
        forward(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category.c_str()), message.message);
}

const char *const NoDisplayMessage
    = "duset: ไม่พบจอภาพที่จะแสดงหน้าต่างของโปรแกรม: ไม่ได้ตั้งค่า DISPLAY หรือ WAYLAND_DISPLAY "
      "หรือติดต่อจอภาพที่ตั้งไว้ไม่ได้\n"
      "duset: there is no display to show the program's windows on: neither DISPLAY nor WAYLAND_DISPLAY "
      "is set, or the display set cannot be reached\n";

const char *const NoWaylandPlatformMessage
    = "duset: มีจอภาพ Wayland (WAYLAND_DISPLAY) แต่แสดงหน้าต่างของโปรแกรมไม่ได้ เพราะไม่ได้ติดตั้งแพลตฟอร์ม \"wayland\" "
      "ของ Qt (แพ็กเกจ Debian qt6-wayland): ติดตั้งแพ็กเกจนั้น หรือเปิด Xwayland แล้วตั้งค่า DISPLAY\n"
      "duset: there is a Wayland display (WAYLAND_DISPLAY) but the program cannot show its windows: Qt's platform "
      "\"wayland\" is not installed (Debian package qt6-wayland); install it, or start Xwayland and set DISPLAY\n";

const char *const NoThreadMessage
    = "duset: โปรแกรมทำงานต่อไม่ได้ เพราะเริ่มเธรดที่ต้องใช้ไม่ได้ หน่วยความจำหรือพื้นที่ที่อยู่ไม่พอ\n"
      "duset: the program cannot go on: a thread it needs could not start, for want of memory or address "
      "space\n";

} // namespace duset
