// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// What a person may type for an item of the entry screen's lists: the item
// as it stands, the item without its first word (วัน, เดือน, ปี), the words
// in its parentheses, the order screen's spelling of it, and the short forms
// that Thai calendars and forms print (พ., ม.ค.).
namespace duset {

enum class EntryList { Day, Month, Year };

// The places, in the list's order, of the items that a text being typed may
// stand for: those with a name that begins with the text, spaces and full
// stops aside. A text of nothing else stands for no item.
std::vector<std::size_t> itemsNamed(EntryList list, std::u16string_view typed);

} // namespace duset
