// SPDX-FileCopyrightText: 2026 The duset developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Decodes the program's pictures once, when the program is built, and writes
// their pixels as C++ data, so that the program draws them without an image
// decoder or a plugin at run time:
//
//     duset-bake-pictures OUTPUT.cpp NAME=PICTURE ...
//
// defines, for every NAME, duset::baked::NAME: the images of the picture
// (two for an icon of two sizes), each as its most common pixel and the runs
// of pixels that differ from it. The star field, black with scattered stars,
// shrinks to its stars; a painting keeps nearly every pixel.

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTextStream>

#include <cstdint>
#include <map>
#include <vector>

namespace {

struct Baked {
    int width = 0;
    int height = 0;
    bool opaque = true;
    std::uint32_t background = 0;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> runs; // first pixel, count
    std::vector<std::uint32_t> values;
};

Baked bake(const QImage &decoded)
{
    Baked baked;
    baked.opaque = !decoded.hasAlphaChannel();
    const QImage image
        = decoded.convertToFormat(baked.opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    baked.width = image.width();
    baked.height = image.height();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const std::uint32_t *>(image.constScanLine(y));
        pixels.insert(pixels.end(), line, line + image.width());
    }
    std::map<std::uint32_t, int> counts;
    for (const std::uint32_t pixel : pixels)
        ++counts[pixel];
    int most = 0;
    for (const auto &[pixel, count] : counts) {
        if (count > most) {
            most = count;
            baked.background = pixel;
        }
    }
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i] == baked.background)
            continue;
        if (baked.runs.empty() || baked.runs.back().first + baked.runs.back().second != i)
            baked.runs.emplace_back(std::uint32_t(i), 0);
        ++baked.runs.back().second;
        baked.values.push_back(pixels[i]);
    }
    return baked;
}

} // namespace

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
            const Baked baked = bake(image);
            const QString stem = QStringLiteral("%1%2").arg(name).arg(i);
            QString runs = QStringLiteral("{}");
            QString values = runs;
            if (!baked.runs.empty()) {
                runs = stem + QStringLiteral("Runs");
                values = stem + QStringLiteral("Values");
                out << "\nconstexpr Run " << runs << "[] = {";
                for (std::size_t r = 0; r < baked.runs.size(); ++r)
                    out << (r % 8 ? " " : "\n    ") << '{' << baked.runs[r].first << ", " << baked.runs[r].second
                        << "},";
                out << "\n};\nconstexpr std::uint32_t " << values << "[] = {";
                for (std::size_t v = 0; v < baked.values.size(); ++v)
                    out << (v % 8 ? " " : "\n    ") << "0x" << QString::number(baked.values[v], 16) << ',';
                out << "\n};\n";
            }
            images << QStringLiteral("    {%1, %2, %3, 0x%4, %5, %6},\n")
                          .arg(baked.width)
                          .arg(baked.height)
                          .arg(QLatin1StringView(baked.opaque ? "true" : "false"))
                          .arg(baked.background, 0, 16)
                          .arg(runs, values);
        }
        out << "\nconstexpr Image " << name << "Images[] = {\n" << images.join(QString()) << "};\n";
        spans += QStringLiteral("const std::span<const Image> %1(%1Images);\n").arg(name);
    }
    out << "\n} // namespace\n\n" << spans << "\n} // namespace duset::baked\n";
    out.flush();

    // Written only when it changes, so that a rebuild compiles nothing anew.
    QFile file(arguments[1]);
    if (file.open(QIODevice::ReadOnly) && file.readAll() == code.toUtf8())
        return 0;
    file.close();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(code.toUtf8()) < 0) {
        err << "cannot write " << arguments[1] << '\n';
        return 1;
    }
    return 0;
}
