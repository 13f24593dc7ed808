// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "registry.h"

#include <array>
#include <string_view>

namespace duset {

// The screens keep the program's own names, Form1 to Form8; the code names
// each by its role. Each screen's class is in screens/ under its id's name
// (the main menu is screens/form4.cpp).
enum class ScreenId { Form1, Form2, Form3, Form4, Form5, Form6, Form7, Form8 };

// The birth-data entry screen, where predict turns three choices into a verse.
inline constexpr ScreenId EntryScreen = ScreenId::Form1;
// The Thai order of days, months and years, numbered as the reckoning counts.
inline constexpr ScreenId OrderScreen = ScreenId::Form2;
// Where the reckoning comes from, told in verse.
inline constexpr ScreenId HistoryScreen = ScreenId::Form3;
// The hub with the menu bar: the program opens on it and every way back leads to it.
inline constexpr ScreenId MainMenu = ScreenId::Form4;
// The verses of remainders 1 to 7.
inline constexpr ScreenId VersePage1 = ScreenId::Form5;
// The verses of remainders 8 to 10 and the closing stanzas.
inline constexpr ScreenId VersePage2 = ScreenId::Form6;
// Finds the weekday, month and animal year of a birth date for the entry screen.
inline constexpr ScreenId DateScreen = ScreenId::Form7;
// What each verse means, in the Thai of today, with its old words.
inline constexpr ScreenId MeaningScreen = ScreenId::Form8;

inline constexpr std::array AllScreens{
    EntryScreen, OrderScreen, HistoryScreen, MainMenu, VersePage1, VersePage2, DateScreen, MeaningScreen};

// The screen's own name, which its window carries as its object name.
constexpr std::string_view screenName(ScreenId id)
{
    constexpr std::string_view names[] = {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"};
    return names[static_cast<std::size_t>(id)];
}

} // namespace duset
