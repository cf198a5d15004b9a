// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include "recordfixture.h"
#include "testbytes.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sstream>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>

namespace {

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
    return {status, bytesOf(out.str()), bytesOf(err.str())};
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
        const QList<QByteArray> lines =
            linesOf(bytesOf(wordlist::wordListTsv(vocabulary::kGroups)));
        QCOMPARE(lines.size(), 1 + 3495);
        std::size_t group = 0, slot = 0;
        for (const QByteArray &line : lines.sliced(1)) {
            const QList<QByteArray> fields = line.split('\t');
            QCOMPARE(fields.size(), 4);
            if (fields[1] == "0" && slot != 0) {
                ++group;
                slot = 0;
            }
            QCOMPARE(fields[0], bytesOf(vocabulary::groupBoxText(vocabulary::kGroups[group])));
            QCOMPARE(fields[1].toULongLong(), slot);
            const vocabulary::WordPair &pair =
                vocabulary::groupWords(vocabulary::kGroups[group])[slot++];
            QCOMPARE(bytesOf(vocabulary::utf8ToCp1252(fields[2].toStdString())),
                     bytesOf(pair.english.text()));
            QCOMPARE(bytesOf(vocabulary::utf8ToCp1252(fields[3].toStdString())),
                     bytesOf(pair.spanish.text()));
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
        QVERIFY(linesOf(bytesOf(wordlist::wordListTsv(vocabulary::kGroups))).contains(line));
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
        QTest::newRow("unknown format")
            << QStringList{"--format", "xml"} << 2 << QByteArray("unknown format 'xml'");
        QTest::newRow("unknown level")
            << QStringList{"--level", "1100"} << 2 << QByteArray("unknown level '1100'");
        QTest::newRow("level zero") << QStringList{"--level=0"} << 2 << QByteArray("'0'");
        QTest::newRow("level with a sign")
            << QStringList{"--level", "+3"} << 2 << QByteArray("'+3'");
        QTest::newRow("level in between")
            << QStringList{"--level", "250"} << 2 << QByteArray("'250'");
        QTest::newRow("format twice") << QStringList{"--format", "csv", "--format=csv"} << 2
                                      << QByteArray("--format given more than once");
        QTest::newRow("level twice") << QStringList{"--level", "3", "--level", "4"} << 2
                                     << QByteArray("--level given more than once");
        QTest::newRow("empty file name")
            << QStringList{"--output="} << 2 << QByteArray("--output needs a file name");
        QTest::newRow("a record without --missed")
            << QStringList{"--record", "progress.sqlite"} << 2
            << QByteArray("--record goes with --missed");
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

    void levelName_meansLevel_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("level");
        QTest::newRow("text") << QStringLiteral("300 Words") << 2;
        QTest::newRow("text in small letters") << QStringLiteral("1000 words") << 9;
        QTest::newRow("word count") << QStringLiteral("300") << 2;
        QTest::newRow("menu number") << QStringLiteral("3") << 2;
        QTest::newRow("tenth in the menu") << QStringLiteral("10") << 9;
        QTest::newRow("first count") << QStringLiteral("100") << 0;
    }
    void levelName_meansLevel()
    {
        QFETCH(QString, name);
        QFETCH(int, level);
        QCOMPARE(wordlist::levelFromName(name.toStdString()), std::optional<int>(level));
    }

    // With a level, each group gives the block that "New Words Only" lists at that level: its
    // slots, in order, and nothing when the group has no new words there.
    void level_listsNewWordsOnly_data()
    {
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("firstIndex");
        QTest::addColumn<int>("count");
        QTest::newRow("nouns at 300")
            << QStringLiteral("nouns") << QStringLiteral("300") << 46 << 53;
        QTest::newRow("nouns at 100") << QStringLiteral("nouns") << QStringLiteral("1") << 0 << 11;
        QTest::newRow("verbs at 1000")
            << QStringLiteral("verbs") << QStringLiteral("1000 Words") << 2305 << 283;
        QTest::newRow("adverbs at 500")
            << QStringLiteral("adverbs") << QStringLiteral("5") << 54 << 3;
        QTest::newRow("conjunctions at 700")
            << QStringLiteral("Conjunctions") << QStringLiteral("700") << 12 << 1;
        QTest::newRow("no new pronouns at 400")
            << QStringLiteral("pronouns") << QStringLiteral("400") << 0 << 0;
    }
    void level_listsNewWordsOnly()
    {
        QFETCH(QString, group);
        QFETCH(QString, level);
        QFETCH(int, firstIndex);
        QFETCH(int, count);
        const RunResult result = runTool({"--group", group, "--level", level});
        QCOMPARE(result.status, 0);
        const QList<QByteArray> lines = linesOf(result.out);
        QCOMPARE(lines.size(), 1 + count);
        for (int i = 0; i < count; ++i)
            QCOMPARE(lines[1 + i].split('\t').at(1).toInt(), firstIndex + i);
        // An empty list is no error, but it is not left unexplained either.
        QCOMPARE(result.err.contains("no new"), count == 0);
    }

