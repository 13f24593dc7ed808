// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "framewatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <ctime>

namespace duset::bench {

qint64 monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

FrameWatch::FrameWatch(QObject *parent)
    : QObject(parent)
{
    QCoreApplication::instance()->installEventFilter(this);
}

void FrameWatch::arm(Match match)
{
    m_match = std::move(match);
}

bool FrameWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_match && watched->isWidgetType()
        && m_match(static_cast<QWidget *>(watched)->window())) {
        m_match = nullptr;
        // The paint is part of a repaint that ends with the flush; a queued
        // call runs only after that.
        QMetaObject::invokeMethod(
            this, [this] { emit framed(monotonicNow()); }, Qt::QueuedConnection);
    }
    return false;
}

} // namespace duset::bench
