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
    // The program adds no fonts of its own, so the database's families are read once.
    static const QStringList installed = QFontDatabase::families();
    return preferInstalledFamily(wanted, installed);
}
