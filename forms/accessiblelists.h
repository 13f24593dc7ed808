// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QComboBox;

namespace duset {

// Every list, editable or not, reads through the program's accessible
// interface of lists: the list's label stays its name and its text is its
// value. Installed once, however often it is called.
void useAccessibleLists();

// Tells a screen reader which item of the list the person moves to.
void speakListItems(QComboBox *list);

} // namespace duset
