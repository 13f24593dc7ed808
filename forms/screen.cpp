// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "builder.h"
#include "registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>

#include <stdexcept>
#include <string>

namespace duset {

Screen::Screen(ScreenRegistry &screens, ScreenId id, const ScreenDescription &description)
    : m_screens(screens)
    , m_id(id)
    , m_description(description)
{
}

Screen::~Screen() = default;

QWidget *Screen::control(std::string_view name) const
{
    return m_window ? m_window->control(name) : nullptr;
}

std::function<void()> Screen::whileOnView(std::function<void()> handler)
{
    // An access key clicks its button a moment after the key, so a click can
    // arrive from a window that another click has unloaded in the meantime.
    // Only the controls of the window on view run the screen's handlers.
    const ScreenWindow *window = m_window.get();
    return [this, window, handler = std::move(handler)] {
        if (isOnView(window))
            m_screens.runHandler(handler);
    };
}

void Screen::onClick(std::string_view name, std::function<void()> handler)
{
    const std::function<void()> guarded = whileOnView(std::move(handler));
    if (QAction *entry = m_window->menuEntry(name)) {
        QObject::connect(entry, &QAction::triggered, entry, guarded);
        return;
    }
    auto *button = control<QAbstractButton>(name);
    if (!button)
        throw std::logic_error("no button or menu entry named " + std::string(name));
    QObject::connect(button, &QAbstractButton::clicked, button, guarded);
}

template<typename Widget> Widget &Screen::connectable(std::string_view name, const char *kind) const
{
    auto *widget = control<Widget>(name);
    if (!widget)
        throw std::logic_error(std::string("no ") + kind + " named " + std::string(name));
    return *widget;
}

void Screen::onTextChange(std::string_view name, std::function<void()> handler)
{
    auto &field = connectable<QLineEdit>(name, "field");
    QObject::connect(&field, &QLineEdit::textChanged, &field, whileOnView(std::move(handler)));
}

void Screen::onRefusal(std::string_view name, std::function<void()> handler)
{
    auto &field = connectable<QLineEdit>(name, "field");
    QObject::connect(&field, &QLineEdit::inputRejected, &field, whileOnView(std::move(handler)));
}

void Screen::onChoice(std::string_view name, std::function<void()> handler)
{
    auto &list = connectable<QComboBox>(name, "list");
    QObject::connect(&list, &QComboBox::currentIndexChanged, &list, whileOnView(std::move(handler)));
}

void Screen::onToggle(std::string_view name, std::function<void()> handler)
{
    auto &choice = connectable<QAbstractButton>(name, "check box or option button");
    if (!choice.isCheckable())
        throw std::logic_error("no check box or option button named " + std::string(name));
    QObject::connect(&choice, &QAbstractButton::toggled, &choice, whileOnView(std::move(handler)));
}

bool Screen::isOnView(const ScreenWindow *window) const
{
    return window && window == m_window.get() && window->isVisible();
}

void Screen::load()
{
    m_window = std::make_unique<ScreenWindow>(m_description);
    QObject::connect(m_window.get(), &ScreenWindow::closeRequested, m_window.get(), [this, window = m_window.get()] {
        if (isOnView(window))
            m_screens.runHandler([this] { m_screens.closeButton(m_id); });
    });
    m_window->place();
    connectHandlers();
    Form_Load();
}

std::unique_ptr<ScreenWindow> Screen::unload()
{
    return std::move(m_window);
}

} // namespace duset
