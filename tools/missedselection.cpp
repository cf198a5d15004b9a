// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "missedselection.h"

#include "record/recordfile.h"
#include "record/recordqueries.h"

namespace wordlist {

MissedSelection missedPairs(const QString &recordPath, std::optional<vocabulary::Group> group,
                            std::optional<int> level)
{
    MissedSelection selection;
    const record::RecordFile file = record::RecordFile::openForReading(recordPath);
    if (!file.isOpen()) {
        selection.error = file.message().toStdString();
        return selection;
    }
    QString error;
    const std::optional<QList<record::MissedWord>> missed =
        record::queryMissed(file.database(), &error);
    if (!missed) {
        selection.error = QStringLiteral("The record at %1 cannot be read (%2).")
                              .arg(recordPath, error)
                              .toStdString();
        return selection;
    }
    for (const record::MissedWord &word : *missed) {
        if ((!group || word.group == *group) && (!level || word.level == *level))
            selection.keys.push_back({word.group, word.position});
    }
    return selection;
}

} // namespace wordlist
