// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordlocation.h"

#include <QDir>

namespace record {

QString defaultRecordPath()
{
    QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    // The XDG rules treat an empty value, and a relative one, as unset.
    if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
        dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    return QDir::cleanPath(dataHome + QStringLiteral("/vocarra/progress.sqlite"));
}

} // namespace record
