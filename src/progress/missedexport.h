// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exportformats.h"
#include "record/recordqueries.h"

#include <QStringList>

#include <string>

// The words you miss in the export formats of vocarra-words, with the same readable texts.

// The file dialog's filters, one per format, TSV first.
QStringList exportFileFilters();
// The format a file dialog's `filter` names, or else the one `path`'s suffix names; TSV when
// neither says.
wordlist::Format formatForExport(const QString &path, const QString &filter);
// The whole file's text (UTF-8).
std::string missedExportText(const QList<record::MissedWord> &words, wordlist::Format format);
// Writes the file safely (the old one or the whole new one, never half of either).
bool writeMissedWords(const QList<record::MissedWord> &words, const QString &path,
                      wordlist::Format format, QString *error);
