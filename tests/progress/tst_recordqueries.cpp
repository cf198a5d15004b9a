// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordforget.h"
#include "record/recordqueries.h"
#include "record/recordsummaries.h"
#include "record/recordwriter.h"
#include "recordfixture.h"

#include <QSqlError>
#include <QTemporaryDir>
#include <QTest>

using record::DirectionFilter;

namespace {

constexpr int kNouns = 0;
constexpr int kPronouns = 2;
constexpr bool kFirst = true;
constexpr bool kLater = false;
constexpr int kWrong = 0;
constexpr int kRight = 1;
constexpr int kPeek = 2;
constexpr int kEs = 0; // English to Spanish
constexpr int kSe = 1;

// Positions of the missed list, each with its times missed.
using MissedList = QList<QPair<int, int>>;

struct Expected {
    std::array<int, 3> known; // English to Spanish, Spanish to English, either
    std::array<int, 3> seen;
};

} // namespace

Q_DECLARE_METATYPE(PreparedAnswer)
Q_DECLARE_METATYPE(Expected)

class TestRecordQueries : public QObject
{
    Q_OBJECT

private slots:
    // Each row answers about one cell: nouns (or pronouns) of one level; `missed` lists the
    // positions of that group expected in the missed list, each with its times missed.
    void masteryAndMissed_data()
    {
        QTest::addColumn<QList<PreparedAnswer>>("answers");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("level");
        QTest::addColumn<Expected>("expected");
        QTest::addColumn<MissedList>("missed");

        QTest::newRow("right at the first try")
            << QList<PreparedAnswer>{{kNouns, 3, kEs, kFirst, kRight, 1000}} << kNouns << 0
            << Expected{{1, 0, 1}, {1, 0, 1}} << MissedList{};
        QTest::newRow("wrong, then right at a later try")
            << QList<PreparedAnswer>{{kNouns, 3, kEs, kFirst, kWrong, 1000},
                                     {kNouns, 3, kEs, kLater, kRight, 2000}}
            << kNouns << 0 << Expected{{0, 0, 0}, {1, 0, 1}} << MissedList{{3, 1}};
        QTest::newRow("missed once, right at the next first try")
            << QList<PreparedAnswer>{{kNouns, 3, kEs, kFirst, kWrong, 1000},
                                     {kNouns, 3, kEs, kFirst, kRight, 9000}}
            << kNouns << 0 << Expected{{1, 0, 1}, {1, 0, 1}} << MissedList{};
        QTest::newRow("a Peek at the first try is not knowing")
            << QList<PreparedAnswer>{{kNouns, 20, kSe, kFirst, kPeek, 1000},
                                     {kNouns, 20, kSe, kLater, kRight, 1500}}
            << kNouns << 1 << Expected{{0, 0, 0}, {0, 1, 1}} << MissedList{{20, 1}};
        QTest::newRow("known one way, missed the other")
            << QList<PreparedAnswer>{{kNouns, 12, kEs, kFirst, kRight, 1000},
                                     {kNouns, 12, kSe, kFirst, kWrong, 2000}}
            << kNouns << 1 << Expected{{1, 0, 1}, {1, 1, 1}} << MissedList{{12, 1}};
        QTest::newRow("the same millisecond: the answer recorded last counts")
            << QList<PreparedAnswer>{{kNouns, 0, kEs, kFirst, kRight, 5000},
                                     {kNouns, 0, kEs, kFirst, kWrong, 5000}}
            << kNouns << 0 << Expected{{0, 0, 0}, {1, 0, 1}} << MissedList{{0, 1}};
        QTest::newRow("an older answer recorded late does not count as the latest")
            << QList<PreparedAnswer>{{kNouns, 0, kEs, kFirst, kRight, 5000},
                                     {kNouns, 0, kEs, kFirst, kWrong, 4000}}
            << kNouns << 0 << Expected{{1, 0, 1}, {1, 0, 1}} << MissedList{};
        QTest::newRow("words of other levels stay out of the cell")
            << QList<PreparedAnswer>{{kNouns, 10, kEs, kFirst, kRight, 1000},
                                     {kNouns, 11, kEs, kFirst, kRight, 1000}}
            << kNouns << 0 << Expected{{1, 0, 1}, {1, 0, 1}} << MissedList{};
        // Pronouns bring no new words at 400 to 700 Words; position 25 is new at 800 Words.
        QTest::newRow("a level after empty ones")
            << QList<PreparedAnswer>{{kPronouns, 25, kSe, kFirst, kRight, 1000}} << kPronouns << 7
            << Expected{{0, 1, 1}, {0, 1, 1}} << MissedList{};
        QTest::newRow("positions beyond the lists are left out")
            << QList<PreparedAnswer>{{kNouns, 563, kEs, kFirst, kWrong, 1000},
                                     {kNouns, 9999, kEs, kFirst, kWrong, 1000}}
            << kNouns << 9 << Expected{{0, 0, 0}, {0, 0, 0}} << MissedList{};
    }

