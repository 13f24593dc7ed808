// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taskbar.h"

#include <QWidget>

#if DUSET_WITH_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#endif

namespace duset {

#if DUSET_WITH_XCB
namespace {

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace

void refuseTaskbarButton(QWidget *window)
{
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return; // not on an X server
    static const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    static const xcb_atom_t skipTaskbar = atom(connection, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;

    // Qt keeps the states it finds on an unmapped window and adds its own.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 1024);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    std::vector<xcb_atom_t> states;
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *first = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        states.assign(first, first + xcb_get_property_value_length(reply.get()) / sizeof(xcb_atom_t));
    }
    if (std::find(states.begin(), states.end(), skipTaskbar) == states.end())
        states.push_back(skipTaskbar);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_flush(connection);
}
#else
void refuseTaskbarButton(QWidget *) { }
#endif

} // namespace duset
