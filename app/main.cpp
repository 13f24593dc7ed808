#include "fonts.h"
#include "registry.h"
#include "screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(DUSET_VERSION));
    // Lets the desktop match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(DUSET_APP_ID));
    // The registry decides when the program ends: a hidden main menu is still
    // a loaded screen, which Qt's last-window rule would not know.
    QApplication::setQuitOnLastWindowClosed(false);
    duset::installFonts();

    duset::ScreenRegistry screens(duset::createScreen);
    QObject::connect(&screens, &duset::ScreenRegistry::programEnded, &app, &QCoreApplication::exit);
    screens.runHandler([&screens] { screens.Show(duset::MainMenu); });
    if (screens.hasEnded())
        return screens.exitStatus();
    return QApplication::exec();
}
