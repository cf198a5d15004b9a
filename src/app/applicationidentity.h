// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/messages.h"
#include "version.h"

#include <QCoreApplication>

// Names the running application with the title its boxes carry, and gives its version. The title
// captions the program's message boxes; no help file is bound to it, so F1 opens nothing. On X11
// the application name is also the window's class, which the desktop entry names as
// StartupWMClass so that a desktop groups the window under its menu entry.
inline void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(QString::fromUtf8(quiz::kApplicationTitle));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOCARRA_VERSION));
}
