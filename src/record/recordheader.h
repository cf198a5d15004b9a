// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// A first look at a file that should be a record, from its first 100 bytes and its size, before
// SQLite is asked: a file that is not SQLite at all, or an SQLite file cut short, is told apart
// without opening it.
namespace record {

enum class HeaderVerdict {
    Empty,      // no bytes: SQLite treats it as a new database
    NotSqlite,  // some other kind of file, or an SQLite header cut short
    Truncated,  // an SQLite header that counts more pages than the file holds
    Sqlite,     // an SQLite database as far as the header can tell
    Unreadable, // the file could not be opened to look
};

HeaderVerdict inspectHeader(const QByteArray &head, qint64 fileSize);

// Reads the first 100 bytes of `path` and inspects them.
HeaderVerdict inspectFileHeader(const QString &path);

} // namespace record
