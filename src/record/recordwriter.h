// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/judgedanswer.h"
#include "record/recordfile.h"

#include <QSqlQuery>

#include <optional>

// Writes one session's answers into the record, each in a transaction of its own, so that an
// answer is in the file as soon as write() returns and survives the program being killed. Used in
// one thread only: the thread that constructed it.
namespace record {

// A wrong typed answer as kept: at most kTypedTextLimit characters, never half a character.
QString keptTypedText(const QString &typed);

class RecordWriter
{
public:
    // Opens the record at `path` for writing. The session row is written with the first answer,
    // with `sessionStartMs` as its start: a session without answers leaves no trace.
    RecordWriter(const QString &path, qint64 sessionStartMs);

    bool isOpen() const { return m_file.isOpen(); }
    const RecordFile &file() const { return m_file; }

    // Writes `answer`, judged at `answeredMs`, and moves the session's end up to it. False when
    // the database refused; error() then says why and errorStatus() what it amounts to.
    bool write(const JudgedAnswer &answer, qint64 answeredMs);
    // Stamps the session's end; nothing when no answer was written.
    bool endSession(qint64 endedMs);

    QString error() const { return m_error; }
    RecordStatus errorStatus() const { return m_errorStatus; }

private:
    bool fail(const QSqlQuery &query);
    bool writeSession(qint64 lastAnswerMs);

    RecordFile m_file; // declared first: the queries below must go before the connection
    qint64 m_sessionStartMs;
    std::optional<qint64> m_sessionId;
    std::optional<QSqlQuery> m_insertAnswer;
    std::optional<QSqlQuery> m_writeSession;
    std::optional<QSqlQuery> m_updateEnd;
    QString m_error;
    RecordStatus m_errorStatus = RecordStatus::Ready;
};

} // namespace record
