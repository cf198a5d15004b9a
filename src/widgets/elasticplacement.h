// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>

#include <optional>

class QSettings;

// A scaled form's placement as it is saved between runs, in one settings group named after the
// form. Positions are fractions of the screen's maximised window, so that a placement saved on one
// screen fits another.
namespace elastic {

struct SavedPlacement {
    int totalControls = 0;
    bool maximized = false;
    QRectF fractions;      // left, top, width, height; only for a window that isn't maximised
    int maxTrackWidth = 0; // MaximumTrackWidth, MaximumTrackHeight
    int maxTrackHeight = 0;
    QList<bool> visible; // one per managed control, in layout order
    int showCommand = 1; // 1 normal, 2 minimised, 3 maximised
    QRect normalBounds;  // the window's restored bounds, in pixels
};

void writePlacement(QSettings &settings, const QString &section, const SavedPlacement &placement);

// The placement saved for `controlCount` controls, or nothing when there is none, when it was
// saved for another number of controls, or when any value is damaged: text where a number
// belongs, a fraction outside 0..1, a size no screen could show. A damaged placement is ignored
// as a whole, so that the window never opens off screen or at a size of nothing.
std::optional<SavedPlacement> readPlacement(QSettings &settings, const QString &section,
                                            int controlCount);

} // namespace elastic
