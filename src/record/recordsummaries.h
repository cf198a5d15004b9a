// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// Running totals that the record keeps beside its answers, so that the Progress window reads a
// few thousand rows whatever the number of answers: per word and direction (the latest first-try
// outcome, misses, last seen) and per quarter of an hour (answers and first tries, from which the
// trend adds up local days in any time zone, since every zone's offset is whole quarters).
// Triggers on the answers table keep them, in the transaction of each answer, so no writer can
// forget them and they are never behind the answers.
namespace record {

// Creates the two tables and the trigger that keeps them.
QStringList summaryTablesSql();

// Fills the tables from the answers already recorded; run once after creating them on a record
// that has answers.
QStringList summaryBackfillSql();

// Empties the tables, beside emptying the answers.
QStringList summaryClearSql();

// The length of one trend bucket.
inline constexpr qint64 kQuarterHourMs = 15 * 60 * 1000;

} // namespace record
