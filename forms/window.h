// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMargins>
#include <QWidget>

namespace duset {

// A top-level window of the program as the desktop handles it: its close
// button leads somewhere rather than closing it, it does not stay minimised,
// and it tells the frame that the window manager gives the program's windows.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(Qt::WindowFlags flags);

    // The frame of the last window that the window manager framed; null
    // until one is framed.
    static QMargins lastFrameMargins();

signals:
    // The close button of the title bar (or the window manager's close
    // command). The window itself never closes: what follows is navigation.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
};

} // namespace duset
