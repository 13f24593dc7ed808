// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlib.h"

#if DUSET_WITH_XLIB
#include <QGuiApplication>

#include <X11/Xlib.h>
#endif

namespace duset {

void releaseXlibRequestRecords()
{
#if DUSET_WITH_XLIB
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (Display *display = x11 ? x11->display() : nullptr)
        XSync(display, False);
#endif
}

} // namespace duset
