// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordschema.h"
#include "recordfixture.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

namespace {

enum class Prepared { Nothing, Text, ForeignDatabase, NewerRecord, Record };

// Puts at `path` what the row names.
bool prepare(Prepared what, const QString &path)
{
    switch (what) {
    case Prepared::Nothing: return true;
    case Prepared::Text: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("shopping list: eggs, milk\n") > 0;
    }
    case Prepared::ForeignDatabase: {
        bool done = false;
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(path);
            done = db.open() && QSqlQuery(db).exec(
                                    QStringLiteral("CREATE TABLE photos(id INTEGER PRIMARY KEY)"));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        return done;
    }
    case Prepared::NewerRecord: {
        if (!prepareRecord(path, {}))
            return false;
        record::RecordFile file = record::RecordFile::openForWriting(path);
        return QSqlQuery(file.database())
            .exec(QStringLiteral("PRAGMA user_version = %1").arg(record::kRecordSchemaVersion + 1));
    }
    case Prepared::Record:
        return prepareRecord(path, {{0, 4, 0, true, 1, 1000}, {0, 5, 1, true, 0, 2000}});
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Prepared)

class TestProgressCommand : public QObject
{
    Q_OBJECT

private slots:
    void summary_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<Prepared>("prepared");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // in the output for 0, else on standard error

        const QStringList summary{QStringLiteral("--summary")};
        QTest::newRow("no record")
            << summary << Prepared::Nothing << 2 << QStringLiteral("There is no record at");
        QTest::newRow("a text file")
            << summary << Prepared::Text << 2 << QStringLiteral("cannot be read");
        QTest::newRow("another program's database")
            << summary << Prepared::ForeignDatabase << 2
            << QStringLiteral("some other program's database");
        QTest::newRow("a newer record")
            << summary << Prepared::NewerRecord << 2 << QStringLiteral("newer Vocarra");
        QTest::newRow("an unknown option")
            << QStringList{QStringLiteral("--summary"), QStringLiteral("--colour")}
            << Prepared::Record << 2 << QStringLiteral("Unknown option 'colour'");
        QTest::newRow("a record") << summary << Prepared::Record << 0
                                  << QStringLiteral("1/11      0/35");
    }

    void summary()
    {
        QFETCH(QStringList, options);
        QFETCH(Prepared, prepared);
        QFETCH(int, status);
        QFETCH(QString, said);

        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("vocarra/progress.sqlite"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QVERIFY(prepare(prepared, path));
        QByteArray before;
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            before = file.readAll();

        // The record is found where the learner's own would be, under XDG_DATA_HOME.
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.path());
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(VOCARRA_PROGRESS_PATH), options);
        QVERIFY(process.waitForFinished(20000));
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QCOMPARE(process.exitCode(), status);
        QVERIFY2((status == 0 ? out : err).contains(said), qPrintable(out + err));
        // Reading changes nothing: no record is created, nothing found is moved or rewritten.
        QCOMPARE(QFile::exists(path), prepared != Prepared::Nothing);
        if (QFile file(path); file.open(QIODevice::ReadOnly))
            QCOMPARE(file.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(TestProgressCommand)
#include "tst_progresscommand.moc"
