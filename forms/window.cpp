// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window.h"

#include "windowmanager.h"

#include <QCloseEvent>
#include <QMoveEvent>

namespace duset {

namespace {

QMargins s_frameMargins;

// How far from where it was asked the window manager puts a client area.
// Managers that publish their frames put it where asked; weston puts its
// frame's corner there, so that the client area lands its frame's left and
// top further on. Once one window has shown that, the others are asked for
// as much less.
QPoint s_managerOffset;
// Further off than any frame, a window was placed by a rule of the manager's
// own, which says nothing about the next one.
constexpr int WidestFrame = 64;

} // namespace

// A fixed frame with a title bar and a close button only. The window is an
// ordinary top-level one, not a dialog: Qt would make a dialog without a
// parent transient for a hidden window of its own, which mutter finds
// invalid, and mutter lists every dialog without a real parent in its
// window switcher, overview and dash, whatever the dialog asks. An ordinary
// window that asks to stay off the task bar stays off them all.
FormWindow::FormWindow()
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
}

QMargins FormWindow::lastFrameMargins()
{
    return s_frameMargins;
}

void FormWindow::setVisible(bool visible)
{
    if (visible == isVisible()) {
        QWidget::setVisible(visible);
        return;
    }
    if (!visible) {
        m_hiddenAt = clientOrigin(this);
        QWidget::setVisible(false);
        return;
    }
    if (m_hiddenAt) {
        // Hide and a later Show do not move a window, but window managers
        // do: metacity, mutter and marco put a hidden window back at the
        // corner of its frame, which Qt then takes for its place, and weston
        // keeps it inside its frame and shows it again where the frame's
        // shadow began. The window comes back as a new native window, which
        // no manager remembers, at the place it was hidden.
        destroy();
        setGeometry(QRect(*m_hiddenAt, size()));
        m_hiddenAt.reset();
    }
    m_asked = geometry().topLeft() - s_managerOffset;
    setGeometry(QRect(m_asked, size()));
    // Only now is the native window made, where it is to be: weston puts a
    // window that is moved before it is shown at the corner of the screen.
    refuseTaskbarButton(this);
    m_placedSinceShow = false;
    QWidget::setVisible(true);
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
        const QMargins frame = frameAround(this);
        if (!frame.isNull())
            s_frameMargins = frame;
        followFrame(this);
        reportClientOrigin(this);
    }
}

void FormWindow::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The first place the manager gives a window within a frame's reach of
    // where it was asked tells how it places windows.
    if (m_placedSinceShow || !isVisible())
        return;
    const QPoint offset = geometry().topLeft() - m_asked;
    if (offset.x() < 0 || offset.y() < 0 || offset.x() > WidestFrame || offset.y() > WidestFrame)
        return;
    m_placedSinceShow = true;
    if (!managerPublishesFrames())
        s_managerOffset = offset;
}

} // namespace duset
