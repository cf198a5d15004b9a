// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/messages.h"

#include <QTest>

using namespace quiz;
using vocabulary::Group;

Q_DECLARE_METATYPE(vocabulary::Group)

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void endOfListQuestion_namesTheList_data();
    void endOfListQuestion_namesTheList();
    void fallback_movesToTheNextGroup_data();
    void fallback_movesToTheNextGroup();
    void everyLevelWithoutNewWords_hasAFallback();
    void nextGroupAndLevel_stopAfterTheLast();
};

void TestMessages::endOfListQuestion_namesTheList_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("newAll");
    QTest::addColumn<QByteArray>("level");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("nouns, new words, 100")
        << QByteArray("Nouns") << QByteArray("New Words Only") << QByteArray("100 Words")
        << QByteArray("Those are the last Nouns in New Words Only in 100 Words. Click YES and practice the next "
                      "word group? Click NO and repeat.");
    QTest::newRow("verbs, all words, 500")
        << QByteArray("Verbs") << QByteArray("All Words") << QByteArray("500 Words")
        << QByteArray("Those are the last Verbs in All Words in 500 Words. Click YES and practice the next word "
                      "group? Click NO and repeat.");
}

void TestMessages::endOfListQuestion_namesTheList()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, newAll);
    QFETCH(QByteArray, level);
    QFETCH(QByteArray, text);
    QCOMPARE(bytesOf(endOfListQuestion(group.toStdString(), newAll.toStdString(), level.toStdString())), text);
}

void TestMessages::fallback_movesToTheNextGroup_data()
{
    QTest::addColumn<Group>("group");
    QTest::addColumn<int>("level");
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("levelToChoose"); // -1 for none
    QTest::addColumn<Group>("groupToLoad");

    const QList<std::pair<int, const char *>> conjunctions{
        {1, "There are no new conjunctions at the 200 Words level. Continue at the 300 Words level?"},
        {4, "There are no new conjunctions at the 500 Words level. Continue at the 600 Words level?"},
        {5, "There are no new conjunctions at the 600 Words level. Continue at the 700 Words level?"},
        {7, "There are no new conjunctions at the 800 Words level. Continue at the 900 Words level?"},
        {8, "There are no new conjunctions at the 900 Words level. Continue at the 1000 Words level?"},
    };
    for (const auto &[level, message] : conjunctions)
        QTest::addRow("conjunctions at %d Words", (level + 1) * 100)
            << Group::Conjunctions << level << QByteArray(message) << level + 1 << Group::Nouns;
    QTest::newRow("prepositions at 700 Words") << Group::Prepositions << 6
                                               << QByteArray("There are no new prepositions at this level") << -1
                                               << Group::Conjunctions;
    QTest::newRow("pronouns at 400 Words") << Group::Pronouns << 3
                                           << QByteArray("There are no new pronouns at this level") << -1
                                           << Group::Adjectives;
}

void TestMessages::fallback_movesToTheNextGroup()
{
    QFETCH(Group, group);
    QFETCH(int, level);
    QFETCH(QByteArray, message);
    QFETCH(int, levelToChoose);
    QFETCH(Group, groupToLoad);

    const std::optional<Fallback> fallback = fallbackFor(group, level);
    QVERIFY(fallback);
    QCOMPARE(bytesOf(fallback->message), message);
    QCOMPARE(fallback->levelToChoose.value_or(-1), levelToChoose);
    QVERIFY(fallback->groupToLoad == groupToLoad);
}

// A load with New Words Only at a level where its group brings nothing must have somewhere to go;
// the conjunctions' fallback names the next level, which must exist.
void TestMessages::everyLevelWithoutNewWords_hasAFallback()
{
    for (Group group : vocabulary::kGroups) {
        for (int level = 0; level < vocabulary::kLevelCount; ++level) {
            if (vocabulary::blockSize(group, level) != 0)
                continue;
            const std::optional<Fallback> fallback = fallbackFor(group, level);
            QVERIFY2(fallback, qPrintable(QStringLiteral("group %1, level %2").arg(int(group)).arg(level)));
            if (group == Group::Conjunctions)
                QCOMPARE(fallback->levelToChoose, std::optional<int>(level + 1));
        }
    }
    for (Group group : {Group::Nouns, Group::Verbs, Group::Adjectives, Group::Adverbs})
        QVERIFY(!fallbackFor(group, 5));
}

void TestMessages::nextGroupAndLevel_stopAfterTheLast()
{
    const std::array<Group, 7> order{Group::Nouns,   Group::Verbs,        Group::Pronouns,    Group::Adjectives,
                                     Group::Adverbs, Group::Prepositions, Group::Conjunctions};
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        QVERIFY(nextGroup(order[i]) == std::optional<Group>(order[i + 1]));
    QVERIFY(!nextGroup(Group::Conjunctions));

    QCOMPARE(nextLevel(0), std::optional<int>(1));
    QCOMPARE(nextLevel(8), std::optional<int>(9));
    QVERIFY(!nextLevel(9));
    QCOMPARE(bytesOf(congratulationMessage()),
             QByteArray("Congratulations! That was the last of Vocarra. Repeat this level automatically; or select "
                        "another level and group."));
}

QTEST_APPLESS_MAIN(TestMessages)
#include "tst_messages.moc"
