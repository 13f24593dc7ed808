// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logging.h"

namespace duset {

Q_LOGGING_CATEGORY(lcHandlers, "duset.handlers")
Q_LOGGING_CATEGORY(lcResources, "duset.resources")

} // namespace duset
