// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progresswindow.h"
#include "progress/recordwatcher.h"
#include "record/recordsettings.h"
#include "recordfixture.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Nouns 0 and 1 known towards Spanish, noun 2 missed towards English; 11 nouns at "100 Words".
const QList<PreparedAnswer> kAnswers{{0, 0, 0, true, 1, 1000},
                                     {0, 1, 0, true, 1, 2000},
                                     {0, 2, 1, true, 0, 3000},
                                     {0, 2, 1, false, 1, 4000}};

bool recordAnswer(const QString &path, int position, qint64 ms)
{
    record::RecordFile file = record::RecordFile::openForWriting(path);
    return file.isOpen() &&
           QSqlQuery(file.database())
               .exec(QStringLiteral(
                         "INSERT INTO answers(session_id, answered_ms, word_group, position,"
                         " new_at_level, direction, answer_mode, first_try, outcome)"
                         " VALUES (1, %1, 0, %2, 0, 0, 0, 1, 0)")
                         .arg(ms)
                         .arg(position));
}

} // namespace

class TestProgressWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit()); }

    void map_saysEachCellInNumbersAndWords_data()
    {
        QTest::addColumn<int>("direction"); // the chooser's item
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("said");
        QTest::newRow("towards Spanish")
            << 0 << 0 << 0 << QStringLiteral("2 / 11")
            << QStringLiteral("Nouns, 100 Words: you know 2 of 11 words, English to Spanish");
        QTest::newRow("towards English")
            << 1 << 0 << 0 << QStringLiteral("0 / 11")
            << QStringLiteral("you know 0 of 11 words, Spanish to English; 1 answered");
        QTest::newRow("either direction")
            << 2 << 0 << 0 << QStringLiteral("2 / 11")
            << QStringLiteral("you know 2 of 11 words, either direction; 3 answered");
        QTest::newRow("a group's levels together")
            << 0 << 0 << 10 << QStringLiteral("2 / 563")
            << QStringLiteral("Nouns, all levels: you know 2 of 563 words");
        QTest::newRow("a level without words")
            << 0 << 2 << 3 << QStringLiteral("no words")
            << QStringLiteral("Pronouns, 400 Words: no words are new at this level.");
    }

    void map_saysEachCellInNumbersAndWords()
    {
        QFETCH(int, direction);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, shown);
        QFETCH(QString, said);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, kAnswers));
        ProgressWindow window(path);
        window.findChild<QComboBox *>(QStringLiteral("direction"))->setCurrentIndex(direction);
        const QAbstractItemModel *map =
            window.findChild<QTableView *>(QStringLiteral("masteryMap"))->model();
        const QModelIndex cell = map->index(row, column);
        QCOMPARE(cell.data().toString(), shown);
        QVERIFY2(cell.data(Qt::AccessibleTextRole).toString().contains(said),
                 qPrintable(cell.data(Qt::AccessibleTextRole).toString()));
        QCOMPARE(cell.data(Qt::ToolTipRole), cell.data(Qt::AccessibleTextRole));
    }

    // Opening the window on no record creates none and shows the map with nothing known yet; once
    // Vocarra starts one, and with every answer it records, the window follows within about two
    // seconds.
    void window_followsTheRecordWithoutCreatingIt()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("vocarra/progress.sqlite"));
        ProgressWindow window(path);
        QVERIFY(!window.snapshot().readable);
        QVERIFY(!QFileInfo::exists(QFileInfo(path).path()));
        // Before the first answer every word is still to learn, not "no words".
        const QAbstractItemModel *map =
            window.findChild<QTableView *>(QStringLiteral("masteryMap"))->model();
        QCOMPARE(map->index(0, 0).data().toString(), QStringLiteral("0 / 11"));

        QVERIFY(prepareRecord(path, kAnswers));
        QTRY_VERIFY_WITH_TIMEOUT(window.snapshot().readable, 3000);
        QCOMPARE(window.snapshot().totals.answers, 4);
        QVERIFY(recordAnswer(path, 7, 5000));
        QTRY_COMPARE_WITH_TIMEOUT(window.snapshot().totals.answers, 5, 3000);
        QCOMPARE(window.snapshot().missed.size(), 2);
    }

    void forget_asksFirst()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, kAnswers));
        ProgressWindow window(path);
        QStringList asked;
        bool answer = false;
        window.setConfirmation([&](const QString &question) {
            asked << question;
            return answer;
        });
        window.forgetRecord();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(window.snapshot().totals.answers, 4);
        answer = true;
        window.forgetRecord();
        QCOMPARE(window.snapshot().totals.answers, 0);
        QVERIFY(window.snapshot().readable);
        QVERIFY(window.snapshot().missed.isEmpty());
    }

    void keepRecord_isTheSettingTheQuizReads()
    {
        QTemporaryDir folder;
        ProgressWindow window(folder.filePath(QStringLiteral("progress.sqlite")));
        auto *keep = window.findChild<QCheckBox *>();
        QVERIFY(keep->isChecked());
        keep->click();
        QVERIFY(!record::recordingEnabled());
        keep->click();
        QVERIFY(record::recordingEnabled());
    }

    void export_writesTheSelectionOrAll_data()
    {
        QTest::addColumn<bool>("selectOne");
        QTest::addColumn<int>("lines");
        QTest::newRow("nothing selected: all") << false << 3;
        QTest::newRow("one selected") << true << 2;
    }

    void export_writesTheSelectionOrAll()
    {
        QFETCH(bool, selectOne);
        QFETCH(int, lines);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, kAnswers + QList<PreparedAnswer>{{1, 0, 0, true, 2, 6000}}));
        ProgressWindow window(path);
        const QString target = folder.filePath(QStringLiteral("missed.tsv"));
        window.setSavePathChooser([&](QString *) { return target; });
        auto *table = window.findChild<QTableView *>(QStringLiteral("missedWords"));
        QCOMPARE(table->model()->rowCount(), 2);
        if (selectOne)
            table->selectRow(0);
        window.exportMissed();
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> written = file.readAll().trimmed().split('\n');
        QCOMPARE(written.size(), lines);
        QCOMPARE(written.first(), QByteArray("group\tindex\tenglish\tspanish"));
    }
};

QTEST_MAIN(TestProgressWindow)
#include "tst_progresswindow.moc"
