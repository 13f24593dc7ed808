// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace duset {

// What the program's environment says about where its windows can show.
struct DisplayEnvironment {
    std::string_view chosenPlatform; // QT_QPA_PLATFORM
    bool platformArgument = false; // -platform on the command line
    std::string_view x11Display; // DISPLAY
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
};

enum class PlatformChoice {
    AsChosen, // the person chose a platform; Qt takes it
    X11, // an X server, XWayland included, where windows open where placed
    X11ThenWayland, // the same, and the Wayland compositor if no X server answers
    Native, // a Wayland compositor without XWayland; Qt's own choice
    NoDisplay,
};

// The windows are placed where the screens put them and kept off the task
// bar, which only X11 lets a program do; under a Wayland compositor X11 is
// reached through XWayland. A platform the person chose always wins.
PlatformChoice choosePlatform(const DisplayEnvironment &environment);

// Chooses the platform from the environment and the command line, and
// tells Qt. From then on two of Qt's dead ends become a message and exit
// status 1: no platform that answers, where Qt would abort, and a thread
// that cannot start, where Qt would go on without it and never respond.
// Returns false, having said so, where no display is set at all. Call before
// the application object exists.
bool prepareDisplay(int argc, char *argv[]);

// Once the application object exists: what Qt said about the platforms it
// tried, held back in case none answered, goes out.
void displayOpened();

// Said on standard error when there is no display, in Thai and English.
extern const char *const NoDisplayMessage;
// Said on standard error instead where only a Wayland display is set and Qt
// has no Wayland platform (Debian's qt6-wayland), in Thai and English.
extern const char *const NoWaylandPlatformMessage;
// Said on standard error when a thread cannot start, in Thai and English.
extern const char *const NoThreadMessage;

} // namespace duset
