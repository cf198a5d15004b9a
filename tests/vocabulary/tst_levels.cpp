// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/levels.h"

#include <QTest>

using namespace vocabulary;

Q_DECLARE_METATYPE(vocabulary::Group)

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

} // namespace

class TestLevels : public QObject
{
    Q_OBJECT

private slots:
    void blocks_followEachOtherFromTheFirstIndexes_data();
    void blocks_followEachOtherFromTheFirstIndexes();
    void groupBoxTexts_roundTrip();
    void levelTexts_roundTrip();
    void unknownText_namesNothing_data();
    void unknownText_namesNothing();
};

void TestLevels::blocks_followEachOtherFromTheFirstIndexes_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<QList<int>>("firstIndexes");
    QTest::addColumn<int>("size");

    QTest::newRow("Nouns") << Group::Nouns << QList<int>{0, 11, 46, 99, 154, 213, 282, 354, 412, 485} << 563;
    QTest::newRow("Verbs") << Group::Verbs
                           << QList<int>{0, 154, 397, 647, 852, 1112, 1367, 1645, 1962, 2305} << 2588;
    QTest::newRow("Pronouns") << Group::Pronouns << QList<int>{0, 21, 24, 25, 25, 25, 25, 25, 26, 27} << 27;
    QTest::newRow("Adjectives") << Group::Adjectives
                                << QList<int>{0, 18, 62, 65, 92, 117, 132, 151, 169, 193} << 208;
    QTest::newRow("Adverbs") << Group::Adverbs << QList<int>{0, 18, 35, 43, 54, 57, 60, 65, 69, 72} << 75;
    QTest::newRow("Prepositions") << Group::Prepositions << QList<int>{0, 10, 13, 14, 19, 20, 20, 20, 20, 20}
                                  << 20;
    QTest::newRow("Conjunctions") << Group::Conjunctions << QList<int>{0, 8, 8, 10, 12, 12, 12, 13, 13, 13}
                                  << 14;
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

void TestLevels::groupBoxTexts_roundTrip()
{
    const QList<QByteArray> texts{"Nouns", "Verbs", "Pronouns", "Adjectives", "Adverbs", "Prepositions",
                                  "Conjunctions"};
    QCOMPARE(texts.size(), kGroupCount);
    for (int i = 0; i < kGroupCount; ++i) {
        const Group group = kGroups[std::size_t(i)];
        QCOMPARE(bytesOf(groupBoxText(group)), texts.at(i));
        QCOMPARE(groupFromBoxText(texts.at(i).toStdString()), std::optional<Group>(group));
    }
}

void TestLevels::levelTexts_roundTrip()
{
    for (int level = 0; level < kLevelCount; ++level) {
        const QByteArray text = QByteArray::number((level + 1) * 100) + " Words";
        QCOMPARE(bytesOf(levelText(level)), text);
        QCOMPARE(levelFromText(text.toStdString()), std::optional<int>(level));
    }
}

void TestLevels::unknownText_namesNothing_data()
{
    QTest::addColumn<QByteArray>("text");

    // The boxes are compared byte for byte, so near misses name nothing.
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("lower case group") << QByteArray("nouns");
    QTest::newRow("menu caption") << QByteArray("Nouns/Nombres");
    QTest::newRow("trailing blank") << QByteArray("Verbs ");
    QTest::newRow("lower case level") << QByteArray("100 words");
    QTest::newRow("level past the last") << QByteArray("1100 Words");
    QTest::newRow("leading blank") << QByteArray(" 300 Words");
    QTest::newRow("new/all text") << QByteArray("All Words");
}

void TestLevels::unknownText_namesNothing()
{
    QFETCH(QByteArray, text);
    QVERIFY(!groupFromBoxText(text.toStdString()));
    QVERIFY(!levelFromText(text.toStdString()));
}

QTEST_APPLESS_MAIN(TestLevels)
#include "tst_levels.moc"
