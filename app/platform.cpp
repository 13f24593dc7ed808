// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"

#if DUSET_WITH_XCB
#include <xcb/xcb.h>

#include <string>
#endif

namespace duset {

PlatformChoice choosePlatform(const DisplayEnvironment &environment)
{
    if (!environment.chosenPlatform.empty() || environment.platformArgument)
        return PlatformChoice::AsChosen;
    if (!environment.x11Display.empty() && environment.x11Reachable)
        return PlatformChoice::X11;
    if (!environment.waylandDisplay.empty())
        return PlatformChoice::Native;
    return PlatformChoice::NoDisplay;
}

bool canReachX11(std::string_view display)
{
#if DUSET_WITH_XCB
    const std::string name(display);
    xcb_connection_t *connection = xcb_connect(name.c_str(), nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reached;
#else
    (void)display;
    return true;
#endif
}

const char *const NoDisplayMessage
    = "duset: ไม่พบจอภาพที่จะแสดงหน้าต่างของโปรแกรม: ไม่ได้ตั้งค่า DISPLAY หรือ WAYLAND_DISPLAY "
      "หรือติดต่อจอภาพที่ตั้งไว้ไม่ได้\n"
      "duset: there is no display to show the program's windows on: neither DISPLAY nor WAYLAND_DISPLAY "
      "is set, or the display set cannot be reached\n";

} // namespace duset
