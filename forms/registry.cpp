// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "builder.h"
#include "messages.h"
#include "preflight.h"
#include "screen.h"

#include <QApplication>
#include <QLoggingCategory>

#include <algorithm>
#include <exception>
#include <new>
#include <stdexcept>

namespace duset {

namespace {

// Qt puts a category's name before each of its messages, so every line
// names the program and the part of it that speaks.
Q_LOGGING_CATEGORY(lcHandlers, "duset.handlers")

} // namespace

ScreenRegistry::ScreenRegistry(ScreenList screens, QObject *parent)
    : QObject(parent)
    , m_screens(std::move(screens))
    , m_slots(m_screens.count)
    , m_lifetime([this] { return anyLoaded(); }, [this] { unloadAll(); })
{
    connect(&m_lifetime, &ProgramLifetime::ended, this, &ScreenRegistry::programEnded);
}

ScreenRegistry::~ScreenRegistry()
{
    // The screens go first, with the windows they hold; then the windows of
    // unloaded screens that are still waiting.
    for (auto &slot : m_slots)
        slot.reset();
    for (const auto &window : m_discarded)
        delete window.data();
}

Screen &ScreenRegistry::operator[](ScreenId id)
{
    auto &slot = m_slots.at(static_cast<std::size_t>(id));
    if (!slot) {
        slot = m_screens.create(*this, id);
        if (!slot)
            throw std::logic_error("no screen for a registry slot");
    }
    return *slot;
}

Screen *ScreenRegistry::peek(ScreenId id) const
{
    return m_slots.at(static_cast<std::size_t>(id)).get();
}

void ScreenRegistry::Show(ScreenId id)
{
    if (m_lifetime.hasEnded())
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        screen.load();
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
        screen.load();
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
    // Closing any other screen leads back home, so the program never runs on
    // without a visible window; closing the home screen itself unloads it,
    // which ends the program.
    Unload(id);
    if (id != m_screens.home)
        Show(m_screens.home);
}

ScreenWindow *ScreenRegistry::homeWindow() const
{
    const Screen *home = peek(m_screens.home);
    return home ? home->window() : nullptr;
}

void ScreenRegistry::runHandler(const std::function<void()> &handler)
{
    // A box's modal loop, like the loop of a context menu that waits on the
    // person, still delivers timers, so an access key's click can land while
    // either is open. The screen behind must stay as the box found it, and no
    // window may go away under a box or a menu that is still running.
    if (m_lifetime.hasEnded() || isMessageOpen() || QApplication::activePopupWidget())
        return;
    QString failure;
    try {
        handler();
        return;
    } catch (const std::bad_alloc &) {
        // A box needs memory too.
        endForWantOfMemory();
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    // Also where a log or a terminal keeps it, after the box is gone.
    qCCritical(lcHandlers, "%s", qUtf8Printable(failure));
    showMessage(nullptr,
        {.title = QCoreApplication::applicationName(),
            .text = QStringLiteral("โปรแกรมหยุดทำงานเพราะเกิดข้อผิดพลาด\r\n") + failure,
            .icon = QMessageBox::Critical});
    m_lifetime.end(1);
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
    // The window may be the one whose handler is running, so it goes away
    // once control is back in the event loop; until then it is hidden.
    std::unique_ptr<ScreenWindow> window = screen.unload();
    window->hide();
    window->deleteLater();
    std::erase_if(m_discarded, [](const QPointer<ScreenWindow> &gone) { return gone.isNull(); });
    m_discarded.emplace_back(window.release());
}

} // namespace duset
