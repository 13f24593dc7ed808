// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes the program's pictures once, when the program is built, and writes
// their pixels as C++ data, so that the program draws them without an image
// decoder or a plugin at run time:
//
//     duset-bake-pictures OUTPUT.cpp NAME=PICTURE ...
//
// defines, for every NAME, duset::baked::NAME: the images of the picture
// (two for an icon of two sizes), each with every pixel as the program
// draws it.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <algorithm>
#include <cstdint>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv); // the image format plugins
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream err(stderr);
    if (arguments.size() < 3) {
        err << "usage: duset-bake-pictures OUTPUT.cpp NAME=PICTURE ...\n";
        return 2;
    }
    QString code;
    QTextStream out(&code);
    out << "// Made by duset-bake-pictures from the pictures in assets/ when the\n"
           "// program is built.\n\n"
           "#include \"bakedpictures.h\"\n\nnamespace duset::baked {\n\nnamespace {\n";
    QString spans;
    for (const QString &argument : arguments.mid(2)) {
        const QString name = argument.section(u'=', 0, 0);
        const QString path = argument.section(u'=', 1);
        QImageReader reader(path);
        const int count = std::max(reader.imageCount(), 1);
        QStringList images;
        for (int i = 0; i < count; ++i) {
            QImage image;
            if ((i > 0 && !reader.jumpToImage(i)) || !reader.read(&image)) {
                err << "cannot read image " << i << " of " << path << ": " << reader.errorString() << '\n';
                return 1;
            }
            const bool opaque = !image.hasAlphaChannel();
            image.convertTo(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
            const QString pixels = QStringLiteral("%1%2Pixels").arg(name).arg(i);
            out << "\nalignas(16) constexpr std::uint32_t " << pixels << "[] = {";
            int column = 0;
            for (int y = 0; y < image.height(); ++y) {
                const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
                for (int x = 0; x < image.width(); ++x)
                    out << (column++ % 8 ? " " : "\n    ") << "0x" << QString::number(line[x], 16) << ',';
            }
            out << "\n};\n";
            images << QStringLiteral("    {%1, %2, %3, %4},\n")
                          .arg(image.width())
                          .arg(image.height())
                          .arg(QLatin1StringView(opaque ? "true" : "false"), pixels);
        }
        out << "\nconstexpr Image " << name << "Images[] = {\n" << images.join(QString()) << "};\n";
        spans += QStringLiteral("const std::span<const Image> %1(%1Images);\n").arg(name);
    }
    out << "\n} // namespace\n\n" << spans << "\n} // namespace duset::baked\n";
    out.flush();

    QFile file(arguments[1]);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(code.toUtf8()) < 0) {
        err << "cannot write " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
