// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizlists.h"

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
    void tableIndexFor_data();
    void tableIndexFor();
    void levelPointedHigherAfterLoad_keepsEveryPositionInsideTheGroup();
};

void TestQuizLists::groupLoad_setsOffsetAndCount_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("newAll");
    QTest::addColumn<int>("offset");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<int>("count");

    const QByteArray fresh("New Words Only");
    const QByteArray all("All Words");
    QTest::newRow("nouns 300 new") << QByteArray("Nouns") << QByteArray("300 Words") << fresh << 46 << Kind::Set << 53;
    QTest::newRow("nouns 300 all") << QByteArray("Nouns") << QByteArray("300 Words") << all << 0 << Kind::Set << 99;
    QTest::newRow("nouns 100 new") << QByteArray("Nouns") << QByteArray("100 Words") << fresh << 0 << Kind::Set << 11;
    QTest::newRow("nouns 100 all") << QByteArray("Nouns") << QByteArray("100 Words") << all << 0 << Kind::Set << 11;
    QTest::newRow("adverbs 500 new") << QByteArray("Adverbs") << QByteArray("500 Words") << fresh << 54 << Kind::Set
                                     << 3;
    QTest::newRow("adverbs 500 all") << QByteArray("Adverbs") << QByteArray("500 Words") << all << 0 << Kind::Set
                                     << 57;
    QTest::newRow("verbs 1000 new") << QByteArray("Verbs") << QByteArray("1000 Words") << fresh << 2305 << Kind::Set
                                    << 283;
    QTest::newRow("prepositions 300 all") << QByteArray("Prepositions") << QByteArray("300 Words") << all << 0
                                          << Kind::Set << 14;
    QTest::newRow("prepositions 700 new, none new") << QByteArray("Prepositions") << QByteArray("700 Words") << fresh
                                                    << 20 << Kind::Fallback << 0;
    QTest::newRow("prepositions 700 all") << QByteArray("Prepositions") << QByteArray("700 Words") << all << 0
                                          << Kind::Set << 20;
    QTest::newRow("pronouns 400 new, none new") << QByteArray("Pronouns") << QByteArray("400 Words") << fresh << 25
                                                << Kind::Fallback << 0;
    QTest::newRow("conjunctions 1000 new") << QByteArray("Conjunctions") << QByteArray("1000 Words") << fresh << 13
                                           << Kind::Set << 1;
    // The offset needs exactly "New Words Only" while the count needs exactly "All Words"; any other
    // text counts the level's new words but does not shift the list to them.
    QTest::newRow("other new/all text") << QByteArray("Nouns") << QByteArray("300 Words") << QByteArray("") << 0
                                        << Kind::Set << 53;
    QTest::newRow("unknown level") << QByteArray("Nouns") << QByteArray("1100 Words") << fresh << 0
                                   << Kind::Unchanged << 0;
    QTest::newRow("unknown group") << QByteArray("Nombres") << QByteArray("300 Words") << fresh << 0
                                   << Kind::Unchanged << 0;
}

void TestQuizLists::groupLoad_setsOffsetAndCount()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, newAll);
    QFETCH(int, offset);
    QFETCH(Kind, kind);
    QFETCH(int, count);

    QCOMPARE(listOffset(group.toStdString(), level.toStdString(), newAll.toStdString()), offset);
    const ListCountDecision decision = listCountFor(group.toStdString(), level.toStdString(), newAll.toStdString());
    QCOMPARE(decision.kind, kind);
    if (kind == Kind::Set)
        QCOMPARE(decision.count, count);
}

void TestQuizLists::tableIndexFor_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("offsetNow");
    QTest::addColumn<int>("offsetAtLoad");
    QTest::addColumn<int>("loadedGroupSize");
    QTest::addColumn<int>("index");

    QTest::newRow("offsets agree") << 5 << 46 << 46 << 563 << 51;
    QTest::newRow("all words, no offset") << 7 << 0 << 0 << 563 << 7;
    // Verbs loaded at "900 Words" New Words Only, then the level pointed at "1000 Words".
    QTest::newRow("shifted, first position") << 0 << 2305 << 1962 << 2588 << 2305;
    QTest::newRow("shifted, last that fits") << 282 << 2305 << 1962 << 2588 << 2587;
    QTest::newRow("shift would leave the group") << 283 << 2305 << 1962 << 2588 << 2245;
    QTest::newRow("shift would leave the group, last") << 342 << 2305 << 1962 << 2588 << 2304;
    // Loaded at "1000 Words", then pointed back at "100 Words": the list moves down, inside the group.
    QTest::newRow("shifted down") << 10 << 0 << 2305 << 2588 << 10;
}

void TestQuizLists::tableIndexFor()
{
    QFETCH(int, position);
    QFETCH(int, offsetNow);
    QFETCH(int, offsetAtLoad);
    QFETCH(int, loadedGroupSize);
    QFETCH(int, index);
    QCOMPARE(quiz::tableIndexFor(position, offsetNow, offsetAtLoad, loadedGroupSize), index);
}

// Whatever level is pointed at after a load, no position may name an empty slot, a leftover of
// another group or a slot past the table.
void TestQuizLists::levelPointedHigherAfterLoad_keepsEveryPositionInsideTheGroup()
{
    const int offsetAtLoad = listOffset("Verbs", "900 Words", kNewWordsOnly);
    const ListCountDecision loaded = listCountFor("Verbs", "900 Words", kNewWordsOnly);
    QCOMPARE(offsetAtLoad, 1962);
    QCOMPARE(loaded.count, 343);

    const int offsetNow = listOffset("Verbs", "1000 Words", kNewWordsOnly);
    for (int position = 0; position < loaded.count; ++position) {
        const int index = quiz::tableIndexFor(position, offsetNow, offsetAtLoad, 2588);
        QVERIFY(index >= 0 && index < 2588);
        if (position < 283)
            QCOMPARE(index, 2305 + position);
    }
}

QTEST_APPLESS_MAIN(TestQuizLists)
#include "tst_quizlists.moc"
