// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>
#include <vector>

namespace {

QByteArray bytes(std::string_view text) { return {text.data(), qsizetype(text.size())}; }

// The lines of a TSV text, without the empty piece after its final "\n".
QList<QByteArray> linesOf(const QByteArray &tsv)
{
    QList<QByteArray> lines = tsv.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

struct RunResult {
    int status;
    QByteArray out;
    QByteArray err;
};

RunResult runTool(const QStringList &arguments)
{
    std::vector<std::string> storage;
    for (const QString &argument : arguments)
        storage.push_back(argument.toStdString());
    const std::vector<std::string_view> views(storage.begin(), storage.end());
    std::ostringstream out, err;
    const int status = wordlist::run(views, out, err);
    return {status, bytes(out.str()), bytes(err.str())};
}

} // namespace

class TestWords : public QObject
{
    Q_OBJECT

private slots:
    void oneGroup_hasItsPairCount_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pairs");
        QTest::newRow("nouns") << QStringLiteral("nouns") << 563;
        QTest::newRow("verbs") << QStringLiteral("Verbs") << 2588;
        QTest::newRow("pronouns") << QStringLiteral("PRONOUNS") << 27;
        QTest::newRow("adjectives") << QStringLiteral("adjectives") << 208;
        QTest::newRow("adverbs") << QStringLiteral("adverbs") << 75;
        QTest::newRow("prepositions") << QStringLiteral("prepositions") << 20;
        QTest::newRow("conjunctions") << QStringLiteral("conjunctions") << 14;
    }
    void oneGroup_hasItsPairCount()
    {
        QFETCH(QString, name);
        QFETCH(int, pairs);
        const RunResult result = runTool({"--group", name});
        QCOMPARE(result.status, 0);
        const QList<QByteArray> lines = linesOf(result.out);
        QCOMPARE(lines.size(), 1 + pairs);
        QCOMPARE(lines[0], QByteArray("group\tindex\tenglish\tspanish"));
    }

    // Walks the whole list against the tables: groups in menu order, slots counted from 0, four
    // fields a line (an entry holding a tab or line break would break that), and every text the
    // entry's exact bytes, only re-encoded.
    void wholeList_matchesTablesInMenuOrder()
    {
        const QList<QByteArray> lines = linesOf(bytes(wordlist::wordListTsv(vocabulary::kGroups)));
        QCOMPARE(lines.size(), 1 + 3495);
        std::size_t group = 0, slot = 0;
        for (const QByteArray &line : lines.sliced(1)) {
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 4);
            if (fields[1] == "0" && slot != 0) {
                ++group;
                slot = 0;
            }
            QCOMPARE(fields[0], bytes(vocabulary::groupBoxText(vocabulary::kGroups[group])));
            QCOMPARE(fields[1].toULongLong(), slot);
            const vocabulary::WordPair &pair =
                vocabulary::groupWords(vocabulary::kGroups[group])[slot++];
            QCOMPARE(bytes(vocabulary::utf8ToCp1252(fields[2].toStdString())),
                     bytes(pair.english.text()));
            QCOMPARE(bytes(vocabulary::utf8ToCp1252(fields[3].toStdString())),
                     bytes(pair.spanish.text()));
        }
        QCOMPARE(group, vocabulary::kGroups.size() - 1);
    }

    void exactRow_isUtf8_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("accented noun") << QByteArray("Nouns\t5\tday\tdía");
        QTest::newRow("noun with ñ") << QByteArray("Nouns\t16\tyear\taño");
        QTest::newRow("verbs start with a person")
            << QByteArray("Verbs\t0\the_(she_it) is\tes está");
        QTest::newRow("expanded third person") << QByteArray("Verbs\t6\the_(she_it) has\ttiene");
        QTest::newRow("last conjunction") << QByteArray("Conjunctions\t13\twhether\tsi");
    }
    void exactRow_isUtf8()
    {
        QFETCH(QByteArray, line);
        QVERIFY(linesOf(bytes(wordlist::wordListTsv(vocabulary::kGroups))).contains(line));
    }

    void commandLine_givesStatusAndMessage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("errMention"); // empty: help on stdout, nothing on stderr
        QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray();
        QTest::newRow("short help") << QStringList{"-h"} << 0 << QByteArray();
        QTest::newRow("unknown option")
            << QStringList{"--verbose"} << 2 << QByteArray("'--verbose'");
        QTest::newRow("stray word") << QStringList{"verbs"} << 2 << QByteArray("'verbs'");
        QTest::newRow("group without value")
            << QStringList{"--group"} << 2 << QByteArray("--group needs");
        QTest::newRow("option as value")
            << QStringList{"--output", "--help"} << 2 << QByteArray("--output needs");
        QTest::newRow("unknown group")
            << QStringList{"--group", "animals"} << 2 << QByteArray("'animals'");
    }
    void commandLine_givesStatusAndMessage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, errMention);
        const RunResult result = runTool(arguments);
        QCOMPARE(result.status, status);
        if (errMention.isEmpty()) {
            QVERIFY(result.out.startsWith("Usage:"));
            QVERIFY(result.err.isEmpty());
        } else {
            QVERIFY(result.out.isEmpty());
            QVERIFY2(result.err.contains(errMention) && result.err.contains("--help"),
                     result.err.constData());
        }
    }

    void outputFile_getsListOrExitsWithOne()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("words.tsv"));
        const RunResult written = runTool({"--output", path, "--group", "pronouns"});
        QCOMPARE(written.status, 0);
        QVERIFY(written.out.isEmpty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(linesOf(file.readAll()).size(), 1 + 27);

        const RunResult failed =
            runTool({"--output", dir.filePath(QStringLiteral("no/words.tsv"))});
        QCOMPARE(failed.status, 1);
        QVERIFY2(failed.err.contains("no/words.tsv"), failed.err.constData());
    }

    void executable_exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("outLines");
        QTest::newRow("whole list") << QStringList() << 0 << 1 + 3495;
        QTest::newRow("unknown group") << QStringList{"--group", "animals"} << 2 << 0;
    }
    void executable_exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, outLines);
        QProcess process;
        process.start(QStringLiteral(VOCARRA_WORDS_PATH), arguments);
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), status);
        QCOMPARE(process.readAllStandardOutput().count('\n'), outLines);
        QCOMPARE(process.readAllStandardError().isEmpty(), status == 0);
    }
};

QTEST_APPLESS_MAIN(TestWords)
#include "tst_words.moc"
