// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "accesskeys.h"
#include "fonts.h"
#include "iconic.h"
#include "inputmethods.h"
#include "preflight.h"
#include "qtstrings.h"
#include "screens.h"
#include "style.h"
#include "xlib.h"

#include <QApplication>
#include <QPixmapCache>

#include <cstdlib>

namespace duset {

int run(QApplication &app)
{
    if (!canDrawOnDisplay())
        return EXIT_FAILURE;
    // The registry decides when the program ends: a hidden main menu is still
    // a loaded screen, which Qt's last-window rule would not know.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new ProgramStyle(QApplication::style()->name()));
    installFonts();
    installQtStrings();
    // No pixmap cache. The style caches what it draws under keys made from
    // each widget's palette, and every load builds its widgets afresh with
    // palettes of their own, so nothing cached for one load is drawn again.
    // Worse, Qt keeps the key of every pixmap it ever cached, dropped or not,
    // until that same key is asked for again: each load of the entry screen
    // left about 2 KB of keys behind for good. With no room in the cache, a
    // pixmap is never stored and its key goes with it; the style then draws
    // each frame straight away, which costs these few small controls nothing
    // that shows.
    QPixmapCache::setCacheLimit(0);
    releaseXlibRecordsAtEveryShow(app);
    refuseToStayIconic(app);

    // The screens' access keys are the keys that carry their letters on a
    // Thai keyboard, whichever layout is active; those keys, Tab and the
    // number row of fields that take numbers are the program's, not the
    // input method's. Both outlast the screens.
    AccessKeys accessKeys;
    InputMethodKeys inputMethodKeys;
    ScreenRegistry screens(programScreens());
    QObject::connect(&screens, &ScreenRegistry::programEnded, &app, &QCoreApplication::exit);
    screens.runHandler([&screens] { screens.Show(MainMenu); });
    if (screens.hasEnded())
        return screens.exitStatus();
    return QApplication::exec();
}

} // namespace duset
