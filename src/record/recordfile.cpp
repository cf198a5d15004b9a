// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfile.h"

#include "record/recordopener.h"

#include <QDir>

namespace record {

RecordFile::RecordFile(RecordAccess access, const QString &path)
    : m_access(access)
    , m_path(path)
{}

RecordFile RecordFile::openForWriting(const QString &path)
{
    RecordFile file(RecordAccess::Write, path);
    openRecordForWriting(file);
    return file;
}

RecordFile RecordFile::openForReading(const QString &path)
{
    RecordFile file(RecordAccess::Read, path);
    openRecordForReading(file);
    return file;
}

RecordFile::RecordFile(RecordFile &&other) noexcept
    : m_access(other.m_access)
    , m_status(other.m_status)
    , m_path(std::move(other.m_path))
    , m_movedAsidePath(std::move(other.m_movedAsidePath))
    , m_detail(std::move(other.m_detail))
    , m_connectionName(std::exchange(other.m_connectionName, QString()))
{}

RecordFile &RecordFile::operator=(RecordFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_access = other.m_access;
        m_status = other.m_status;
        m_path = std::move(other.m_path);
        m_movedAsidePath = std::move(other.m_movedAsidePath);
        m_detail = std::move(other.m_detail);
        m_connectionName = std::exchange(other.m_connectionName, QString());
    }
    return *this;
}

RecordFile::~RecordFile() { close(); }

QSqlDatabase RecordFile::database() const
{
    return isOpen() ? QSqlDatabase::database(m_connectionName, false) : QSqlDatabase();
}

void RecordFile::close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

// Every status but the open ones closes the connection, so that a file left alone is not held.
void RecordFile::finish(RecordStatus status, const QString &detail)
{
    m_status = status;
    m_detail = detail;
    const bool open = status == RecordStatus::Ready || status == RecordStatus::Created ||
                      status == RecordStatus::Migrated || status == RecordStatus::MovedAside;
    if (!open)
        close();
}

QString RecordFile::message() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    const QString because = m_detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_detail);
    const bool writing = m_access == RecordAccess::Write;
    switch (m_status) {
    case RecordStatus::Ready: return QStringLiteral("Your record is %1.").arg(path);
    case RecordStatus::Created: return QStringLiteral("A new record was started at %1.").arg(path);
    case RecordStatus::Migrated:
        return QStringLiteral("Your record at %1 was brought up to date.").arg(path);
    case RecordStatus::MovedAside:
        return QStringLiteral("%1 was not a readable Vocarra record%2: it was kept as %3 and a new "
                              "record was started.")
            .arg(path, because, QDir::toNativeSeparators(m_movedAsidePath));
    case RecordStatus::Missing:
        return QStringLiteral(
                   "There is no record at %1 yet: answer some questions in Vocarra first.")
            .arg(path);
    case RecordStatus::OlderSchema:
        return QStringLiteral("The record at %1 was written by an earlier Vocarra: start Vocarra "
                              "once to bring it up to date.")
            .arg(path);
    case RecordStatus::NewerSchema:
        return writing
                   ? QStringLiteral("The record at %1 was written by a newer Vocarra: it is left "
                                    "as it is, and answers are not recorded.")
                         .arg(path)
                   : QStringLiteral("The record at %1 was written by a newer Vocarra and "
                                    "cannot be read by this one.")
                         .arg(path);
    case RecordStatus::Damaged:
        return QStringLiteral("The record at %1 cannot be read%2.").arg(path, because);
    case RecordStatus::Locked:
        return writing ? QStringLiteral("The record at %1 is locked by another program%2: answers "
                                        "are not recorded while it stays locked.")
                             .arg(path, because)
                       : QStringLiteral("The record at %1 is locked by another program%2.")
                             .arg(path, because);
    case RecordStatus::Unwritable:
        return QStringLiteral("The record at %1 cannot be written%2: answers are not recorded.")
            .arg(path, because);
    }
    return {};
}

} // namespace record
