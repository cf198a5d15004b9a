// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordheader.h"

#include <QFile>
#include <QFileInfo>

namespace record {
namespace {

constexpr int kHeaderSize = 100;

quint32 bigEndian32(const QByteArray &bytes, int offset)
{
    quint32 value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<quint8>(bytes[offset + i]);
    return value;
}

} // namespace

HeaderVerdict inspectHeader(const QByteArray &head, qint64 fileSize)
{
    if (fileSize == 0)
        return HeaderVerdict::Empty;
    static const QByteArray magic("SQLite format 3\0", 16);
    if (head.size() < kHeaderSize || !head.startsWith(magic))
        return HeaderVerdict::NotSqlite;
    // The page size is a power of two from 512 to 65536; the value 1 stands for 65536.
    const quint32 rawPageSize =
        (static_cast<quint8>(head[16]) << 8) | static_cast<quint8>(head[17]);
    const qint64 pageSize = rawPageSize == 1 ? 65536 : rawPageSize;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0)
        return HeaderVerdict::NotSqlite;
    // The page count in the header holds only while the "valid for" number matches the change
    // counter; older writers did not keep it, and then the file size is all there is.
    const quint32 changeCounter = bigEndian32(head, 24);
    const quint32 pageCount = bigEndian32(head, 28);
    const quint32 validFor = bigEndian32(head, 92);
    if (validFor == changeCounter && pageCount > 0 && fileSize < pageSize * pageCount)
        return HeaderVerdict::Truncated;
    if (fileSize % pageSize != 0)
        return HeaderVerdict::Truncated;
    return HeaderVerdict::Sqlite;
}

HeaderVerdict inspectFileHeader(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return HeaderVerdict::Unreadable;
    const HeaderVerdict verdict = inspectHeader(file.read(kHeaderSize), file.size());
    // A program killed while it copied its journal into the file can leave the file short of
    // what its header counts; SQLite completes that from the journal beside it, so with one
    // there the file is SQLite's to judge.
    if (verdict == HeaderVerdict::Truncated && QFileInfo(path + QStringLiteral("-wal")).size() > 0)
        return HeaderVerdict::Sqlite;
    return verdict;
}

} // namespace record
