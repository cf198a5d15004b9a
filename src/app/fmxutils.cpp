// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/fmxutils.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr qsizetype kShellTextLimit = 79;
constexpr int kNoAssociation = 31;
constexpr int kOpened = 42;

} // namespace

QString shellText(const QString &text) { return text.left(kShellTextLimit); }

int OpenWithShell(DesktopServices &services, const QString &fileName, const QString &parameters,
                  const QString &defaultFolder, int showCommand)
{
    Q_UNUSED(parameters);
    Q_UNUSED(showCommand);
    // A folder written with backslashes is read with forward ones, so "C:\Lexo_1000" and
    // "C:/Lexo_1000" name the same place.
    const QString folder = shellText(defaultFolder).replace(u'\\', u'/');
    const QFileInfo document(QDir(folder), shellText(fileName));
    if (!document.isFile())
        return kShellFileNotFound;
    return services.openDocument(document.absoluteFilePath()) ? kOpened : kNoAssociation;
}
