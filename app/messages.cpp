// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>

namespace duset {

namespace {

class MessageBox : public QMessageBox {
public:
    MessageBox(QWidget *parent, const Message &message)
        : QMessageBox(message.icon, message.title, message.text, QMessageBox::Ok, parent)
        , m_message(message)
    {
        setTextFormat(Qt::PlainText);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        if (auto *label = findChild<QLabel *>(QStringLiteral("qt_msgbox_label")))
            label->installEventFilter(this);
    }

protected:
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
};

MessagePresenter &presenter()
{
    static MessagePresenter current;
    return current;
}

} // namespace

std::unique_ptr<QMessageBox> createMessageBox(QWidget *parent, const Message &message)
{
    return std::make_unique<MessageBox>(parent, message);
}

void showMessage(QWidget *parent, const Message &message)
{
    if (presenter()) {
        presenter()(parent, message);
        return;
    }
    createMessageBox(parent, message)->exec();
}

void showAboutQt(QWidget *parent)
{
    if (presenter()) {
        presenter()(parent, {.title = QStringLiteral("About Qt"), .text = QString::fromLatin1(qVersion())});
        return;
    }
    QMessageBox::aboutQt(parent);
}

MessagePresenter setMessagePresenter(MessagePresenter replacement)
{
    return std::exchange(presenter(), std::move(replacement));
}

} // namespace duset
