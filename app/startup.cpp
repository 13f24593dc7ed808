// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "fonts.h"
#include "qtstrings.h"
#include "registry.h"
#include "screens.h"

#include <QApplication>
#include <QPixmapCache>

namespace duset {

int run(QApplication &app)
{
    // The registry decides when the program ends: a hidden main menu is still
    // a loaded screen, which Qt's last-window rule would not know.
    QApplication::setQuitOnLastWindowClosed(false);
    installFonts();
    installQtStrings();
    // Every load builds its widgets afresh with palettes of their own, so what
    // the style caches for one load is never drawn again; a small cache keeps
    // what the screen on view needs without growing through a long session.
    QPixmapCache::setCacheLimit(1024);

    ScreenRegistry screens(createScreen);
    QObject::connect(&screens, &ScreenRegistry::programEnded, &app, &QCoreApplication::exit);
    screens.runHandler([&screens] { screens.Show(MainMenu); });
    if (screens.hasEnded())
        return screens.exitStatus();
    return QApplication::exec();
}

} // namespace duset
