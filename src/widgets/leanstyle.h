// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QProxyStyle>

// The application's style as the desktop chose it, drawing exactly as that style does, but without
// the image files that style would open at start for things the window does not show yet or can
// draw from an image read another way. Opening a style image by its file name probes every
// image-format plugin installed (loading each, with the libraries they need) before Qt's own PNG
// reader is tried; nothing this program draws needs those plugins.
// - The arrows of the extension button a menu bar builds for items that run out of room are read
//   when such a button is first drawn; a menu bar that fits its window never draws it.
// - Under the Fusion style, a group's frame is drawn from Fusion's frame image read with the PNG
//   reader named outright, in place of Fusion's own drawing, which reads the same image by name.
class LeanStyle final : public QProxyStyle
{
public:
    // Takes `base` over, as QProxyStyle does.
    explicit LeanStyle(QStyle *base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

private:
    bool drawFusionGroupFrame(const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const;

    bool m_baseIsFusion = false;
    mutable QPixmap m_groupFrame;
    mutable bool m_groupFrameRead = false;
};
