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
std::unique_ptr<QMessageBox> createMessageBox(QWidget *parent, const Message &message);

// The one way the program raises a message: the box runs modally and this
// returns once it is closed. Tests put a presenter of their own in its place.
void showMessage(QWidget *parent, const Message &message);

// Qt's own About box, raised the same way: a presenter in place records it as
// a message titled "About Qt".
void showAboutQt(QWidget *parent);

using MessagePresenter = std::function<void(QWidget *parent, const Message &message)>;
// Returns the presenter it replaces; an empty one restores the modal box.
MessagePresenter setMessagePresenter(MessagePresenter presenter);

} // namespace duset
