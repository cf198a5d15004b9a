// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writing answers into the record: the rows as written, two programs writing at once and killed
// right after their answers, a lock held by another program, and recording turned off.
#include "recordfixtures.h"

#include "record/answerrecorder.h"
#include "record/recordfile.h"
#include "record/recordwriter.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include <iostream>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;
using record::AnswerMode;
using record::JudgedAnswer;
using record::Outcome;

namespace {

JudgedAnswer answerAt(int position, Outcome outcome = Outcome::Right)
{
    JudgedAnswer answer;
    answer.group = vocabulary::Group::Nouns;
    answer.position = position;
    answer.outcome = outcome;
    return answer;
}

int answerCount(const QString &path)
{
    return fixtures::scalar(path, u"SELECT count(*) FROM answers"_s).toInt();
}

const bool alwaysOn = true;
std::function<bool()> enabled(bool on)
{
    return [on] { return on; };
}

int sessionAnswers(const QString &path, qint64 sessionStartMs)
{
    return fixtures::scalar(path,
                            u"SELECT count(*) FROM answers a JOIN sessions s ON"
                            " s.id = a.session_id WHERE s.started_ms = %1"_s.arg(sessionStartMs))
        .toInt();
}

// A child's part of the kill test: a program that records `count` answers under a session
// started at `sessionStartMs`, waits until they are all in the file, says so, and waits to be
// killed.
int recordThenWait(const QString &path, int count, qint64 sessionStartMs)
{
    record::AnswerRecorder recorder(path, sessionStartMs, enabled(alwaysOn));
    for (int i = 0; i < count; ++i)
        recorder.record(answerAt(i % 50, i % 3 ? Outcome::Right : Outcome::Wrong));
    for (int waited = 0; sessionAnswers(path, sessionStartMs) < count; waited += 10) {
        if (waited > 20'000)
            return 1;
        QThread::msleep(10);
    }
    std::cout << "recorded" << std::endl;
    for (;;)
        QThread::sleep(1);
}

} // namespace

class TestRecorder : public QObject
{
    Q_OBJECT

private slots:
    void writtenRow_data()
    {
        QTest::addColumn<JudgedAnswer>("answer");
        QTest::addColumn<QVariant>("typedText");
        const QString accents = u"él está aquí mañana"_s;
        // 199 letters and an emoji: the emoji is the 200th character and stays whole.
        const QString emojiAtLimit = QString(199, u'a') + u"😀tail"_s;
        const QString long300 = QString(300, u'b');
        const auto typed = [](Outcome outcome, const QString &text) {
            JudgedAnswer answer = answerAt(5, outcome);
            answer.mode = AnswerMode::Typed;
            answer.typed = text;
            return answer;
        };
        QTest::newRow("typed right: text not kept")
            << typed(Outcome::Right, u"día"_s) << QVariant();
        QTest::newRow("typed wrong with accents")
            << typed(Outcome::Wrong, accents) << QVariant(accents);
        QTest::newRow("typed wrong, 300 letters")
            << typed(Outcome::Wrong, long300) << QVariant(QString(200, u'b'));
        QTest::newRow("typed wrong, emoji at the cut")
            << typed(Outcome::Wrong, emojiAtLimit) << QVariant(QString(199, u'a') + u"😀"_s);
        QTest::newRow("typed peek: text not kept") << typed(Outcome::Peek, u"x"_s) << QVariant();
        QTest::newRow("choice wrong: no text") << answerAt(5, Outcome::Wrong) << QVariant();
    }

