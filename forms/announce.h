// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QString;
class QWidget;

namespace duset {

// Tells a screen reader something that the window shows without moving the
// focus: a result that appears, a reason, an action done. Each window keeps a
// notification of no size, which nobody sees or reaches, for this: it takes
// the text and appears, and screen readers speak a notification as it
// appears. The text stays until the next one.
void announce(QWidget *window, const QString &text);
// The same, once the window is the active one and every event of the moment
// has run: a screen reader then says it after the window and the control
// that has the focus, which it would otherwise cut short. A newer text for
// the window takes the place of one still waiting.
void announceOnceActive(QWidget *window, const QString &text);

} // namespace duset
