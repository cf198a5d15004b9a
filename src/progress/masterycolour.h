// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The colours of the mastery map: one hue from a pale tint for none of a cell's words known to a
// deep green for all of them, so that the map reads at a glance; the number is always written as
// well, for readers who cannot tell the shades apart.

// The fill of a cell with `known` of `total` words known; `total` above 0.
QColor masteryFill(int known, int total);
// The fill of a cell with no words at its level.
QColor emptyCellFill();
// Black or white, whichever stands out more against `fill`.
QColor textColourOn(const QColor &fill);
