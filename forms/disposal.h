// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>

#include <memory>
#include <vector>

namespace duset {

class ScreenWindow;

// Where the windows of unloaded screens go away. Whatever has not gone by
// the time the disposal itself goes is deleted then.
class WindowDisposal {
public:
    WindowDisposal() = default;
    ~WindowDisposal();

    WindowDisposal(const WindowDisposal &) = delete;
    WindowDisposal &operator=(const WindowDisposal &) = delete;

    void discard(std::unique_ptr<ScreenWindow> window);

private:
    std::vector<QPointer<ScreenWindow>> m_discarded;
};

} // namespace duset
