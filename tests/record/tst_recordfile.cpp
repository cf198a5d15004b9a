// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the record over every kind of file the learner's disk may hold at its place: what is
// found, what becomes of the file, and that nothing unknown is ever overwritten or deleted.
#include "recordfixtures.h"

#include "record/recordfile.h"
#include "record/recordlocation.h"
#include "record/wordidentity.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTimeZone>

using namespace Qt::StringLiterals;
using record::RecordFile;
using record::RecordStatus;

namespace {

// What lies at the record's place before it is opened.
enum class Found {
    Nothing,
    EmptyFile,
    CurrentRecord,
    FirstSchemaRecord,
    TextFile,
    TruncatedRecord,
    ForeignDatabase,
    NewerSchemaRecord,
    ParentIsAFile,
};

QString recordPathIn(const QTemporaryDir &dir, Found found)
{
    return found == Found::ParentIsAFile ? dir.filePath(u"plain-file/progress.sqlite"_s)
                                         : dir.filePath(u"progress.sqlite"_s);
}

void prepare(const QTemporaryDir &dir, Found found)
{
    const QString path = recordPathIn(dir, found);
    switch (found) {
    case Found::Nothing: break;
    case Found::EmptyFile: fixtures::writeBytes(path, {}); break;
    case Found::CurrentRecord: {
        const RecordFile file = RecordFile::openForWriting(path);
        QCOMPARE(file.status(), RecordStatus::Created);
        break;
    }
    case Found::FirstSchemaRecord: fixtures::writeFirstSchemaRecord(path); break;
    case Found::TextFile: fixtures::writeBytes(path, "progress: 12 words\n"); break;
    case Found::TruncatedRecord: {
        fixtures::writeFirstSchemaRecord(
            path, {u"WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
                   " INSERT INTO sessions(started_ms) SELECT i FROM n"_s});
        QFile file(path);
        QVERIFY(file.size() > 4 * 4096);
        QVERIFY(file.resize(2 * 4096));
        break;
    }
    case Found::ForeignDatabase:
        fixtures::withDatabase(path, [](QSqlDatabase &database) {
            fixtures::exec(database, u"CREATE TABLE notes(id INTEGER PRIMARY KEY, text TEXT)"_s);
            fixtures::exec(database, u"INSERT INTO notes(text) VALUES('keep me')"_s);
        });
        break;
    case Found::NewerSchemaRecord:
        fixtures::writeFirstSchemaRecord(
            path, {u"INSERT INTO sessions(started_ms) VALUES(1)"_s,
                   u"PRAGMA user_version = %1"_s.arg(record::kRecordSchemaVersion + 1)});
        // writeFirstSchemaRecord stamps version 1 last; stamp the newer one after it.
        fixtures::withDatabase(path, [](QSqlDatabase &database) {
            fixtures::exec(database,
                           u"PRAGMA user_version = %1"_s.arg(record::kRecordSchemaVersion + 1));
        });
        break;
    case Found::ParentIsAFile: fixtures::writeBytes(dir.filePath(u"plain-file"_s), "x"); break;
    }
}

} // namespace

class TestRecordFile : public QObject
{
    Q_OBJECT

private slots:
    void openForWriting_data()
    {
        QTest::addColumn<Found>("found");
        QTest::addColumn<RecordStatus>("status");
        QTest::addColumn<bool>("keptAside");
        QTest::newRow("nothing there") << Found::Nothing << RecordStatus::Created << false;
        QTest::newRow("empty file") << Found::EmptyFile << RecordStatus::Created << false;
        QTest::newRow("current record") << Found::CurrentRecord << RecordStatus::Ready << false;
        QTest::newRow("first schema")
            << Found::FirstSchemaRecord << RecordStatus::Migrated << false;
        QTest::newRow("text file") << Found::TextFile << RecordStatus::MovedAside << true;
        QTest::newRow("truncated") << Found::TruncatedRecord << RecordStatus::MovedAside << true;
        QTest::newRow("foreign database")
            << Found::ForeignDatabase << RecordStatus::MovedAside << true;
        QTest::newRow("newer schema")
            << Found::NewerSchemaRecord << RecordStatus::NewerSchema << false;
        QTest::newRow("parent is a file")
            << Found::ParentIsAFile << RecordStatus::Unwritable << false;
    }

    void openForWriting()
    {
        QFETCH(Found, found);
        QFETCH(RecordStatus, status);
        QFETCH(bool, keptAside);
        QTemporaryDir dir;
        prepare(dir, found);
        const QString path = recordPathIn(dir, found);
        const QByteArray before = fixtures::readBytes(path);

        {
            const RecordFile file = RecordFile::openForWriting(path);
            QCOMPARE(file.status(), status);
            QVERIFY(!file.message().isEmpty());
            QVERIFY(!file.message().contains(u'\n'));
            const bool writable =
                status != RecordStatus::NewerSchema && status != RecordStatus::Unwritable;
            QCOMPARE(file.isOpen(), writable);
            QCOMPARE(file.movedAsidePath().isEmpty(), !keptAside);
            if (keptAside) {
                // The file is kept byte for byte under the dated name the message gives.
                QCOMPARE(fixtures::readBytes(file.movedAsidePath()), before);
                QVERIFY(file.message().contains(file.movedAsidePath()));
                QCOMPARE(record::setAsideFiles(path), QStringList{file.movedAsidePath()});
            }
        }
        if (status == RecordStatus::NewerSchema) {
            QCOMPARE(fixtures::readBytes(path), before);
            QVERIFY(record::setAsideFiles(path).isEmpty());
        }
        if (status != RecordStatus::NewerSchema && status != RecordStatus::Unwritable) {
            QCOMPARE(fixtures::scalar(path, u"PRAGMA user_version"_s).toInt(),
                     record::kRecordSchemaVersion);
            QCOMPARE(fixtures::scalar(path, u"PRAGMA application_id"_s).toInt(),
                     record::kRecordApplicationId);
            QCOMPARE(fixtures::scalar(path, u"PRAGMA journal_mode"_s).toString(), u"wal"_s);
            // Every index the views count with is there.
            QCOMPARE(fixtures::scalar(path, u"SELECT count(*) FROM sqlite_master WHERE type ="
                                            " 'index' AND name IN ('answers_word_latest',"
                                            " 'answers_time')"_s)
                         .toInt(),
                     2);
        }
    }

