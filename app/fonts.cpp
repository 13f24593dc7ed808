// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QApplication>
#include <QFont>

namespace duset {

void installFonts()
{
    // Norasi is the looped Thai serif closest to AngsanaUPC that still fits
    // the title labels; Loma stands in for the bold dialog face; Comic Neue
    // for the playful Latin of the main menu.
    QFont::insertSubstitution(QStringLiteral("AngsanaUPC"), QStringLiteral("Norasi"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Loma"));
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));

    // The UI cut of Noto Sans Thai keeps the marks above and below a letter
    // inside the short fields and rows; it has no Latin letters or digits, so
    // Noto Sans follows it for those.
    QFont face;
    face.setFamilies({QStringLiteral("Noto Sans Thai UI"), QStringLiteral("Noto Sans")});
    face.setPointSizeF(9);
    QApplication::setFont(face);
}

} // namespace duset
