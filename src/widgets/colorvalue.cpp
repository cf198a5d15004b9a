// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/colorvalue.h"

namespace colorvalue {

QColor rawRgb(quint32 value)
{
    return QColor(int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF));
}

QColor resolve(quint32 value, const QPalette &palette)
{
    if ((value & kSystemFlag) == 0)
        return rawRgb(value);
    // The desktop colours by their classic indexes, mapped to the palette role that plays the same
    // part; an index with no counterpart draws in the window-text colour, so text stays legible.
    switch (value & 0xFF) {
    case 5: return palette.color(QPalette::Base);
    case 6: return palette.color(QPalette::Shadow);
    case 8: return palette.color(QPalette::Text);
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);
    case 16: return palette.color(QPalette::Dark);
    case 17: return palette.color(QPalette::Disabled, QPalette::Text);
    case 18: return palette.color(QPalette::ButtonText);
    case 20: return palette.color(QPalette::Light);
    case 21: return palette.color(QPalette::Shadow);
    case 22: return palette.color(QPalette::Midlight);
    case 23: return palette.color(QPalette::ToolTipText);
    case 24: return palette.color(QPalette::ToolTipBase);
    default: return palette.color(QPalette::WindowText);
    }
}

quint32 fromColor(const QColor &color) { return rgb(color.red(), color.green(), color.blue()); }

} // namespace colorvalue
