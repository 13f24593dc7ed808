// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "assets.h"

#include "bakedpictures.h"

#include <QCoreApplication>
#include <QImage>

#include <algorithm>
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

// The pixels of an image, as they were when the program was built.
QPixmap unbaked(const baked::Image &image)
{
    QImage pixels(image.width, image.height, image.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const auto total = std::size_t(image.width) * std::size_t(image.height);
    if (pixels.isNull() || pixels.bytesPerLine() != image.width * 4)
        throw std::runtime_error("no memory for a picture");
    auto *out = reinterpret_cast<std::uint32_t *>(pixels.bits());
    std::fill_n(out, total, image.background);
    std::size_t taken = 0;
    for (const baked::Run &run : image.runs) {
        if (run.first > total || run.count > total - run.first || run.count > image.values.size() - taken)
            throw std::runtime_error("a picture's pixels run past its edge");
        std::copy_n(image.values.begin() + std::ptrdiff_t(taken), run.count, out + run.first);
        taken += run.count;
    }
    // The image's pixels become the pixmap's, without a copy.
    return QPixmap::fromImage(std::move(pixels));
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
    return pictures.emplace(which, unbaked(images.front())).first->second;
}

QIcon windowIcon(WindowIcon which)
{
    auto &icons = decoded().icons;
    if (const auto found = icons.find(which); found != icons.end())
        return found->second;
    QIcon icon;
    for (const baked::Image &image : bakedIcon(which))
        icon.addPixmap(unbaked(image));
    return icons.emplace(which, icon).first->second;
}

} // namespace duset
