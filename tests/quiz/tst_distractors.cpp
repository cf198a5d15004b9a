// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/distractors.h"
#include "testbytes.h"

#include "vocabulary/groupwords.h"

#include <QTest>

using namespace quiz;

namespace {

// A short stand-in for the English table, so that a walk's edges are easy to reach.
const std::array<std::string_view, 6> kShortTable{"to have", "I have", "you have",
                                                  "I had",   "had",    "they had"};

} // namespace

class TestDistractors : public QObject
{
    Q_OBJECT

private slots:
    void stepRule_staysOnOneSideOfTheQuestion_data();
    void stepRule_staysOnOneSideOfTheQuestion();
    void verbPronounKey_isTheFirstSubjectFound_data();
    void verbPronounKey_isTheFirstSubjectFound();
    void walk_findsTheNextEntryWithTheKey();
    void verbQuestionAtFour_takesTheNextThreeFirstPersons();
};

void TestDistractors::stepRule_staysOnOneSideOfTheQuestion_data()
{
    QTest::addColumn<int>("questionIndex");
    QTest::addColumn<int>("k");
    QTest::addColumn<QList<int>>("indexes");

    QTest::newRow("first slot, k 4") << 0 << 4 << QList<int>{4, 8, 12};
    QTest::newRow("12, k 1") << 12 << 1 << QList<int>{13, 14, 15};
    QTest::newRow("12, k 2") << 12 << 2 << QList<int>{14, 16, 18};
    QTest::newRow("12, k 3") << 12 << 3 << QList<int>{15, 18, 21};
    QTest::newRow("12, k 4") << 12 << 4 << QList<int>{16, 20, 24};
    QTest::newRow("13, k 1") << 13 << 1 << QList<int>{12, 11, 10};
    QTest::newRow("13, k 2") << 13 << 2 << QList<int>{11, 9, 7};
    QTest::newRow("13, k 3") << 13 << 3 << QList<int>{10, 7, 4};
    QTest::newRow("13, k 4, down to slot 1") << 13 << 4 << QList<int>{9, 5, 1};
    QTest::newRow("last slot of the table") << 2600 << 4 << QList<int>{2596, 2592, 2588};
}

void TestDistractors::stepRule_staysOnOneSideOfTheQuestion()
{
    QFETCH(int, questionIndex);
    QFETCH(int, k);
    QFETCH(QList<int>, indexes);

    const std::array<int, 3> got = stepRuleIndexes(questionIndex, k);
    QCOMPARE((QList<int>{got[0], got[1], got[2]}), indexes);
}

void TestDistractors::verbPronounKey_isTheFirstSubjectFound_data()
{
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<QByteArray>("key");

    QTest::newRow("first person") << QByteArray("I have") << QByteArray("I ");
    QTest::newRow("second person") << QByteArray("you have") << QByteArray("you ");
    QTest::newRow("third person") << QByteArray("he_(she_it) is") << QByteArray("he_(");
    QTest::newRow("first plural") << QByteArray("we know") << QByteArray("we ");
    // "you(pl) have" holds no "you " (a parenthesis follows), so it gets the later key.
    QTest::newRow("second plural") << QByteArray("you(pl) have") << QByteArray("you(");
    QTest::newRow("third plural") << QByteArray("they have") << QByteArray("they");
    QTest::newRow("infinitive") << QByteArray("to have") << QByteArray("to ");
    QTest::newRow("past participle") << QByteArray("had") << QByteArray("I");
    // The keys are searched anywhere in the text, and in their fixed order.
    QTest::newRow("key inside the text") << QByteArray("so I go") << QByteArray("I ");
    QTest::newRow("earlier key wins") << QByteArray("they say we go") << QByteArray("we ");
}

void TestDistractors::verbPronounKey_isTheFirstSubjectFound()
{
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, key);
    QCOMPARE(bytesOf(verbPronounKey(english.toStdString())), key);
}

void TestDistractors::walk_findsTheNextEntryWithTheKey()
{
    const auto englishAt = [](int i) { return kShortTable[std::size_t(i)]; };
    const int slotCount = int(kShortTable.size());
    QCOMPARE(nextIndexWithKey(0, 1, "I ", slotCount, englishAt), 1);
    QCOMPARE(nextIndexWithKey(1, 1, "I ", slotCount, englishAt), 3);
    QCOMPARE(nextIndexWithKey(4, -1, "I", slotCount, englishAt), 3); // the bare key of a participle
    // With no match the walk stops on the table's edge slot instead of leaving the table.
    QCOMPARE(nextIndexWithKey(3, 1, "we ", slotCount, englishAt), 5);
    QCOMPARE(nextIndexWithKey(2, -1, "we ", slotCount, englishAt), 0);
}

// "I have" at index 4 walks forwards (below 100) to "I had", "I can" and "I use".
void TestDistractors::verbQuestionAtFour_takesTheNextThreeFirstPersons()
{
    const auto verbs = vocabulary::groupWords(vocabulary::Group::Verbs);
    const auto englishAt = [&](int index) { return verbs[std::size_t(index)].english.text(); };
    const int slotCount = int(verbs.size());
    QCOMPARE(verbWalkDirection(99), 1);
    QCOMPARE(verbWalkDirection(100), -1);

    const std::string_view key = verbPronounKey(englishAt(4));
    const int direction = verbWalkDirection(4);
    QList<int> found{4};
    for (int i = 0; i < 3; ++i)
        found.append(nextIndexWithKey(found.last(), direction, key, slotCount, englishAt));
    QCOMPARE(found, (QList<int>{4, 11, 18, 29}));
    QCOMPARE(bytesOf(englishAt(29)), QByteArray("I use"));
}

QTEST_APPLESS_MAIN(TestDistractors)
#include "tst_distractors.moc"
