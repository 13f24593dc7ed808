// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realkeys.h"

#include <QGuiApplication>
#include <QProcess>

#include <utility>
#include <vector>

#if DUSET_TEST_WITH_XTEST
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#endif

namespace duset::testing {

#if DUSET_TEST_WITH_XTEST
struct RealKeyboard::Connection {
    Display *display = nullptr;
    ~Connection()
    {
        if (display)
            XCloseDisplay(display);
    }
};
#else
struct RealKeyboard::Connection { };
#endif

RealKeyboard::RealKeyboard(std::unique_ptr<Connection> connection)
    : m_connection(std::move(connection))
{
}

RealKeyboard::~RealKeyboard() = default;

std::unique_ptr<RealKeyboard> RealKeyboard::open(QString *reason)
{
    if (QGuiApplication::platformName() != u"xcb") {
        *reason = QStringLiteral("not on an X server (platform %1)").arg(QGuiApplication::platformName());
        return nullptr;
    }
#if DUSET_TEST_WITH_XTEST
    auto connection = std::make_unique<Connection>();
    connection->display = XOpenDisplay(nullptr);
    int event = 0, error = 0, major = 0, minor = 0;
    if (!connection->display || !XTestQueryExtension(connection->display, &event, &error, &major, &minor)) {
        *reason = QStringLiteral("the X server has no XTest extension");
        return nullptr;
    }
    return std::unique_ptr<RealKeyboard>(new RealKeyboard(std::move(connection)));
#else
    *reason = QStringLiteral("built without XTest (Debian package libxtst-dev)");
    return nullptr;
#endif
}

bool RealKeyboard::useLayouts(const QString &layouts, int group, QString *reason)
{
#if DUSET_TEST_WITH_XTEST
    const int status = QProcess::execute(QStringLiteral(DUSET_SETXKBMAP), {QStringLiteral("-layout"), layouts});
    if (status != 0) {
        *reason = QStringLiteral("setxkbmap -layout %1 failed (%2)").arg(layouts).arg(status);
        return false;
    }
    XSync(m_connection->display, False);
    if (!XkbLockGroup(m_connection->display, XkbUseCoreKbd, static_cast<unsigned>(group))) {
        *reason = QStringLiteral("the X server does not lock layout group %1").arg(group);
        return false;
    }
    XSync(m_connection->display, False);
    return true;
#else
    Q_UNUSED(layouts);
    Q_UNUSED(group);
    *reason = QStringLiteral("built without XTest");
    return false;
#endif
}

void RealKeyboard::press(unsigned keycode, unsigned modifiers)
{
#if DUSET_TEST_WITH_XTEST
    Display *display = m_connection->display;
    std::vector<KeyCode> held;
    for (const auto &[modifier, keysym] :
        {std::pair{WithControl, XK_Control_L}, {WithAlt, XK_Alt_L}, {WithShift, XK_Shift_L}}) {
        if (modifiers & modifier)
            held.push_back(XKeysymToKeycode(display, keysym));
    }
    for (const KeyCode key : held)
        XTestFakeKeyEvent(display, key, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    for (auto key = held.rbegin(); key != held.rend(); ++key)
        XTestFakeKeyEvent(display, *key, False, CurrentTime);
    XSync(display, False);
#else
    Q_UNUSED(keycode);
    Q_UNUSED(modifiers);
#endif
}

void RealKeyboard::click(int x, int y)
{
#if DUSET_TEST_WITH_XTEST
    Display *display = m_connection->display;
    XTestFakeMotionEvent(display, -1, x, y, CurrentTime);
    XTestFakeButtonEvent(display, Button1, True, CurrentTime);
    XTestFakeButtonEvent(display, Button1, False, CurrentTime);
    XSync(display, False);
#else
    Q_UNUSED(x);
    Q_UNUSED(y);
#endif
}

} // namespace duset::testing
