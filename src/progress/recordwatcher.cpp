// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/recordwatcher.h"

#include <QFile>
#include <QSqlQuery>
#include <QVariant>

#include <sys/stat.h>

RecordWatcher::RecordWatcher(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    open();
    m_timer.setInterval(kPollIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &RecordWatcher::poll);
    m_timer.start();
}

void RecordWatcher::open()
{
    m_file.reset(); // the old connection goes before the new one opens
    m_file.emplace(record::RecordFile::openForReading(m_path));
    m_stamp = stampNow();
    m_dataVersion = dataVersion();
}

void RecordWatcher::reopen()
{
    open();
    emit changed();
}

void RecordWatcher::poll()
{
    const FileStamp stamp = stampNow();
    // A file that came, went or was replaced (another inode) is opened afresh. While a record is
    // open its size and time change with every answer; data_version says that more cheaply and
    // also catches the commits that the WAL holds before they reach the file.
    const bool replaced = stamp.exists != m_stamp.exists || stamp.inode != m_stamp.inode;
    if (replaced || (!m_file->isOpen() && !(stamp == m_stamp)))
        return reopen();
    if (m_file->isOpen()) {
        const std::optional<qint64> version = dataVersion();
        if (version != m_dataVersion) {
            m_dataVersion = version;
            m_stamp = stamp;
            emit changed();
        }
    }
}

RecordWatcher::FileStamp RecordWatcher::stampNow() const
{
    FileStamp stamp;
    struct stat status {
    };
    if (::stat(QFile::encodeName(m_path).constData(), &status) != 0)
        return stamp;
    stamp.exists = true;
    stamp.size = status.st_size;
    stamp.inode = static_cast<qint64>(status.st_ino);
    stamp.modifiedNs =
        static_cast<qint64>(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
    return stamp;
}

std::optional<qint64> RecordWatcher::dataVersion() const
{
    if (!m_file->isOpen())
        return std::nullopt;
    QSqlQuery query(m_file->database());
    if (query.exec(QStringLiteral("PRAGMA data_version")) && query.next())
        return query.value(0).toLongLong();
    return std::nullopt;
}
