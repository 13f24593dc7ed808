#include "fonts.h"
#include "registry.h"
#include "screens.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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