    void openForReading_data()
    {
        QTest::addColumn<Found>("found");
        QTest::addColumn<RecordStatus>("status");
        QTest::newRow("nothing there") << Found::Nothing << RecordStatus::Missing;
        QTest::newRow("empty file") << Found::EmptyFile << RecordStatus::Missing;
        QTest::newRow("current record") << Found::CurrentRecord << RecordStatus::Ready;
        QTest::newRow("first schema") << Found::FirstSchemaRecord << RecordStatus::OlderSchema;
        QTest::newRow("text file") << Found::TextFile << RecordStatus::Damaged;
        QTest::newRow("truncated") << Found::TruncatedRecord << RecordStatus::Damaged;
        QTest::newRow("foreign database") << Found::ForeignDatabase << RecordStatus::Damaged;
        QTest::newRow("newer schema") << Found::NewerSchemaRecord << RecordStatus::NewerSchema;
        QTest::newRow("parent is a file") << Found::ParentIsAFile << RecordStatus::Missing;
    }

    // A reader finds out what is there and changes nothing: no file made, moved or migrated.
    void openForReading()
    {
        QFETCH(Found, found);
        QFETCH(RecordStatus, status);
        QTemporaryDir dir;
        prepare(dir, found);
        const QString path = recordPathIn(dir, found);
        const bool existed = QFileInfo::exists(path);
        const QByteArray before = fixtures::readBytes(path);
        {
            const RecordFile file = RecordFile::openForReading(path);
            QCOMPARE(file.status(), status);
            QCOMPARE(file.isOpen(), status == RecordStatus::Ready);
            QVERIFY(!file.message().isEmpty());
        }
        QCOMPARE(QFileInfo::exists(path), existed);
        QCOMPARE(fixtures::readBytes(path), before);
        QVERIFY(record::setAsideFiles(path).isEmpty());
    }

    void migration_keepsAnswersAndFindsTheirLevels()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        // Verbs: the first position of level 0, the last of level 3, the first of level 9.
        const auto verbs = vocabulary::Group::Verbs;
        const QList<int> positions{0, vocabulary::blockStart(verbs, 4) - 1,
                                   vocabulary::blockStart(verbs, 9)};
        QStringList inserts{u"INSERT INTO sessions(id, started_ms, ended_ms) VALUES(1, 10, 20)"_s};
        for (int position : positions)
            inserts
                << u"INSERT INTO answers(session_id, answered_ms, word_group, position,"
                   " direction, answer_mode, first_try, outcome) VALUES(1, 15, 1, %1, 0, 1, 1, 0)"_s
                       .arg(position);
        fixtures::writeFirstSchemaRecord(path, inserts);

        QCOMPARE(RecordFile::openForWriting(path).status(), RecordStatus::Migrated);

        QCOMPARE(fixtures::scalar(path, u"SELECT count(*) FROM answers"_s).toInt(), 3);
        QCOMPARE(fixtures::scalar(path, u"SELECT count(*) FROM answers WHERE typed_text IS NULL"_s)
                     .toInt(),
                 3);
        for (int position : positions) {
            const int expected = record::newAtLevel(verbs, position);
            QCOMPARE(
                fixtures::scalar(
                    path, u"SELECT new_at_level FROM answers WHERE position = %1"_s.arg(position))
                    .toInt(),
                expected);
        }
        QCOMPARE(record::newAtLevel(verbs, positions[1]), 3);
        QCOMPARE(record::newAtLevel(verbs, positions[2]), 9);
        QCOMPARE(fixtures::scalar(path, u"SELECT ended_ms FROM sessions"_s).toInt(), 20);
        // Opened again, it is simply ready.
        QCOMPARE(RecordFile::openForWriting(path).status(), RecordStatus::Ready);
    }

    // Two files set aside in the same second keep apart, and neither is overwritten.
    void setAside_neverReusesAName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"progress.sqlite"_s);
        const QDateTime when(QDate(2026, 12, 9), QTime(2, 30, 5), Qt::UTC);
        const QString first = record::setAsidePath(path, when);
        QCOMPARE(QFileInfo(first).fileName(), u"progress.set-aside-20261209-023005.sqlite"_s);
        fixtures::writeBytes(first, "one");
        const QString second = record::setAsidePath(path, when);
        QCOMPARE(QFileInfo(second).fileName(), u"progress.set-aside-20261209-023005-2.sqlite"_s);
    }

    void defaultRecordPath_data()
    {
        QTest::addColumn<QByteArray>("dataHome");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath();
        QTest::newRow("set") << QByteArray("/data/learner")
                             << u"/data/learner/vocarra/progress.sqlite"_s;
        QTest::newRow("trailing slash")
            << QByteArray("/data/learner/") << u"/data/learner/vocarra/progress.sqlite"_s;
        QTest::newRow("empty") << QByteArray("")
                               << home + u"/.local/share/vocarra/progress.sqlite"_s;
        QTest::newRow("relative") << QByteArray("data")
                                  << home + u"/.local/share/vocarra/progress.sqlite"_s;
    }

    void defaultRecordPath()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", dataHome);
        const QString path = record::defaultRecordPath();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(path, expected);
    }
};

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
