// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QApplication>
#include <QFont>

#include <array>

namespace duset {

namespace {

struct StandIn {
    QStringView designed;
    QStringView drawn;
    double sizeFactor;
};

// Kinnari is the Thai font project's own stand-in for Angsana, drawn at 0.67
// of the size because Angsana's letters are small for their point size; so
// drawn, every title keeps its designed proportions and fits its window.
// Loma stands in for the bold dialog face; Comic Neue for the playful Latin
// of the main menu.
constexpr std::array StandIns{
    StandIn{u"AngsanaUPC", u"Kinnari", 0.67},
    StandIn{u"MS Sans Serif", u"Loma", 1.0},
    StandIn{u"Comic Sans MS", u"Comic Neue", 1.0},
};

} // namespace

void installFonts()
{
    for (const StandIn &standIn : StandIns) {
        QFont::removeSubstitutions(standIn.designed.toString());
        QFont::insertSubstitution(standIn.designed.toString(), standIn.drawn.toString());
    }

    // The UI cut of Noto Sans Thai keeps the marks above and below a letter
    // inside the short fields and rows; it has no Latin letters or digits, so
    // Noto Sans follows it for those.
    QFont face;
    face.setFamilies({QStringLiteral("Noto Sans Thai UI"), QStringLiteral("Noto Sans")});
    face.setPointSizeF(9);
    QApplication::setFont(face);
}

QString drawnFace(QStringView designedFace)
{
    for (const StandIn &standIn : StandIns) {
        if (standIn.designed == designedFace)
            return standIn.drawn.toString();
    }
    return designedFace.toString();
}

double sizeFactor(QStringView designedFace)
{
    for (const StandIn &standIn : StandIns) {
        if (standIn.designed == designedFace)
            return standIn.sizeFactor;
    }
    return 1.0;
}

} // namespace duset
