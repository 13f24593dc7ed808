// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xlib.h"

#include <QApplication>

#if DUSET_WITH_XLIB
#include <QEvent>
#include <QWidget>

#include <X11/Xlib.h>
#endif

namespace duset {

#if DUSET_WITH_XLIB
namespace {

class XlibRecordRelease : public QObject {
public:
    XlibRecordRelease(Display *display, QObject *parent)
        : QObject(parent)
        , m_display(display)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // By its show event a window has been created and named.
        if (event->type() == QEvent::Show && watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow())
            XSync(m_display, False);
        return false;
    }

private:
    Display *m_display;
};

} // namespace

void releaseXlibRecordsAtEveryShow(QApplication &app)
{
    const QString name = QStringLiteral("xlibRecordRelease");
    if (app.findChild<QObject *>(name, Qt::FindDirectChildrenOnly))
        return; // already installed by an earlier run in this process
    auto *x11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (Display *display = x11 ? x11->display() : nullptr) {
        auto *release = new XlibRecordRelease(display, &app);
        release->setObjectName(name);
        app.installEventFilter(release);
    }
}
#else
void releaseXlibRecordsAtEveryShow(QApplication &) { }
#endif

} // namespace duset
