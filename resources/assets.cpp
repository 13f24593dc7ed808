// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets.h"

#include "bakedpictures.h"

#include <QCoreApplication>
#include <QImage>

#include <map>
#include <memory>
#include <stdexcept>

namespace duset {

namespace {

std::span<const baked::Image> bakedPicture(Picture which)
{
    switch (which) {
    case Picture::StarField:
        return baked::StarField;
    case Picture::TitleFigure:
        return baked::TitleFigure;
    case Picture::PointingHand:
        return baked::PointingHand;
    case Picture::None:
        break;
    }
    throw std::invalid_argument("no picture to load");
}

std::span<const baked::Image> bakedIcon(WindowIcon which)
{
    switch (which) {
    case WindowIcon::Chart:
        return baked::ChartIcon;
    case WindowIcon::Menu:
        return baked::MenuIcon;
    case WindowIcon::Information:
        return baked::InformationIcon;
    }
    throw std::invalid_argument("no such window icon");
}

// The image's pixels, where the program holds them: nothing is copied.
QImage shared(const baked::Image &image)
{
    return QImage(reinterpret_cast<const uchar *>(image.pixels.data()), image.width, image.height, image.width * 4,
        image.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

// Every picture and icon is made at its first use and kept for the rest of
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
    const std::span<const baked::Image> images = bakedPicture(which);
    return pictures.emplace(which, QPixmap::fromImage(shared(images.front()))).first->second;
}

QImage pictureImage(Picture which)
{
    return shared(bakedPicture(which).front());
}

QIcon windowIcon(WindowIcon which)
{
    auto &icons = decoded().icons;
    if (const auto found = icons.find(which); found != icons.end())
        return found->second;
    QIcon icon;
    for (const baked::Image &image : bakedIcon(which))
        icon.addPixmap(QPixmap::fromImage(shared(image)));
    return icons.emplace(which, icon).first->second;
}

} // namespace duset
