// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "screen.h"

#include "builder.h"
#include "registry.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

namespace duset {

Screen::Screen(ScreenRegistry &screens, ScreenId id, const ScreenDescription &description)
    : m_screens(screens)
    , m_id(id)
    , m_description(description)
{
}

Screen::~Screen()
{
    // A field that loses the focus as its window goes says that its editing
    // is finished; the window is no longer this screen's by then, so no
    // handler runs.
    m_window.reset();
}

QWidget *Screen::controlAt(std::size_t index) const
{
    if (!m_window)
        throw std::logic_error("a control of a screen that is not loaded");
    return m_window->controlAt(index);
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

void Screen::onMenuEntry(std::size_t index, std::function<void()> handler)
{
    QAction &entry = *m_window->menuEntryAt(index);
    QObject::connect(&entry, &QAction::triggered, &entry, whileOnView(std::move(handler)));
}

void Screen::later(std::function<void()> handler)
{
    if (!m_window)
        throw std::logic_error("a handler for later from a screen that is not loaded");
    QMetaObject::invokeMethod(m_window.get(), whileOnView(std::move(handler)), Qt::QueuedConnection);
}

template<typename Widget, typename Signal>
void Screen::hear(const ControlHandle &control, Signal signal, std::function<void()> handler, Qt::ConnectionType type)
{
    auto &widget = control.as<Widget>();
    QObject::connect(&widget, signal, &widget, whileOnView(std::move(handler)), type);
}

void Screen::connectClick(const ButtonHandle &button, std::function<void()> handler)
{
    hear<QAbstractButton>(button, &QAbstractButton::clicked, std::move(handler));
}

void Screen::connectTextChange(const FieldHandle &field, std::function<void()> handler)
{
    hear<QLineEdit>(field, &QLineEdit::textChanged, std::move(handler));
}

void Screen::connectEditingFinished(const FieldHandle &field, std::function<void()> handler)
{
    hear<QLineEdit>(field, &QLineEdit::editingFinished, std::move(handler));
}

void Screen::connectRefusal(const FieldHandle &field, std::function<void()> handler)
{
    // A field says that it refused an edit while it still holds the edit, and
    // takes its own text back after.
    hear<QLineEdit>(field, &QLineEdit::inputRejected, std::move(handler), Qt::QueuedConnection);
}

void Screen::connectChoice(const ListHandle &list, std::function<void()> handler)
{
    hear<QComboBox>(list, &QComboBox::currentIndexChanged, std::move(handler));
}

void Screen::connectToggle(const ChoiceHandle &choice, std::function<void()> handler)
{
    hear<QAbstractButton>(choice, &QAbstractButton::toggled, std::move(handler));
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
            m_screens.runHandler([this] {
                if (!Form_QueryUnload())
                    m_screens.closeButton(m_id);
            });
    });
    m_window->place(m_screens.homeWindow());
    connectHandlers();
    Form_Load();
}

std::unique_ptr<ScreenWindow> Screen::unload()
{
    return std::move(m_window);
}

} // namespace duset
