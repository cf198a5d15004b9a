// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/installedfonts.h"

#include <QFontDatabase>

QStringList preferInstalledFamily(const QStringList &wanted, const QStringList &installed)
{
    for (const QString &family : wanted) {
        const auto found =
            std::find_if(installed.cbegin(), installed.cend(), [&](const QString &name) {
                return name.compare(family, Qt::CaseInsensitive) == 0;
            });
        if (found != installed.cend())
            return {*found};
    }
    return wanted;
}

QStringList installedFamily(const QStringList &wanted)
{
    return preferInstalledFamily(wanted, QFontDatabase::families());
}