    void writtenRow()
    {
        QFETCH(JudgedAnswer, answer);
        QFETCH(QVariant, typedText);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        {
            record::RecordWriter writer(path, 1000);
            QVERIFY(writer.isOpen());
            QVERIFY2(writer.write(answer, 2000), qPrintable(writer.error()));
            QVERIFY(writer.endSession(3000));
        }
        const QVariant stored = fixtures::scalar(path, u"SELECT typed_text FROM answers"_s);
        QCOMPARE(stored.isNull(), typedText.isNull());
        if (!typedText.isNull())
            QCOMPARE(stored.toString(), typedText.toString());
        QCOMPARE(fixtures::scalar(path, u"SELECT group_concat(started_ms || ',' || ended_ms)"
                                        " FROM sessions"_s)
                     .toString(),
                 u"1000,3000"_s);
        QCOMPARE(fixtures::scalar(path,
                                  u"SELECT answered_ms || ',' || word_group || ',' || position"
                                  " || ',' || new_at_level || ',' || direction || ',' ||"
                                  " answer_mode || ',' || first_try || ',' || outcome"
                                  " FROM answers"_s)
                     .toString(),
                 u"2000,0,5,0,0,%1,1,%2"_s.arg(int(answer.mode)).arg(int(answer.outcome)));
    }

    // The learner forgets the record while a session runs: its next answer is recorded under
    // the same session, whose row comes back.
    void forgottenWhileRecording_sessionComesBack()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        record::RecordWriter writer(path, 1000);
        QVERIFY(writer.write(answerAt(1), 2000));
        fixtures::withDatabase(path, [](QSqlDatabase &database) {
            fixtures::exec(database, u"DELETE FROM answers"_s);
            fixtures::exec(database, u"DELETE FROM sessions"_s);
        });
        QVERIFY(writer.write(answerAt(2), 3000));
        QVERIFY(writer.endSession(4000));
        QCOMPARE(fixtures::scalar(path, u"SELECT group_concat(s.started_ms || ',' || s.ended_ms"
                                        " || ',' || a.position) FROM answers a JOIN sessions s"
                                        " ON s.id = a.session_id"_s)
                     .toString(),
                 u"1000,4000,2"_s);
    }

