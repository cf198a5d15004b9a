// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/distractors.h"

#include "vocabulary/groupwords.h"

#include <QTest>

using namespace quiz;

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

// A short stand-in for the English table, so that a walk's edges are easy to reach.
const std::array<std::string_view, 6> kShortTable{"to have", "I have", "you have", "I had", "had", "they had"};

std::string_view shortTableAt(int index) { return kShortTable[std::size_t(index)]; }

} // namespace

class TestDistractors : public QObject
{
    Q_OBJECT

private slots:
    void stepRule_staysOnOneSideOfTheQuestion_data();
    void stepRule_staysOnOneSideOfTheQuestion();
    void verbPronounKey_isTheFirstSubjectFound_data();
    void verbPronounKey_isTheFirstSubjectFound();
    void everyVerbEntry_keysOnItsOwnSubject();
    void walk_findsTheNextEntryWithTheKey_data();
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
    QTest::newRow("apostrophe") << QByteArray("I don't") << QByteArray("I ");
    QTest::newRow("past participle") << QByteArray("had") << QByteArray("I");
    QTest::newRow("another past participle") << QByteArray("been") << QByteArray("I");
    // The keys are searched anywhere, not only at the start.
    QTest::newRow("key inside the text") << QByteArray("so I go") << QByteArray("I ");
}

void TestDistractors::verbPronounKey_isTheFirstSubjectFound()
{
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, key);
    QCOMPARE(bytesOf(verbPronounKey(english.toStdString())), key);
}

// The keys are searched anywhere in the text, so a verb whose own words held an earlier key
// ("we " inside a "they" entry, say) would take its wrong choices from another person. The data
// has no such entry.
void TestDistractors::everyVerbEntry_keysOnItsOwnSubject()
{
    const QList<std::pair<QByteArray, QByteArray>> keyOfStart{
        {"I ", "I "}, {"you ", "you "}, {"he_(she_it) ", "he_("}, {"we ", "we "},
        {"you(pl) ", "you("}, {"they ", "they"}, {"to ", "to "}};
    for (const vocabulary::WordPair &pair : vocabulary::groupWords(vocabulary::Group::Verbs)) {
        const QByteArray english = bytesOf(pair.english.text());
        QByteArray expected("I");
        for (const auto &[start, key] : keyOfStart) {
            if (english.startsWith(start))
                expected = key;
        }
        QVERIFY2(bytesOf(verbPronounKey(pair.english.text())) == expected, english.constData());
    }
}

void TestDistractors::walk_findsTheNextEntryWithTheKey_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("index");

    QTest::newRow("forwards") << 0 << 1 << QByteArray("I ") << 1;
    QTest::newRow("forwards, skips other persons") << 1 << 1 << QByteArray("I ") << 3;
    QTest::newRow("backwards") << 5 << -1 << QByteArray("I ") << 3;
    QTest::newRow("bare key of a participle") << 4 << -1 << QByteArray("I") << 3;
    QTest::newRow("no match forwards, stops on the last slot") << 3 << 1 << QByteArray("we ") << 5;
    QTest::newRow("no match backwards, stops on slot 0") << 2 << -1 << QByteArray("we ") << 0;
    QTest::newRow("already on the edge") << 5 << 1 << QByteArray("I ") << 5;
}

void TestDistractors::walk_findsTheNextEntryWithTheKey()
{
    QFETCH(int, from);
    QFETCH(int, direction);
    QFETCH(QByteArray, key);
    QFETCH(int, index);

    const std::string keyText = key.toStdString();
    QCOMPARE(nextIndexWithKey(from, direction, keyText, int(kShortTable.size()), shortTableAt), index);
}

void TestDistractors::verbQuestionAtFour_takesTheNextThreeFirstPersons()
{
    const auto verbs = vocabulary::groupWords(vocabulary::Group::Verbs);
    const auto englishAt = [&](int index) { return verbs[std::size_t(index)].english.text(); };
    QCOMPARE(bytesOf(englishAt(4)), QByteArray("I have"));

    const std::string_view key = verbPronounKey(englishAt(4));
    const int direction = verbWalkDirection(4);
    QCOMPARE(direction, 1);
    QCOMPARE(verbWalkDirection(99), 1);
    QCOMPARE(verbWalkDirection(100), -1);

    const int first = nextIndexWithKey(4, direction, key, int(verbs.size()), englishAt);
    const int second = nextIndexWithKey(first, direction, key, int(verbs.size()), englishAt);
    const int third = nextIndexWithKey(second, direction, key, int(verbs.size()), englishAt);
    QCOMPARE((QList<int>{first, second, third}), (QList<int>{11, 18, 29}));
    QCOMPARE(bytesOf(englishAt(11)), QByteArray("I had"));
    QCOMPARE(bytesOf(englishAt(18)), QByteArray("I can"));
    QCOMPARE(bytesOf(englishAt(29)), QByteArray("I use"));
}

QTEST_APPLESS_MAIN(TestDistractors)
#include "tst_distractors.moc"
