// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <memory>

namespace duset {

struct Message {
    QString title;
    QString text; // lines joined by CR LF
    QMessageBox::Icon icon = QMessageBox::Information;
};

// A modal box with one OK button. Its text can be selected, and Ctrl+C copies
// the title and the text on every platform, so a person can keep their verse.
// The box stands over its owner's window and stays above it, but it is no
// child of that window: only whoever holds the box destroys it.
std::unique_ptr<QMessageBox> createMessageBox(QWidget *owner, const Message &message);

// The one way the program raises a message: the box runs modally and this
// returns once it is closed. Tests put a presenter of their own in its place.
void showMessage(QWidget *owner, const Message &message);

// Qt's own About box, raised the same way: a presenter in place records it as
// a message titled "About Qt".
void showAboutQt(QWidget *owner);

// Whether a message is on view. While one is, no handler of any screen runs:
// a click that lands then (an access key's click comes a moment after its
// key) is dropped, and the box stays until the person closes it.
bool isMessageOpen();

using MessagePresenter = std::function<void(QWidget *owner, const Message &message)>;
// Returns the presenter it replaces; an empty one restores the modal box.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace duset
