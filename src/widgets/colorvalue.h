// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QtGlobal>

// A colour as the button properties store it: an RGB colour as 0x00BBGGRR (red in the low byte),
// or a reference to a desktop colour as 0x80000000 plus the desktop colour's index.
namespace colorvalue {

constexpr quint32 kSystemFlag = 0x80000000u;
constexpr quint32 kButtonShadow = kSystemFlag | 16u;
constexpr quint32 kGrayText = kSystemFlag | 17u;
constexpr quint32 kButtonHighlight = kSystemFlag | 20u;

constexpr quint32 rgb(int red, int green, int blue)
{
    return quint32(red & 0xFF) | quint32(green & 0xFF) << 8 | quint32(blue & 0xFF) << 16;
}

// The three low bytes as red, green and blue, as they stand: what the gradient uses, so that a
// desktop reference there paints as the colour its bytes spell rather than failing.
QColor rawRgb(quint32 value);

// The colour to draw with: desktop references are looked up in `palette`, so the frame and caption
// follow the desktop's theme.
QColor resolve(quint32 value, const QPalette &palette);

quint32 fromColor(const QColor &color);

} // namespace colorvalue
