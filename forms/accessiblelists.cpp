// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblelists.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace duset {

namespace {

// What a screen reader hears of a list. Qt on X11 and Wayland names an
// editable list after the text it holds, so once a person picks or types
// something they would no longer hear which list they are in. Here the name
// stays the list's label, and the text is its value; the drop-down and the
// field remain its children, and the drop-down opens as a press or a menu.
// An editable list's field carries its text to the screen reader. A list
// without a field carries its chosen item itself, as a text that the screen
// reader reads when the list is reached.
class AccessibleList : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleList(QComboBox *list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (!list()->isEditable() && type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return QAccessibleWidget::doAction(action);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The chosen item as a text that the person reads but cannot change.
    QString text(int startOffset, int endOffset) const override
    {
        const QString item = list()->currentText();
        const int start = std::clamp(startOffset, 0, int(item.size()));
        const int end = endOffset < 0 ? int(item.size()) : std::clamp(endOffset, start, int(item.size()));
        return item.mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    void selection(int, int *startOffset, int *endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override { }
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox *list() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *accessibleList(const QString &className, QObject *object)
{
    if (className == u"QComboBox" && object && object->isWidgetType())
        return new AccessibleList(static_cast<QComboBox *>(object));
    return nullptr;
}

// A screen reader hears the item of a list that the person moves to. An
// opened list shows its current item highlighted, but the item view takes the
// focus after it has made that item current, so a screen reader would hear
// the list and not the item: once the list has the focus, the item takes it
// again in the screen reader's eyes. A closed list without a field changes
// its item on the arrow keys with no text to follow, so the new item is
// reported the same way, as the item of the list that the screen reader
// reads.
class ListItemSpeaker : public QObject {
public:
    explicit ListItemSpeaker(QComboBox *list)
        : QObject(list)
        , m_list(list)
        , m_view(list->view())
    {
        m_view->installEventFilter(this);
        connect(list, &QComboBox::currentIndexChanged, this, [this] {
            if (!m_list->isEditable() && m_list->hasFocus() && !m_list->view()->isVisible() && !m_closing)
                sayItem(m_list->model()->index(m_list->currentIndex(), m_list->modelColumn()));
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A pick closes the list and then changes its item; the list, which
        // takes the focus back, is read with its new item.
        // The view's events go on while the list is destroyed, when the list
        // can no longer be asked for anything: only the view is compared.
        if (watched != m_view)
            return false;
        if (event->type() == QEvent::Hide) {
            m_closing = true;
            QMetaObject::invokeMethod(
                this, [this] { m_closing = false; }, Qt::QueuedConnection);
        }
        if (event->type() == QEvent::FocusIn)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (m_list->view()->hasFocus())
                        sayItem(m_list->view()->currentIndex());
                },
                Qt::QueuedConnection);
        return false;
    }

private:
    void sayItem(const QModelIndex &current)
    {
        QAbstractItemView *view = m_list->view();
        if (!QAccessible::isActive() || !current.isValid())
            return;
        QAccessibleInterface *items = QAccessible::queryAccessibleInterface(view);
        QAccessibleTableInterface *table = items ? items->tableInterface() : nullptr;
        QAccessibleInterface *item = table ? table->cellAt(current.row(), current.column()) : nullptr;
        const int index = item ? items->indexOfChild(item) : -1;
        if (index < 0)
            return;
        QAccessibleEvent focus(view, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }

    QComboBox *m_list;
    QAbstractItemView *m_view;
    bool m_closing = false;
};

} // namespace

void useAccessibleLists()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleList);
        return true;
    }();
    Q_UNUSED(installed);
}

void speakListItems(QComboBox *list)
{
    new ListItemSpeaker(list);
}

} // namespace duset
