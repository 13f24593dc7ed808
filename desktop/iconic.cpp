// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "iconic.h"

#include <QApplication>

#if DUSET_WITH_XCB
#include <QAbstractNativeEventFilter>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#endif

namespace duset {

#if DUSET_WITH_XCB
namespace {

// Qt learns that a window is iconic from the window manager's WM_STATE, and
// tells the window only when the state differs from the last one it told.
// A request to iconify that lands between a restore and Qt's reading of the
// restored state is read as iconic both times, so Qt tells nothing, believes
// the window shown, and a burst of requests could leave every window iconic
// for good. Here every WM_STATE that turns iconic on a window the program
// shows is undone at once, as a client brings back an iconic window: it maps
// the window (which openbox takes for a request to bring it back) and asks
// for it to be the active window (which metacity and mutter want instead),
// as a pager would. Iconic windows are unmapped, so the notice of their
// state is all there is to go by.
class IconicRefusal final : public QObject, public QAbstractNativeEventFilter {
public:
    IconicRefusal(xcb_connection_t *connection, xcb_atom_t state, xcb_atom_t activeWindow, QObject *parent)
        : QObject(parent)
        , m_connection(connection)
        , m_state(state)
        , m_activeWindow(activeWindow)
    {
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto *notice = reinterpret_cast<const xcb_property_notify_event_t *>(event);
        if (notice->atom != m_state || notice->state != XCB_PROPERTY_NEW_VALUE)
            return false;
        QWidget *window = QWidget::find(notice->window);
        if (window && window->isWindow() && window->isVisible() && isIconic(notice->window))
            bringBack(notice->window);
        return false; // Qt reads the state too
    }

private:
    bool isIconic(xcb_window_t window) const
    {
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(
                m_connection, xcb_get_property(m_connection, 0, window, m_state, m_state, 0, 1), nullptr),
            &std::free);
        constexpr std::uint32_t IconicState = 3;
        return reply && xcb_get_property_value_length(reply.get()) >= int(sizeof(std::uint32_t))
            && *static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get())) == IconicState;
    }

    void bringBack(xcb_window_t window) const
    {
        xcb_map_window(m_connection, window);
        if (m_activeWindow != XCB_ATOM_NONE) {
            xcb_client_message_event_t request{};
            request.response_type = XCB_CLIENT_MESSAGE;
            request.format = 32;
            request.window = window;
            request.type = m_activeWindow;
            request.data.data32[0] = 2; // from a pager, which every window manager obeys
            request.data.data32[1] = XCB_CURRENT_TIME;
            const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
            xcb_send_event(m_connection, 0, root,
                XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                reinterpret_cast<const char *>(&request));
        }
        xcb_flush(m_connection);
        // The box, where one is open, keeps the keys.
        if (QWidget *box = QApplication::activeModalWidget(); box && box->winId() != window)
            QMetaObject::invokeMethod(box, &QWidget::activateWindow, Qt::QueuedConnection);
    }

    xcb_connection_t *m_connection;
    xcb_atom_t m_state;
    xcb_atom_t m_activeWindow;
};

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

} // namespace

void refuseToStayIconic(QApplication &app)
{
    const QString name = QStringLiteral("iconicRefusal");
    if (app.findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return; // already installed by an earlier run in this process
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    const xcb_atom_t state = atom(connection, "WM_STATE");
    if (state == XCB_ATOM_NONE)
        return;
    auto *refusal = new IconicRefusal(connection, state, atom(connection, "_NET_ACTIVE_WINDOW"), &app);
    refusal->setObjectName(name);
    app.installNativeEventFilter(refusal);
}
#else
void refuseToStayIconic(QApplication &) { }
#endif

} // namespace duset