    // A full disk, stood in for by a page limit on the writer's connection: the answer is
    // refused as unwritable, and the earlier answers stay.
    void fullDisk_refusesTheAnswerKeepsTheRest()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        record::RecordWriter writer(path, 1000);
        QVERIFY(writer.write(answerAt(1), 2000));
        QSqlQuery limit(writer.file().database());
        QVERIFY(limit.exec(u"PRAGMA max_page_count = 1"_s)); // no further page can be added
        limit.finish();
        JudgedAnswer big = answerAt(2, Outcome::Wrong);
        big.mode = AnswerMode::Typed;
        int refused = -1;
        for (int i = 0; i < 500 && refused < 0; ++i) {
            big.typed = QString(200, QChar(u'a' + i % 26));
            if (!writer.write(big, 3000 + i))
                refused = i;
        }
        QVERIFY(refused >= 0);
        QCOMPARE(writer.errorStatus(), record::RecordStatus::Unwritable);
        QVERIFY2(writer.error().contains(u"full"_s), qPrintable(writer.error()));
        QCOMPARE(answerCount(path), 1 + refused);
    }

    // A position past its group's words names no word: refused, nothing written.
    void positionPastTheGroup_isRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        record::RecordWriter writer(path, 1000);
        QVERIFY(!writer.write(answerAt(vocabulary::groupSize(vocabulary::Group::Nouns)), 2000));
        QVERIFY(writer.write(answerAt(0), 2001));
        QCOMPARE(answerCount(path), 1);
    }

    // Two programs recording into one record at the same time, both killed (SIGKILL: no exit
    // handlers, no closing of the database) right after their answers: every answer of each is
    // there, each under its own session, and the record goes on.
    void twoProgramsKilledAfterAnswers_keepEveryAnswer()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        constexpr int kEach = 200;
        const QList<qint64> starts{100, 200};
        std::vector<std::unique_ptr<QProcess>> children;
        for (qint64 start : starts) {
            children.push_back(std::make_unique<QProcess>());
            children.back()->start(
                QCoreApplication::applicationFilePath(),
                {u"--record-then-wait"_s, path, QString::number(kEach), QString::number(start)});
        }
        for (auto &child : children) {
            QByteArray said;
            QTRY_VERIFY2_WITH_TIMEOUT(
                (said += child->readAllStandardOutput()).contains("recorded"),
                qPrintable(QString::fromLocal8Bit(child->readAllStandardError()) +
                           record::setAsideFiles(path).join(u' ')),
                30'000);
        }
        for (auto &child : children) {
            child->kill();
            QVERIFY(child->waitForFinished());
        }

        QCOMPARE(record::RecordFile::openForReading(path).status(), record::RecordStatus::Ready);
        for (qint64 start : starts)
            QCOMPARE(sessionAnswers(path, start), kEach);
        // Each cut-off session still has an end: its last answer.
        QCOMPARE(fixtures::scalar(path, u"SELECT count(*) FROM sessions s WHERE ended_ms = (SELECT"
                                        " max(answered_ms) FROM answers WHERE session_id = s.id)"_s)
                     .toInt(),
                 2);
        record::RecordWriter next(path, 5);
        QCOMPARE(next.file().status(), record::RecordStatus::Ready);
        QVERIFY(next.write(answerAt(1), 6));
    }

    // Another program holding the record's write lock costs answers, said once, and never the
    // quiz's time; once the lock is gone, answers are recorded again.
    void lockHeldElsewhere_saidOnceThenRecordsAgain()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        {
            const auto created = record::RecordFile::openForWriting(path);
        }
        record::AnswerRecorder recorder(path, 1, enabled(alwaysOn));
        QSignalSpy problems(&recorder, &record::AnswerRecorder::problem);
        fixtures::withDatabase(path, [&](QSqlDatabase &database) {
            fixtures::exec(database, u"BEGIN EXCLUSIVE"_s);
            recorder.record(answerAt(1));
            recorder.record(answerAt(2));
            QTRY_COMPARE_WITH_TIMEOUT(problems.count(), 1, 10'000);
            QVERIFY(problems.first().first().toString().contains(u"locked"_s));
            fixtures::exec(database, u"ROLLBACK"_s);
        });
        // Answers in the moments after the lock go unrecorded; then they are recorded again.
        const QString third = u"SELECT count(*) FROM answers WHERE position = 3"_s;
        QTRY_VERIFY_WITH_TIMEOUT(
            (recorder.record(answerAt(3)), fixtures::scalar(path, third).toInt() > 0), 15'000);
        QCOMPARE(
            fixtures::scalar(path, u"SELECT count(*) FROM answers WHERE position < 3"_s).toInt(),
            0);
        QCOMPARE(problems.count(), 1);
    }

    void unwritableOrOff_quizGoesOnUnrecorded_data()
    {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("problems");
        QTest::newRow("recording off") << false << u"progress.sqlite"_s << 0;
        QTest::newRow("folder under a file") << true << u"plain-file/progress.sqlite"_s << 1;
    }

    void unwritableOrOff_quizGoesOnUnrecorded()
    {
        QFETCH(bool, on);
        QFETCH(QString, place);
        QFETCH(int, problems);
        QTemporaryDir dir;
        fixtures::writeBytes(dir.filePath(u"plain-file"_s), "x");
        const QString path = dir.filePath(place);
        {
            record::AnswerRecorder recorder(path, 1, enabled(on));
            QSignalSpy said(&recorder, &record::AnswerRecorder::problem);
            for (int i = 0; i < 5; ++i)
                recorder.record(answerAt(i));
            QTRY_COMPARE(said.count(), problems);
        }
        QVERIFY(!QFileInfo::exists(path));
    }
};

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], "--record-then-wait") == 0)
        return recordThenWait(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt(),
                              QByteArray(argv[4]).toLongLong());
    TestRecorder test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recorder.moc"
