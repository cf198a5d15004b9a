// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings menus as a learner sees them: which word comes next, the check marks and enabled
// states, a setting chosen again, changes in the middle of a pass, and pending ticks.
#include "scriptedservices.h"

#include "app/textcodec.h"

#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QString wordAt(const TForm1 &form, int index, bool spanish)
{
    const auto &tables = form.state().tables;
    const auto &table = spanish ? tables.SpanishWords : tables.EnglishWords;
    return entryToQString(table[static_cast<std::size_t>(index)].text());
}

void trigger(TForm1 &form, const QString &name) { form.findChild<QAction *>(name)->trigger(); }

void clickRight(TForm1 &form) { form.answerItem(form.state().SlotOrder[0])->click(); }

// Right answers, each followed by Timer2's tick, until the end-of-list question comes; how many.
int rightAnswersToTheEndOfThePass(StartedQuiz &quiz)
{
    int answers = 0;
    while (quiz.services.questions.isEmpty() && answers < 100) {
        clickRight(*quiz);
        ++answers;
        if (quiz->Timer2->isActive())
            quiz->NewQuestion();
    }
    return answers;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    // The word on display after choosing an item twice in a row, from the start (nouns at 100).
    void settingChosenAgain_repeatsItsEffect_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("newQuestionsFirst");
        QTest::addColumn<int>("expectedIndex");
        QTest::addColumn<bool>("spanish");
        QTest::addColumn<int>("nextIndex"); // after "New Question"; -1: drawn at random
        // Each choice of a direction asks the next word at once, so twice is two words on.
        QTest::newRow("Spanish to English") << u"SpanishtoEnglish1"_s << 0 << 2 << true << 3;
        QTest::newRow("English to Spanish") << u"EnglishtoSpanish1"_s << 0 << 2 << false << 3;
        // A reload starts the list again, however often it is chosen.
        QTest::newRow("All Words") << u"AllWords"_s << 3 << 0 << false << 1;
        QTest::newRow("New Words Only") << u"NewWords"_s << 3 << 0 << false << 1;
        QTest::newRow("a word group") << u"Nouns1"_s << 3 << 0 << false << 1;
        // The other settings leave the word on display alone; "Successive" restarts the
        // sequence at the next question.
        QTest::newRow("Random") << u"Random1"_s << 3 << 3 << false << -1;
        QTest::newRow("Successive") << u"Sequence"_s << 3 << 3 << false << 0;
        QTest::newRow("Type Answer") << u"TypeAnswer"_s << 3 << 3 << false << 4;
        QTest::newRow("Infinitives and p.p.") << u"Infinitives"_s << 3 << 3 << false << 4;
    }

    void settingChosenAgain_repeatsItsEffect()
    {
        QFETCH(QString, item);
        QFETCH(int, newQuestionsFirst);
        QFETCH(int, expectedIndex);
        QFETCH(bool, spanish);
        QFETCH(int, nextIndex);
        StartedQuiz quiz;
        for (int i = 0; i < newQuestionsFirst; ++i)
            clickButton(*quiz, "Button2");
        trigger(*quiz, item);
        trigger(*quiz, item);
        QVERIFY(quiz->findChild<QAction *>(item)->isChecked());
        QCOMPARE(quiz->state().QuestionIndex, expectedIndex);
        QCOMPARE(quiz->Edit1->toPlainText(), wordAt(*quiz, expectedIndex, spanish));
        QVERIFY(quiz.services.messages.isEmpty());
        if (nextIndex < 0)
            return;
        clickButton(*quiz, "Button2");
        QCOMPARE(quiz->Edit1->toPlainText(), wordAt(*quiz, nextIndex, spanish));
    }

    void direction_setsRepeatAndTheQuestionTable()
    {
        StartedQuiz quiz;
        auto *repeat = quiz->findChild<QAbstractButton *>(u"GradBtn1"_s);
        trigger(*quiz, u"SpanishtoEnglish1"_s);
        QVERIFY(!repeat->isEnabled());
        QVERIFY(!quiz->EnglishtoSpanish1->isChecked());
        QCOMPARE(quiz->Edit1->toPlainText(), u"tiempo"_s);
        QCOMPARE(quiz->answerItem(quiz->state().SlotOrder[0])->text(), u"time"_s);
        trigger(*quiz, u"EnglishtoSpanish1"_s);
        QVERIFY(repeat->isEnabled());
        QCOMPARE(quiz->Edit1->toPlainText(), u"way"_s);
    }

    // A change of direction or order in the middle of a pass keeps what is done: the pass ends
    // once every word of the 11 nouns at 100 is done, whatever came between. Three are done when
    // the change comes, with the fourth on display.
    void changeInTheMiddleOfAPass_keepsWhatIsDone_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<int>("answersToTheEnd");
        // The direction asks the fifth word at once, passing over the fourth: the sequence goes
        // on to the last, starts again, and the pass ends when the fourth comes round.
        QTest::newRow("direction") << u"SpanishtoEnglish1"_s << 11;
        QTest::newRow("order") << u"Random1"_s << 8;
        QTest::newRow("verb forms") << u"NoSecondPerson2"_s << 8;
    }

    void changeInTheMiddleOfAPass_keepsWhatIsDone()
    {
        QFETCH(QString, item);
        QFETCH(int, answersToTheEnd);
        StartedQuiz quiz;
        for (int i = 0; i < 3; ++i) {
            clickRight(*quiz);
            quiz->NewQuestion();
        }
        trigger(*quiz, item);
        QCOMPARE(quiz->state().AskedList.size(), 3);
        QCOMPARE(rightAnswersToTheEndOfThePass(quiz), answersToTheEnd);
    }

    // After a hand-over the group box names the group that took over, so the new/all switch
    // reloads that group (its list and its questions), without a second notice.
    void newAllSwitch_afterAFallback_reloadsTheGroupThatTookOver_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("taker");
        QTest::addColumn<int>("allCount");
        QTest::addColumn<QString>("firstOfAll");
        QTest::addColumn<int>("newCount");
        QTest::addColumn<QString>("firstOfNew");
        QTest::newRow("prepositions at 700 to the conjunctions")
            << 6 << u"Prepositions1"_s << u"Conjunctions"_s << 13 << u"if"_s << 1 << u"than"_s;
        QTest::newRow("pronouns at 1000 to the adjectives")
            << 9 << u"Pronouns1"_s << u"Adjectives"_s << 208 << u"the"_s << 15 << u"pretty"_s;
    }

    void newAllSwitch_afterAFallback_reloadsTheGroupThatTookOver()
    {
        QFETCH(int, level);
        QFETCH(QString, item);
        QFETCH(QString, taker);
        QFETCH(int, allCount);
        QFETCH(QString, firstOfAll);
        QFETCH(int, newCount);
        QFETCH(QString, firstOfNew);
        StartedQuiz quiz;
        quiz->levelItems[static_cast<std::size_t>(level)]->menu()->aboutToShow();
        trigger(*quiz, item);
        QCOMPARE(quiz.services.messages.size(), 1);
        QCOMPARE(quiz->WordGroup->text(), taker);

        trigger(*quiz, u"AllWords"_s);
        QCOMPARE(quiz->WordGroup->text(), taker);
        QVERIFY(quiz->findChild<QAction *>(taker + u'1')->isChecked());
        QCOMPARE(quiz->state().ListCount, allCount);
        QCOMPARE(quiz->Edit1->toPlainText(), firstOfAll);

        trigger(*quiz, u"NewWords"_s);
        QCOMPARE(quiz->WordGroup->text(), taker);
        QCOMPARE(quiz->state().ListCount, newCount);
        QCOMPARE(quiz->Edit1->toPlainText(), firstOfNew);
        QCOMPARE(quiz.services.messages.size(), 1);
    }

    // A right answer arms Timer2; a question asked by other means before the tick stops it, so
    // the word that question brought stays and no word is skipped.
    void questionByOtherMeans_stopsThePendingTick_data()
    {
        QTest::addColumn<QString>("item");
        QTest::newRow("New Question") << u"Button2"_s;
        QTest::newRow("Spanish to English") << u"SpanishtoEnglish1"_s;
        QTest::newRow("English to Spanish") << u"EnglishtoSpanish1"_s;
        QTest::newRow("a group load") << u"Nouns1"_s;
    }

    void questionByOtherMeans_stopsThePendingTick()
    {
        QFETCH(QString, item);
        StartedQuiz quiz;
        clickRight(*quiz);
        QVERIFY(quiz->Timer2->isActive());
        if (item == u"Button2"_s)
            clickButton(*quiz, "Button2");
        else
            trigger(*quiz, item);
        const int shown = quiz->state().QuestionIndex;
        QVERIFY(!quiz->Timer2->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(quiz->state().QuestionIndex, shown);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
