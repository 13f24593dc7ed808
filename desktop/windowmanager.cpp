// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowmanager.h"

#include <QWidget>
#include <QWindow>

#if DUSET_WITH_XCB
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QPointer>
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>
#endif

namespace duset {

#if DUSET_WITH_XCB
namespace {

template<typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply> Owned<Reply> owned(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

xcb_connection_t *connection()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const auto reply = owned(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// A property of 32-bit items of the given type; empty where it is not set.
std::vector<std::uint32_t> property(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto reply = owned(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto *first = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
    return {first, first + xcb_get_property_value_length(reply.get()) / sizeof(std::uint32_t)};
}

// The X server counts in device pixels, the widgets in Qt's own.
qreal pixelRatio(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->devicePixelRatio() : 1.0;
}

struct NativePlace {
    xcb_window_t root;
    std::int16_t x, y;
    std::uint16_t width, height;

    QPoint origin(const QWidget *window) const
    {
        const qreal ratio = pixelRatio(window);
        return {int(std::lround(x / ratio)), int(std::lround(y / ratio))};
    }
};

std::optional<NativePlace> nativePlace(xcb_connection_t *connection, xcb_window_t window)
{
    const auto geometry = owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry)
        return std::nullopt;
    const auto origin = owned(xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, window, geometry->root, 0, 0), nullptr));
    if (!origin)
        return std::nullopt;
    return NativePlace{geometry->root, origin->dst_x, origin->dst_y, geometry->width, geometry->height};
}

} // namespace

void refuseTaskbarButton(QWidget *window)
{
    xcb_connection_t *x = connection();
    if (!x)
        return; // not on an X server
    const xcb_atom_t state = atom(x, "_NET_WM_STATE");
    const xcb_atom_t skipTaskbar = atom(x, "_NET_WM_STATE_SKIP_TASKBAR");
    if (state == XCB_ATOM_NONE || skipTaskbar == XCB_ATOM_NONE)
        return;

    // Qt keeps the states it finds on an unmapped window and adds its own.
    const auto id = static_cast<xcb_window_t>(window->winId());
    std::vector<std::uint32_t> states = property(x, id, state, XCB_ATOM_ATOM);
    if (std::find(states.begin(), states.end(), skipTaskbar) == states.end())
        states.push_back(skipTaskbar);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_flush(x);
}

QMargins frameAround(const QWidget *window)
{
    xcb_connection_t *x = connection();
    if (x && window->internalWinId()) {
        // Left, right, top, bottom.
        const std::vector<std::uint32_t> extents = property(
            x, static_cast<xcb_window_t>(window->internalWinId()), atom(x, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
        if (extents.size() == 4) {
            const qreal ratio = pixelRatio(window);
            const auto side = [ratio](std::uint32_t pixels) { return int(std::lround(pixels / ratio)); };
            return {side(extents[0]), side(extents[2]), side(extents[1]), side(extents[3])};
        }
    }
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

bool managerPublishesFrames()
{
    xcb_connection_t *x = connection();
    if (!x)
        return true;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const std::vector<std::uint32_t> supported = property(x, root, atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    return std::ranges::find(supported, atom(x, "_NET_FRAME_EXTENTS")) != supported.end();
}

std::optional<QPoint> clientOrigin(const QWidget *window)
{
    xcb_connection_t *x = connection();
    if (!x || !window->internalWinId())
        return std::nullopt;
    const auto place = nativePlace(x, static_cast<xcb_window_t>(window->internalWinId()));
    if (!place)
        return std::nullopt;
    return place->origin(window);
}

namespace {

// Hears the X server's word that a followed frame moved.
class FrameMoves : public QObject, public QAbstractNativeEventFilter {
public:
    explicit FrameMoves(QObject *parent)
        : QObject(parent)
    {
        setObjectName(QStringLiteral("frameMoves"));
        qGuiApp->installNativeEventFilter(this);
    }

    // The application's one, made at the first need.
    static FrameMoves &instance()
    {
        QObject *found = qGuiApp->findChild<QObject *>(QStringLiteral("frameMoves"), Qt::FindDirectChildrenOnly);
        return *static_cast<FrameMoves *>(found ? found : new FrameMoves(qGuiApp));
    }

    // One frame for each window: the last one it was shown in.
    void follow(xcb_window_t frame, QWidget *window)
    {
        std::erase_if(m_followed,
            [window](const auto &followed) { return followed.second.isNull() || followed.second == window; });
        m_followed[frame] = window;
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CONFIGURE_NOTIFY)
            return false;
        const auto found = m_followed.find(reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window);
        if (found != m_followed.end() && found->second) {
            // Asked from the event loop, not from within the X server's
            // event.
            QMetaObject::invokeMethod(
                found->second,
                [window = found->second] {
                    if (window && window->isVisible())
                        reportClientOrigin(window);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::map<xcb_window_t, QPointer<QWidget>> m_followed;
};

} // namespace

void followFrame(QWidget *window)
{
    xcb_connection_t *x = connection();
    if (!x || !window->internalWinId())
        return;
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const auto tree = owned(xcb_query_tree_reply(x, xcb_query_tree(x, id), nullptr));
    if (!tree || tree->parent == tree->root || tree->parent == XCB_WINDOW_NONE)
        return; // no frame of its own
    FrameMoves::instance().follow(tree->parent, window);
    // The program's own interest in the frame, beside the manager's.
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, tree->parent, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);
}

void reportClientOrigin(QWidget *window)
{
    xcb_connection_t *x = connection();
    if (!x || !window->internalWinId())
        return;
    const auto id = static_cast<xcb_window_t>(window->internalWinId());
    const auto place = nativePlace(x, id);
    if (!place || place->origin(window) == window->geometry().topLeft())
        return; // nothing Qt does not know
    // What ICCCM asks a window manager to send after moving a frame: a
    // synthetic ConfigureNotify in root coordinates. Qt, which listens to
    // its windows' structure, takes its position from it.
    xcb_configure_notify_event_t event{};
    event.response_type = XCB_CONFIGURE_NOTIFY;
    event.event = id;
    event.window = id;
    event.above_sibling = XCB_WINDOW_NONE;
    event.x = place->x;
    event.y = place->y;
    event.width = place->width;
    event.height = place->height;
    xcb_send_event(x, 0, id, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char *>(&event));
    xcb_flush(x);
}
#else
void refuseTaskbarButton(QWidget *) { }
QMargins frameAround(const QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}
bool managerPublishesFrames()
{
    return true;
}
std::optional<QPoint> clientOrigin(const QWidget *)
{
    return std::nullopt;
}
void reportClientOrigin(QWidget *) { }
void followFrame(QWidget *) { }
#endif

} // namespace duset
