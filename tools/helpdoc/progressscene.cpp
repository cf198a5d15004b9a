// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progressscene.h"

#include "helpscenes.h"

#include "progress/progresswindow.h"
#include "record/recordfile.h"
#include "vocabulary/levels.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <random>

namespace {

// Three weeks of answers, most on the first three levels and more of them right as the weeks go
// on; a fixed seed gives the same record on every build.
bool fillSceneRecord(const QString &path)
{
    record::RecordFile file = record::RecordFile::openForWriting(path);
    if (!file.isOpen())
        return false;
    QSqlDatabase db = file.database();
    std::mt19937 random(7);
    std::discrete_distribution<int> levelOf({40, 30, 20, 6, 4, 0, 0, 0, 0, 0});
    QSqlQuery query(db);
    db.transaction();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (int day = 20; day >= 0; --day) {
        if (day % 3 == 2)
            continue; // a day off now and then
        const qint64 start = now.addDays(-day).toMSecsSinceEpoch() - 3600 * 1000;
        query.prepare(QStringLiteral("INSERT INTO sessions(started_ms, ended_ms) VALUES (?, ?)"));
        query.addBindValue(start);
        query.addBindValue(start + 1800 * 1000);
        query.exec();
        const qint64 session = query.lastInsertId().toLongLong();
        query.prepare(QStringLiteral("INSERT INTO answers(session_id, answered_ms, word_group, "
                                     "position, new_at_level, direction, answer_mode,"
                                     " first_try, outcome) VALUES (?, ?, ?, ?, ?, ?, ?, 1, ?)"));
        const int answers = 40 + static_cast<int>(random() % 40);
        for (int i = 0; i < answers; ++i) {
            const auto group = vocabulary::kGroups[random() % 7];
            int level = levelOf(random);
            while (vocabulary::blockSize(group, level) == 0)
                level = (level + 1) % 3;
            const int position =
                vocabulary::blockStart(group, level) +
                static_cast<int>(random() %
                                 static_cast<unsigned>(vocabulary::blockSize(group, level)));
            const bool right = static_cast<int>(random() % 100) < 55 + (20 - day) * 2 - level * 5;
            for (const QVariant &value :
                 {QVariant(session), QVariant(start + i * 20000), QVariant(static_cast<int>(group)),
                  QVariant(position), QVariant(level), QVariant(static_cast<int>(random() % 2)),
                  QVariant(static_cast<int>(random() % 2)), QVariant(right ? 1 : 0)})
                query.addBindValue(value);
            query.exec();
        }
    }
    return db.commit();
}

} // namespace

QImage renderProgressScene()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
    if (!fillSceneRecord(path))
        return {};
    ProgressWindow window(path);
    // The picture shows where a learner's own record lives, not the made-up one's folder.
    for (QLabel *label : window.findChildren<QLabel *>())
        label->setText(
            label->text().replace(QDir::toNativeSeparators(path),
                                  QStringLiteral("~/.local/share/vocarra/progress.sqlite")));
    window.resize(1100, 560);
    window.show();
    QApplication::processEvents();
    return renderForPrint(window);
}
