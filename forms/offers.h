// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <cstddef>
#include <string_view>
#include <vector>

class QComboBox;
class QLineEdit;
class QListView;
class QModelIndex;

namespace duset {

// Offers, in a list under an editable list's field, the items that the text
// being typed may stand for. Down and Up go through them and put each in the
// field as they reach it; Enter or a click takes the one in the field. Until
// the person does so the field keeps what they typed: nothing is chosen by
// itself. Esc closes the offer; so does leaving the field, by Tab, an access
// key or a click elsewhere.
//
// The list never takes the focus nor the keyboard, unlike a pop-up: the keys
// stay with the field and its input method, which finds there the letter
// that a Thai vowel or tone mark goes on.
class ItemOffers final : public QObject {
public:
    using Offers = std::vector<std::size_t> (*)(std::u16string_view typed);

    ItemOffers(QComboBox *list, Offers offers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Offered;

    void offerFor(const QString &typed);
    void step(int by);
    void take(const QModelIndex &offer);
    void close();

    QComboBox *m_list;
    QLineEdit *m_field;
    Offers m_offers;
    Offered *m_offered;
    QListView *m_view;
};

} // namespace duset
