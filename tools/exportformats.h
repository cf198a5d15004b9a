// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wordselection.h"

#include <QString>

#include <span>
#include <string>
#include <string_view>

// The file formats of the word-list export, each a pure function from the selected blocks to the
// whole file's text (UTF-8). Only TSV keeps the stored texts; the others hold the readable texts
// of readabletext.h.
namespace wordlist {

enum class Format { Tsv, Csv, Kvtml, Anki };

inline constexpr std::string_view kTsvHeaderLine = "group\tindex\tenglish\tspanish\n";

// A header line, then one line per pair: group, slot in the group's table, stored English,
// stored Spanish.
std::string tsvText(std::span<const LevelBlock> blocks);

// Comma-separated values as spreadsheets read them: a header row, one row per pair (group,
// level, English, Spanish), CRLF after every row.
std::string csvText(std::span<const LevelBlock> blocks);

// A vocabulary document in KVTML 2.0: English is translation 0 and Spanish translation 1, and
// the lessons are the groups, each holding one lesson per level.
std::string kvtmlText(std::span<const LevelBlock> blocks, std::string_view title);

// A plain-text note list with the file headers that tell the flashcard program everything it
// would otherwise ask at import: the separator, the note type, and a deck and tags per note.
std::string ankiText(std::span<const LevelBlock> blocks);

// `field` as one field of a `separator`-separated line: as it is, or between double quotes with
// its own quotes doubled when it holds the separator, a quote or a line break.
std::string delimitedField(std::string_view field, char separator);

// The UTF-8 `utf8` with the control characters that XML 1.0 cannot hold at all, not even as a
// character reference, replaced by U+FFFD.
QString xmlSafeText(std::string_view utf8);

} // namespace wordlist
