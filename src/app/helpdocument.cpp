// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/helpdocument.h"

#include "app/fmxutils.h"

#include <QDir>

QStringList helpDocumentFolders(const QString &applicationDir)
{
    const QDir programFolder(applicationDir);
    // VOCARRA_DATA_FROM_BIN is the data folder relative to the program's folder (from the install
    // rules, "../share/vocarra" by default): relative, so nothing of the build machine is baked in.
    return {QStringLiteral("C:\\Lexo_1000"),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(VOCARRA_DATA_FROM_BIN))),
            QDir::cleanPath(programFolder.path())};
}

int openHelpDocument(DesktopServices &services, const QString &applicationDir)
{
    int result = kShellFileNotFound;
    for (const QString &folder : helpDocumentFolders(applicationDir)) {
        result = OpenWithShell(services, QString::fromUtf16(kHelpDocumentName), QStringLiteral(" "),
                               folder, 5);
        if (result != kShellFileNotFound)
            break;
    }
    return result;
}
