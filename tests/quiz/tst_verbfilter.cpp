// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/verbfilter.h"

#include <QTest>

using namespace quiz;

class TestVerbFilter : public QObject
{
    Q_OBJECT

private slots:
    void entry_isSkippedByTheChosenVerbForms_data();
    void entry_isSkippedByTheChosenVerbForms();
};

void TestVerbFilter::entry_isSkippedByTheChosenVerbForms_data()
{
    QTest::addColumn<QByteArray>("english");
    QTest::addColumn<bool>("verbsChecked");
    QTest::addColumn<bool>("noSecondPerson");
    QTest::addColumn<bool>("infinitivesOnly");
    QTest::addColumn<bool>("skipped");

    QTest::newRow("all forms keep a person") << QByteArray("you have") << true << false << false << false;

    QTest::newRow("infinitives: I") << QByteArray("I have") << true << false << true << true;
    QTest::newRow("infinitives: you") << QByteArray("you have") << true << false << true << true;
    QTest::newRow("infinitives: you(pl)") << QByteArray("you(pl) have") << true << false << true << true;
    QTest::newRow("infinitives: he") << QByteArray("he_(she_it) is") << true << false << true << true;
    QTest::newRow("infinitives: we") << QByteArray("we know") << true << false << true << true;
    QTest::newRow("infinitives: they") << QByteArray("they know") << true << false << true << true;
    QTest::newRow("infinitives keep to have") << QByteArray("to have") << true << false << true << false;
    QTest::newRow("infinitives keep a participle") << QByteArray("had") << true << false << true << false;
    QTest::newRow("infinitives keep been") << QByteArray("been") << true << false << true << false;
    // The test reads only the letters, not the group, so other groups lose such words too.
    QTest::newRow("infinitives: the noun week") << QByteArray("week") << false << false << true << true;
    QTest::newRow("infinitives: the adjective young") << QByteArray("young") << false << false << true << true;
    QTest::newRow("infinitives: the pronoun I") << QByteArray("I") << false << false << true << true;
    QTest::newRow("infinitives keep he without its bracket") << QByteArray("he") << false << false << true << false;
    QTest::newRow("infinitives keep the noun word") << QByteArray("word") << false << false << true << false;

    QTest::newRow("no second person: you") << QByteArray("you have") << true << true << false << true;
    QTest::newRow("no second person: you(pl)") << QByteArray("you(pl) have") << true << true << false << true;
    QTest::newRow("no second person keeps I") << QByteArray("I have") << true << true << false << false;
    QTest::newRow("no second person keeps they") << QByteArray("they have") << true << true << false << false;
    QTest::newRow("no second person keeps to have") << QByteArray("to have") << true << true << false << false;
    QTest::newRow("no second person needs the verbs") << QByteArray("you have") << false << true << false << false;
    QTest::newRow("no second person spares the pronoun you") << QByteArray("you") << false << true << false << false;
}

void TestVerbFilter::entry_isSkippedByTheChosenVerbForms()
{
    QFETCH(QByteArray, english);
    QFETCH(bool, verbsChecked);
    QFETCH(bool, noSecondPerson);
    QFETCH(bool, infinitivesOnly);
    QFETCH(bool, skipped);

    const VerbFormSettings settings{verbsChecked, noSecondPerson, infinitivesOnly};
    QCOMPARE(skippedByVerbFilter(english.toStdString(), settings), skipped);
}

QTEST_APPLESS_MAIN(TestVerbFilter)
#include "tst_verbfilter.moc"
