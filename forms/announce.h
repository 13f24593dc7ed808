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

} // namespace duset
