// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lifetime.h"

namespace duset {

ProgramLifetime::ProgramLifetime(std::function<bool()> anyLoaded, std::function<void()> unloadAll, QObject *parent)
    : QObject(parent)
    , m_anyLoaded(std::move(anyLoaded))
    , m_unloadAll(std::move(unloadAll))
{
}

void ProgramLifetime::screenUnloaded()
{
    // A handler may unload its own screen and then show another, so whether
    // anything is still loaded is asked once the handler has run to its end.
    if (!m_checkPending) {
        m_checkPending = true;
        QMetaObject::invokeMethod(this, &ProgramLifetime::endIfNothingLoaded, Qt::QueuedConnection);
    }
}

void ProgramLifetime::end(int status)
{
    if (m_ended)
        return;
    m_unloadAll();
    m_ended = true;
    m_exitStatus = status;
    emit ended(status);
}

void ProgramLifetime::endIfNothingLoaded()
{
    m_checkPending = false;
    if (!m_anyLoaded())
        end(0);
}

} // namespace duset
