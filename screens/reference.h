// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "screen.h"
#include "screenlist.h"

namespace duset {

// A reference screen: a page that a person opens to read, which computes
// and keeps nothing and whose buttons each lead to another screen. The
// order screen, the history screen and the two verse pages are such pages.
class ReferenceScreen : public Screen {
protected:
    ReferenceScreen(ScreenRegistry &screens, ScreenId id, const ScreenDescription &description)
        : Screen(screens, id, description)
        , m_id(id)
    {
    }

    // Unloads this page, so that it shows afresh when it comes back, and
    // shows the target.
    void leaveFor(ScreenId target)
    {
        screens().Unload(m_id);
        screens().Show(target);
    }

private:
    const ScreenId m_id;
};

// A reference screen's window, centred on the screen and read by its lines,
// from what sets it apart from the others.
constexpr ScreenDescription referenceWindow(ScreenDescription window)
{
    window.placement = Placement::CentreScreen;
    window.icon = WindowIcon::Information;
    window.reading = Reading::ByLine;
    return window;
}

} // namespace duset
