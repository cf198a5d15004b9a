// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/scoretext.h"

#include <QTest>

#include <climits>

using namespace quiz;

namespace {

// The same rule, worked the other way round: integer casts for the truncation and Qt's own
// formatting, so that a slip in either version shows as a difference.
QString expectedScore(int correct, int trials)
{
    const double q = double(correct) / double(trials);
    const double p = q * 100;
    const auto whole = static_cast<long long>(p);
    const auto hundredths = static_cast<long long>((p - double(whole)) * 100);
    return QString::asprintf("%lld.%02lld%%", whole, hundredths);
}

} // namespace

class TestScoreText : public QObject
{
    Q_OBJECT

private slots:
    void score_isCutToTwoDecimals_data();
    void score_isCutToTwoDecimals();
    void score_agreesWithTheRuleForEveryCountUpTo300();
};

void TestScoreText::score_isCutToTwoDecimals_data()
{
    QTest::addColumn<int>("correct");
    QTest::addColumn<int>("trials");
    QTest::addColumn<QString>("text");

    QTest::newRow("two of three, cut not rounded") << 2 << 3 << QStringLiteral("66.66%");
    QTest::newRow("leading zero of the hundredths") << 1 << 11 << QStringLiteral("9.09%");
    QTest::newRow("all right") << 1 << 1 << QStringLiteral("100.00%");
    QTest::newRow("none right") << 0 << 1 << QStringLiteral("0.00%");
    // 29 / 100 * 100 comes out just below 29 in double precision.
    QTest::newRow("just below a whole number") << 29 << 100 << QStringLiteral("28.99%");
    QTest::newRow("half") << 1 << 2 << QStringLiteral("50.00%");
    QTest::newRow("one in a thousand") << 1 << 1000 << QStringLiteral("0.10%");
    QTest::newRow("largest counts") << INT_MAX - 1 << INT_MAX << QStringLiteral("99.99%");
}

void TestScoreText::score_isCutToTwoDecimals()
{
    QFETCH(int, correct);
    QFETCH(int, trials);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(scoreText(correct, trials)), text);
}

void TestScoreText::score_agreesWithTheRuleForEveryCountUpTo300()
{
    for (int trials = 1; trials <= 300; ++trials) {
        for (int correct = 0; correct <= trials; ++correct) {
            const QString text = QString::fromStdString(scoreText(correct, trials));
            if (text != expectedScore(correct, trials))
                QFAIL(qPrintable(QStringLiteral("%1 of %2: %3, not %4")
                                     .arg(correct).arg(trials).arg(text, expectedScore(correct, trials))));
        }
    }
}

QTEST_APPLESS_MAIN(TestScoreText)
#include "tst_scoretext.moc"
