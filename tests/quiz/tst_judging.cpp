// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/judging.h"
#include "quiz/scoretext.h"

#include <QTest>

#include <climits>

using namespace quiz;

Q_DECLARE_METATYPE(quiz::Direction)

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

class TestJudging : public QObject
{
    Q_OBJECT

private slots:
    void typedAnswer_isJudgedByTheDirectionsRule_data();
    void typedAnswer_isJudgedByTheDirectionsRule();
    void score_isCutToTwoDecimals_data();
    void score_isCutToTwoDecimals();
    void score_agreesWithTheRuleForEveryCountUpTo300();
};

// Answers and entries are Windows-1252 bytes: "\xED" is í, "\xE1" is á.
void TestJudging::typedAnswer_isJudgedByTheDirectionsRule_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<Direction>("direction");
    QTest::addColumn<bool>("verbsChecked");
    QTest::addColumn<bool>("right");

    const Direction toSpanish = Direction::EnglishToSpanish;
    const Direction toEnglish = Direction::SpanishToEnglish;
    const auto row = [](const char *name, const QByteArray &answer, const QByteArray &expected,
                        Direction direction, bool verbs, bool right) {
        QTest::newRow(name) << answer << expected << direction << verbs << right;
    };

    // English to Spanish: a translation, or a part ending where a translation ends.
    const QByteArray tengo("tengo he");
    row("first translation", "tengo", tengo, toSpanish, false, true);
    row("last translation", "he", tengo, toSpanish, false, true);
    row("tail of the first translation", "ngo", tengo, toSpanish, false, true);
    row("last letter of the first translation", "o", tengo, toSpanish, false, true);
    row("verbs checked change nothing here", "he", tengo, toSpanish, true, true);
    row("whole entry with both translations", "tengo he", tengo, toSpanish, false, false);
    row("cut short", "teng", tengo, toSpanish, false, false);
    row("trailing blank", "tengo ", tengo, toSpanish, false, false);
    row("leading blank", " he", tengo, toSpanish, false, false);
    row("letter inside a translation", "e", tengo, toSpanish, false, false);
    row("capital letter", "Tengo", tengo, toSpanish, false, false);
    row("empty", "", tengo, toSpanish, false, false);

    row("one-word entry, whole", "si", "si", toSpanish, false, true);
    row("one-word entry, part", "s", "si", toSpanish, false, false);
    row("one-word entry, trailing blank", "si ", "si", toSpanish, false, false);
    row("one-word entry, longer answer", "palabras", "palabra", toSpanish, false, false);

    row("accent typed",
        "d\xED"
        "a",
        "d\xED"
        "a",
        toSpanish, false, true);
    row("missing accent", "dia",
        "d\xED"
        "a",
        toSpanish, false, false);
    row("accent as UTF-8 bytes",
        "d\xC3\xAD"
        "a",
        "d\xED"
        "a",
        toSpanish, false, false);

    // The comma is part of the first translation as stored, so the first form counts only with it.
    const QByteArray eres("eres, est\xE1s");
    row("comma: first form with its comma", "eres,", eres, toSpanish, false, true);
    row("comma: first form without it", "eres", eres, toSpanish, false, false);
    row("comma: second form", "est\xE1s", eres, toSpanish, false, true);

    const QByteArray paraQue("para_que con_tal_que");
    row("underscores: first expression", "para_que", paraQue, toSpanish, false, true);
    row("underscores: last expression", "con_tal_que", paraQue, toSpanish, false, true);
    row("underscores typed as blanks", "para que", paraQue, toSpanish, false, false);
    // "que" first occurs at the end of "para_que", right before the blank.
    row("underscores: word ending the first expression", "que", paraQue, toSpanish, false, true);
    row("underscores: word inside an expression", "tal", paraQue, toSpanish, false, false);

    row("empty slot", "x", "", toSpanish, false, false);
    row("very long answer", QByteArray(500, 'a'), tengo, toSpanish, false, false);

    // Spanish to English, verbs: the whole entry, exactly.
    row("verb: exact", "I have", "I have", toEnglish, true, true);
    row("verb: small i", "i have", "I have", toEnglish, true, false);
    row("verb: trailing blank", "I have ", "I have", toEnglish, true, false);
    row("verb: without subject", "have", "I have", toEnglish, true, false);

    // Spanish to English, other groups: any part of the entry.
    row("noun: whole", "time", "time", toEnglish, false, true);
    row("noun: front part", "tim", "time", toEnglish, false, true);
    row("noun: one letter", "e", "time", toEnglish, false, true);
    row("noun: across a blank", "n a", "in at", toEnglish, false, true);
    row("noun: longer than the entry", "times", "time", toEnglish, false, false);
    row("noun: empty", "", "time", toEnglish, false, false);
}

void TestJudging::typedAnswer_isJudgedByTheDirectionsRule()
{
    QFETCH(QByteArray, answer);
    QFETCH(QByteArray, expected);
    QFETCH(Direction, direction);
    QFETCH(bool, verbsChecked);
    QFETCH(bool, right);

    const std::string_view answerBytes(answer.constData(), std::size_t(answer.size()));
    const std::string_view expectedBytes(expected.constData(), std::size_t(expected.size()));
    QCOMPARE(judgeTypedAnswer(answerBytes, expectedBytes, direction, verbsChecked), right);
}

void TestJudging::score_isCutToTwoDecimals_data()
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
    QTest::newRow("one in a thousand") << 1 << 1000 << QStringLiteral("0.10%");
    QTest::newRow("largest counts") << INT_MAX - 1 << INT_MAX << QStringLiteral("99.99%");
}

void TestJudging::score_isCutToTwoDecimals()
{
    QFETCH(int, correct);
    QFETCH(int, trials);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(scoreText(correct, trials)), text);
}

void TestJudging::score_agreesWithTheRuleForEveryCountUpTo300()
{
    for (int trials = 1; trials <= 300; ++trials) {
        for (int correct = 0; correct <= trials; ++correct) {
            const QString text = QString::fromStdString(scoreText(correct, trials));
            if (text != expectedScore(correct, trials))
                QFAIL(qPrintable(QString::asprintf("%d of %d: ", correct, trials) + text));
        }
    }
}

QTEST_APPLESS_MAIN(TestJudging)
#include "tst_judging.moc"
