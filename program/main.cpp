// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"
#include "preflight.h"
#include "startup.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char *argv[])
{
    // Decided before the application object exists, which is when Qt picks
    // its platform and fontconfig reads the fonts.
    if (!duset::prepareProcess() || !duset::prepareDisplay(argc, argv))
        return EXIT_FAILURE;
    QApplication app(argc, argv);
    duset::displayOpened();
    QApplication::setApplicationVersion(QStringLiteral(DUSET_VERSION));
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(DUSET_APP_ID));
    return duset::run(app);
}
