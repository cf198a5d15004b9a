// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <QString>

// Opening a document with the desktop's viewer, the way a shell opens a file it is given.

// OpenWithShell's result when the document does not exist.
inline constexpr int kShellFileNotFound = 2;

// Texts are held in buffers of 80 characters with the terminating zero: longer ones are cut to 79.
QString shellText(const QString &text);

// Opens `fileName` in `defaultFolder` with the desktop's default application. `parameters` and
// `showCommand` are accepted for the caller's sake and play no part on this desktop. Returns a
// shell-style result: above 32 on success; 2 when the file does not exist (nothing is opened and
// nothing is shown); 31 when the desktop could not open it.
int OpenWithShell(DesktopServices &services, const QString &fileName, const QString &parameters,
                  const QString &defaultFolder, int showCommand);
