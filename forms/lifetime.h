// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>

namespace duset {

// The program runs while at least one screen is loaded, visible or not, and
// until it is ended. Once it has ended it stays ended, with the status it
// ended with.
class ProgramLifetime : public QObject {
    Q_OBJECT

public:
    // anyLoaded tells whether a screen is still loaded; unloadAll unloads
    // every loaded screen as the program ends.
    ProgramLifetime(std::function<bool()> anyLoaded, std::function<void()> unloadAll, QObject *parent = nullptr);

    // A screen was unloaded: the program ends if nothing is loaded once the
    // event loop has control again.
    void screenUnloaded();
    void end(int status);

    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_exitStatus; }

signals:
    void ended(int status);

private:
    void endIfNothingLoaded();

    std::function<bool()> m_anyLoaded;
    std::function<void()> m_unloadAll;
    bool m_checkPending = false;
    bool m_ended = false;
    int m_exitStatus = 0;
};

} // namespace duset
