// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordwriter.h"

#include "record/sqliteerrors.h"
#include "record/wordidentity.h"

#include <QSqlError>

namespace record {
namespace {

RecordStatus statusOf(const QSqlError &error)
{
    // Anything but a lock keeps the answer out for a lasting reason (a full disk, a file made
    // read-only, a damaged page).
    return isLockError(error) ? RecordStatus::Locked : RecordStatus::Unwritable;
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
    m_insertAnswer->prepare(
        QStringLiteral("INSERT INTO answers(session_id, answered_ms, word_group, position,"
                       " new_at_level, direction, answer_mode, first_try, outcome, typed_text)"
                       " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    m_writeSession.emplace(m_file.database());
    m_writeSession->prepare(
        QStringLiteral("INSERT INTO sessions(id, started_ms, ended_ms) VALUES(?, ?, ?)"
                       " ON CONFLICT(id) DO UPDATE SET ended_ms = excluded.ended_ms"));
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

bool RecordWriter::writeSession(qint64 lastAnswerMs)
{
    // The session's row goes in with its first answer; after that each answer moves its end up,
    // so that a session cut off by a kill still has one. Should the row be gone (the learner
    // forgot the record while this session ran), it comes back under its own id.
    QSqlQuery &session = *m_writeSession;
    session.addBindValue(m_sessionId ? QVariant(*m_sessionId) : QVariant());
    session.addBindValue(m_sessionStartMs);
    session.addBindValue(lastAnswerMs);
    if (!session.exec())
        return fail(session);
    if (!m_sessionId)
        m_sessionId = session.lastInsertId().toLongLong();
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
    QSqlQuery transaction(m_file.database());
    // IMMEDIATE takes the write lock up front, so a second Vocarra writing at the same moment
    // makes this wait for the busy timeout rather than fail halfway.
    if (!transaction.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(transaction);
    // A session whose first answer fails leaves no row, and starts again with the next one.
    const bool newSession = !m_sessionId;
    const auto failFirst = [&](const QSqlQuery &query) {
        if (newSession)
            m_sessionId.reset();
        return fail(query);
    };
    if (!writeSession(answeredMs))
        return failFirst(*m_writeSession);
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
    if (!insert.exec())
        return failFirst(insert);
    if (!transaction.exec(QStringLiteral("COMMIT")))
        return failFirst(transaction);
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
