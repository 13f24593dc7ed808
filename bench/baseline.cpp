// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: one bare dialog of the size of
// the main menu, started and timed the same way, ending at its first frame.

#include "framewatch.h"

#include <QApplication>
#include <QDialog>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int width = 0;
    int height = 0;
    if (argc != 2 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT\n", argv[0]);
        return 2;
    }
    QDialog dialog;
    dialog.resize(width, height);
    duset::bench::FrameWatch watch;
    watch.arm([&dialog](const QWidget *window) { return window == &dialog; });
    QObject::connect(&watch, &duset::bench::FrameWatch::framed, &watch, [](qint64 at) {
        std::printf("frame %lld\n", static_cast<long long>(at));
        std::fflush(stdout);
        std::_Exit(0);
    });
    dialog.show();
    return QApplication::exec();
}
