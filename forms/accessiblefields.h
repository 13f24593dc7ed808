// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// Every text field, those inside lists included, reads through the program's
// accessible interface of fields. Installed once, however often it is called.
void useAccessibleFields();

} // namespace duset
