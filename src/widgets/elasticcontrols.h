// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/elasticmath.h"

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

namespace elastic {

// What a layout needs to know of the form: its client area now, the reference client area the
// controls were captured for, the font scale, and which directions are elastic.
struct LayoutRatios {
    QSize client;
    QSize refClient;
    double fontScale = 1.0;
    bool horizontal = true;
    bool vertical = true;
    bool font = true;
};

// The named controls of one form and their frames: where each stood at design time, where it
// stands at the running screen's reference size, and its fonts. Knows nothing of window events;
// the form's scaling component tells it when to capture, lay out, hide and show.
class ElasticControls
{
public:
    // Walks the client area for the controls to manage and puts them in alignment order,
    // recording each one's present bounds as its design bounds.
    void build(QWidget *client);
    QList<QWidget *> controls() const;
    int count() const { return static_cast<int>(m_frames.size()); }
    // Each control's visibility, in layout order (a control gone since counts as hidden).
    QList<bool> visibility() const;
    void setVisibility(const QList<bool> &visible);
    // Every frame's saved visibility from its control.
    void rememberVisibility();

    // Fixes each control's reference bounds and fonts for the running screen's scales.
    void capture(Scales scales, bool lookForExtraFonts);
    // Places every control inside `client` for its present size.
    void layOut(const LayoutRatios &ratios, const QWidget *client);

    // Holds the client area's painting while the controls move (see the definition).
    void HideChildren(QWidget *client);
    // Gives the controls their saved visibility back and lets the client area paint again.
    void ShowChildren(QWidget *client);
    // Gives the keyboard focus to the managed control of that name, if there is one.
    void focusControl(const QString &name) const;

private:
    struct ExtraFont {
        QByteArray property;
        int reference = 0;
    };
    struct Frame {
        QPointer<QWidget> control;
        QRect design;    // bounds when the list was built
        QRect reference; // bounds at the running screen, fixed at capture
        int referenceFont = 0;
        bool fontInPixels = true;
        std::vector<ExtraFont> extraFonts;
        bool savedVisible = true;
        bool active = true;
    };

    void ResizeControl(Frame &frame, const LayoutRatios &ratios, const QWidget *client) const;

    std::vector<Frame> m_frames;
    bool m_childrenHidden = false;
};

// Fonts are given in pixels or in points; these read and set the size in the unit it was given in.
double fontSize(const QFont &font);
void setFontSize(QFont &font, int size, bool inPixels);

// The alignment a control names in its dynamic property "Align" (Top, Bottom, Left, Right or
// Client); Qt widgets carry none of their own.
Align alignOf(const QWidget *control);

} // namespace elastic
