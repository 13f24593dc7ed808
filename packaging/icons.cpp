// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes each image of a Windows icon as a PNG in the layout of a freedesktop
// icon theme, so the desktop shows the program's own icon:
//
//     duset-icons ICON.ico OUTPUT-DIRECTORY NAME
//
// writes OUTPUT-DIRECTORY/<w>x<h>/apps/NAME.png for every image in the icon.

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // image format plugins, the ICO reader among them
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() != 4) {
        err << "usage: duset-icons ICON.ico OUTPUT-DIRECTORY NAME\n";
        return 2;
    }
    QImageReader reader(arguments[1], "ico");
    const int count = reader.imageCount();
    if (count <= 0) {
        err << "cannot read " << arguments[1] << ": " << reader.errorString() << '\n';
        return 1;
    }
    for (int i = 0; i < count; ++i) {
        QImage image;
        if (!reader.jumpToImage(i) || !reader.read(&image)) {
            err << "cannot read image " << i << " of " << arguments[1] << ": " << reader.errorString() << '\n';
            return 1;
        }
        const QString folder = QStringLiteral("%1/%2x%3/apps").arg(arguments[2]).arg(image.width()).arg(image.height());
        const QString file = folder + u'/' + arguments[3] + QStringLiteral(".png");
        // A 16-colour icon with a transparency mask becomes a PNG with alpha.
        if (!QDir().mkpath(folder) || !image.convertToFormat(QImage::Format_ARGB32).save(file, "png")) {
            err << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
