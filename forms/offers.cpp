// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "offers.h"

#include "text.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>

#include <algorithm>

namespace duset {

// The list's own items, only those on offer, in the list's order.
class ItemOffers::Offered final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void offer(const std::vector<std::size_t> &rows)
    {
        m_rows = rows;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override
    {
        return std::find(m_rows.begin(), m_rows.end(), static_cast<std::size_t>(row)) != m_rows.end();
    }

private:
    std::vector<std::size_t> m_rows;
};

ItemOffers::ItemOffers(QComboBox *list, Offers offers)
    : QObject(list)
    , m_list(list)
    , m_field(list->lineEdit())
    , m_offers(offers)
    , m_offered(new Offered(this))
    , m_view(new QListView(list))
{
    m_offered->setSourceModel(list->model());
    m_view->setObjectName(QStringLiteral("offers"));
    m_view->setWindowFlags(Qt::ToolTip | Qt::WindowDoesNotAcceptFocus);
    m_view->setAttribute(Qt::WA_ShowWithoutActivating);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setModel(m_offered);
    m_view->setFont(m_field->font());
    // Only what the person types asks for offers, not a text the program
    // puts in the field.
    connect(m_field, &QLineEdit::textEdited, this, &ItemOffers::offerFor);
    connect(m_view, &QListView::clicked, this, &ItemOffers::take);
    // The list has the focus and hands its keys to the field.
    list->installEventFilter(this);
}

bool ItemOffers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_list || !m_view->isVisible())
        return false;
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::Hide) {
        close();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    switch (key->key()) {
    case Qt::Key_Down:
        step(1);
        return true;
    case Qt::Key_Up:
        step(-1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const bool taken = m_view->currentIndex().isValid();
        close();
        return taken;
    }
    case Qt::Key_Escape:
        close();
        return true;
    default:
        return false;
    }
}

void ItemOffers::offerFor(const QString &typed)
{
    m_offered->offer(m_offers(utf16(typed)));
    const int rows = m_offered->rowCount();
    if (rows == 0 || !m_list->hasFocus()) {
        close();
        return;
    }
    m_view->setCurrentIndex(QModelIndex());
    // Under the list, as wide as it, tall enough for seven offers.
    const int shown = std::min(rows, 7);
    const int frame = 2 * m_view->frameWidth();
    m_view->setGeometry(QRect(m_list->mapToGlobal(QPoint(0, m_list->height())),
        QSize(m_list->width(), shown * m_view->sizeHintForRow(0) + frame)));
    m_view->show();
}

void ItemOffers::step(int by)
{
    const int last = m_offered->rowCount() - 1;
    const int now = m_view->currentIndex().isValid() ? m_view->currentIndex().row() : (by > 0 ? -1 : last + 1);
    const QModelIndex next = m_offered->index(std::clamp(now + by, 0, last), 0);
    m_view->setCurrentIndex(next);
    m_field->setText(next.data().toString());
}

void ItemOffers::take(const QModelIndex &offer)
{
    m_field->setText(offer.data().toString());
    close();
    m_field->setFocus(Qt::OtherFocusReason);
}

void ItemOffers::close()
{
    m_view->hide();
    m_view->setCurrentIndex(QModelIndex());
}

} // namespace duset
