// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "handlerguard.h"

#include "lifetime.h"
#include "logging.h"
#include "messages.h"
#include "preflight.h"

#include <QCoreApplication>

#include <exception>
#include <new>

namespace duset {

HandlerGuard::HandlerGuard(ProgramLifetime &lifetime)
    : m_lifetime(lifetime)
{
}

void HandlerGuard::run(const std::function<void()> &handler)
{
    QString failure;
    try {
        handler();
        return;
    } catch (const std::bad_alloc &) {
        // A box needs memory too.
        endForWantOfMemory();
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    // Also where a log or a terminal keeps it, after the box is gone.
    qCCritical(lcHandlers, "%s", qUtf8Printable(failure));
    showMessage(nullptr,
        {.title = QCoreApplication::applicationName(),
            .text = QStringLiteral("โปรแกรมหยุดทำงานเพราะเกิดข้อผิดพลาด\r\n") + failure,
            .icon = QMessageBox::Critical});
    m_lifetime.end(1);
}

} // namespace duset
