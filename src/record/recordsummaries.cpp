// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsummaries.h"

namespace record {

QStringList summaryTablesSql()
{
    return {
        // Outcomes: 0 wrong, 1 right, 2 Peek. A miss is a wrong answer or a Peek.
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS word_stats("
            " word_group INTEGER NOT NULL, position INTEGER NOT NULL, direction INTEGER NOT NULL,"
            " answers INTEGER NOT NULL, peeks INTEGER NOT NULL, misses INTEGER NOT NULL,"
            " first_tries INTEGER NOT NULL, first_tries_right INTEGER NOT NULL,"
            " last_ms INTEGER NOT NULL,"
            " latest_first_try_ms INTEGER, latest_first_try_id INTEGER, latest_first_try_outcome "
            "INTEGER,"
            " PRIMARY KEY(word_group, position, direction)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS answer_quarters("
                       " quarter INTEGER PRIMARY KEY," // answered_ms / 900000
                       " answers INTEGER NOT NULL, peeks INTEGER NOT NULL,"
                       " first_tries INTEGER NOT NULL, first_tries_right INTEGER NOT NULL)"),
        // The latest first try is the one with the greatest time, then the greatest id, so that
        // answers arriving out of order (two windows, a clock set back) still leave the latest.
        QStringLiteral(
            "CREATE TRIGGER IF NOT EXISTS answers_summaries AFTER INSERT ON answers BEGIN"
            " INSERT INTO word_stats(word_group, position, direction, answers, peeks, misses, "
            "first_tries,"
            "  first_tries_right, last_ms, latest_first_try_ms, latest_first_try_id, "
            "latest_first_try_outcome)"
            " VALUES (NEW.word_group, NEW.position, NEW.direction, NEW.outcome <> 2, NEW.outcome = "
            "2,"
            "  NEW.outcome <> 1, NEW.first_try = 1, NEW.first_try = 1 AND NEW.outcome = 1, "
            "NEW.answered_ms,"
            "  CASE WHEN NEW.first_try = 1 THEN NEW.answered_ms END, CASE WHEN NEW.first_try = 1 "
            "THEN NEW.id END,"
            "  CASE WHEN NEW.first_try = 1 THEN NEW.outcome END)"
            " ON CONFLICT(word_group, position, direction) DO UPDATE SET"
            "  answers = answers + excluded.answers, peeks = peeks + excluded.peeks,"
            "  misses = misses + excluded.misses, first_tries = first_tries + excluded.first_tries,"
            "  first_tries_right = first_tries_right + excluded.first_tries_right,"
            "  last_ms = max(last_ms, excluded.last_ms),"
            "  latest_first_try_outcome = CASE WHEN excluded.latest_first_try_ms IS NOT NULL AND"
            "   (latest_first_try_ms IS NULL OR excluded.latest_first_try_ms > latest_first_try_ms "
            "OR"
            "    (excluded.latest_first_try_ms = latest_first_try_ms AND "
            "excluded.latest_first_try_id > latest_first_try_id))"
            "   THEN excluded.latest_first_try_outcome ELSE latest_first_try_outcome END,"
            "  latest_first_try_id = CASE WHEN excluded.latest_first_try_ms IS NOT NULL AND"
            "   (latest_first_try_ms IS NULL OR excluded.latest_first_try_ms > latest_first_try_ms "
            "OR"
            "    (excluded.latest_first_try_ms = latest_first_try_ms AND "
            "excluded.latest_first_try_id > latest_first_try_id))"
            "   THEN excluded.latest_first_try_id ELSE latest_first_try_id END,"
            "  latest_first_try_ms = CASE WHEN excluded.latest_first_try_ms IS NOT NULL AND"
            "   (latest_first_try_ms IS NULL OR excluded.latest_first_try_ms >= "
            "latest_first_try_ms)"
            "   THEN excluded.latest_first_try_ms ELSE latest_first_try_ms END;"
            " INSERT INTO answer_quarters(quarter, answers, peeks, first_tries, first_tries_right)"
            " VALUES (NEW.answered_ms / 900000, NEW.outcome <> 2, NEW.outcome = 2, NEW.first_try = "
            "1,"
            "  NEW.first_try = 1 AND NEW.outcome = 1)"
            " ON CONFLICT(quarter) DO UPDATE SET answers = answers + excluded.answers,"
            "  peeks = peeks + excluded.peeks, first_tries = first_tries + excluded.first_tries,"
            "  first_tries_right = first_tries_right + excluded.first_tries_right;"
            " END"),
    };
}

QStringList summaryClearSql()
{
    return {QStringLiteral("DELETE FROM word_stats"),
            QStringLiteral("DELETE FROM answer_quarters")};
}

QStringList summaryBackfillSql()
{
    QStringList statements = summaryClearSql();
    statements << QStringLiteral(
        "INSERT INTO word_stats SELECT word_group, position, direction, SUM(outcome <> 2),"
        " SUM(outcome = 2), SUM(outcome <> 1), SUM(first_try = 1),"
        " SUM(first_try = 1 AND outcome = 1), MAX(answered_ms), NULL, NULL, NULL"
        " FROM answers GROUP BY word_group, position, direction");
    statements << QStringLiteral(
        "UPDATE word_stats"
        " SET (latest_first_try_ms, latest_first_try_id, latest_first_try_outcome) ="
        " (SELECT answered_ms, id, outcome FROM answers a"
        " WHERE a.word_group = word_stats.word_group AND a.position = word_stats.position"
        " AND a.direction = word_stats.direction AND a.first_try = 1"
        " ORDER BY answered_ms DESC, id DESC LIMIT 1)");
    statements << QStringLiteral(
        "INSERT INTO answer_quarters SELECT answered_ms / 900000, SUM(outcome <> 2),"
        " SUM(outcome = 2), SUM(first_try = 1), SUM(first_try = 1 AND outcome = 1) FROM answers"
        " GROUP BY answered_ms / 900000");
    return statements;
}

} // namespace record
