// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QPoint>
#include <QWidget>

#include <optional>

namespace duset {

// A top-level window of the program as the desktop handles it: its close
// button leads somewhere rather than closing it, it does not stay minimised,
// it comes back where it was hidden, and it tells the frame that the window
// manager gives the program's windows.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    FormWindow();

    // The frame of the last window that the window manager framed; null
    // until one is framed.
    static QMargins lastFrameMargins();

    void setVisible(bool visible) override;

signals:
    // The close button of the title bar (or the window manager's close
    // command). The window itself never closes: what follows is navigation.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

    std::optional<QPoint> m_hiddenAt; // the client area's place when hidden
    QPoint m_asked; // where the client area was asked to go at the last show
    bool m_placedSinceShow = true;
};

} // namespace duset
