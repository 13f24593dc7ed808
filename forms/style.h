// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QProxyStyle>

namespace duset {

// The style the program runs with (the platform's, or the one chosen with
// -style), with one difference that cannot be seen: the
// arrow of a menu bar's extension button, which shows only when the menus
// do not fit the bar, is read from its file when it is first drawn rather
// than when the menu bar is built. Reading it makes Qt load every image
// format plugin, which the main menu's first frame has no use for.
class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    // The style Qt names by the key, as QStyleFactory makes it.
    explicit ProgramStyle(const QString &key);

    QIcon standardIcon(
        StandardPixmap icon, const QStyleOption *option = nullptr, const QWidget *widget = nullptr) const override;
};

} // namespace duset
