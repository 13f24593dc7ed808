// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "disposal.h"
#include "handlerguard.h"
#include "lifetime.h"
#include "modalitygate.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <string_view>

namespace duset {

class Screen;
class ScreenWindow;

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

// One slot per screen. A slot is filled at the first reference to its screen
// and keeps that instance until the program ends; every screen operation goes
// through it. The registry navigates between the screens and is the way in
// for their handlers; it holds the program's lifetime, the guard and the gate
// that every handler passes, and the disposal of unloaded windows.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    using Factory = std::function<std::unique_ptr<Screen>(ScreenRegistry &, ScreenId)>;

    explicit ScreenRegistry(Factory factory, QObject *parent = nullptr);
    ~ScreenRegistry() override;

    // The screen's instance, created at the first reference.
    Screen &operator[](ScreenId id);
    // The screen's instance if its slot is filled, without filling it.
    Screen *peek(ScreenId id) const;

    void Show(ScreenId id);
    void Hide(ScreenId id);
    void Unload(ScreenId id);
    void End();

    // What the title bar's close button of a screen leads to.
    void closeButton(ScreenId id);

    // The guard around every handler: a step that fails is reported in a
    // message box and ends the program with a non-zero status. Once the
    // program has ended, or while a message or a pop-up is open, no handler
    // runs.
    void runHandler(const std::function<void()> &handler);

    bool hasEnded() const { return m_lifetime.hasEnded(); }
    int exitStatus() const { return m_lifetime.exitStatus(); }

signals:
    void programEnded(int status);

private:
    bool anyLoaded() const;
    void unloadAll();
    void unload(Screen &screen);

    Factory m_factory;
    WindowDisposal m_disposal;
    std::array<std::unique_ptr<Screen>, AllScreens.size()> m_slots;
    ProgramLifetime m_lifetime;
    HandlerGuard m_guard;
    ModalityGate m_gate;
};

} // namespace duset
