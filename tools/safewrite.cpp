// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "safewrite.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace wordlist {
namespace {

std::string reason(const QFileDevice &file) { return file.errorString().toStdString(); }

// Writes all of `text`. A pipe or a file at its size limit may take part of it without an error;
// writing on gives the error that says why it took no more.
bool writeAll(QFileDevice &file, QByteArrayView text)
{
    while (!text.isEmpty()) {
        const qint64 written = file.write(text.data(), text.size());
        if (written <= 0)
            return false;
        text = text.sliced(written);
    }
    return true;
}

// A device or a pipe cannot be replaced by renaming a new file over it (and as root, a new file
// would take the place of /dev/full), so it is written directly.
std::optional<std::string> writeInPlace(const QString &path, QByteArrayView text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return reason(file);
    if (!writeAll(file, text))
        return reason(file);
    return std::nullopt;
}

} // namespace

std::optional<std::string> writeFileSafely(const QString &path, std::string_view text)
{
    const QByteArrayView bytes(text.data(), qsizetype(text.size()));
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile() && !existing.isDir())
        return writeInPlace(path, bytes);

    // QSaveFile writes a new file beside the target (through a link, beside the link's target),
    // gives it the target's permissions, syncs it and renames it over the target only on commit;
    // a failure on the way removes the new file and leaves the target as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return reason(file);
    if (!writeAll(file, bytes) || !file.commit())
        return reason(file);
    return std::nullopt;
}

} // namespace wordlist
