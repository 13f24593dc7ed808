// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "registry.h"

#include "accesskeys.h"
#include "builder.h"
#include "messages.h"
#include "screen.h"
#include "taskbar.h"

#include <QApplication>

#include <stdexcept>

namespace duset {

ScreenRegistry::ScreenRegistry(Factory factory, QObject *parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{
    // The screens' access keys are the keys that carry their letters on a
    // Thai keyboard, whichever layout is active.
    new AccessKeys(this);
}

ScreenRegistry::~ScreenRegistry()
{
    for (auto &slot : m_slots)
        slot.reset();
    for (const auto &window : m_discarded)
        delete window.data();
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
    if (m_ended)
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        screen.load();
    ScreenWindow *window = screen.window();
    if (window->isVisible()) {
        window->raise();
    } else {
        refuseTaskbarButton(window);
        window->show();
    }
    window->activateWindow();
}

void ScreenRegistry::Hide(ScreenId id)
{
    if (m_ended)
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        screen.load();
    screen.window()->hide();
}

void ScreenRegistry::Unload(ScreenId id)
{
    if (m_ended)
        return;
    Screen &screen = (*this)[id];
    if (!screen.isLoaded())
        return;
    screen.unload();
    // A handler may unload its own screen and then show another, so whether
    // anything is still loaded is asked once the handler has run to its end.
    if (!m_lifetimeCheckPending) {
        m_lifetimeCheckPending = true;
        QMetaObject::invokeMethod(this, &ScreenRegistry::endIfNothingLoaded, Qt::QueuedConnection);
    }
}

void ScreenRegistry::End()
{
    endProgram(0);
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
    // A box's modal loop, like the loop of a context menu that waits on the
    // person, still delivers timers, so an access key's click can land while
    // either is open. The screen behind must stay as the box found it, and no
    // window may go away under a box or a menu that is still running, so
    // such a click is dropped.
    if (m_ended || isMessageOpen() || QApplication::activePopupWidget())
        return;
    QString failure;
    try {
        handler();
        return;
    } catch (const std::exception &error) {
        failure = QString::fromUtf8(error.what());
    } catch (...) {
        failure = QStringLiteral("unknown error");
    }
    // Also where a log or a terminal keeps it, after the box is gone.
    qCritical("duset: %s", qUtf8Printable(failure));
    showMessage(nullptr,
        {.title = QCoreApplication::applicationName(),
            .text = QStringLiteral("โปรแกรมหยุดทำงานเพราะเกิดข้อผิดพลาด\r\n") + failure,
            .icon = QMessageBox::Critical});
    endProgram(1);
}

void ScreenRegistry::discard(ScreenWindow *window)
{
    // The window may be the one whose handler is running, so it goes away
    // once control is back in the event loop; until then it is hidden.
    window->hide();
    window->deleteLater();
    std::erase_if(m_discarded, [](const QPointer<ScreenWindow> &gone) { return gone.isNull(); });
    m_discarded.emplace_back(window);
}

void ScreenRegistry::endIfNothingLoaded()
{
    m_lifetimeCheckPending = false;
    for (const auto &slot : m_slots) {
        if (slot && slot->isLoaded())
            return;
    }
    endProgram(0);
}

void ScreenRegistry::endProgram(int status)
{
    if (m_ended)
        return;
    for (const auto &slot : m_slots) {
        if (slot && slot->isLoaded())
            slot->unload();
    }
    m_ended = true;
    m_exitStatus = status;
    emit programEnded(status);
}

} // namespace duset
