// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbytes.h"
#include "vocabulary/levels.h"

#include <QTest>

using namespace vocabulary;

Q_DECLARE_METATYPE(vocabulary::Group)

class TestLevels : public QObject
{
    Q_OBJECT

private slots:
    void blocks_followEachOtherFromTheFirstIndexes_data();
    void blocks_followEachOtherFromTheFirstIndexes();
    void boxTexts_roundTripAndNearMissesNameNothing();
};

void TestLevels::blocks_followEachOtherFromTheFirstIndexes_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<QList<int>>("firstIndexes");
    QTest::addColumn<int>("size");

    const auto row = [](const char *name, Group group, QList<int> firstIndexes, int size) {
        QTest::newRow(name) << group << firstIndexes << size;
    };
    row("Nouns", Group::Nouns, {0, 11, 46, 99, 154, 213, 282, 354, 412, 485}, 563);
    row("Verbs", Group::Verbs, {0, 154, 397, 647, 852, 1112, 1367, 1645, 1962, 2305}, 2588);
    row("Pronouns", Group::Pronouns, {0, 21, 24, 25, 25, 25, 25, 25, 26, 27}, 27);
    row("Adjectives", Group::Adjectives, {0, 18, 62, 65, 92, 117, 132, 151, 169, 193}, 208);
    row("Adverbs", Group::Adverbs, {0, 18, 35, 43, 54, 57, 60, 65, 69, 72}, 75);
    row("Prepositions", Group::Prepositions, {0, 10, 13, 14, 19, 20, 20, 20, 20, 20}, 20);
    row("Conjunctions", Group::Conjunctions, {0, 8, 8, 10, 12, 12, 12, 13, 13, 13}, 14);
}

// Each block starts where the one before it ends, and the last one ends at the group's size, so
// the blocks cover the group without gap or overlap.
void TestLevels::blocks_followEachOtherFromTheFirstIndexes()
{
    QFETCH(Group, group);
    QFETCH(QList<int>, firstIndexes);
    QFETCH(int, size);

    int sum = 0;
    for (int level = 0; level < kLevelCount; ++level) {
        QCOMPARE(blockStart(group, level), firstIndexes.at(level));
        QCOMPARE(blockStart(group, level), sum);
        sum += blockSize(group, level);
        QCOMPARE(wordsUpTo(group, level), sum);
    }
    QCOMPARE(sum, size);
    QCOMPARE(groupSize(group), size);
}

void TestLevels::boxTexts_roundTripAndNearMissesNameNothing()
{
    const QByteArrayList groups{"Nouns",   "Verbs",        "Pronouns",    "Adjectives",
                                "Adverbs", "Prepositions", "Conjunctions"};
    for (int i = 0; i < kGroupCount; ++i) {
        const Group group = kGroups[std::size_t(i)];
        QCOMPARE(bytesOf(groupBoxText(group)), groups.at(i));
        QVERIFY(groupFromBoxText(groups.at(i).toStdString()) == group);
    }
    for (int level = 0; level < kLevelCount; ++level) {
        const QByteArray text = QByteArray::number((level + 1) * 100) + " Words";
        QCOMPARE(bytesOf(levelText(level)), text);
        QCOMPARE(levelFromText(text.toStdString()), std::optional<int>(level));
    }
    // The boxes are compared byte for byte, so near misses name nothing.
    for (const char *text : {"", "nouns", "Nouns/Nombres", "Verbs ", "100 words", "1100 Words"}) {
        QVERIFY2(!groupFromBoxText(text), text);
        QVERIFY2(!levelFromText(text), text);
    }
}

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
