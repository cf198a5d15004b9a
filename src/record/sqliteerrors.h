// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlError>

// What an error of Qt's SQLite driver means for the record: its native code is SQLite's result
// code, whose low byte is the primary code.
namespace record {

enum class SqliteCode : int {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26,
};

inline SqliteCode sqlitePrimaryCode(const QSqlError &error)
{
    return static_cast<SqliteCode>(error.nativeErrorCode().toInt() & 0xff);
}

// Another connection holds the lock this one needed, past the busy timeout.
inline bool isLockError(const QSqlError &error)
{
    const SqliteCode code = sqlitePrimaryCode(error);
    return code == SqliteCode::Busy || code == SqliteCode::Locked;
}

} // namespace record
