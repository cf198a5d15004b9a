// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/dialogkeys.h"

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QWidget>

namespace widgettesting {

// A fixed palette, so that the desktop colours resolve to the classic ones whatever the theme.
inline QPalette classicPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Light, QColor(255, 255, 255));
    palette.setColor(QPalette::Dark, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    return palette;
}

// What the widget paints, without showing it.
inline QImage rendered(QWidget &widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

inline QColor pixel(const QImage &image, int x, int y) { return QColor(image.pixel(x, y)); }

// The smallest rectangle holding every pixel of `color`; null when there is none.
inline QRect boundsOf(const QImage &image, QColor color)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A control that takes every Return offered to it, as an enabled default button does.
class ReturnTaker : public QWidget
{
public:
    using QWidget::QWidget;
    int taken = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == DialogKeyEvent::eventType()) {
            auto *key = static_cast<DialogKeyEvent *>(event);
            if (key->isPlainReturn()) {
                ++taken;
                key->accept();
            }
            return true;
        }
        return QWidget::event(event);
    }
};

} // namespace widgettesting
