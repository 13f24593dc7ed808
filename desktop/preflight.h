// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace duset {

// What the program needs of its process, seen to before Qt or fontconfig
// loads anything. Fontconfig scans the font folders whose caches are missing
// or stale and writes what it found as the new cache; where a font cannot be
// opened for want of memory or of file descriptors, it leaves that font out
// and the cache, whole and valid, keeps it out for every program of the user
// until the fonts change or `fc-cache -f` runs. So the room comes first:
// address space and memory for what the program loads and the threads it
// starts, and free file descriptors. Where the limits (ulimit -v, -d, -n) or
// the system leave too little, this says so in Thai and English on standard
// error and returns false. From here on, memory that runs out ends the
// program with a message and status 1, rather than an abort or a half-built
// window. A scale factor (QT_SCALE_FACTOR) that would give no window, or one
// of no use, is left out with a word on standard error, and the program
// draws at the desktop's own scale.
bool prepareProcess();

// Once the application object exists: whether the program can draw on the
// display Qt opened. On a display whose colour depth Qt cannot draw in (an
// 8-bit colour map) every window would stay blank and fields would crash;
// there this says so and returns false.
bool canDrawOnDisplay();

// Ends the program at once with the message that memory ran out, status 1.
[[noreturn]] void endForWantOfMemory();

} // namespace duset
