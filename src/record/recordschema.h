// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>

class QSqlDatabase;
class QSqlError;

// The record's tables, the codes stored in them, and the steps that bring a record of any earlier
// version up to the current one.
//
//   sessions(id INTEGER PRIMARY KEY, started_ms INTEGER NOT NULL, ended_ms INTEGER)
//   answers(id INTEGER PRIMARY KEY, session_id INTEGER NOT NULL REFERENCES sessions(id),
//           answered_ms INTEGER NOT NULL, word_group INTEGER NOT NULL, position INTEGER NOT NULL,
//           new_at_level INTEGER NOT NULL, direction INTEGER NOT NULL, answer_mode INTEGER NOT
//           NULL, first_try INTEGER NOT NULL, outcome INTEGER NOT NULL, typed_text TEXT)
//   answers_word_latest ON answers(word_group, position, direction, first_try, answered_ms)
//   answers_time ON answers(answered_ms)
//
// Times are Unix milliseconds, UTC. word_group is the vocabulary::Group order (0 nouns .. 6
// conjunctions); position is the pair's index in its group's word list (vocabulary::groupWords),
// its stable identity; new_at_level is 0 ("100 Words") to 9 ("1000 Words").
namespace record {

// PRAGMA user_version of a record this program writes. Version 1 lacked new_at_level, typed_text
// and the per-word index; a record at version 1 is brought forward when it is opened for writing.
inline constexpr int kRecordSchemaVersion = 2;

// PRAGMA application_id of every Vocarra record ("Voca"): an SQLite file without it belongs to
// some other program.
inline constexpr std::int32_t kRecordApplicationId = 0x566f6361;

// Longest wrong typed answer kept, in characters; longer ones are cut.
inline constexpr int kTypedTextLimit = 200;

enum class Direction : int { EnglishToSpanish = 0, SpanishToEnglish = 1 };
enum class AnswerMode : int { MultipleChoice = 0, Typed = 1 };
enum class Outcome : int { Wrong = 0, Right = 1, Peek = 2 };

// The statements that take a record from version `fromVersion` to `fromVersion + 1`; version 0 is
// an empty file. Empty when there is no such step.
QStringList migrationStep(int fromVersion);

// Brings the record up to kRecordSchemaVersion in one write transaction: reads its version under
// the write lock (so that of two programs starting at once only one migrates), runs every step from
// there, and stamps the application id and the new version. `foundVersion` receives the version
// found; a newer one is left as it is. On failure nothing is changed and `error` says why.
bool migrateRecord(QSqlDatabase &database, int *foundVersion, QSqlError *error);

} // namespace record