    void masteryAndMissed()
    {
        QFETCH(QList<PreparedAnswer>, answers);
        QFETCH(int, group);
        QFETCH(int, level);
        QFETCH(Expected, expected);
        QFETCH(MissedList, missed);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, answers));

        record::RecordFile file = record::RecordFile::openForWriting(path);
        QVERIFY2(file.isOpen(), qPrintable(file.message()));
        // The running totals that the trigger kept must be what a fresh count gives, as the
        // migration fills them for an older record.
        for (bool recounted : {false, true}) {
            if (recounted) {
                QSqlQuery query(file.database());
                for (const QString &statement : record::summaryBackfillSql())
                    QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
            }
            const std::optional<record::Mastery> mastery = record::queryMastery(file.database());
            QVERIFY(mastery);
            const auto g = static_cast<vocabulary::Group>(group);
            const std::array filters{DirectionFilter::EnglishToSpanish,
                                     DirectionFilter::SpanishToEnglish, DirectionFilter::Either};
            for (std::size_t f = 0; f < filters.size(); ++f) {
                const record::MasteryCell &cell = mastery->map(filters[f]).cell(g, level);
                QCOMPARE(cell.known, expected.known[f]);
                QCOMPARE(cell.seen, expected.seen[f]);
                QCOMPARE(cell.total, vocabulary::blockSize(g, level));
            }
            const std::optional<QList<record::MissedWord>> words =
                record::queryMissed(file.database());
            QVERIFY(words);
            MissedList found;
            for (const record::MissedWord &word : *words) {
                QCOMPARE(static_cast<int>(word.group), group);
                QCOMPARE(word.level, level);
                found << qMakePair(word.position, word.timesMissed);
            }
            QCOMPARE(found, missed);
        }
    }

    void trend_countsLocalDaysInTheRange()
    {
        const QDate today(2026, 12, 9);
        const auto at = [](QDate day, int hour, int minute) {
            return QDateTime(day, QTime(hour, minute)).toMSecsSinceEpoch();
        };
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(
            prepareRecord(path, {
                                    {kNouns, 1, kEs, kFirst, kRight, at(today, 0, 5)},
                                    {kNouns, 2, kEs, kFirst, kWrong, at(today, 23, 55)},
                                    {kNouns, 2, kEs, kLater, kRight, at(today, 23, 56)},
                                    {kNouns, 3, kEs, kFirst, kPeek, at(today.addDays(-1), 23, 59)},
                                    {kNouns, 4, kEs, kFirst, kRight, at(today.addDays(-40), 12, 0)},
                                }));
        const record::RecordFile file = record::RecordFile::openForReading(path);
        QVERIFY2(file.isOpen(), qPrintable(file.message()));

        const std::optional<QList<record::TrendDay>> month =
            record::queryTrend(file.database(), {30}, today);
        QVERIFY(month);
        QCOMPARE(month->size(), 2);
        QCOMPARE(month->at(0).day, today.addDays(-1));
        QCOMPARE(month->at(0).answers, 0); // a Peek is no answer
        QCOMPARE(month->at(0).firstTries, 1);
        QCOMPARE(month->at(1).day, today);
        QCOMPARE(month->at(1).answers, 3);
        QCOMPARE(month->at(1).firstTries, 2);
        QCOMPARE(month->at(1).firstTriesRight, 1);

        const std::optional<QList<record::TrendDay>> all =
            record::queryTrend(file.database(), {}, today);
        QVERIFY(all);
        QCOMPARE(all->size(), 3);
        QCOMPARE(all->first().day, today.addDays(-40));
    }

    // A window that is recording while the learner forgets goes on recording into the same
    // file; the next reader sees only what came after.
    void forget_emptiesTheRecordAndLetsARecordingWindowGoOn()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, {{kNouns, 1, kEs, kFirst, kWrong, 1000},
                                     {kNouns, 2, kEs, kFirst, kRight, 2000}}));
        record::RecordWriter recording(path, 3000);
        record::JudgedAnswer answer;
        answer.position = 4;
        QVERIFY(recording.write(answer, 3500));

        QString error;
        QVERIFY2(record::forgetRecord(path, &error), qPrintable(error));

        answer.position = 5;
        answer.outcome = record::Outcome::Wrong;
        QVERIFY2(recording.write(answer, 4000), qPrintable(recording.error()));
        const record::RecordFile reader = record::RecordFile::openForReading(path);
        const std::optional<record::Totals> totals = record::queryTotals(reader.database());
        QVERIFY(totals);
        QCOMPARE(totals->answers, 1);
        QCOMPARE(totals->sessions, 1);
        const std::optional<QList<record::MissedWord>> missed =
            record::queryMissed(reader.database());
        QCOMPARE(missed->size(), 1);
        QCOMPARE(missed->first().position, 5);
    }

    void forget_leavesWhatIsNoRecordAlone_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("no file") << QByteArray() << true;
        QTest::newRow("some other file")
            << QByteArray("not a database at all, but the learner's notes\n") << false;
    }

    void forget_leavesWhatIsNoRecordAlone()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, succeeds);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QCOMPARE(record::forgetRecord(path), succeeds);
        QCOMPARE(QFile::exists(path), !content.isEmpty());
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), content);
        }
    }
};

QTEST_GUILESS_MAIN(TestRecordQueries)
#include "tst_recordqueries.moc"
