// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pictures.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace duset {

// Pictures and icons are decoded once per run and then shared by every screen
// that draws them. A picture that cannot be read is a fatal error of the
// program.
QPixmap picture(Picture which);
// The same picture as an image that shares the pixels the program carries,
// for a picture so large that a pixmap's copy of it would show in the time
// to the first frame.
QImage pictureImage(Picture which);
QIcon windowIcon(WindowIcon which);

} // namespace duset
