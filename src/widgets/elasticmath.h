// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

// The arithmetic of proportional form scaling, kept apart from any widget so that every rule can
// be checked with plain numbers: the four roundings, the screen scales, the bounds and font sizes
// of a control, the form's start bounds and its track sizes.
namespace elastic {

// ---- Roundings ----------------------------------------------------------------------------------

// To the nearest integer, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4).
int roundHalfEven(double value);
// To the nearest integer, an exact half down (8.5 -> 8, 8.51 -> 9); a negative value is
// truncated toward zero. Font sizes use it, so that a font never grows on a tie.
int roundHalfDown(double value);
// Toward zero.
int truncate(double value);
// Half of a difference of integers, toward zero.
int halve(int difference);

// ---- Screen and track sizes ---------------------------------------------------------------------

// A size property: positive is pixels, negative is a percentage of `extent` (the screen's
// maximised-window width or height), zero is "not set".
int resolveExtent(int value, int extent);

// Horizontal and vertical ratio of the running screen's maximised window to the design screen's;
// empty when a design value is not positive, since a form without design values can't be scaled.
struct Scales {
    double x = 1.0;
    double y = 1.0;
};
std::optional<Scales> screenScales(QSize maximized, QSize designScreen);

// ---- Controls -----------------------------------------------------------------------------------

// A rectangle with its left and width multiplied by `rx`, its top and height by `ry`, each rounded
// half to even: the capture of a control's bounds, and its placement in a layout.
QRect scaledBounds(const QRect &bounds, double rx, double ry);

// The font size of the form for its outer size: the size by height or by width, whichever is
// smaller (the one by height when they are equal). Zero when a reference is not positive.
double liveFontSize(QSize outer, int refFontSize, QSize refClient);

// A control's font size at capture: its design size by the vertical screen scale, truncated.
int referenceFontSize(double designSize, double scaleY);

// A control's font size in a layout.
int scaledFontSize(int referenceSize, double fontScale);

// A fixed-size label grows to fit its text but never shrinks below its scaled bounds.
QSize grownLabelSize(QSize scaled, QSize fitted);

// More than 5 pixels apart in either direction: smaller changes never lay the form out again.
bool sizeDiffers(QSize now, QSize last);

// ---- The form -----------------------------------------------------------------------------------

// What the form was designed with, in design pixels.
struct FormDesign {
    QSize screen; // the design screen's maximised window
    QRect outer;  // the form's outer left, top, width, height
    QSize client; // its client area
};

struct FormPlacementRules {
    bool maximized = false;  // the form starts maximised
    bool borderless = false; // no frame: the client size stands for the outer size
    int maximizedPosX = 0;   // see resolveExtent; 0 = the system's place
    int maximizedPosY = 0;
    bool maintainProportions = false;
};

// The form's outer bounds on the running screen, whose maximised window is `maximized` (origin at
// the top left of the free area): the design bounds scaled by the two screen scales, a maximised
// form first taking the whole design screen (or its maximum track size when it keeps its
// proportions), and a form that would reach past the screen's right or bottom edge centred on it
// instead, never left of or above it. Empty when the design values can't be scaled.
std::optional<QRect> preparedFormBounds(const FormDesign &design, const FormPlacementRules &rules,
                                        QSize maximized);

// The largest size that keeps the form's design aspect and fits the maximised window, with a
// margin for the frame (6 by 5 pixels).
QSize proportionalTrackSize(QSize designForm, QSize maximized);

// After a border drag: the size brought back to the aspect of `start`. When the form grew in
// total the dimension that grew less is recomputed from the other; when it shrank, the one that
// shrank less.
QSize keepAspect(QSize start, QSize now);

// ---- Alignment ----------------------------------------------------------------------------------

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignedControl {
    Align align = Align::None;
    int left = 0;
    int top = 0;
};

// The order in which the controls are laid out, as indexes into `controls` (which is in walk
// order): top-aligned by top ascending, bottom-aligned by top descending, left-aligned by left
// ascending, right-aligned by left descending, client-aligned by left ascending, then the rest in
// walk order. Among equal keys the one later in walk order comes first.
std::vector<int> alignmentOrder(const std::vector<AlignedControl> &controls);

} // namespace elastic
