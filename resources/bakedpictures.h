// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The program's pictures as decoded when the program was built (by
// tools/bakepictures.cpp, from assets/): no decoder runs when a picture is
// first drawn.
namespace duset::baked {

// One image, row by row from the top-left corner. Pixels are 0xAARRGGBB,
// premultiplied where the image is not opaque.
struct Image {
    int width;
    int height;
    bool opaque;
    std::span<const std::uint32_t> pixels;
};

// One image per picture; an icon has one per size.
extern const std::span<const Image> StarField;
extern const std::span<const Image> TitleFigure;
extern const std::span<const Image> PointingHand;
extern const std::span<const Image> ChartIcon;
extern const std::span<const Image> MenuIcon;
extern const std::span<const Image> InformationIcon;

} // namespace duset::baked
