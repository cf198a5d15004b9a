// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordwriter.h"

#include "record/wordidentity.h"

#include <QSqlError>

namespace record {
namespace {

RecordStatus statusOf(const QSqlError &error)
{
    // SQLite's busy and locked codes; everything else keeps the answer out for another reason
    // (a full disk, a file made read-only, a damaged page).
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == 5 || code == 6 ? RecordStatus::Locked : RecordStatus::Unwritable;
}

} // namespace

QString keptTypedText(const QString &typed)
{
    if (typed.size() <= kTypedTextLimit)
        return typed;
    // Cut by characters: a pair of surrogates counts as one and is never split.
    int units = 0;
    for (int characters = 0; characters < kTypedTextLimit && units < typed.size(); ++characters)
        units += typed.at(units).isHighSurrogate() && units + 1 < typed.size() ? 2 : 1;
    return typed.left(units);
}

RecordWriter::RecordWriter(const QString &path, qint64 sessionStartMs)
    : m_file(RecordFile::openForWriting(path))
    , m_sessionStartMs(sessionStartMs)
{
    if (!m_file.isOpen())
        return;
    m_insertAnswer.emplace(m_file.database());
    m_insertAnswer->prepare(QStringLiteral(
        "INSERT INTO answers(session_id, answered_ms, word_group, position, new_at_level, "
        "direction,"
        " answer_mode, first_try, outcome, typed_text) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    m_updateEnd.emplace(m_file.database());
    m_updateEnd->prepare(QStringLiteral("UPDATE sessions SET ended_ms = ? WHERE id = ?"));
}

bool RecordWriter::fail(const QSqlQuery &query)
{
    m_error = query.lastError().text();
    m_errorStatus = statusOf(query.lastError());
    QSqlQuery rollback(m_file.database());
    rollback.exec(QStringLiteral("ROLLBACK"));
    return false;
}

bool RecordWriter::insertSession(qint64 endedMs)
{
    QSqlQuery query(m_file.database());
    query.prepare(QStringLiteral("INSERT INTO sessions(started_ms, ended_ms) VALUES(?, ?)"));
    query.addBindValue(m_sessionStartMs);
    query.addBindValue(endedMs);
    if (!query.exec())
        return fail(query);
    m_sessionId = query.lastInsertId().toLongLong();
    return true;
}

bool RecordWriter::write(const JudgedAnswer &answer, qint64 answeredMs)
{
    if (!m_file.isOpen())
        return false;
    const int level = newAtLevel(answer.group, answer.position);
    if (level < 0) {
        m_error = QStringLiteral("no word at position %1 of its group").arg(answer.position);
        m_errorStatus = RecordStatus::Ready;
        return false;
    }
    QSqlQuery begin(m_file.database());
    // IMMEDIATE takes the write lock up front, so a second Vocarra writing at the same moment
    // makes this wait for the busy timeout rather than fail halfway.
    if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(begin);
    // The session row goes in with its first answer, inside the same transaction: a session
    // whose answers all failed leaves no row.
    const bool newSession = !m_sessionId;
    if (newSession && !insertSession(answeredMs))
        return false;
    const bool keepTyped = answer.mode == AnswerMode::Typed && answer.outcome == Outcome::Wrong;
    QSqlQuery &insert = *m_insertAnswer;
    insert.addBindValue(*m_sessionId);
    insert.addBindValue(answeredMs);
    insert.addBindValue(static_cast<int>(answer.group));
    insert.addBindValue(answer.position);
    insert.addBindValue(level);
    insert.addBindValue(static_cast<int>(answer.direction));
    insert.addBindValue(static_cast<int>(answer.mode));
    insert.addBindValue(answer.firstTry ? 1 : 0);
    insert.addBindValue(static_cast<int>(answer.outcome));
    insert.addBindValue(keepTyped ? QVariant(keptTypedText(answer.typed)) : QVariant());
    if (!insert.exec()) {
        if (newSession)
            m_sessionId.reset();
        return fail(insert);
    }
    // The end follows the last answer, so a session cut off by a kill still has one.
    m_updateEnd->addBindValue(answeredMs);
    m_updateEnd->addBindValue(*m_sessionId);
    QSqlQuery commit(m_file.database());
    if (!m_updateEnd->exec() || !commit.exec(QStringLiteral("COMMIT"))) {
        if (newSession)
            m_sessionId.reset();
        return fail(m_updateEnd->lastError().isValid() ? *m_updateEnd : commit);
    }
    return true;
}

bool RecordWriter::endSession(qint64 endedMs)
{
    if (!m_file.isOpen() || !m_sessionId)
        return true;
    m_updateEnd->addBindValue(endedMs);
    m_updateEnd->addBindValue(*m_sessionId);
    if (!m_updateEnd->exec())
        return fail(*m_updateEnd);
    return true;
}

} // namespace record
