// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pngiconengine.h"

#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

PngIconEngine::PngIconEngine(QString pathPattern, QList<int> sides)
    : m_pathPattern(std::move(pathPattern))
    , m_sides(std::move(sides))
{
    std::sort(m_sides.begin(), m_sides.end());
}

int PngIconEngine::sideFor(int side) const
{
    const auto larger = std::lower_bound(m_sides.cbegin(), m_sides.cend(), side);
    return larger != m_sides.cend() ? *larger : m_sides.back();
}

const QImage &PngIconEngine::decoded(int side)
{
    auto found = m_decoded.find(side);
    if (found == m_decoded.end()) {
        QImageReader reader(m_pathPattern.arg(side), QByteArrayLiteral("png"));
        // Probing for other formats would load every image-format plugin to ask it.
        reader.setAutoDetectImageFormat(false);
        found = m_decoded.insert(side, reader.read());
    }
    return *found;
}

QSize PngIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    if (m_sides.isEmpty())
        return {};
    const int side = std::min({size.width(), size.height(), m_sides.back()});
    return {side, side};
}

QPixmap PngIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize actual = actualSize(size, mode, state);
    if (actual.isEmpty())
        return {};
    const QImage &image = decoded(sideFor(actual.width()));
    if (image.size() == actual)
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(actual, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

QPixmap PngIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                                    qreal scale)
{
    QPixmap scaled = pixmap(size * scale, mode, state);
    scaled.setDevicePixelRatio(scale);
    return scaled;
}

void PngIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                          QIcon::State state)
{
    const qreal scale = painter->device()->devicePixelRatio();
    const QPixmap image = scaledPixmap(rect.size(), mode, state, scale);
    QRect target(QPoint(), image.deviceIndependentSize().toSize());
    target.moveCenter(rect.center());
    painter->drawPixmap(target, image);
}

QIconEngine *PngIconEngine::clone() const { return new PngIconEngine(*this); }

QString PngIconEngine::key() const { return QStringLiteral("PngIconEngine"); }

bool PngIconEngine::isNull() { return m_sides.isEmpty(); }

QIcon programIcon()
{
    return QIcon(
        new PngIconEngine(QStringLiteral(":/icons/%1.png"), {16, 24, 32, 48, 64, 128, 256}));
}
