// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/textcodec.h"

#include "vocabulary/cp1252.h"

#include <QList>

QString entryToQString(std::string_view cp1252)
{
    QString text;
    text.reserve(static_cast<qsizetype>(cp1252.size()));
    for (char byte : cp1252)
        text.append(QChar(
            static_cast<char16_t>(vocabulary::decodeCp1252(static_cast<unsigned char>(byte)))));
    return text;
}

std::string answerToCp1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    // Marks typed (or pasted) after their letter are joined to it first, so that "a" plus a
    // combining acute is the one byte of "á"; what still has no Windows-1252 form stays wrong.
    for (char32_t codePoint : text.normalized(QString::NormalizationForm_C).toUcs4())
        bytes += static_cast<char>(vocabulary::encodeCp1252(codePoint).value_or('\0'));
    return bytes;
}
