// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include <stdexcept>

namespace duset {

ControlHandle::ControlHandle(QWidget *widget)
    : m_widget(widget)
{
}

QWidget &ControlHandle::widget() const
{
    if (!m_widget)
        throw std::logic_error("a control of a window that is no longer loaded");
    return *m_widget;
}

void ControlHandle::setFocus() const
{
    widget().setFocus(Qt::OtherFocusReason);
}

void ControlHandle::setVisible(bool visible) const
{
    widget().setVisible(visible);
}

bool ControlHandle::isHidden() const
{
    return widget().isHidden();
}

QString LabelHandle::text() const
{
    return as<QLabel>().text();
}

void LabelHandle::setText(const QString &text) const
{
    as<QLabel>().setText(text);
}

QString FieldHandle::text() const
{
    return as<QLineEdit>().text();
}

QString PassageHandle::text() const
{
    return as<QPlainTextEdit>().toPlainText();
}

void PassageHandle::setText(const QString &text) const
{
    auto &passage = as<QPlainTextEdit>();
    passage.setPlainText(text); // the cursor goes to the start and the view with it
}

void FieldHandle::setText(const QString &text) const
{
    as<QLineEdit>().setText(text);
}

int ListHandle::currentIndex() const
{
    return as<QComboBox>().currentIndex();
}

QString ListHandle::currentText() const
{
    return as<QComboBox>().currentText();
}

void ListHandle::show(const QString &text) const
{
    auto &list = as<QComboBox>();
    list.setCurrentIndex(list.findText(text));
    if (list.isEditable())
        list.setEditText(text);
}

void ListHandle::clear() const
{
    auto &list = as<QComboBox>();
    list.setCurrentIndex(-1);
    if (list.isEditable())
        list.clearEditText();
}

bool ChoiceHandle::isChecked() const
{
    return as<QAbstractButton>().isChecked();
}

void ChoiceHandle::setText(const QString &text) const
{
    as<QAbstractButton>().setText(text);
}

void ChoiceHandle::clear() const
{
    auto &choice = as<QAbstractButton>();
    const QSignalBlocker quiet(choice);
    const bool exclusive = choice.autoExclusive();
    choice.setAutoExclusive(false);
    choice.setChecked(false);
    choice.setAutoExclusive(exclusive);
}

} // namespace duset
