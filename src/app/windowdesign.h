// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QSize>

// The main window as it was laid out, at 96 dots per inch. Every control's bounds are design
// pixels of the client area; the scaling component derives the window's size on the running
// screen from these.
namespace windowdesign {

inline constexpr QSize kScreen{808, 580};        // the maximised window of the design screen
inline constexpr QPoint kFormPosition{581, 136}; // outer top-left corner
inline constexpr QSize kFormSize{561, 424};      // outer size
inline constexpr QSize kClientSize{553, 357};    // client area
inline constexpr int kPixelsPerInch = 96;
// The window never grows past this, maximised or not, so that the quiz stays within reach of the
// eye on a large screen.
inline constexpr QSize kMaximumSize{1280, 1024};

} // namespace windowdesign
