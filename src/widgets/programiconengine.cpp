// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/programiconengine.h"

#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <algorithm>
#include <cstring>

namespace {

constexpr auto kFormat = QImage::Format_ARGB32_Premultiplied;

QImage copiedPixels(const char *bits, int side)
{
    QImage image(side, side, kFormat);
    if (!image.isNull())
        std::memcpy(image.bits(), bits, static_cast<size_t>(image.sizeInBytes()));
    return image;
}

// The pixels of the resource at `path`, or a null image when it is missing or its byte count does
// not fit the side. The data of a resource linked into the program stays in place as long as it
// runs, so the image reads it where it lies; it is copied only where QImage could not read it in
// place: when it is compressed, or when it is not on the 4-byte boundary QImage wants for its rows
// (rcc keeps it there, as each entry is a 4-byte length followed by whole pixels, but nothing
// promises that).
QImage wrappedPixels(const QString &path, int side)
{
    const QResource resource(path);
    const qsizetype bytesPerLine = qsizetype(side) * 4;
    if (!resource.isValid() || resource.uncompressedSize() != bytesPerLine * side)
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return copiedPixels(resource.uncompressedData().constData(), side);
    const uchar *bits = resource.data();
    if (reinterpret_cast<quintptr>(bits) % alignof(quint32) != 0)
        return copiedPixels(reinterpret_cast<const char *>(bits), side);
    return QImage(bits, side, side, bytesPerLine, kFormat);
}

} // namespace

ProgramIconEngine::ProgramIconEngine(QString pathPattern, QList<int> sides)
    : m_pathPattern(std::move(pathPattern))
    , m_sides(std::move(sides))
{
    std::sort(m_sides.begin(), m_sides.end());
}

int ProgramIconEngine::sideFor(int side) const
{
    const auto larger = std::lower_bound(m_sides.cbegin(), m_sides.cend(), side);
    return larger != m_sides.cend() ? *larger : m_sides.back();
}

const QImage &ProgramIconEngine::shipped(int side)
{
    auto found = m_shipped.find(side);
    if (found == m_shipped.end())
        found = m_shipped.insert(side, wrappedPixels(m_pathPattern.arg(side), side));
    return *found;
}

QSize ProgramIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (m_sides.isEmpty())
        return {};
    const int side = std::min({size.width(), size.height(), m_sides.back()});
    return {side, side};
}

QPixmap ProgramIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize actual = actualSize(size, mode, state);
    if (actual.isEmpty())
        return {};
    const QImage &image = shipped(sideFor(actual.width()));
    if (image.size() == actual)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// `size` is in device pixels already: QIcon multiplies the size it is asked for by `scale`.
QPixmap ProgramIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                        qreal scale)
{
    QPixmap scaled = pixmap(size, mode, state);
    scaled.setDevicePixelRatio(scale);
    return scaled;
}

void ProgramIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                              QIcon::State state)
{
    const qreal scale = painter->device()->devicePixelRatio();
    const QPixmap image = scaledPixmap(rect.size() * scale, mode, state, scale);
    QRect target(QPoint(), image.deviceIndependentSize().toSize());
    target.moveCenter(rect.center());
    painter->drawPixmap(target, image);
}

QIconEngine *ProgramIconEngine::clone() const { return new ProgramIconEngine(*this); }

QString ProgramIconEngine::key() const { return QStringLiteral("ProgramIconEngine"); }

bool ProgramIconEngine::isNull() { return m_sides.isEmpty(); }

QIcon programIcon()
{
    return QIcon(
        new ProgramIconEngine(QStringLiteral(":/icons/%1.argb"), {16, 24, 32, 48, 64, 128, 256}));
}
