// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// How the program presents itself to the desktop: its application id (the name of its desktop
// entry, icon and metadata), its icon (programIcon(), shared with the Progress window), and the
// font of its menus and boxes.

// "org.example.vocarra": the reverse of the project's web address.
QString applicationId();

// The font for menus and boxes, given the desktop's general font. A desktop font that comes out
// monospaced (a system whose only fonts are the Liberation family resolves the default to
// Liberation Mono) is replaced by Arial at the same size, the window's own face, which such a
// system draws in its metric twin Liberation Sans. A proportional font is kept as it is.
QFont proportionalInterfaceFont(const QFont &general);

// Sets the desktop entry name (the window's application id on Wayland), the window icon and the
// interface font on the running application.
void integrateWithDesktop();
