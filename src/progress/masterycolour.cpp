// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/masterycolour.h"

#include <algorithm>
#include <cmath>

namespace {

const QColor kNone(0xf4, 0xf1, 0xe4);
const QColor kAll(0x1b, 0x6e, 0x3a);

int mix(int from, int to, double share)
{
    return from + static_cast<int>((to - from) * share + 0.5);
}

// WCAG relative luminance of one sRGB channel.
double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

} // namespace

QColor masteryFill(int known, int total)
{
    const double share = total > 0 ? std::clamp(static_cast<double>(known) / total, 0.0, 1.0) : 0.0;
    return QColor(mix(kNone.red(), kAll.red(), share), mix(kNone.green(), kAll.green(), share),
                  mix(kNone.blue(), kAll.blue(), share));
}

QColor emptyCellFill() { return QColor(0xd9, 0xd9, 0xd9); }

QColor textColourOn(const QColor &fill)
{
    const double luminance =
        0.2126 * linear(fill.red()) + 0.7152 * linear(fill.green()) + 0.0722 * linear(fill.blue());
    // The luminance at which black and white text have the same contrast.
    return luminance > 0.179 ? QColor(Qt::black) : QColor(Qt::white);
}
