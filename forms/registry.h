// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "lifetime.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <vector>

namespace duset {

class Screen;
class ScreenWindow;

// A screen by its place in the program's list of screens. The screens name
// themselves; the runtime only counts them.
enum class ScreenId;

// One slot per screen. A slot is filled at the first reference to its screen
// and keeps that instance until the program ends; every screen operation goes
// through it. The registry navigates between the screens and is the way in
// for their handlers; it holds the program's lifetime, the guard that every
// handler passes, and the windows of unloaded screens until they are gone.
class ScreenRegistry : public QObject {
    Q_OBJECT

public:
    // The program's screens: how many there are, the one every way back leads
    // to, and how each is made at its first reference.
    struct ScreenList {
        std::size_t count;
        ScreenId home;
        std::function<std::unique_ptr<Screen>(ScreenRegistry &, ScreenId)> create;
    };

    explicit ScreenRegistry(ScreenList screens, QObject *parent = nullptr);
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
    // The window of the screen every way back leads to, while it is loaded.
    ScreenWindow *homeWindow() const;

    // The guard around every handler: a step that fails is logged, reported
    // in a message box, and ends the program with status 1, so that it is
    // never left half done. Once the program has ended, or while a message or
    // a pop-up is open, no handler runs.
    void runHandler(const std::function<void()> &handler);

    bool hasEnded() const { return m_lifetime.hasEnded(); }
    int exitStatus() const { return m_lifetime.exitStatus(); }

signals:
    void programEnded(int status);

private:
    bool anyLoaded() const;
    void unloadAll();
    void unload(Screen &screen);

    ScreenList m_screens;
    // The windows of unloaded screens that are waiting to go away.
    std::vector<QPointer<ScreenWindow>> m_discarded;
    std::vector<std::unique_ptr<Screen>> m_slots;
    ProgramLifetime m_lifetime;
};

} // namespace duset
