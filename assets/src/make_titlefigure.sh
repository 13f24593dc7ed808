#!/bin/sh
# SPDX-FileCopyrightText: 2026 The duset developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Rebuild assets/titlefigure.jpg from titlefigure.svg.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick 6 (imagemagick).
# Output: baseline JPEG, JFIF 1.01, 200 x 250 px, 200 dpi, YCbCr 4:2:0, about 18 KB.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
png=$(mktemp /tmp/titlefigure.XXXXXX.png)
trap 'rm -f "$png"' EXIT
rsvg-convert -w 200 -h 250 "$here/titlefigure.svg" -o "$png"
/usr/bin/convert "$png" -strip -interlace none -sampling-factor 2x2 \
    -density 200 -units PixelsPerInch -quality 79 "$here/../titlefigure.jpg"
