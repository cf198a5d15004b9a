// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What recording costs: the quiz's share of one answer (handing it to the recorder on the UI
// thread), the writing thread's share (one transaction per answer), and the record's size on disk
// per million answers.
//   build/default/bench/bench_record [answers for the size, default 1000000]
#include "record/answerrecorder.h"
#include "record/recordwriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kAnswers = 10'000;

record::JudgedAnswer sampleAnswer(int i)
{
    record::JudgedAnswer answer;
    answer.group = vocabulary::kGroups[static_cast<std::size_t>(i % vocabulary::kGroupCount)];
    answer.position = (i * 7) % vocabulary::groupSize(answer.group);
    answer.direction =
        i % 2 ? record::Direction::SpanishToEnglish : record::Direction::EnglishToSpanish;
    answer.mode = i % 3 ? record::AnswerMode::Typed : record::AnswerMode::MultipleChoice;
    answer.firstTry = i % 5 != 0;
    answer.outcome = i % 4 ? record::Outcome::Right : record::Outcome::Wrong;
    answer.typed = QStringLiteral("respuesta");
    return answer;
}

struct Figures {
    double medianUs;
    double p99Us;
    double worstUs;
    long overOneMs;
};

Figures figuresOf(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    const auto at = [&](double share) {
        return nanoseconds[static_cast<std::size_t>(share * double(nanoseconds.size() - 1))] /
               1000.0;
    };
    const long overOneMs = std::count_if(nanoseconds.begin(), nanoseconds.end(),
                                         [](qint64 ns) { return ns > 1'000'000; });
    return {at(0.5), at(0.99), nanoseconds.back() / 1000.0, overOneMs};
}

// The UI thread's cost: record() for each answer, timed one by one; the first includes starting
// the writing thread. Back to back, the writing thread is always busy and the queue long; paced
// at one answer per `gapUs` (still far faster than any learner), each finds the thread idle.
void uiThreadCost(const QString &path, int gapUs)
{
    std::vector<qint64> costs;
    costs.reserve(kAnswers);
    QElapsedTimer drain;
    {
        record::AnswerRecorder recorder(path, 1, [] { return true; });
        for (int i = 0; i < kAnswers; ++i) {
            const record::JudgedAnswer answer = sampleAnswer(i);
            QElapsedTimer clock;
            clock.start();
            recorder.record(answer);
            costs.push_back(clock.nsecsElapsed());
            if (gapUs > 0)
                QThread::usleep(static_cast<unsigned long>(gapUs));
        }
        drain.start();
    }
    const Figures figures = figuresOf(costs);
    std::printf("UI thread, one answer handed to the recorder (%d answers, %s):\n"
                "  median %.1f us, 99th percentile %.1f us, worst %.1f us, %ld over 1 ms "
                "(first answer %.1f us)\n",
                kAnswers, gapUs > 0 ? "one per 0.5 ms" : "back to back", figures.medianUs,
                figures.p99Us, figures.worstUs, figures.overOneMs, costs.front() / 1000.0);
    std::printf("  writing thread caught up %.0f ms after the last answer was handed over\n",
                drain.nsecsElapsed() / 1e6);
}

// The same loop timing only a copy of each answer into a list, the least any handing over does:
// its worst shows what the machine itself adds (a busy machine takes the thread away now and
// then), the floor under the worst figure above.
void copyFloor()
{
    std::vector<qint64> costs;
    costs.reserve(kAnswers);
    std::vector<record::JudgedAnswer> copies;
    for (int i = 0; i < kAnswers; ++i) {
        const record::JudgedAnswer answer = sampleAnswer(i);
        QElapsedTimer clock;
        clock.start();
        copies.push_back(answer);
        costs.push_back(clock.nsecsElapsed());
    }
    const Figures figures = figuresOf(costs);
    QFile loadavg(QStringLiteral("/proc/loadavg"));
    const QByteArray load = loadavg.open(QIODevice::ReadOnly) ? loadavg.readLine().trimmed() : "?";
    std::printf("  the same loop copying each answer into a list: median %.1f us, worst %.1f us, "
                "%ld over 1 ms (load average %s)\n",
                figures.medianUs, figures.worstUs, figures.overOneMs, load.constData());
}

// The writing thread's cost: one answer, one transaction, timed one by one.
void writerCost(const QString &path)
{
    record::RecordWriter writer(path, 1);
    std::vector<qint64> costs;
    costs.reserve(kAnswers);
    for (int i = 0; i < kAnswers; ++i) {
        const record::JudgedAnswer answer = sampleAnswer(i);
        QElapsedTimer clock;
        clock.start();
        writer.write(answer, 1000 + i);
        costs.push_back(clock.nsecsElapsed());
    }
    const Figures figures = figuresOf(costs);
    std::printf("Writing thread, one answer in its own transaction (%d answers):\n"
                "  median %.1f us, 99th percentile %.1f us, worst %.1f us, %ld over 1 ms\n",
                kAnswers, figures.medianUs, figures.p99Us, figures.worstUs, figures.overOneMs);
}

// The size on disk of a record of `count` answers with the mix a learner makes: mostly right,
// a quarter wrong, some with the text typed; a session per 50 answers.
void recordSize(const QString &path, int count)
{
    {
        record::RecordWriter writer(path, 1);
        QSqlQuery query(writer.file().database());
        query.exec(QStringLiteral("BEGIN"));
        query.exec(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                " INSERT INTO sessions(id, started_ms, ended_ms) SELECT i + 1,"
                " 1765000000000 + i * 600000, 1765000000000 + i * 600000 + 300000 FROM n")
                .arg(count / 50));
        query.exec(
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1),"
                " r AS (SELECT i, abs(random()) AS x FROM n)"
                " INSERT INTO answers(session_id, answered_ms, word_group, position,"
                " new_at_level, direction, answer_mode, first_try, outcome, typed_text)"
                " SELECT i / 50 + 1, 1765000000000 + i * 6000, x % 7, x % 1200,"
                " (x % 1200) / 120, (x / 7) % 2, (x / 11) % 2, (x / 13) % 5 != 0,"
                " CASE WHEN (x / 17) % 20 = 0 THEN 2 WHEN (x / 17) % 4 = 0 THEN 0 ELSE 1 END,"
                " CASE WHEN (x / 17) % 4 = 0 AND (x / 17) % 20 != 0 AND (x / 11) % 2 = 1"
                " THEN substr('respondiendo', 1, 3 + (x / 19) % 9) END FROM r")
                .arg(count - 1));
        query.exec(QStringLiteral("COMMIT"));
        query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    const double bytes = QFileInfo(path).size();
    std::printf("Record of %d answers: %.1f MB on disk, %.1f MB per 1,000,000 answers "
                "(indexes included; %s)\n",
                count, bytes / 1e6, bytes / 1e6 * 1e6 / count,
                count == 1'000'000 ? "measured" : "extrapolated");
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int sizeAnswers = argc > 1 ? QByteArray(argv[1]).toInt() : 1'000'000;
    QTemporaryDir dir;
    uiThreadCost(dir.filePath(QStringLiteral("paced.sqlite")), 500);
    uiThreadCost(dir.filePath(QStringLiteral("burst.sqlite")), 0);
    copyFloor();
    writerCost(dir.filePath(QStringLiteral("writer.sqlite")));
    recordSize(dir.filePath(QStringLiteral("size.sqlite")), std::max(sizeAnswers, 1000));
    return 0;
}
