// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordfile.h"

#include <QList>
#include <QSqlQuery>
#include <QVariant>

// A small record prepared answer by answer, for the tests of what is read from it.
struct PreparedAnswer {
    int group;
    int position;
    int direction; // 0 English to Spanish, 1 Spanish to English
    bool firstTry;
    int outcome; // 0 wrong, 1 right, 2 Peek
    qint64 answeredMs;
};

// Starts a record at `path` and records `answers` in one session, in the order given. Returns
// false when the record could not be written.
inline bool prepareRecord(const QString &path, const QList<PreparedAnswer> &answers)
{
    record::RecordFile file = record::RecordFile::openForWriting(path);
    if (!file.isOpen())
        return false;
    QSqlQuery query(file.database());
    if (!query.exec(QStringLiteral("INSERT INTO sessions(started_ms, ended_ms) VALUES (0, 1)")))
        return false;
    const qint64 session = query.lastInsertId().toLongLong();
    query.prepare(QStringLiteral("INSERT INTO answers(session_id, answered_ms, word_group, "
                                 "position, new_at_level, direction, answer_mode,"
                                 " first_try, outcome) VALUES (?, ?, ?, ?, 0, ?, 0, ?, ?)"));
    for (const PreparedAnswer &answer : answers) {
        for (const QVariant &value :
             {QVariant(session), QVariant(answer.answeredMs), QVariant(answer.group),
              QVariant(answer.position), QVariant(answer.direction),
              QVariant(answer.firstTry ? 1 : 0), QVariant(answer.outcome)})
            query.addBindValue(value);
        if (!query.exec())
            return false;
    }
    return true;
}
