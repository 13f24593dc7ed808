// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <span>

// The program's pictures as decoded when the program was built (by
// tools/bakepictures.cpp, from assets/): no decoder runs when a picture is
// first drawn.
namespace duset::baked {

// Pixels that differ from an image's most common pixel, counted along the
// rows from the top-left corner.
struct Run {
    std::uint32_t first;
    std::uint32_t count;
};

// One image: every pixel is the background but those of the runs, whose
// values follow one another in values. Pixels are 0xAARRGGBB, premultiplied
// where the image is not opaque.
struct Image {
    int width;
    int height;
    bool opaque;
    std::uint32_t background;
    std::span<const Run> runs;
    std::span<const std::uint32_t> values;
};

// One image per picture; an icon has one per size.
extern const std::span<const Image> StarField;
extern const std::span<const Image> TitleFigure;
extern const std::span<const Image> PointingHand;
extern const std::span<const Image> ChartIcon;
extern const std::span<const Image> MenuIcon;
extern const std::span<const Image> InformationIcon;

} // namespace duset::baked
