// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"
#include "startup.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

} // namespace

int main(int argc, char *argv[])
{
    // Decided before the application object exists, which is when Qt picks
    // its platform.
    duset::DisplayEnvironment displays{.chosenPlatform = environment("QT_QPA_PLATFORM"),
        .platformArgument = hasPlatformArgument(argc, argv),
        .x11Display = environment("DISPLAY"),
        .waylandDisplay = environment("WAYLAND_DISPLAY")};
    if (displays.chosenPlatform.empty() && !displays.platformArgument && !displays.x11Display.empty())
        displays.x11Reachable = duset::canReachX11(displays.x11Display);
    switch (duset::choosePlatform(displays)) {
    case duset::PlatformChoice::X11:
        qputenv("QT_QPA_PLATFORM", "xcb");
        break;
    case duset::PlatformChoice::NoDisplay:
        std::fputs(duset::NoDisplayMessage, stderr);
        return EXIT_FAILURE;
    case duset::PlatformChoice::AsChosen:
    case duset::PlatformChoice::Native:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(DUSET_VERSION));
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(DUSET_APP_ID));
    return duset::run(app);
}
