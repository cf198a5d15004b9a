// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbytes.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/data/allwords.h"
#include "vocabulary/groupwords.h"
#include "vocabulary/wordtables.h"

#include <QFile>
#include <QTest>

#include <memory>

using namespace vocabulary;

Q_DECLARE_METATYPE(vocabulary::Group)

namespace {

QByteArray utf8Of(const WordEntry &entry) { return bytesOf(cp1252ToUtf8(entry.text())); }

} // namespace

class TestWordData : public QObject
{
    Q_OBJECT

private slots:
    void sourceLevels_areNamedAndSizedLikeTheBlocks();
    void entry_atIndex_data();
    void entry_atIndex();
    void everySourceText_fitsASlotAndSurvivesConversion();
    void fill_leavesTheSlotsBehindTheGroupAlone();
    void everyPair_matchesTheGoldenCopy();
};

// The level names are the level box texts, and each level's lines expand to exactly the block
// size, which the quiz lists and their offsets are computed from.
void TestWordData::sourceLevels_areNamedAndSizedLikeTheBlocks()
{
    for (Group group : kGroups) {
        const SourceGroup &source = sourceOf(group);
        for (int level = 0; level < kLevelCount; ++level) {
            const SourceLevel &sourceLevel = source[std::size_t(level)];
            QCOMPARE(bytesOf(sourceLevel.name), QByteArray::number((level + 1) * 100) + " Words");
            int entries = 0;
            for (const SourceLine &line : sourceLevel.lines)
                entries += line.entryCount();
            QVERIFY2(entries == blockSize(group, level),
                     qPrintable(QStringLiteral("group %1, level %2: %3 entries")
                                    .arg(int(group))
                                    .arg(level)
                                    .arg(entries)));
        }
        QCOMPARE(int(groupWords(group).size()), groupSize(group));
    }
}

void TestWordData::entry_atIndex_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<QByteArray>("spanish");

    const auto row = [](const char *name, Group group, int index, const char *english,
                        const char *spanish) {
        QTest::newRow(name) << group << index << QByteArray(english) << QByteArray(spanish);
    };
    row("first noun", Group::Nouns, 0, "word", "palabra");
    row("last noun", Group::Nouns, 562, "neck", "cuello");
    row("first verb", Group::Verbs, 0, "he_(she_it) is", "es está");
    row("last verb", Group::Verbs, 2587, "they meant", "significaron");
    row("first pronoun", Group::Pronouns, 0, "what", "qué cuál");
    row("last pronoun", Group::Pronouns, 26, "mine", "mio");
    row("first adjective", Group::Adjectives, 0, "the", "el la lo los las");
    row("last adjective", Group::Adjectives, 207, "liquid", "líquido");
    row("first adverb", Group::Adverbs, 0, "slow", "lentamente despacio");
    row("last adverb", Group::Adverbs, 74, "especially", "especialmente");
    row("first preposition", Group::Prepositions, 0, "over", "sobre encima_de");
    row("last preposition", Group::Prepositions, 19, "by through", "por");
    row("first conjunction", Group::Conjunctions, 0, "if", "si");
    row("last conjunction", Group::Conjunctions, 13, "whether", "si");
    // The data keeps its own spellings; learners are judged against them as they stand.
    row("kept spelling asi", Group::Adverbs, 12, "so", "asi");
    row("kept spelling quando", Group::Adverbs, 6, "when", "quando");
    row("kept spelling iqual", Group::Adjectives, 9, "like", "iqual semejante como");
    row("kept spelling quatro", Group::Nouns, 56, "four", "quatro");
    row("comma in a verb entry", Group::Verbs, 35, "you are", "eres, estás");
    row("lone third person with a comma", Group::Verbs, 92, "he_(she_it) has", "tiene, ha");
}

void TestWordData::entry_atIndex()
{
    QFETCH(Group, group);
    QFETCH(int, index);
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, spanish);

    const WordPair &pair = groupWords(group)[std::size_t(index)];
    QCOMPARE(utf8Of(pair.english), english);
    QCOMPARE(utf8Of(pair.spanish), spanish);
}

