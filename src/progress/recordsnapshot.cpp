// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/recordsnapshot.h"

#include <QDir>
#include <QSqlQuery>

RecordSnapshot readSnapshot(const record::RecordFile &file, record::TrendRange range, QDate today)
{
    RecordSnapshot snapshot;
    snapshot.status = file.status();
    snapshot.message = file.message();
    if (!file.isOpen())
        return snapshot;
    const QSqlDatabase db = file.database();
    // One read transaction, so that every figure comes from the same moment even while the quiz
    // records; WAL lets it do so meanwhile.
    QSqlQuery(db).exec(QStringLiteral("BEGIN"));
    QString error;
    std::optional<record::Mastery> mastery = record::queryMastery(db, &error);
    std::optional<record::Totals> totals = mastery ? record::queryTotals(db, &error) : std::nullopt;
    std::optional<QList<record::TrendDay>> trend =
        totals ? record::queryTrend(db, range, today, &error) : std::nullopt;
    std::optional<QList<record::MissedWord>> missed =
        trend ? record::queryMissed(db, &error) : std::nullopt;
    QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    if (!missed) {
        snapshot.message = QStringLiteral("The record at %1 cannot be read (%2).")
                               .arg(QDir::toNativeSeparators(file.path()), error);
        return snapshot;
    }
    snapshot.readable = true;
    snapshot.mastery = *mastery;
    snapshot.totals = *totals;
    snapshot.trend = *trend;
    snapshot.missed = *missed;
    return snapshot;
}
