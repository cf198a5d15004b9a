// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <QString>
#include <QStringList>

// Where "Program Help" finds its document, and opening it.

inline constexpr char16_t kHelpDocumentName[] = u"LexoSpan Help.pdf";

// The folders that may hold the help document, in the order they are tried: the fixed folder
// "C:\Lexo_1000" (read from the current folder, as it always was), the installed copy in the data
// folder beside the program's own, then the copy the build writes next to the program. All but
// the first are found from `applicationDir`, the folder of the running program, so an install
// under any prefix works.
QStringList helpDocumentFolders(const QString &applicationDir);

// Opens the help document from the first of those folders that holds it. A folder without the
// document sends the lookup on to the next; once a document is found its result stands, because
// a viewer that failed on one copy would fail on the next as well. Returns OpenWithShell's result
// for the last folder tried.
int openHelpDocument(DesktopServices &services, const QString &applicationDir);
