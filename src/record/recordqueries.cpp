// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordqueries.h"

#include "record/recordsummaries.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <limits>

namespace record {
namespace {

using vocabulary::Group;
using vocabulary::kGroupCount;
using vocabulary::kLevelCount;

// The outcomes as the answers table stores them.
constexpr int kOutcomeRight = 1;

// The level blocks of the word lists as a table (g, lvl, first, size), so that SQL can give each
// word its level. Words outside every block (a record from a program with other lists) drop out.
QString blocksCte()
{
    QStringList blocks;
    for (Group group : vocabulary::kGroups) {
        for (int level = 0; level < kLevelCount; ++level) {
            const int size = vocabulary::blockSize(group, level);
            if (size > 0)
                blocks << QStringLiteral("(%1, %2, %3, %4)")
                              .arg(static_cast<int>(group))
                              .arg(level)
                              .arg(vocabulary::blockStart(group, level))
                              .arg(size);
        }
    }
    return QStringLiteral("blocks(g, lvl, first, size) AS (VALUES %1)")
        .arg(blocks.join(QStringLiteral(", ")));
}

// Each word answered so far with its level and the outcome of its latest first try in each
// direction (NULL where it has none): es English to Spanish, se Spanish to English.
QString pairsCte()
{
    return QStringLiteral("WITH ") + blocksCte() +
           QStringLiteral(", pairs(g, lvl, p, es, se, misses, last_ms) AS ("
                          " SELECT b.g, b.lvl, s.position,"
                          " MAX(CASE WHEN s.direction = 0 THEN s.latest_first_try_outcome END),"
                          " MAX(CASE WHEN s.direction = 1 THEN s.latest_first_try_outcome END),"
                          " SUM(s.misses), MAX(s.last_ms)"
                          " FROM word_stats s JOIN blocks b ON s.word_group = b.g"
                          " AND s.position >= b.first AND s.position < b.first + b.size"
                          " GROUP BY s.word_group, s.position) ");
}

// Runs `sql` forward only; on failure leaves the database's message in `error`.
bool run(QSqlQuery &query, const QString &sql, QString *error)
{
    query.setForwardOnly(true);
    if (query.exec(sql))
        return true;
    if (error)
        *error = query.lastError().text();
    return false;
}

QDateTime utcFromMs(const QVariant &ms)
{
    return QDateTime::fromMSecsSinceEpoch(ms.toLongLong(), Qt::UTC);
}

} // namespace

MasteryCell MasteryMap::groupSum(Group group) const
{
    MasteryCell total;
    for (const MasteryCell &cell : cells[static_cast<std::size_t>(group)]) {
        total.known += cell.known;
        total.seen += cell.seen;
        total.total += cell.total;
    }
    return total;
}

MasteryCell MasteryMap::sum() const
{
    MasteryCell total;
    for (Group group : vocabulary::kGroups) {
        const MasteryCell cell = groupSum(group);
        total.known += cell.known;
        total.seen += cell.seen;
        total.total += cell.total;
    }
    return total;
}

const MasteryMap &Mastery::map(DirectionFilter filter) const
{
    switch (filter) {
    case DirectionFilter::EnglishToSpanish: return englishToSpanish;
    case DirectionFilter::SpanishToEnglish: return spanishToEnglish;
    case DirectionFilter::Either: break;
    }
    return either;
}

Mastery emptyMastery()
{
    Mastery mastery;
    for (MasteryMap *map :
         {&mastery.englishToSpanish, &mastery.spanishToEnglish, &mastery.either}) {
        for (Group group : vocabulary::kGroups) {
            for (int level = 0; level < kLevelCount; ++level)
                map->cells[static_cast<std::size_t>(group)][static_cast<std::size_t>(level)].total =
                    vocabulary::blockSize(group, level);
        }
    }
    return mastery;
}

std::optional<Mastery> queryMastery(const QSqlDatabase &db, QString *error)
{
    Mastery mastery = emptyMastery();
    QSqlQuery query(db);
    const QString sql =
        pairsCte() +
        QStringLiteral(
            "SELECT g, lvl, COUNT(es), SUM(IFNULL(es = %1, 0)), COUNT(se), SUM(IFNULL(se = %1, 0)),"
            " SUM(es IS NOT NULL OR se IS NOT NULL), SUM(IFNULL(es = %1, 0) OR IFNULL(se = %1, 0))"
            " FROM pairs GROUP BY g, lvl")
            .arg(kOutcomeRight);
    if (!run(query, sql, error))
        return std::nullopt;
    while (query.next()) {
        const int group = query.value(0).toInt();
        const int level = query.value(1).toInt();
        if (group < 0 || group >= kGroupCount || level < 0 || level >= kLevelCount)
            continue;
        const auto g = static_cast<std::size_t>(group);
        const auto l = static_cast<std::size_t>(level);
        MasteryCell &es = mastery.englishToSpanish.cells[g][l];
        MasteryCell &se = mastery.spanishToEnglish.cells[g][l];
        MasteryCell &either = mastery.either.cells[g][l];
        es.seen = query.value(2).toInt();
        es.known = query.value(3).toInt();
        se.seen = query.value(4).toInt();
        se.known = query.value(5).toInt();
        either.seen = query.value(6).toInt();
        either.known = query.value(7).toInt();
    }
    return mastery;
}

std::optional<Totals> queryTotals(const QSqlDatabase &db, QString *error)
{
    Totals totals;
    QSqlQuery query(db);
    if (!run(query,
             QStringLiteral(
                 "SELECT SUM(answers), SUM(peeks), SUM(first_tries), SUM(first_tries_right),"
                 " (SELECT MIN(answered_ms) FROM answers), (SELECT MAX(answered_ms) FROM answers)"
                 " FROM word_stats"),
             error))
        return std::nullopt;
    if (query.next()) {
        totals.answers = query.value(0).toLongLong();
        totals.peeks = query.value(1).toLongLong();
        totals.firstTries = query.value(2).toLongLong();
        totals.firstTriesRight = query.value(3).toLongLong();
        if (!query.value(4).isNull()) {
            totals.firstAnswer = utcFromMs(query.value(4));
            totals.lastAnswer = utcFromMs(query.value(5));
        }
    }
    if (!run(query, QStringLiteral("SELECT COUNT(*) FROM sessions"), error))
        return std::nullopt;
    if (query.next())
        totals.sessions = query.value(0).toLongLong();
    return totals;
}

std::optional<QDate> trendStart(TrendRange range, QDate today)
{
    if (!range.days)
        return std::nullopt;
    return today.addDays(1 - std::max(1, *range.days));
}

std::optional<QList<TrendDay>> queryTrend(const QSqlDatabase &db, TrendRange range, QDate today,
                                          QString *error)
{
    // Days are the learner's local days, as SQLite's 'localtime' reads them from the same time
    // zone as the program; the range starts at local midnight of its first day. A quarter of an
    // hour lies within one local day in every time zone.
    qint64 sinceMs = std::numeric_limits<qint64>::min();
    if (const std::optional<QDate> start = trendStart(range, today))
        sinceMs = start->startOfDay().toMSecsSinceEpoch();
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT date(quarter * 900, 'unixepoch', 'localtime') AS day, SUM(answers),"
                       " SUM(first_tries), SUM(first_tries_right) FROM answer_quarters"
                       " WHERE quarter >= ? GROUP BY day ORDER BY day"));
    query.addBindValue(sinceMs == std::numeric_limits<qint64>::min() ? sinceMs
                                                                     : sinceMs / kQuarterHourMs);
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return std::nullopt;
    }
    QList<TrendDay> days;
    while (query.next()) {
        TrendDay day;
        day.day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        day.answers = query.value(1).toInt();
        day.firstTries = query.value(2).toInt();
        day.firstTriesRight = query.value(3).toInt();
        if (day.day.isValid())
            days << day;
    }
    return days;
}

std::optional<QList<MissedWord>> queryMissed(const QSqlDatabase &db, QString *error)
{
    QSqlQuery query(db);
    const QString sql =
        pairsCte() +
        QStringLiteral(
            "SELECT g, lvl, p, misses, last_ms FROM pairs WHERE es <> %1 OR se <> %1 ORDER BY g, p")
            .arg(kOutcomeRight);
    if (!run(query, sql, error))
        return std::nullopt;
    QList<MissedWord> missed;
    while (query.next()) {
        MissedWord word;
        word.group = static_cast<Group>(query.value(0).toInt());
        word.level = query.value(1).toInt();
        word.position = query.value(2).toInt();
        word.timesMissed = query.value(3).toInt();
        word.lastSeen = utcFromMs(query.value(4));
        missed << word;
    }
    return missed;
}

} // namespace record
