// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace duset::bench {

// Nanoseconds on the clock that all processes of the machine share, so that a
// time taken by the benchmark before it starts a program can be compared with
// one that the program takes at its first frame.
qint64 monotonicNow();

// Waits for the next frame of a window. A frame is the first paint of the
// window or of any of its children after arm(); it is reported once control
// is back in the event loop, that is once the painted backing store has been
// handed to the window system.
class FrameWatch : public QObject {
    Q_OBJECT

public:
    using Match = std::function<bool(const QWidget *window)>;

    // Watches every widget of the application.
    explicit FrameWatch(QObject *parent = nullptr);

    void arm(Match match);

signals:
    void framed(qint64 nanoseconds);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Match m_match;
};

} // namespace duset::bench
