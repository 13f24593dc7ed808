// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announce.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QString>
#include <QWidget>

namespace duset {

namespace {

class Notice : public QWidget {
    Q_OBJECT

public:
    explicit Notice(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("notice"));
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

class AccessibleNotice : public QAccessibleWidget {
public:
    explicit AccessibleNotice(QWidget *notice)
        : QAccessibleWidget(notice, QAccessible::Notification)
    {
    }
};

// A text that waits for its window to be the active one.
class Waiting : public QObject {
    Q_OBJECT

public:
    Waiting(QWidget *window, const QString &text)
        : QObject(window)
        , m_window(window)
        , m_text(text)
    {
        if (window->isActiveWindow())
            sayLater();
        else
            window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowActivate) {
            m_window->removeEventFilter(this);
            sayLater();
        }
        return false;
    }

private:
    void sayLater()
    {
        QMetaObject::invokeMethod(
            this,
            [this] {
                announce(m_window, m_text);
                deleteLater();
            },
            Qt::QueuedConnection);
    }

    QWidget *m_window;
    QString m_text;
};

QAccessibleInterface *accessibleNotice(const QString &className, QObject *object)
{
    Q_UNUSED(className);
    if (auto *notice = qobject_cast<Notice *>(object))
        return new AccessibleNotice(notice);
    return nullptr;
}

} // namespace

void announce(QWidget *window, const QString &text)
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleNotice);
        return true;
    }();
    Q_UNUSED(installed);
    if (!window || text.isEmpty())
        return;
    window = window->window();
    auto *notice = window->findChild<Notice *>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice)
        notice = new Notice(window);
    // Appearing again is what a screen reader speaks, even with the same text.
    notice->hide();
    notice->setAccessibleName(text);
    notice->show();
}

void announceOnceActive(QWidget *window, const QString &text)
{
    if (!window || text.isEmpty())
        return;
    window = window->window();
    for (Waiting *older : window->findChildren<Waiting *>(QString(), Qt::FindDirectChildrenOnly))
        delete older;
    new Waiting(window, text);
}

} // namespace duset

#include "announce.moc"
