// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

// The pictures of the help document: the real main window, built with silent desktop services and
// brought into a state by the same handlers a learner's clicks run, then rendered offscreen.

// The names of the pictures the help text may show ("start.png", ...).
QStringList helpSceneNames();

// The window in the state that `name` shows, rendered at twice its size so that it stays sharp
// in print; a null image for a name that is not a scene.
QImage renderHelpScene(const QString &name);

class QWidget;

// `window` as shown, rendered at twice its size on white, then hidden.
QImage renderForPrint(QWidget &window);
