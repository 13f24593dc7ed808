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
    bool x11Reachable = true; // whether the X server DISPLAY names answers
    std::string_view waylandDisplay; // WAYLAND_DISPLAY
};

enum class PlatformChoice {
    AsChosen, // the person chose a platform; Qt takes it
    X11, // an X server, XWayland included, where windows open where placed
    Native, // a Wayland compositor without XWayland; Qt's own choice
    NoDisplay,
};

// The windows are placed where the screens put them and kept off the task
// bar, which only X11 lets a program do; under a Wayland compositor X11 is
// reached through XWayland. A platform the person chose always wins.
PlatformChoice choosePlatform(const DisplayEnvironment &environment);

// Whether an X server answers on the display named, as Qt's X11 platform
// would connect to it. Where the program is built without X11, says yes and
// leaves the answer to Qt.
bool canReachX11(std::string_view display);

// Said on standard error when there is no display, in Thai and English.
extern const char *const NoDisplayMessage;

} // namespace duset
