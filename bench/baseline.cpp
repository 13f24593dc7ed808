// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardsticks for the program's start-up, started and timed the same way
// and ending at their first frame: a bare dialog of the size of the main
// menu, and the same dialog showing one Thai label in the program's Thai
// interface face. The second is the floor for any Qt program that draws
// Thai: it pays for fontconfig and one Thai face, as the program must.

#include "framewatch.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    int width = 0;
    int height = 0;
    const bool thai = argc == 3 && std::strcmp(argv[2], "--thai-label") == 0;
    if ((argc != 2 && !thai) || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
        std::fprintf(stderr, "usage: %s WIDTHxHEIGHT [--thai-label]\n", argv[0]);
        return 2;
    }
    QDialog dialog;
    dialog.resize(width, height);
    if (thai) {
        QFont face;
        face.setFamilies({QStringLiteral("Noto Sans Thai UI"), QStringLiteral("Noto Sans")});
        face.setPointSizeF(9);
        QApplication::setFont(face);
        auto *label = new QLabel(QStringLiteral("ตำราวรุณศ (ดูเศษ)"), &dialog);
        label->move(10, 10);
    }
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
