// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets.h"

#include <QCoreApplication>

#include <map>
#include <memory>
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

// Every picture and icon is decoded at its first use and kept for the rest of
// the run. QPixmapCache would drop them when it is full, and an icon made
// afresh at every load would fill that cache with copies of its own pixmaps.
struct Decoded {
    std::map<Picture, QPixmap> pictures;
    std::map<WindowIcon, QIcon> icons;
};

std::unique_ptr<Decoded> s_decoded;

Decoded &decoded()
{
    if (!s_decoded) {
        s_decoded = std::make_unique<Decoded>();
        // Pixmaps belong to the application; they go when it goes.
        qAddPostRoutine([] { s_decoded.reset(); });
    }
    return *s_decoded;
}

} // namespace

QPixmap picture(Picture which)
{
    auto &pictures = decoded().pictures;
    if (const auto found = pictures.find(which); found != pictures.end())
        return found->second;
    const QString path = resourcePath(which);
    QPixmap pixmap;
    if (!pixmap.load(path))
        cannotRead(path);
    return pictures.emplace(which, pixmap).first->second;
}

QIcon windowIcon(WindowIcon which)
{
    auto &icons = decoded().icons;
    if (const auto found = icons.find(which); found != icons.end())
        return found->second;
    const QString path = resourcePath(which);
    QIcon icon(path);
    if (icon.availableSizes().isEmpty())
        cannotRead(path);
    return icons.emplace(which, icon).first->second;
}

} // namespace duset
