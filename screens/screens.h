// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handover.h"
#include "registry.h"
#include "screen.h"

#include <memory>

namespace duset {

// Makes the single instance of a screen when its registry slot is first used.
std::unique_ptr<Screen> createScreen(ScreenRegistry &screens, ScreenId id);

} // namespace duset
