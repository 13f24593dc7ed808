// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// A box's modal loop, like the loop of a context menu that waits on the
// person, still delivers timers, so an access key's click can land while
// either is open. The screen behind must stay as the box found it, and no
// window may go away under a box or a menu that is still running, so the
// gate is shut to handlers while a message box or a pop-up is open.
class ModalityGate {
public:
    bool letsHandlersThrough() const;
};

} // namespace duset
