// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "accesskeys.h"
#include "builder.h"
#include "inputmethods.h"
#include "screen.h"

#include <algorithm>
#include <stdexcept>

namespace duset {

ScreenRegistry::ScreenRegistry(Factory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
    , m_lifetime([this] { return anyLoaded(); }, [this] { unloadAll(); })
    , m_guard(m_lifetime)
{
    connect(&m_lifetime, &ProgramLifetime::ended, this, &ScreenRegistry::programEnded);
    // The screens' access keys are the keys that carry their letters on a
    // Thai keyboard, whichever layout is active.
    new AccessKeys(this);
    // Those keys, Tab and the number row of fields that take numbers are the
    // program's, not the input method's.
    new InputMethodKeys(this);
}

ScreenRegistry::~ScreenRegistry()
{
    // The screens go first, with the windows they hold; then the disposal
    // deletes the windows of unloaded screens that are still waiting.
    for (auto &slot : m_slots)
        slot.reset();
}

Screen &ScreenRegistry::operator[](ScreenId id)
{
    auto &slot = m_slots[static_cast<std::size_t>(id)];
    if (!slot) {
        slot = m_factory(*this, id);
        if (!slot)
            throw std::logic_error("no screen for a registry slot");
    }
    return *slot;
}

Screen *ScreenRegistry::peek(ScreenId id) const
{
    return m_slots[static_cast<std::size_t>(id)].get();
}

void ScreenRegistry::Show(ScreenId id)
{
    if (m_lifetime.hasEnded())
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        static_cast<LoadableScreen &>(screen).load();
    ScreenWindow *window = screen.window();
    if (window->isVisible())
        window->raise();
    else
        window->show();
    window->activateWindow();
}

void ScreenRegistry::Hide(ScreenId id)
{
    if (m_lifetime.hasEnded())
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        static_cast<LoadableScreen &>(screen).load();
    screen.window()->hide();
}

void ScreenRegistry::Unload(ScreenId id)
{
    if (m_lifetime.hasEnded())
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        return;
    unload(screen);
    m_lifetime.screenUnloaded();
}

void ScreenRegistry::End()
{
    m_lifetime.end(0);
}

void ScreenRegistry::closeButton(ScreenId id)
{
    // Closing any other screen leads back to the main menu, so the program
    // never runs on without a visible window; closing the main menu itself
    // unloads it, which ends the program.
    Unload(id);
    if (id != MainMenu)
        Show(MainMenu);
}

void ScreenRegistry::runHandler(const std::function<void()> &handler)
{
    if (m_lifetime.hasEnded() || !m_gate.letsHandlersThrough())
        return;
    m_guard.run(handler);
}

bool ScreenRegistry::anyLoaded() const
{
    return std::ranges::any_of(m_slots, [](const auto &slot) { return slot && slot->isLoaded(); });
}

void ScreenRegistry::unloadAll()
{
    for (const auto &slot : m_slots) {
        if (slot && slot->isLoaded())
            unload(*slot);
    }
}

void ScreenRegistry::unload(Screen &screen)
{
    m_disposal.discard(static_cast<LoadableScreen &>(screen).unload());
}

} // namespace duset
