// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "modalitygate.h"

#include "messages.h"

#include <QApplication>

namespace duset {

bool ModalityGate::letsHandlersThrough() const
{
    return !isMessageOpen() && !QApplication::activePopupWidget();
}

} // namespace duset
