// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizlists.h"
#include "quiz/verbfilter.h"

#include <QTest>

using namespace quiz;
using Kind = ListCountDecision::Kind;

Q_DECLARE_METATYPE(quiz::ListCountDecision::Kind)

class TestQuizLists : public QObject
{
    Q_OBJECT

private slots:
    void groupLoad_setsOffsetAndCount_data();
    void groupLoad_setsOffsetAndCount();
    void tableIndex_staysInsideTheLoadedGroup();
    void entry_isSkippedByTheChosenVerbForms_data();
    void entry_isSkippedByTheChosenVerbForms();
};

void TestQuizLists::groupLoad_setsOffsetAndCount_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("newAll");
    QTest::addColumn<int>("offset");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");

    const auto row = [](const char *name, const char *group, const char *level, const char *newAll,
                        int offset, Kind kind, int count) {
        QTest::newRow(name) << QByteArray(group) << QByteArray(level) << QByteArray(newAll)
                            << offset << kind << count;
    };
    const char *fresh = "New Words Only";
    const char *all = "All Words";
    row("nouns 300 new", "Nouns", "300 Words", fresh, 46, Kind::Set, 53);
    row("nouns 300 all", "Nouns", "300 Words", all, 0, Kind::Set, 99);
    row("nouns 100 new", "Nouns", "100 Words", fresh, 0, Kind::Set, 11);
    row("nouns 100 all", "Nouns", "100 Words", all, 0, Kind::Set, 11);
    row("adverbs 500 new", "Adverbs", "500 Words", fresh, 54, Kind::Set, 3);
    row("adverbs 500 all", "Adverbs", "500 Words", all, 0, Kind::Set, 57);
    row("verbs 1000 new", "Verbs", "1000 Words", fresh, 2305, Kind::Set, 283);
    row("prepositions 300 all", "Prepositions", "300 Words", all, 0, Kind::Set, 14);
    row("prepositions 700 new", "Prepositions", "700 Words", fresh, 20, Kind::Fallback, 0);
    row("pronouns 400 new", "Pronouns", "400 Words", fresh, 25, Kind::Fallback, 0);
    // The offset needs exactly "New Words Only" while the count needs exactly "All Words"; any
    // other text counts the level's new words but does not shift the list to them.
    row("other new/all text", "Nouns", "300 Words", "", 0, Kind::Set, 53);
    row("unknown level", "Nouns", "1100 Words", fresh, 0, Kind::Unchanged, 0);
    row("unknown group", "Nombres", "300 Words", fresh, 0, Kind::Unchanged, 0);
}

void TestQuizLists::groupLoad_setsOffsetAndCount()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, newAll);
    QFETCH(int, offset);
    QFETCH(Kind, kind);
    QFETCH(int, count);

    const std::string g = group.toStdString(), l = level.toStdString(), n = newAll.toStdString();
    QCOMPARE(listOffset(g, l, n), offset);
    const ListCountDecision decision = listCountFor(g, l, n);
    QCOMPARE(decision.kind, kind);
    if (kind == Kind::Set)
        QCOMPARE(decision.count, count);
}

// The new-words offset is read at every question, so pointing at another level shifts a loaded
// list. Verbs loaded at "900 Words" New Words Only and then pointed at "1000 Words": the
// positions that the shift would carry past the last verb (into empty slots) stay as loaded.
void TestQuizLists::tableIndex_staysInsideTheLoadedGroup()
{
    QCOMPARE(quiz::tableIndexFor(5, 46, 46, 563), 51);
    QCOMPARE(quiz::tableIndexFor(10, 0, 2305, 2588), 10); // pointed lower: the list moves down

    const int offsetAtLoad = listOffset("Verbs", "900 Words", kNewWordsOnly);
    const ListCountDecision loaded = listCountFor("Verbs", "900 Words", kNewWordsOnly);
    QCOMPARE(offsetAtLoad, 1962);
    QCOMPARE(loaded.count, 343);
    const int offsetNow = listOffset("Verbs", "1000 Words", kNewWordsOnly);
    for (int position = 0; position < loaded.count; ++position) {
        const int index = quiz::tableIndexFor(position, offsetNow, offsetAtLoad, 2588);
        QCOMPARE(index, position < 283 ? 2305 + position : 1962 + position);
        QVERIFY(index < 2588);
    }
}

void TestQuizLists::entry_isSkippedByTheChosenVerbForms_data()
{
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<bool>("verbsChecked");
    QTest::addColumn<bool>("noSecondPerson");
    QTest::addColumn<bool>("infinitivesOnly");
    QTest::addColumn<bool>("skipped");

    const auto row = [](const char *name, const char *english, bool verbs, bool noSecond,
                        bool infinitives, bool skipped) {
        QTest::newRow(name) << QByteArray(english) << verbs << noSecond << infinitives << skipped;
    };
    row("all forms keep a person", "you have", true, false, false, false);

    row("infinitives: I", "I have", true, false, true, true);
    row("infinitives: you", "you have", true, false, true, true);
    row("infinitives: you(pl)", "you(pl) have", true, false, true, true);
    row("infinitives: he", "he_(she_it) is", true, false, true, true);
    row("infinitives: we", "we know", true, false, true, true);
    row("infinitives: they", "they know", true, false, true, true);
    row("infinitives keep to have", "to have", true, false, true, false);
    row("infinitives keep a participle", "had", true, false, true, false);
    // The test reads only the letters, not the group, so other groups lose such words too.
    row("infinitives: the noun week", "week", false, false, true, true);
    row("infinitives: the adjective young", "young", false, false, true, true);
    row("infinitives keep he without its bracket", "he", false, false, true, false);

    row("no second person: you", "you have", true, true, false, true);
    row("no second person: you(pl)", "you(pl) have", true, true, false, true);
    row("no second person keeps I", "I have", true, true, false, false);
    row("no second person keeps to have", "to have", true, true, false, false);
    row("no second person needs the verbs", "you have", false, true, false, false);
    row("no second person spares the pronoun you", "you", false, true, false, false);
}

void TestQuizLists::entry_isSkippedByTheChosenVerbForms()
{
    QFETCH(QByteArray, english);
    QFETCH(bool, verbsChecked);
    QFETCH(bool, noSecondPerson);
    QFETCH(bool, infinitivesOnly);
    QFETCH(bool, skipped);

    const VerbFormSettings settings{verbsChecked, noSecondPerson, infinitivesOnly};
    QCOMPARE(skippedByVerbFilter(english.toStdString(), settings), skipped);
}

QTEST_APPLESS_MAIN(TestQuizLists)
#include "tst_quizlists.moc"
