// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>

#include <array>
#include <optional>

// What the learner's record says, as the Progress window, its summary and the missed-word export
// ask it. Every figure is an SQL aggregate over the answers' indexes: the cost follows the number
// of words (at most a few thousand), not the number of answers. A word is one pair of its group,
// named by its position in the group's word list.
namespace record {

// Which answers say whether a word is known.
enum class DirectionFilter { EnglishToSpanish, SpanishToEnglish, Either };

// One cell of the mastery map: the words of `group` that are new at `level`. A word is known when
// its latest first-try answer in the direction was right; with Either, when that holds in at least
// one of the two directions, so that Either never shows less than a single direction does. A Peek
// counts as not knowing the word. `total` comes from the word lists, not from the record.
struct MasteryCell {
    int known = 0;
    int seen = 0; // words with at least one first-try answer in the direction
    int total = 0;
};

// The whole map for one direction filter, by group and level.
struct MasteryMap {
    std::array<std::array<MasteryCell, vocabulary::kLevelCount>, vocabulary::kGroupCount> cells{};

    const MasteryCell &cell(vocabulary::Group group, int level) const
    {
        return cells[static_cast<std::size_t>(group)][static_cast<std::size_t>(level)];
    }
    // One group over every level, and every group over every level.
    MasteryCell groupSum(vocabulary::Group group) const;
    MasteryCell sum() const;
};

// The three maps at once: one pass over the words answers all three filters.
struct Mastery {
    MasteryMap englishToSpanish;
    MasteryMap spanishToEnglish;
    MasteryMap either;

    const MasteryMap &map(DirectionFilter filter) const;
};

// The figures of the whole record.
struct Totals {
    qint64 answers = 0; // right and wrong answers; Peeks are counted apart
    qint64 peeks = 0;
    qint64 firstTries = 0; // answers and Peeks that were the first try at their question
    qint64 firstTriesRight = 0;
    qint64 sessions = 0;
    std::optional<QDateTime> firstAnswer; // UTC
    std::optional<QDateTime> lastAnswer;  // UTC
};

// One local day of the trend.
struct TrendDay {
    QDate day;
    int answers = 0; // right and wrong answers of the day
    int firstTries = 0;
    int firstTriesRight = 0;
    bool operator==(const TrendDay &) const = default;
};

// A word whose latest first-try answer, in at least one direction, was wrong or a Peek.
struct MissedWord {
    vocabulary::Group group = vocabulary::Group::Nouns;
    int position = 0;
    int level = 0;
    int timesMissed = 0; // wrong answers and Peeks, in both directions and at any try
    QDateTime lastSeen;  // UTC, the latest answer of the word in either direction
    bool operator==(const MissedWord &) const = default;
};

// The range of the trend: the last `days` local days up to today, or every day of the record.
struct TrendRange {
    std::optional<int> days;
};

// Every word of every cell counted, none known yet: the map before the first answer.
Mastery emptyMastery();

// Each query gives nothing when the database fails it (a damaged file, a lock held past the
// busy timeout) and then puts the database's own words into `error`, when given.
std::optional<Mastery> queryMastery(const QSqlDatabase &db, QString *error = nullptr);
std::optional<Totals> queryTotals(const QSqlDatabase &db, QString *error = nullptr);
// The days of `range` that hold answers, oldest first; `today` is the local date the range ends on.
std::optional<QList<TrendDay>> queryTrend(const QSqlDatabase &db, TrendRange range, QDate today,
                                          QString *error = nullptr);
// The missed words by group, then position.
std::optional<QList<MissedWord>> queryMissed(const QSqlDatabase &db, QString *error = nullptr);

// The day of `range` that the trend starts with, or nothing for the whole record.
std::optional<QDate> trendStart(TrendRange range, QDate today);

} // namespace record
