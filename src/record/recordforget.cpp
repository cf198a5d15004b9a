// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordforget.h"

#include "record/recordfile.h"
#include "record/recordsummaries.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace record {
namespace {

// The learner waits for this, so it may wait longer for a lock than the quiz does.
constexpr int kForgetBusyTimeoutMs = 3000;

bool forgetOn(QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    auto fail = [&] {
        if (error)
            *error = query.lastError().text();
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // Deleted content is overwritten with zeros rather than left in free pages.
    if (!query.exec(QStringLiteral("PRAGMA secure_delete = ON")) ||
        !query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail();
    // The sessions go too, with their times: a Vocarra window recording now writes its session's
    // row again with its next answer.
    QStringList statements{QStringLiteral("DELETE FROM answers"),
                           QStringLiteral("DELETE FROM sessions")};
    statements << summaryClearSql();
    for (const QString &statement : statements) {
        if (!query.exec(statement))
            return fail();
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail();
    // The old pages also sit in the write-ahead log until a checkpoint copies the zeroed ones over
    // them; a reader holding an old snapshot can delay that, which loses nothing.
    query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

} // namespace

bool forgetRecord(const QString &path, QString *error)
{
    if (!QFileInfo::exists(path))
        return true;
    {
        const RecordFile check = RecordFile::openForReading(path);
        if (check.status() == RecordStatus::Missing)
            return true;
        if (!check.isOpen()) {
            if (error)
                *error = check.message();
            return false;
        }
    }
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("vocarra-forget-%1").arg(++counter);
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kForgetBusyTimeoutMs));
        if (db.open())
            done = forgetOn(db, error);
        else if (error)
            *error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

} // namespace record
