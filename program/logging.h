// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

namespace duset {

// What the program tells a log or a terminal. Qt puts a category's name
// before each of its messages, so every line names the program and the part
// of it that speaks.

// A handler of a screen failed and the program ended.
Q_DECLARE_LOGGING_CATEGORY(lcHandlers)
// What is built into the program is missing or broken.
Q_DECLARE_LOGGING_CATEGORY(lcResources)

} // namespace duset
