// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include <QCloseEvent>
#include <QWindow>

namespace duset {

namespace {
QMargins s_frameMargins;
}

FormWindow::FormWindow(Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
{
}

QMargins FormWindow::lastFrameMargins()
{
    return s_frameMargins;
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    emit closeRequested();
}

void FormWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The windows keep out of the task bar, so a minimised one would leave
    // nothing to bring it back by, and the program would seem gone. Where the
    // window manager offers to minimise it regardless, the window comes back
    // at once, as it would had the window manager honoured its hints.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (windowState() & Qt::WindowMinimized)
                    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
            },
            Qt::QueuedConnection);
    }
    // By the time a window is active, the window manager has framed it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
        if (!frame.isNull())
            s_frameMargins = frame;
    }
}

} // namespace duset
