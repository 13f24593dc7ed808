#include "assets.h"

#include <QPixmapCache>

#include <stdexcept>

namespace duset {

namespace {

QString resourcePath(Picture which)
{
    switch (which) {
    case Picture::StarField:
        return QStringLiteral(":/assets/starfield.gif");
    case Picture::TitleFigure:
        return QStringLiteral(":/assets/titlefigure.jpg");
    case Picture::PointingHand:
        return QStringLiteral(":/assets/hand.cur");
    case Picture::None:
        break;
    }
    throw std::invalid_argument("no picture to load");
}

QString resourcePath(WindowIcon which)
{
    switch (which) {
    case WindowIcon::Chart:
        return QStringLiteral(":/assets/chart.ico");
    case WindowIcon::Menu:
        return QStringLiteral(":/assets/menu.ico");
    case WindowIcon::Information:
        return QStringLiteral(":/assets/information.ico");
    }
    throw std::invalid_argument("no such window icon");
}

[[noreturn]] void cannotRead(const QString &path)
{
    throw std::runtime_error("cannot read the picture " + path.toStdString());
}

} // namespace

QPixmap picture(Picture which)
{
    const QString path = resourcePath(which);
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        if (!pixmap.load(path))
            cannotRead(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

QIcon windowIcon(WindowIcon which)
{
    const QString path = resourcePath(which);
    QIcon icon(path);
    if (icon.availableSizes().isEmpty())
        cannotRead(path);
    return icon;
}

} // namespace duset
