// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordschema.h"

#include "vocabulary/levels.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace record {
namespace {

// The first schema: every answer without the level it belongs to or the text typed.
QStringList createFirstSchema()
{
    return {
        QStringLiteral("CREATE TABLE sessions(id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL,"
                       " ended_ms INTEGER)"),
        QStringLiteral("CREATE TABLE answers(id INTEGER PRIMARY KEY,"
                       " session_id INTEGER NOT NULL REFERENCES sessions(id),"
                       " answered_ms INTEGER NOT NULL, word_group INTEGER NOT NULL,"
                       " position INTEGER NOT NULL, direction INTEGER NOT NULL,"
                       " answer_mode INTEGER NOT NULL, first_try INTEGER NOT NULL,"
                       " outcome INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX answers_time ON answers(answered_ms)"),
    };
}

// The level each earlier answer's word is new at follows from its position, through the level
// blocks of its group: one UPDATE per block.
QStringList addLevelsAndTypedText()
{
    QStringList statements{
        QStringLiteral("ALTER TABLE answers ADD COLUMN new_at_level INTEGER NOT NULL DEFAULT 0"),
        QStringLiteral("ALTER TABLE answers ADD COLUMN typed_text TEXT"),
    };
    for (vocabulary::Group group : vocabulary::kGroups) {
        for (int level = 1; level < vocabulary::kLevelCount; ++level) {
            const int start = vocabulary::blockStart(group, level);
            const int size = vocabulary::blockSize(group, level);
            if (size == 0)
                continue;
            statements << QStringLiteral(
                              "UPDATE answers SET new_at_level = %1 WHERE word_group = %2"
                              " AND position BETWEEN %3 AND %4")
                              .arg(level)
                              .arg(static_cast<int>(group))
                              .arg(start)
                              .arg(start + size - 1);
        }
    }
    statements << QStringLiteral("CREATE INDEX answers_word_latest ON answers(word_group, position,"
                                 " direction, first_try, answered_ms)");
    return statements;
}

} // namespace

QStringList migrationStep(int fromVersion)
{
    switch (fromVersion) {
    case 0: return createFirstSchema();
    case 1: return addLevelsAndTypedText();
    default: return {};
    }
}

bool migrateRecord(QSqlDatabase &database, int *foundVersion, QSqlError *error)
{
    QSqlQuery query(database);
    auto fail = [&] {
        if (error)
            *error = query.lastError();
        query.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // IMMEDIATE takes the write lock at once, so the version read below cannot change before the
    // steps run.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (error)
            *error = query.lastError();
        return false;
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail();
    const int version = query.value(0).toInt();
    if (foundVersion)
        *foundVersion = version;
    if (version >= kRecordSchemaVersion) {
        query.exec(QStringLiteral("ROLLBACK"));
        return true;
    }
    for (int step = version; step < kRecordSchemaVersion; ++step) {
        for (const QString &statement : migrationStep(step)) {
            if (!query.exec(statement))
                return fail();
        }
    }
    // PRAGMAs take no bound values; both numbers are this program's own constants.
    if (!query.exec(QStringLiteral("PRAGMA application_id = %1").arg(kRecordApplicationId)) ||
        !query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kRecordSchemaVersion)) ||
        !query.exec(QStringLiteral("COMMIT")))
        return fail();
    return true;
}

} // namespace record
