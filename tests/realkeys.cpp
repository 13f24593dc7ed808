// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realkeys.h"

#include <QGuiApplication>
#include <QProcess>

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

void RealKeyboard::press(unsigned keycode, bool withAlt)
{
#if DUSET_TEST_WITH_XTEST
    Display *display = m_connection->display;
    const KeyCode alt = XKeysymToKeycode(display, XK_Alt_L);
    if (withAlt)
        XTestFakeKeyEvent(display, alt, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, True, CurrentTime);
    XTestFakeKeyEvent(display, keycode, False, CurrentTime);
    if (withAlt)
        XTestFakeKeyEvent(display, alt, False, CurrentTime);
    XSync(display, False);
#else
    Q_UNUSED(keycode);
    Q_UNUSED(withAlt);
#endif
}

} // namespace duset::testing
