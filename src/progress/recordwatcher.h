// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordfile.h"

#include <QObject>
#include <QTimer>

#include <optional>

// Keeps the record open for reading and says when it has changed: another program's commit (the
// quiz recording an answer, a record forgotten), or the file appearing, going or being replaced.
// It polls cheaply, once a second, with PRAGMA data_version on the open connection or the file's
// size and time when none is open; reading never takes a lock that the quiz's writer waits for.
class RecordWatcher : public QObject
{
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 1000;

    explicit RecordWatcher(const QString &path, QObject *parent = nullptr);

    const record::RecordFile &file() const { return *m_file; }
    QString path() const { return m_path; }

    // Closes and opens the record again now, as after a change.
    void reopen();
    // Looks for a change now, as the timer does.
    void poll();

signals:
    void changed();

private:
    struct FileStamp {
        bool exists = false;
        qint64 size = 0;
        qint64 modifiedNs = 0; // since the epoch
        qint64 inode = 0;
        bool operator==(const FileStamp &) const = default;
    };
    // Opens the record and notes its stamp and data version, without saying so.
    void open();
    FileStamp stampNow() const;
    std::optional<qint64> dataVersion() const;

    QString m_path;
    std::optional<record::RecordFile> m_file;
    FileStamp m_stamp;
    std::optional<qint64> m_dataVersion;
    QTimer m_timer;
};