    void level_acrossGroups_keepsEachGroupsBlock()
    {
        const RunResult result = runTool({"--format", "CSV", "--level", "700 Words"});
        QCOMPARE(result.status, 0);
        QList<QByteArray> rows = result.out.split('\n');
        QCOMPARE(rows.takeFirst(), QByteArray("group,level,english,spanish\r"));
        QCOMPARE(rows.takeLast(), QByteArray());
        int expected = 0;
        for (vocabulary::Group group : vocabulary::kGroups)
            expected += vocabulary::blockSize(group, 6);
        QCOMPARE(rows.size(), expected);
        for (const QByteArray &row : rows)
            QVERIFY2(row.split(',').at(1) == "700 Words", row.constData());
    }

    // The list goes into the named file with the permissions a new file gets, or through a link
    // into the file it names, which keeps its own permissions.
    // Nouns 3 and 20 and adjective 70 are missed (wrong or a Peek at the latest first try);
    // noun 5 was missed once but is right now; adjective 0 is right.
    void missed_selectsTheWordsStillMissed_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QList<QByteArray>>("rows"); // group and index of each TSV line
        QTest::newRow("all") << QStringList{}
                             << QList<QByteArray>{"Nouns\t3", "Nouns\t20", "Adjectives\t70"};
        QTest::newRow("one group")
            << QStringList{"--group", "nouns"} << QList<QByteArray>{"Nouns\t3", "Nouns\t20"};
        QTest::newRow("one level")
            << QStringList{"--level", "200"} << QList<QByteArray>{"Nouns\t20"};
        QTest::newRow("a group and a level without misses")
            << QStringList{"--group", "adjectives", "--level", "1"} << QList<QByteArray>{};
    }

    void missed_selectsTheWordsStillMissed()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QList<QByteArray>, rows);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        QVERIFY(prepareRecord(path, {{0, 3, 0, true, 0, 1000},
                                     {0, 5, 1, true, 0, 1000},
                                     {0, 5, 1, true, 1, 2000},
                                     {0, 20, 1, true, 2, 3000},
                                     {3, 0, 0, true, 1, 1000},
                                     {3, 70, 0, true, 1, 1000},
                                     {3, 70, 1, true, 0, 1500}}));
        const RunResult result = runTool(QStringList{"--missed", "--record", path} + arguments);
        QCOMPARE(result.status, 0);
        QList<QByteArray> lines = result.out.split('\n');
        QCOMPARE(lines.takeFirst(), QByteArray("group\tindex\tenglish\tspanish"));
        lines.removeAll(QByteArray());
        QCOMPARE(lines.size(), rows.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            QVERIFY2(lines[i].startsWith(rows[i] + '\t'), lines[i].constData());
    }

    void missed_withoutARecordExitsWithTwo()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("progress.sqlite"));
        const RunResult result = runTool({"--missed", "--record", path});
        QCOMPARE(result.status, 2);
        QVERIFY(result.out.isEmpty());
        QVERIFY2(result.err.contains("There is no record at"), result.err.constData());
        QVERIFY(!QFile::exists(path));
    }

    void outputFile_isReplacedWhole()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("words.kvtml"));
        QCOMPARE(runTool({"--format", "kvtml", "--output", path}).status, 0);
        const mode_t mask = ::umask(0);
        ::umask(mask);
        struct stat info {
        };
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0666 & ~mask);

        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
        const QString link = dir.filePath(QStringLiteral("link.kvtml"));
        QVERIFY(QFile::link(path, link));
        QCOMPARE(runTool({"--format", "anki", "--output", link}).status, 0);
        QVERIFY(QFileInfo(link).isSymLink());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("#separator:tab\n"));
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
    }

    // A write that fails half-way (here: the file size limit, as a full disk would) exits with 1
    // and leaves the file under the name as it was, with no partial file beside it.
    void failedWrite_leavesOldFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("words.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old list\n");
        old.close();

        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 4096;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        const RunResult result = runTool({"--format", "csv", "--output", path});
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("cannot write '" + path.toUtf8() + "': File too large"),
                 result.err.constData());
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("the old list\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("words.csv")});
    }

    void fullDevice_exitsWithOne()
    {
        const RunResult result = runTool({"--output", "/dev/full"});
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.contains("No space left on device"), result.err.constData());
    }

    // A reader that stops early (| head) closes the pipe under the tool, which is no error for a
    // filter: the tool ends quietly with success.
    void closedPipe_endsQuietly()
    {
        QProcess tool, reader;
        tool.setStandardOutputProcess(&reader);
        reader.start(QStringLiteral("head"), {QStringLiteral("-c"), QStringLiteral("10")});
        tool.start(QStringLiteral(VOCARRA_WORDS_PATH), {QStringLiteral("--format=kvtml")});
        QVERIFY(tool.waitForFinished(30000));
        QVERIFY(reader.waitForFinished(30000));
        QCOMPARE(reader.readAllStandardOutput(), QByteArray("<?xml vers"));
        QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(tool.readAllStandardError(), QByteArray());
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