// A slot holds 37 bytes and is cut silently beyond that, and a character that Windows-1252
// cannot hold turns into '?'; either would make a word unanswerable. So every text of the lists
// must come back from its slot bytes unchanged.
void TestWordData::everySourceText_fitsASlotAndSurvivesConversion()
{
    const auto check = [](std::string_view utf8) {
        const std::string cp1252 = utf8ToCp1252(utf8);
        const WordEntry entry = WordEntry::fromBytes(cp1252);
        return !utf8.empty() && cp1252.size() <= WordEntry::kCapacity &&
               cp1252.find('?') == std::string::npos && cp1252ToUtf8(entry.text()) == utf8;
    };
    for (Group group : kGroups) {
        for (const SourceLevel &level : sourceOf(group)) {
            for (const SourceLine &line : level.lines) {
                QVERIFY2(check(line.english), line.english.data());
                QVERIFY2(check(line.spanish), line.english.data());
                if (!line.opensPresentSet())
                    continue;
                for (std::string_view form : line.present)
                    QVERIFY2(check(form), line.english.data());
            }
        }
        for (const WordPair &pair : groupWords(group))
            QVERIFY(!pair.english.empty() && !pair.spanish.empty());
    }
}

// The verbs fill the most slots; a smaller group loaded after them overwrites only its own
// slots, and the question cycle draws wrong choices from what is left behind.
void TestWordData::fill_leavesTheSlotsBehindTheGroupAlone()
{
    const auto tables = std::make_unique<WordTables>();
    tables->fill(Group::Verbs);
    tables->fill(Group::Prepositions);

    const auto prepositions = groupWords(Group::Prepositions);
    const auto verbs = groupWords(Group::Verbs);
    QCOMPARE(prepositions.size(), std::size_t(20));
    for (std::size_t slot = 0; slot < std::size_t(kTableSlots); ++slot) {
        const auto expected = [&](WordEntry WordPair::*side) {
            if (slot >= 2588)
                return QByteArray();
            return bytesOf(((slot < 20 ? prepositions : verbs)[slot].*side).text());
        };
        QCOMPARE(bytesOf(tables->EnglishWords[slot].text()), expected(&WordPair::english));
        QCOMPARE(bytesOf(tables->SpanishWords[slot].text()), expected(&WordPair::spanish));
    }
}

// Every pair of every group, in table order and with its exact texts, against the copy kept in
// allwords.tsv (see its header), so that a changed letter anywhere in the lists fails here.
void TestWordData::everyPair_matchesTheGoldenCopy()
{
    QFile golden(QFINDTESTDATA("allwords.tsv"));
    QVERIFY2(golden.open(QIODevice::ReadOnly), "allwords.tsv not found");
    QByteArrayList expected;
    for (const QByteArray &line : golden.readAll().split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            expected << line;
    }
    QCOMPARE(expected.value(0), QByteArray("group\tindex\tenglish\tspanish"));
    expected.removeFirst();

    const auto tables = std::make_unique<WordTables>();
    QByteArrayList actual;
    for (Group group : kGroups) {
        tables->fill(group);
        for (int slot = 0; slot < groupSize(group); ++slot) {
            const auto s = std::size_t(slot);
            actual << bytesOf(groupBoxText(group)) + '\t' + QByteArray::number(slot) + '\t' +
                          utf8Of(tables->EnglishWords[s]) + '\t' + utf8Of(tables->SpanishWords[s]);
        }
    }
    for (qsizetype i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        const QByteArray difference =
            "first differing pair: " + actual[i] + "\n  the copy has: " + expected[i];
        QVERIFY2(actual[i] == expected[i], difference.constData());
    }
    QCOMPARE(actual.size(), expected.size());
    QCOMPARE(actual.size(), 3495);
}

QTEST_APPLESS_MAIN(TestWordData)
#include "tst_worddata.moc"
