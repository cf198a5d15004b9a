// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

// An icon shipped as square PNG files, one per size, that decodes a size only when it is asked
// for and with Qt's built-in PNG reader named outright: no image-format plugin is probed or
// loaded. It lists no sizes of its own, so a window system that takes every listed size (X11)
// asks for its usual few instead of all of them. A size between two shipped ones comes from the
// next larger one scaled down; above the largest, the largest is given as it is.
class PngIconEngine final : public QIconEngine
{
public:
    // `pathPattern` holds "%1" for the side in pixels, e.g. ":/icons/%1.png".
    PngIconEngine(QString pathPattern, QList<int> sides);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QIconEngine *clone() const override;
    QString key() const override;
    bool isNull() override;

private:
    // The shipped side that serves a request of `side` pixels.
    int sideFor(int side) const;
    const QImage &decoded(int side);

    QString m_pathPattern;
    QList<int> m_sides; // ascending
    QMap<int, QImage> m_decoded;
};

// The programs' icon at every size the icons resource ships (":/icons/16.png" to
// ":/icons/256.png"), which each program links; each size is decoded when first asked for.
QIcon programIcon();
