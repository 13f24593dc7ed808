// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace duset {

namespace {

class MessageBox : public QMessageBox {
public:
    MessageBox(QWidget *owner, const Message &message)
        : QMessageBox(message.icon, message.title, message.text, QMessageBox::Ok)
        , m_message(message)
        , m_owner(owner ? owner->window() : nullptr)
    {
        setTextFormat(Qt::PlainText);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        // The selectable label that shows the message is the one that takes
        // Ctrl+C when it has the focus.
        for (QLabel *label : findChildren<QLabel *>()) {
            if (label->text() == message.text && label->textInteractionFlags() & Qt::TextSelectableByMouse)
                label->installEventFilter(this);
        }
    }

protected:
    // Over the middle of the owner's window, as a child box would stand, and
    // kept above it by the window manager.
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        if (!m_owner || !m_owner->isVisible())
            return;
        if (windowHandle() && m_owner->windowHandle())
            windowHandle()->setTransientParent(m_owner->windowHandle());
        QRect area = frameGeometry();
        area.moveCenter(m_owner->frameGeometry().center());
        if (const QScreen *screen = m_owner->screen()) {
            const QRect available = screen->availableGeometry();
            area.moveRight(std::min(area.right(), available.right()));
            area.moveBottom(std::min(area.bottom(), available.bottom()));
            area.moveLeft(std::max(area.left(), available.left()));
            area.moveTop(std::max(area.top(), available.top()));
        }
        move(area.topLeft());
    }

    // A selection in the text copies itself; otherwise Ctrl+C takes the whole
    // box, as it does on Windows.
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event == QKeySequence::Copy) {
            copyWhole();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && event->type() == QEvent::KeyPress && !label->hasSelectedText()
            && static_cast<QKeyEvent *>(event) == QKeySequence::Copy) {
            copyWhole();
            return true;
        }
        return QMessageBox::eventFilter(watched, event);
    }

private:
    void copyWhole() const
    {
        QGuiApplication::clipboard()->setText(m_message.title + QStringLiteral("\r\n") + m_message.text);
    }

    Message m_message;
    QPointer<QWidget> m_owner;
};

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

int openMessages = 0;

} // namespace

std::unique_ptr<QMessageBox> createMessageBox(QWidget *owner, const Message &message)
{
    return std::make_unique<MessageBox>(owner, message);
}

namespace {

// Every box goes this way: while it is open no handler runs, and a presenter
// in place takes the message instead of the box.
void runModal(QWidget *owner, const Message &message, const std::function<void()> &showBox)
{
    ++openMessages;
    const auto closed = qScopeGuard([] { --openMessages; });
    if (presenter()) {
        presenter()(owner, message);
        return;
    }
    showBox();
    // The window manager may give the focus to nothing when the box closes:
    // openbox gives it back only to windows that are on the task bar, which
    // the screens are not. The box's screen takes it back itself.
    if (QWidget *screen = owner ? owner->window() : nullptr; screen && screen->isVisible())
        screen->activateWindow();
}

} // namespace

void showMessage(QWidget *owner, const Message &message)
{
    runModal(owner, message, [owner, &message] { createMessageBox(owner, message)->exec(); });
}

bool isMessageOpen()
{
    return openMessages > 0;
}

void showAboutQt(QWidget *owner)
{
    runModal(owner, {.title = QStringLiteral("About Qt"), .text = QString::fromLatin1(qVersion())},
        [owner] { QMessageBox::aboutQt(owner); });
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

} // namespace duset
