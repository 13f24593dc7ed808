// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringView>

namespace duset {

// The screens keep the face names they were drawn with; each is mapped to an
// installed look-alike that has Thai. Controls that name no face use the
// program's default face. Call before the first widget is created.
void installFonts();

// The installed look-alike that draws a designed face. Asking for it by
// name spares Qt a search through fontconfig for the designed face, which
// is not installed, before the substitution finds the look-alike.
QString drawnFace(QStringView designedFace);

// The factor by which a face's point size is drawn, for a look-alike whose
// letters are larger or smaller than the designed face's at the same size.
double sizeFactor(QStringView designedFace);

} // namespace duset
