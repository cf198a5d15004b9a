// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/messages.h"
#include "quiz/verdicts.h"
#include "testbytes.h"

#include <QTest>

using namespace quiz;
using vocabulary::Group;

Q_DECLARE_METATYPE(vocabulary::Group)

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void endOfListQuestion_namesTheList();
    void fallback_movesToTheNextGroup_data();
    void fallback_movesToTheNextGroup();
    void nextGroupAndLevel_stopAfterTheLast();
    void verdicts_readAsLearnersKnowThem();
};

// The window and its tests take these from the quiz layer; here they are pinned once.
void TestMessages::verdicts_readAsLearnersKnowThem()
{
    QCOMPARE(bytesOf(verdictSuffix(true)), QByteArray(" is Correct!"));
    QCOMPARE(bytesOf(verdictSuffix(false)), QByteArray(" is NOT Correct! Try Again"));
    QCOMPARE(bytesOf(kWrongClick), QByteArray("Error!"));
    QCOMPARE(bytesOf(kRightClickToEnglish), QByteArray("Correct!"));
    QCOMPARE(kPauseMilliseconds, 1500);
}

void TestMessages::endOfListQuestion_namesTheList()
{
    QCOMPARE(bytesOf(endOfListQuestion("Nouns", "New Words Only", "100 Words")),
             QByteArray("Those are the last Nouns in New Words Only in 100 Words. Click YES and "
                        "practice the next word group? Click NO and repeat."));
    QCOMPARE(bytesOf(endOfListQuestion("Verbs", "All Words", "500 Words")),
             QByteArray("Those are the last Verbs in All Words in 500 Words. Click YES and "
                        "practice the next word group? Click NO and repeat."));
}

void TestMessages::fallback_movesToTheNextGroup_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("message"); // empty: no fallback
    QTest::addColumn<int>("levelToChoose");  // -1: none
    QTest::addColumn<Group>("groupToLoad");

    const auto conjunctions = [](int level, const char *message) {
        QTest::addRow("conjunctions at %d Words", (level + 1) * 100)
            << Group::Conjunctions << level << QByteArray(message) << level + 1 << Group::Nouns;
    };
    conjunctions(1, "There are no new conjunctions at the 200 Words level. "
                    "Continue at the 300 Words level?");
    conjunctions(4, "There are no new conjunctions at the 500 Words level. "
                    "Continue at the 600 Words level?");
    conjunctions(5, "There are no new conjunctions at the 600 Words level. "
                    "Continue at the 700 Words level?");
    conjunctions(7, "There are no new conjunctions at the 800 Words level. "
                    "Continue at the 900 Words level?");
    conjunctions(8, "There are no new conjunctions at the 900 Words level. "
                    "Continue at the 1000 Words level?");
    QTest::newRow("prepositions at 700 Words")
        << Group::Prepositions << 6 << QByteArray("There are no new prepositions at this level")
        << -1 << Group::Conjunctions;
    QTest::newRow("pronouns at 400 Words")
        << Group::Pronouns << 3 << QByteArray("There are no new pronouns at this level") << -1
        << Group::Adjectives;
    // The other groups have new words at every level.
    QTest::newRow("nouns: none") << Group::Nouns << 5 << QByteArray() << -1 << Group::Nouns;
}

void TestMessages::fallback_movesToTheNextGroup()
{
    QFETCH(Group, group);
    QFETCH(int, level);
    QFETCH(QByteArray, message);
    QFETCH(int, levelToChoose);
    QFETCH(Group, groupToLoad);

    const std::optional<Fallback> fallback = fallbackFor(group, level);
    QCOMPARE(fallback.has_value(), !message.isEmpty());
    if (!fallback)
        return;
    QCOMPARE(bytesOf(fallback->message), message);
    QCOMPARE(fallback->levelToChoose.value_or(-1), levelToChoose);
    QVERIFY(fallback->groupToLoad == groupToLoad);
}

void TestMessages::nextGroupAndLevel_stopAfterTheLast()
{
    const std::array<Group, 7> menuOrder{Group::Nouns,       Group::Verbs,   Group::Pronouns,
                                         Group::Adjectives,  Group::Adverbs, Group::Prepositions,
                                         Group::Conjunctions};
    for (std::size_t i = 0; i + 1 < menuOrder.size(); ++i)
        QVERIFY(nextGroup(menuOrder[i]) == std::optional<Group>(menuOrder[i + 1]));
    QVERIFY(!nextGroup(Group::Conjunctions));

    QCOMPARE(nextLevel(0), std::optional<int>(1));
    QCOMPARE(nextLevel(8), std::optional<int>(9));
    QVERIFY(!nextLevel(9));
    QCOMPARE(bytesOf(congratulationMessage()),
             QByteArray("Congratulations! That was the last of Vocarra. Repeat this level "
                        "automatically; or select another level and group."));
}

QTEST_APPLESS_MAIN(TestMessages)
#include "tst_messages.moc"
