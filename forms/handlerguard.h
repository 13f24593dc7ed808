// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace duset {

class ProgramLifetime;

// A handler that fails does not leave the program half done: the failure is
// logged and reported in a message box, and the program ends with status 1.
class HandlerGuard {
public:
    explicit HandlerGuard(ProgramLifetime &lifetime);

    void run(const std::function<void()> &handler);

private:
    ProgramLifetime &m_lifetime;
};

} // namespace duset
