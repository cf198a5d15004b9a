// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Opening the learner's record, for writing (the quiz) or for reading (the Progress window and the
// command-line tools), with a status that says what was found and a one-line message for it.
//
// Writing never overwrites what it does not recognise: a file that is not a Vocarra record is moved
// aside under a dated name and a new record started; a record of a newer schema is left alone.
// Reading never creates, migrates or moves anything.
namespace record {

enum class RecordStatus {
    Ready,       // an existing record of this version, open
    Created,     // no record was there (or an empty file): a new one, open
    Migrated,    // a record of an earlier version, brought up to date, open
    MovedAside,  // the file was not a Vocarra record or was damaged: kept aside, a new one open
    Missing,     // reading: there is no record at the path
    OlderSchema, // reading: an earlier version's record, not brought up to date by a reader
    NewerSchema, // a newer version's record: left untouched, not open
    Damaged,     // reading: not a Vocarra record, or damaged
    Locked,      // another program held the record locked past the busy timeout
    Unwritable,  // writing: the folder or the file cannot be written (permissions, full disk)
};

enum class RecordAccess { Write, Read };

class RecordFile
{
public:
    // How long a connection waits for another process's lock before giving up. A reader keeps
    // a window responsive; the writer works on a thread of its own, where waiting costs the quiz
    // nothing, and a second Vocarra on a busy machine can hold the lock for a while.
    static constexpr int kBusyTimeoutMs = 250;
    static constexpr int kWriteBusyTimeoutMs = 2000;

    // Opens, creates or migrates the record at `path` for writing, in the calling thread.
    static RecordFile openForWriting(const QString &path);
    // Opens the record at `path` read-only, in the calling thread; touches nothing.
    static RecordFile openForReading(const QString &path);

    RecordFile(RecordFile &&other) noexcept;
    RecordFile &operator=(RecordFile &&other) noexcept;
    RecordFile(const RecordFile &) = delete;
    RecordFile &operator=(const RecordFile &) = delete;
    // Closes the connection. Every QSqlQuery on it must be gone by then.
    ~RecordFile();

    RecordStatus status() const { return m_status; }
    // True when the database is open and of the current schema.
    bool isOpen() const { return !m_connectionName.isEmpty(); }
    QString path() const { return m_path; }
    // Where a foreign or damaged file was moved (MovedAside only).
    QString movedAsidePath() const { return m_movedAsidePath; }
    // What went wrong, in the database's or the file system's words; empty when nothing did.
    QString detail() const { return m_detail; }
    // One readable line that says what happened, for standard error and the Progress window.
    QString message() const;
    // The open connection; only valid while isOpen(), and only in the thread that opened it.
    QSqlDatabase database() const;

private:
    RecordFile(RecordAccess access, const QString &path);
    void close();
    void finish(RecordStatus status, const QString &detail = {});

    RecordAccess m_access;
    RecordStatus m_status = RecordStatus::Missing;
    QString m_path;
    QString m_movedAsidePath;
    QString m_detail;
    QString m_connectionName;

    friend class RecordOpener;
};

// The dated name beside `path` under which a file that is not a record is kept, e.g.
// "progress.sqlite" -> "progress.set-aside-20261209-023000.sqlite"; the first of the names
// "…-2", "…-3" … that is free when the plain one is taken.
QString setAsidePath(const QString &path, const QDateTime &whenUtc);

// The files kept aside beside the record at `path`, oldest first, so that the learner can be told
// of them and find them.
QStringList setAsideFiles(const QString &path);

} // namespace record
