// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "disposal.h"

#include "builder.h"

#include <algorithm>

namespace duset {

WindowDisposal::~WindowDisposal()
{
    for (const auto &window : m_discarded)
        delete window.data();
}

void WindowDisposal::discard(std::unique_ptr<ScreenWindow> window)
{
    // The window may be the one whose handler is running, so it goes away
    // once control is back in the event loop; until then it is hidden.
    window->hide();
    window->deleteLater();
    std::erase_if(m_discarded, [](const QPointer<ScreenWindow> &gone) { return gone.isNull(); });
    m_discarded.emplace_back(window.release());
}

} // namespace duset
