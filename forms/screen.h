// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "loadablescreen.h"
#include "screendescription.h"

#include <functional>
#include <memory>
#include <string_view>

class QAction;

namespace duset {

class ScreenRegistry;
class ScreenWindow;
enum class ScreenId;

// One screen's single instance. It lives in its registry slot from its first
// reference to the end of the program; its window and controls exist only
// while it is loaded.
class Screen : public LoadableScreen {
public:
    Screen(ScreenRegistry &screens, ScreenId id, const ScreenDescription &description);
    virtual ~Screen();

    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    const ScreenDescription &description() const { return m_description; }
    bool isLoaded() const { return m_window != nullptr; }
    ScreenWindow *window() const { return m_window.get(); }

    // A control of the loaded screen, by its name in the description.
    QWidget *control(std::string_view name) const;
    template<typename Widget> Widget *control(std::string_view name) const
    {
        return qobject_cast<Widget *>(control(name));
    }

protected:
    ScreenRegistry &screens() const { return m_screens; }

    // The load step, after the window and controls are built and placed.
    virtual void Form_Load() { }
    // Connects the screen's handlers to its freshly built controls.
    virtual void connectHandlers() { }

    // The one way a screen hears its controls: each runs the handler only
    // while the loaded window is on view, and under the program's guard.
    // A name that is no control of the right kind is a fault of the
    // program, reported as one.
    //
    // A click of the named button or the choice of the named menu entry.
    void onClick(std::string_view name, std::function<void()> handler);
    // Every change of the named field's text, typed or set.
    void onTextChange(std::string_view name, std::function<void()> handler);
    // The named field refusing an edit whole, and keeping its text.
    void onRefusal(std::string_view name, std::function<void()> handler);
    // Every change of the item chosen in the named list.
    void onChoice(std::string_view name, std::function<void()> handler);
    // The named check box or option button turning on or off.
    void onToggle(std::string_view name, std::function<void()> handler);

private:
    // The handler as the loaded window's controls run it.
    std::function<void()> whileOnView(std::function<void()> handler);
    // The named control, of the kind a connection needs.
    template<typename Widget> Widget &connectable(std::string_view name, const char *kind) const;
    // Whether the window is this screen's loaded window, and visible.
    bool isOnView(const ScreenWindow *window) const;
    void load() override;
    std::unique_ptr<ScreenWindow> unload() override;

    ScreenRegistry &m_screens;
    const ScreenId m_id;
    const ScreenDescription &m_description;
    std::unique_ptr<ScreenWindow> m_window;
};

} // namespace duset
