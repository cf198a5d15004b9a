// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: renders the program's SVG icon into the PNG sizes of the hicolor icon theme, and into
// the same pixels raw for the program to link.
//   render_icon ICON.svg THEME_FOLDER PIXELS_FOLDER SIZE...
// writes THEME_FOLDER/<size>x<size>/apps/<icon name>.png and PIXELS_FOLDER/<size>.argb for every
// size. A .argb file is size * size premultiplied ARGB32 pixels, row by row, in this machine's byte
// order: the program wraps them in an image without decoding anything.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool writePixels(const QImage &image, const QString &file)
{
    QFile out(file);
    const auto *bytes = reinterpret_cast<const char *>(image.constBits());
    return out.open(QIODevice::WriteOnly) &&
           out.write(bytes, image.sizeInBytes()) == image.sizeInBytes();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 5) {
        std::fputs("usage: render_icon ICON.svg THEME_FOLDER PIXELS_FOLDER SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString iconName = QFileInfo(arguments.at(1)).completeBaseName();
    const QString pixelsFolder = arguments.at(3);
    if (!QDir().mkpath(pixelsFolder)) {
        std::fprintf(stderr, "render_icon: cannot make %s\n", qPrintable(pixelsFolder));
        return 1;
    }
    for (const QString &sizeText : arguments.mid(4)) {
        const int size = sizeText.toInt();
        if (size <= 0) {
            std::fprintf(stderr, "render_icon: bad size %s\n", qPrintable(sizeText));
            return 2;
        }
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        renderer.render(&painter);
        painter.end();
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(2)).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, iconName);
        if (!QDir().mkpath(folder) || !image.save(file)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
        const QString pixels = QStringLiteral("%1/%2.argb").arg(pixelsFolder).arg(size);
        if (!writePixels(image, pixels)) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(pixels));
            return 1;
        }
    }
    return 0;
}
