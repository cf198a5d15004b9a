// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordgenerator.h"

#include "vocabulary/levels.h"

#include <QSqlQuery>
#include <QVariant>

#include <random>

namespace bench {

bool fillRecord(QSqlDatabase &db, int answers, int days, qint64 endMs, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Low levels come up far more often than high ones, as a learner works upwards.
    std::discrete_distribution<int> levelOf({30, 20, 14, 10, 8, 6, 5, 3, 2, 2});
    std::discrete_distribution<int> groupOf({563, 800, 27, 208, 75, 20, 14});

    constexpr qint64 kDayMs = 24LL * 3600 * 1000;
    const qint64 startMs = endMs - days * kDayMs;
    const qint64 stepMs = std::max<qint64>(1, (endMs - startMs) / std::max(1, answers));

    if (!db.transaction())
        return false;
    QSqlQuery session(db);
    session.prepare(QStringLiteral("INSERT INTO sessions(started_ms, ended_ms) VALUES (?, ?)"));
    QSqlQuery answer(db);
    answer.prepare(QStringLiteral(
        "INSERT INTO answers(session_id, answered_ms, word_group, position, new_at_level, "
        "direction,"
        " answer_mode, first_try, outcome, typed_text) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    qint64 sessionId = 0;
    qint64 now = startMs;
    for (int i = 0; i < answers; ++i) {
        if (i % 100 == 0) {
            session.addBindValue(now);
            session.addBindValue(now + 100 * stepMs);
            if (!session.exec())
                return false;
            sessionId = session.lastInsertId().toLongLong();
        }
        now += stepMs;
        const auto group = static_cast<vocabulary::Group>(groupOf(random));
        int level = levelOf(random);
        while (vocabulary::blockSize(group, level) == 0)
            level = (level + 1) % vocabulary::kLevelCount;
        const int position =
            vocabulary::blockStart(group, level) +
            static_cast<int>(random() % static_cast<unsigned>(vocabulary::blockSize(group, level)));
        const bool typed = unit(random) < 0.4;
        const bool firstTry = unit(random) < 0.8;
        const double roll = unit(random);
        const int outcome = roll < 0.02 ? 2 : roll < 0.78 - 0.03 * level ? 1 : 0;
        answer.addBindValue(sessionId);
        answer.addBindValue(now);
        answer.addBindValue(static_cast<int>(group));
        answer.addBindValue(position);
        answer.addBindValue(level);
        answer.addBindValue(static_cast<int>(random() % 2));
        answer.addBindValue(typed ? 1 : 0);
        answer.addBindValue(firstTry ? 1 : 0);
        answer.addBindValue(outcome);
        answer.addBindValue(typed && outcome == 0 ? QVariant(QStringLiteral("tengo")) : QVariant());
        if (!answer.exec())
            return false;
    }
    return db.commit();
}

} // namespace bench
