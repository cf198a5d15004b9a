// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QMap>
#include <QString>

// An icon shipped as square images of raw pixels, one resource per size, each holding side * side
// premultiplied ARGB32 pixels in the byte order of the machine that built it (the build renders
// them there). A size is made only when it is asked for, by wrapping the resource's bytes where
// they lie: nothing is decoded and no image-format plugin is probed or loaded. A resource whose
// byte count is not side * side * 4, or that is missing, gives no image for that size. The engine
// lists no sizes of its own, so a window system that takes every listed size (X11) asks for its
// usual few instead of all of them. A size between two shipped ones comes from the next larger one
// scaled down; above the largest, the largest is given as it is.
class ProgramIconEngine final : public QIconEngine
{
public:
    // `pathPattern` holds "%1" for the side in pixels, e.g. ":/icons/%1.argb".
    ProgramIconEngine(QString pathPattern, QList<int> sides);

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
    const QImage &shipped(int side);

    QString m_pathPattern;
    QList<int> m_sides; // ascending
    QMap<int, QImage> m_shipped;
};

// The programs' icon at every size the icons resource ships (":/icons/16.argb" to
// ":/icons/256.argb"), which each program links; each size is wrapped when first asked for.
QIcon programIcon();
