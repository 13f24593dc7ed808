// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

namespace duset {

class ScreenWindow;

// What navigation does to a screen, and all it may do: loading builds the
// window and its controls and runs the screen's load step; unloading gives
// the window up, to whoever sees it safely gone.
class LoadableScreen {
public:
    virtual void load() = 0;
    virtual std::unique_ptr<ScreenWindow> unload() = 0;

protected:
    ~LoadableScreen() = default;
};

} // namespace duset
