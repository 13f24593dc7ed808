// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefields.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QTextLayout>
#include <QValidator>

#include <algorithm>

namespace duset {

namespace {

// What a screen reader reads of a text field. Qt's own interface answers
// that a field's text, which has no attributes, has none over an empty run
// at each offset; Orca joins those runs into one that stops a character
// short and reads every field without its last character: "253" for 2539,
// "3" for 31, ไหม for ไหม้. Here the whole text is one run without
// attributes. The rest is what Qt's interface of a field answers.
class AccessibleField : public QAccessibleWidget,
                        public QAccessibleTextInterface,
                        public QAccessibleEditableTextInterface {
public:
    explicit AccessibleField(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (type == QAccessible::EditableTextInterface)
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value && !field()->text().isEmpty())
            return field()->text();
        return QAccessibleWidget::text(kind);
    }

    void setText(QAccessible::Text kind, const QString &text) override
    {
        if (kind == QAccessible::Value)
            change(text);
        else
            QAccessibleWidget::setText(kind, text);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = field()->isReadOnly();
        state.editable = !field()->isReadOnly();
        state.selectableText = true;
        return state;
    }

    // The text.
    QString text(int startOffset, int endOffset) const override
    {
        if (startOffset > endOffset)
            return {};
        return field()->text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(field()->text().size()); }
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        const int count = characterCount();
        *startOffset = offset < 0 || offset > count ? -1 : 0;
        *endOffset = offset < 0 || offset > count ? -1 : count;
        return {};
    }
    QString textBeforeOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textBeforeOffset(atCursor(offset), boundary, startOffset, endOffset);
    }
    QString textAtOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textAtOffset(atCursor(offset), boundary, startOffset, endOffset);
    }
    QString textAfterOffset(
        int offset, QAccessible::TextBoundaryType boundary, int *startOffset, int *endOffset) const override
    {
        return QAccessibleTextInterface::textAfterOffset(atCursor(offset), boundary, startOffset, endOffset);
    }

    // The cursor and the selection.
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex != 0 || !field()->hasSelectedText())
            return;
        *startOffset = field()->selectionStart();
        *endOffset = field()->selectionEnd();
    }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            field()->deselect();
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            field()->setSelection(startOffset, endOffset - startOffset);
    }

    // Where the characters stand: laid out as the field lays its text out,
    // from where the field draws the text at its cursor.
    QRect characterRect(int offset) const override
    {
        const QString text = field()->text();
        if (offset < 0 || offset >= text.size())
            return {};
        QTextLayout layout(text, field()->font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QRect cursor = field()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const qreal origin = cursor.x() - line.cursorToX(field()->cursorPosition());
        const qreal left = origin + line.cursorToX(offset);
        const qreal right = origin + line.cursorToX(offset + 1);
        const QRect character(
            int(std::min(left, right)), cursor.y(), std::max(1, int(std::abs(right - left))), cursor.height());
        return character.translated(field()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int startIndex, int endIndex) override
    {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }

    // Changes a screen reader asks for, held to what the field takes from a
    // person.
    void deleteText(int startOffset, int endOffset) override
    {
        change(field()->text().remove(startOffset, endOffset - startOffset));
    }
    void insertText(int offset, const QString &text) override { change(field()->text().insert(offset, text)); }
    void replaceText(int startOffset, int endOffset, const QString &text) override
    {
        change(field()->text().replace(startOffset, endOffset - startOffset, text));
    }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }

    // -2 stands for the cursor's place.
    int atCursor(int offset) const { return offset == -2 ? cursorPosition() : offset; }

    void change(QString text)
    {
        if (field()->isReadOnly())
            return;
        int position = 0;
        if (const QValidator *validator = field()->validator();
            validator && validator->validate(text, position) == QValidator::Invalid)
            return;
        field()->setText(text);
    }
};

QAccessibleInterface *accessibleField(const QString &className, QObject *object)
{
    if (className == u"QLineEdit" && object && object->isWidgetType())
        return new AccessibleField(static_cast<QLineEdit *>(object));
    return nullptr;
}

} // namespace

void useAccessibleFields()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleField);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace duset
