// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "controls.h"
#include "screendescription.h"

#include <functional>
#include <memory>
#include <span>
#include <type_traits>
#include <vector>

namespace duset {

class ScreenRegistry;
class ScreenWindow;
enum class ScreenId;

// One screen's single instance. It lives in its registry slot from its first
// reference to the end of the program; its window and controls exist only
// while it is loaded.
class Screen {
public:
    Screen(ScreenRegistry &screens, ScreenId id, const ScreenDescription &description);
    virtual ~Screen();

    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    const ScreenDescription &description() const { return m_description; }
    bool isLoaded() const { return m_window != nullptr; }
    ScreenWindow *window() const { return m_window.get(); }

protected:
    ScreenRegistry &screens() const { return m_screens; }

    // A control of the loaded window, by its entry in the screen's
    // enumeration, with the handle of the kind its description gives it.
    template<auto Id> HandleOf<describedBy(Id)[indexOf(Id)].kind> control() const
    {
        return HandleOf<describedBy(Id)[indexOf(Id)].kind>(controlAt(indexOf(Id)));
    }
    // The same, where the control is known only as the program runs: a handle
    // that only focuses, shows and hides it.
    template<typename Id> ControlHandle control(Id id) const
    {
        static_assert(
            std::is_same_v<decltype(describedBy(id)), std::span<const Control>>, "a menu entry is no control");
        return ControlHandle(controlAt(indexOf(id)));
    }
    // The load step, after the window and controls are built and placed.
    virtual void Form_Load() { }
    // Connects the screen's handlers to its freshly built controls.
    virtual void connectHandlers() { }
    // The close button of the title bar, under the guard. A screen that
    // leads somewhere of its own does so and returns true; otherwise the
    // registry leads back to the main menu.
    virtual bool Form_QueryUnload() { return false; }

    // The one way a screen hears its controls: each runs the handler only
    // while the loaded window is on view, and under the program's guard. A
    // control of another kind than the connection needs does not compile.
    //
    // A click of the button, or the choice of the menu entry.
    template<auto Id> void onClick(std::function<void()> handler)
    {
        if constexpr (std::is_same_v<decltype(describedBy(Id)), std::span<const Menu>>) {
            static_assert(!isSeparator(menuEntryAt(describedBy(Id), indexOf(Id))), "a separator line is no command");
            onMenuEntry(indexOf(Id), std::move(handler));
        } else {
            connectClick(control<Id>(), std::move(handler));
        }
    }
    // Every change of the field's text, typed or set.
    template<auto Id> void onTextChange(std::function<void()> handler)
    {
        connectTextChange(control<Id>(), std::move(handler));
    }
    // The person leaving the field, or pressing Enter in it.
    template<auto Id> void onEditingFinished(std::function<void()> handler)
    {
        connectEditingFinished(control<Id>(), std::move(handler));
    }
    // The field refusing an edit whole, once it holds its text again.
    template<auto Id> void onRefusal(std::function<void()> handler)
    {
        connectRefusal(control<Id>(), std::move(handler));
    }
    // Every change of the item chosen in the list.
    template<auto Id> void onChoice(std::function<void()> handler) { connectChoice(control<Id>(), std::move(handler)); }
    // The check box or option button turning on or off.
    template<auto Id> void onToggle(std::function<void()> handler) { connectToggle(control<Id>(), std::move(handler)); }
    // Once control is back in the event loop, as long as the window is still
    // on view.
    void later(std::function<void()> handler);

private:
    // The loaded window's control at this place in the description.
    QWidget *controlAt(std::size_t index) const;
    // The handler as the loaded window's controls run it.
    std::function<void()> whileOnView(std::function<void()> handler);
    // Runs the handler, guarded, on every signal of the control's widget.
    template<typename Widget, typename Signal>
    void hear(const ControlHandle &control, Signal signal, std::function<void()> handler,
        Qt::ConnectionType type = Qt::AutoConnection);
    void connectClick(const ButtonHandle &button, std::function<void()> handler);
    void connectTextChange(const FieldHandle &field, std::function<void()> handler);
    void connectEditingFinished(const FieldHandle &field, std::function<void()> handler);
    void connectRefusal(const FieldHandle &field, std::function<void()> handler);
    void connectChoice(const ListHandle &list, std::function<void()> handler);
    void connectToggle(const ChoiceHandle &choice, std::function<void()> handler);
    void onMenuEntry(std::size_t index, std::function<void()> handler);
    // Whether the window is this screen's loaded window, and visible.
    bool isOnView(const ScreenWindow *window) const;

    // What navigation does to a screen, and all it may do: loading builds
    // the window and its controls and runs the load step; unloading gives
    // the window up, to the registry, which sees it safely gone.
    friend class ScreenRegistry;
    void load();
    std::unique_ptr<ScreenWindow> unload();

    ScreenRegistry &m_screens;
    const ScreenId m_id;
    const ScreenDescription &m_description;
    std::unique_ptr<ScreenWindow> m_window;
};

} // namespace duset
