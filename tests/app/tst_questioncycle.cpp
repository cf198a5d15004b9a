// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Group loads, the picking of questions and their choices, and the end of a pass, on the window.
#include "scriptedservices.h"

#include "app/answeredit.h"
#include "app/textcodec.h"
#include "quiz/distractors.h"
#include "quiz/verbfilter.h"
#include "vocabulary/groupwords.h"

#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <set>

using namespace Qt::StringLiterals;

namespace {

// Chooses a level, the new/all setting and a group as the learner would from the menus.
void load(TForm1 &form, int level, bool allWords, void (TForm1::*loader)())
{
    form.levelItems[static_cast<std::size_t>(level)]->menu()->aboutToShow();
    if (allWords != form.AllWords->isChecked())
        (allWords ? form.AllWords : form.NewWords)->setChecked(true);
    form.NewAll->setText(allWords ? QStringLiteral("All Words") : QStringLiteral("New Words Only"));
    (form.*loader)();
}

QString english(const TForm1 &form, int index)
{
    return entryToQString(form.state().tables.EnglishWords[static_cast<std::size_t>(index)].text());
}

QString spanish(const TForm1 &form, int index)
{
    return entryToQString(form.state().tables.SpanishWords[static_cast<std::size_t>(index)].text());
}

QStringList choices(const TForm1 &form)
{
    QStringList texts;
    for (int slot = 0; slot < quiz::kChoiceCount; ++slot)
        texts << form.answerItem(slot)->text();
    return texts;
}

// Answers the question on display right by clicking its slot, then lets Timer2's tick come.
void answerRightAndTick(TForm1 &form)
{
    form.answerItem(form.state().SlotOrder[0])->click();
    QVERIFY(form.Timer2->isActive());
    form.NewQuestion();
}

// Types the right answer into the answer box and presses Return `returns` times.
void typeRightAnswer(TForm1 &form, int returns = 1)
{
    form.Answer->clear();
    // One key event carries the whole word, accents included, as an input method sends it.
    QTest::sendKeyEvent(QTest::Click, form.Answer, Qt::Key_unknown, firstTranslation(form),
                        Qt::NoModifier);
    for (int i = 0; i < returns; ++i)
        QTest::keyClick(form.Answer, Qt::Key_Return);
}

// Lets Timer2's tick come if it is pending, as its timeout would.
void tickIfArmed(TForm1 &form)
{
    if (form.Timer2->isActive())
        form.NewQuestion();
}

} // namespace

class TestQuestionCycle : public QObject
{
    Q_OBJECT

private slots:
    void loads_setTheListByLevelAndNewAll_data();
    void loads_setTheListByLevelAndNewAll();
    void smallerGroup_leavesTheLargerGroupsWordsBehindIt();
    void fallbacks_handOverToTheNextGroup_data();
    void fallbacks_handOverToTheNextGroup();
    void newAllReload_runsEachMatchingGroupInTurn();
    void randomOrder_neverDrawsADoneWord();
    void slotOrder_staysUntilARightClick();
    void wrongChoices_comeFromNeighbouringEntries_data();
    void wrongChoices_comeFromNeighbouringEntries();
    void oneWordList_endsItsPassAtEveryRightAnswer();
    void endOfList_movesOnOrRepeats_data();
    void endOfList_movesOnOrRepeats();
    void successiveOrder_startsAgainPastTheEndOfTheList();
    void pointingAtAnotherLevel_neverLeavesTheLoadedGroup_data();
    void pointingAtAnotherLevel_neverLeavesTheLoadedGroup();
    void verbForms_filterTheRealVerbs_data();
    void verbForms_filterTheRealVerbs();
    void passWithSkippedVerbForms_endsOnceItsAskedWordsAreDone_data();
    void passWithSkippedVerbForms_endsOnceItsAskedWordsAreDone();
    void newGroup_beforeTheLastAnswer_dropsTheEndOfTheList_data();
    void newGroup_beforeTheLastAnswer_dropsTheEndOfTheList();
    void everyWordIsDoneOncePerPass_data();
    void everyWordIsDoneOncePerPass();
    void tickDuringABox_takesEffectWhenItCloses_data();
    void tickDuringABox_takesEffectWhenItCloses();
    void tickDuringALoadersBox_leavesTheListWhole_data();
    void tickDuringALoadersBox_leavesTheListWhole();
};

void TestQuestionCycle::loads_setTheListByLevelAndNewAll_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("allWords");
    QTest::addColumn<int>("listCount");
    QTest::addColumn<int>("firstIndex");
    QTest::newRow("nouns at 300, new") << 0 << 2 << false << 53 << 46;
    QTest::newRow("nouns at 300, all") << 0 << 2 << true << 99 << 0;
    QTest::newRow("nouns at 100, new") << 0 << 0 << false << 11 << 0;
    QTest::newRow("nouns at 100, all") << 0 << 0 << true << 11 << 0;
    QTest::newRow("adverbs at 500, new") << 4 << 4 << false << 3 << 54;
    QTest::newRow("adverbs at 500, all") << 4 << 4 << true << 57 << 0;
    QTest::newRow("verbs at 1000, new") << 1 << 9 << false << 283 << 2305;
    QTest::newRow("prepositions at 300, all") << 5 << 2 << true << 14 << 0;
    QTest::newRow("pronouns at 1000, all") << 2 << 9 << true << 27 << 0;
}

void TestQuestionCycle::loads_setTheListByLevelAndNewAll()
{
    QFETCH(int, listCount);
    QFETCH(int, firstIndex);
    QFETCH(int, group);
    QFETCH(int, level);
    QFETCH(bool, allWords);
    StartedQuiz quiz;
    static constexpr std::array loaders{&TForm1::Nouns1Click,       &TForm1::Verbs1Click,
                                        &TForm1::Pronouns1Click,    &TForm1::Adjectives1Click,
                                        &TForm1::Adverbs1Click,     &TForm1::Prepositions1Click,
                                        &TForm1::Conjunctions1Click};
    load(*quiz, level, allWords, loaders[static_cast<std::size_t>(group)]);
    QCOMPARE(quiz->state().ListCount, listCount);
    QCOMPARE(quiz->state().CurrentIndex, firstIndex);
    QCOMPARE(quiz->Edit1->toPlainText(), english(*quiz, firstIndex));
    QVERIFY(quiz.services.messages.isEmpty());
    QVERIFY(quiz->groupItems[static_cast<std::size_t>(group)]->isChecked());
    // Successive order walks on through the list.
    quiz->Button2Click();
    QCOMPARE(quiz->state().CurrentIndex, firstIndex + 1);
}

void TestQuestionCycle::smallerGroup_leavesTheLargerGroupsWordsBehindIt()
{
    StartedQuiz quiz;
    quiz->Verbs1Click();
    load(*quiz, 2, true, &TForm1::Prepositions1Click);
    QCOMPARE(quiz->state().ListCount, 14);
    QCOMPARE(english(*quiz, 19), QStringLiteral("by through"));
    // Verb entries stay behind the prepositions.
    const auto verbs = vocabulary::groupWords(vocabulary::Group::Verbs);
    QCOMPARE(english(*quiz, 20), QString::fromLatin1(verbs[20].english.text()));
    QCOMPARE(english(*quiz, 2587), QStringLiteral("they meant"));
    QVERIFY(english(*quiz, 2588).isEmpty());
}

void TestQuestionCycle::fallbacks_handOverToTheNextGroup_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("groupText");
    QTest::addColumn<QString>("levelText");
    QTest::addColumn<int>("listCount");
    QTest::addColumn<int>("firstIndex");

    const QString prepositions = QStringLiteral("There are no new prepositions at this level");
    QTest::newRow("prepositions at 700") << 5 << 6 << QStringList{prepositions} << "Conjunctions"
                                         << "700 Words" << 1 << 12;
    QTest::newRow("pronouns at 1000")
        << 2 << 9 << QStringList{"There are no new pronouns at this level"} << "Adjectives"
        << "1000 Words" << 15 << 193;
    QTest::newRow("conjunctions at 200")
        << 6 << 1
        << QStringList{"There are no new conjunctions at the 200 Words level. Continue at the 300 "
                       "Words level?"}
        << "Nouns"
        << "300 Words" << 53 << 46;
    QTest::newRow("prepositions at 600, twice")
        << 5 << 5
        << QStringList{prepositions, "There are no new conjunctions at the 600 Words level. "
                                     "Continue at the 700 Words level?"}
        << "Nouns"
        << "700 Words" << 72 << 282;
}

void TestQuestionCycle::fallbacks_handOverToTheNextGroup()
{
    QFETCH(QStringList, messages);
    QFETCH(QString, levelText);
    QFETCH(int, listCount);
    QFETCH(int, group);
    QFETCH(int, level);
    QFETCH(QString, groupText);
    QFETCH(int, firstIndex);
    StartedQuiz quiz;
    load(*quiz, level, false,
         group == 5   ? &TForm1::Prepositions1Click
         : group == 2 ? &TForm1::Pronouns1Click
                      : &TForm1::Conjunctions1Click);
    QCOMPARE(quiz.services.messages, messages);
    QCOMPARE(quiz->WordGroup->text(), groupText);
    QCOMPARE(quiz->Level->text(), levelText);
    QCOMPARE(quiz->state().ListCount, listCount);
    // The group that took over owns the tables; a second question from the first loader is the
    // taking-over group's next word.
    QVERIFY(quiz->state().CurrentIndex == firstIndex ||
            quiz->state().CurrentIndex == firstIndex + 1 ||
            (quiz->state().ListCount == 1 && quiz->state().CurrentIndex == firstIndex));
    const auto taker = vocabulary::groupFromBoxText(groupText.toStdString());
    QVERIFY(taker);
    QCOMPARE(english(*quiz, 0), QString::fromStdString(std::string(
                                    vocabulary::groupWords(*taker).front().english.text())));

    // With "All Words" the same choice never hands over.
    StartedQuiz all;
    load(*all, level, true, &TForm1::Prepositions1Click);
    QVERIFY(all.services.messages.isEmpty());
}

void TestQuestionCycle::newAllReload_runsEachMatchingGroupInTurn()
{
    StartedQuiz quiz;
    load(*quiz, 9, true, &TForm1::Prepositions1Click);
    quiz->NewWordsClick();
    // "Prepositions" hands over to the conjunctions, and the later test for "Conjunctions" then
    // loads them once more.
    QCOMPARE(quiz.services.messages, QStringList{"There are no new prepositions at this level"});
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Conjunctions"));
    QCOMPARE(quiz->state().ListCount, 1);
    QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("whether"));
}

void TestQuestionCycle::randomOrder_neverDrawsADoneWord()
{
    StartedQuiz quiz;
    quiz->Random1->trigger();
    quiz->Nouns1->trigger();
    // Four words answered right at the first try are done for this pass.
    while (quiz->state().AskedList.size() < 4)
        answerRightAndTick(*quiz);
    const QList<int> done = quiz->state().AskedList;
    int notDone = 0;
    while (done.contains(notDone))
        ++notDone;
    quiz.services.randoms = done;
    quiz.services.randoms << notDone;
    clickButton(*quiz, "Button2");
    QCOMPARE(quiz->state().CurrentPosText, QString::number(notDone));
    QCOMPARE(quiz->Edit1->toPlainText(), english(*quiz, notDone));
}

void TestQuestionCycle::slotOrder_staysUntilARightClick()
{
    StartedQuiz quiz;
    const int rightSlot = quiz->state().SlotOrder[0];
    quiz->answerItem((rightSlot + 1) % quiz::kChoiceCount)->click(); // wrong
    quiz->Button2Click();
    QCOMPARE(quiz->state().SlotOrder[0], rightSlot);
    QCOMPARE(quiz->answerItem(rightSlot)->text(), QStringLiteral("tiempo"));

    quiz->answerItem(rightSlot)->click(); // right: the next question draws anew
    QVERIFY(quiz->state().SlotOrder.isEmpty());
    const int newSlot = (rightSlot + 2) % quiz::kChoiceCount;
    quiz.services.randoms = {newSlot};
    quiz->NewQuestion();
    QCOMPARE(quiz->state().SlotOrder[0], newSlot);
    QCOMPARE(quiz->state().SlotOrder.size(), quiz::kChoiceCount);
}

void TestQuestionCycle::wrongChoices_comeFromNeighbouringEntries_data()
{
    QTest::addColumn<bool>("verbs");
    QTest::addColumn<int>("index");
    QTest::addColumn<QList<int>>("choiceIndexes"); // the right one first, then the wrong ones
    // Nouns at "200 Words", all words. With the draws scripted, the step k is 2: forwards up to
    // index 12, backwards from 13.
    QTest::newRow("step forwards at 12") << false << 12 << QList<int>{12, 14, 16, 18};
    QTest::newRow("step backwards at 13") << false << 13 << QList<int>{13, 11, 9, 7};
    // Verbs at "100 Words": the nearest entries of the same person, forwards below index 100.
    QTest::newRow("verb forwards from I have") << true << 4 << QList<int>{4, 11, 18, 29};
    QTest::newRow("verb backwards from to go") << true << 106 << QList<int>{106, 93, 85, 78};
}

void TestQuestionCycle::wrongChoices_comeFromNeighbouringEntries()
{
    QFETCH(bool, verbs);
    QFETCH(int, index);
    QFETCH(QList<int>, choiceIndexes);
    StartedQuiz quiz;
    if (verbs)
        quiz->Verbs1->trigger();
    else
        load(*quiz, 1, true, &TForm1::Nouns1Click);
    askIndex(*quiz, index - 1);
    // One draw completes the slot order, which is full already; the next gives the step.
    quiz.services.randoms = {0, 1};
    clickButton(*quiz, "Button2");
    QCOMPARE(quiz->state().QuestionIndex, index);
    QStringList expected;
    for (int choice : choiceIndexes)
        expected << spanish(*quiz, choice);
    QStringList shown;
    for (int slot : quiz->state().SlotOrder)
        shown << quiz->answerItem(slot)->text();
    QCOMPARE(shown, expected);
}

void TestQuestionCycle::oneWordList_endsItsPassAtEveryRightAnswer()
{
    StartedQuiz quiz;
    load(*quiz, 6, false, &TForm1::Conjunctions1Click);
    QCOMPARE(quiz->state().ListCount, 1);
    for (int round = 1; round <= 2; ++round) {
        answerRightAndTick(*quiz);
        QCOMPARE(quiz.services.questions.size(), round);
        QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("than")); // "No" repeats the list
    }
    QCOMPARE(quiz.services.questionTitles.first(), QStringLiteral("Confirm"));
}

void TestQuestionCycle::endOfList_movesOnOrRepeats_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("groupText");
    QTest::addColumn<QString>("levelText");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("yes after conjunctions at 400") << 3 << true << "Nouns"
                                                   << "500 Words" << QStringList();
    QTest::newRow("no repeats the conjunctions") << 3 << false << "Conjunctions"
                                                 << "400 Words" << QStringList();
    QTest::newRow("yes at 1000 congratulates")
        << 9 << true << "Nouns"
        << "1000 Words"
        << QStringList{"Congratulations! That was the last of Vocarra. Repeat this level "
                       "automatically; or select "
                       "another level and group."};
}

void TestQuestionCycle::endOfList_movesOnOrRepeats()
{
    QFETCH(bool, yes);
    QFETCH(QString, groupText);
    QFETCH(QString, levelText);
    QFETCH(QStringList, messages);
    QFETCH(int, level);
    StartedQuiz quiz;
    load(*quiz, level, false, &TForm1::Conjunctions1Click);
    quiz.services.answers = {yes};
    const int listCount = quiz->state().ListCount;
    for (int asked = 0; asked < listCount; ++asked)
        answerRightAndTick(*quiz);
    QCOMPARE(quiz.services.questions.size(), 1);
    QCOMPARE(quiz.services.questions.first(),
             QStringLiteral("Those are the last Conjunctions in New Words Only in %1. Click YES "
                            "and practice the next "
                            "word group? Click NO and repeat.")
                 .arg(QString::fromUtf8(vocabulary::levelText(level))));
    QCOMPARE(quiz->WordGroup->text(), groupText);
    QCOMPARE(quiz->Level->text(), levelText);
    QCOMPARE(quiz.services.messages, messages);
    QVERIFY(quiz->state().AskedList.isEmpty());
    QVERIFY(!quiz->state().ListExhausted);
}

void TestQuestionCycle::successiveOrder_startsAgainPastTheEndOfTheList()
{
    StartedQuiz quiz; // nouns at 100: 11 words
    // One wrong answer keeps the pass open.
    quiz->answerItem((quiz->state().SlotOrder[0] + 1) % quiz::kChoiceCount)->click();
    for (int i = 0; i < 11; ++i)
        quiz->Button2Click();
    QCOMPARE(quiz->state().SequencePos, 0);
    QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("word"));
}

void TestQuestionCycle::pointingAtAnotherLevel_neverLeavesTheLoadedGroup_data()
{
    QTest::addColumn<bool>("random");
    QTest::newRow("successive") << false;
    QTest::newRow("random") << true;
}

void TestQuestionCycle::pointingAtAnotherLevel_neverLeavesTheLoadedGroup()
{
    QFETCH(bool, random);
    StartedQuiz quiz;
    if (random)
        quiz->Random1->trigger();
    load(*quiz, 8, false, &TForm1::Verbs1Click);
    QCOMPARE(quiz->state().ListCount, 343);
    emit quiz->levelItems[9]->menu()->aboutToShow(); // the learner only points at "1000 Words"
    std::set<int> indexes;
    for (int pick = 0; pick < 2 * 343; ++pick) {
        quiz->Button2Click();
        QVERIFY2(quiz->state().CurrentIndex < 2588,
                 qPrintable(QString::number(quiz->state().CurrentIndex)));
        QVERIFY(!quiz->Edit1->toPlainText().isEmpty());
        indexes.insert(quiz->state().CurrentIndex);
    }
    // Positions that fit the new level's block take its words, as pointing at a level intends.
    QVERIFY(indexes.count(2305) == 1 && indexes.count(2587) == 1);
}

void TestQuestionCycle::verbForms_filterTheRealVerbs_data()
{
    QTest::addColumn<bool>("infinitives");
    QTest::addColumn<bool>("random");
    QTest::addColumn<bool>("nouns");
    QTest::newRow("infinitives, successive") << true << false << false;
    QTest::newRow("infinitives, random") << true << true << false;
    QTest::newRow("no second person, successive") << false << false << false;
    QTest::newRow("no second person, random") << false << true << false;
    // "week" is among the nouns new at 500, and the filter looks at no group.
    QTest::newRow("infinitives, nouns at 500") << true << false << true;
}

void TestQuestionCycle::verbForms_filterTheRealVerbs()
{
    QFETCH(bool, infinitives);
    QFETCH(bool, random);
    QFETCH(bool, nouns);
    StartedQuiz quiz;
    if (random)
        quiz->Random1->trigger();
    (infinitives ? quiz->Infinitives : quiz->NoSecondPerson2)->trigger();
    QCOMPARE(quiz->SecondPerson1->title(), infinitives ? QStringLiteral("Infinitives and p.p.")
                                                       : QStringLiteral("No Second Person"));
    if (nouns)
        load(*quiz, 4, false, &TForm1::Nouns1Click);
    else
        load(*quiz, 2, false, &TForm1::Verbs1Click);
    // The whole block of nouns at 500 once; the verbs for as many picks.
    for (int pick = 0; pick < (nouns ? 59 : 60); ++pick) {
        const QString asked = english(*quiz, quiz->state().CurrentIndex);
        if (nouns)
            QVERIFY(asked != QStringLiteral("week"));
        else if (infinitives)
            QVERIFY2(asked.startsWith(QStringLiteral("to ")) || !asked.contains(u' '),
                     qPrintable(asked));
        else
            QVERIFY2(!asked.startsWith(QStringLiteral("you")), qPrintable(asked));
        quiz->Button2Click();
    }
}

void TestQuestionCycle::passWithSkippedVerbForms_endsOnceItsAskedWordsAreDone_data()
{
    QTest::addColumn<bool>("infinitives");
    QTest::addColumn<bool>("random");
    QTest::addColumn<int>("level");
    QTest::newRow("infinitives, successive, 100") << true << false << 0;
    QTest::newRow("infinitives, random, 100") << true << true << 0;
    QTest::newRow("no second person, successive, 300") << false << false << 2;
    QTest::newRow("no second person, random, 300") << false << true << 2;
}

// Skipped entries count as done, so answering each word the filter lets through, once and right,
// brings the end-of-list question after the last of them, and only once.
void TestQuestionCycle::passWithSkippedVerbForms_endsOnceItsAskedWordsAreDone()
{
    QFETCH(bool, infinitives);
    QFETCH(bool, random);
    QFETCH(int, level);
    StartedQuiz quiz;
    if (random)
        quiz->Random1->trigger();
    (infinitives ? quiz->Infinitives : quiz->NoSecondPerson2)->trigger();
    load(*quiz, level, false, &TForm1::Verbs1Click);
    const int first = vocabulary::blockStart(vocabulary::Group::Verbs, level);
    const int listCount = quiz->state().ListCount;
    const quiz::VerbFormSettings filter{true, !infinitives, infinitives};
    const auto skipped = [&](int index) {
        return quiz::skippedByVerbFilter(english(*quiz, index).toStdString(), filter);
    };
    QList<int> skippedPositions;
    for (int position = 0; position < listCount; ++position) {
        if (skipped(first + position))
            skippedPositions << position;
    }
    const int letThrough = listCount - int(skippedPositions.size());
    QVERIFY(letThrough < listCount);
    // A random draw that keeps offering a skipped word finds it done after the first time.
    if (random)
        quiz.services.randoms = QList<int>(3 * listCount, skippedPositions.first());

    std::set<int> asked;
    while (quiz.services.questions.isEmpty() && int(asked.size()) <= letThrough) {
        const int index = quiz->state().CurrentIndex;
        QVERIFY2(!skipped(index), qPrintable(english(*quiz, index)));
        QVERIFY2(asked.insert(index).second, "a word came twice");
        answerRightAndTick(*quiz);
    }
    QCOMPARE(int(asked.size()), letThrough);
    QCOMPARE(quiz.services.questions.size(), 1);
}

void TestQuestionCycle::newGroup_beforeTheLastAnswer_dropsTheEndOfTheList_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("Word Groups item") << u"Verbs1"_s;
    QTest::newRow("level submenu item") << u"Adverbios7"_s;
    QTest::newRow("All Words") << u"AllWords"_s;
}

// The one word of the conjunctions at 700 is the last of its pass as soon as it is picked. A load
// before it is answered starts a new pass, so the next tick asks the new list's second word.
void TestQuestionCycle::newGroup_beforeTheLastAnswer_dropsTheEndOfTheList()
{
    QFETCH(QString, item);
    StartedQuiz quiz;
    load(*quiz, 6, false, &TForm1::Conjunctions1Click);
    QVERIFY(quiz->state().ListExhausted);
    quiz->findChild<QAction *>(item)->trigger();
    const int firstIndex = quiz->state().QuestionIndex;
    answerRightAndTick(*quiz);
    QVERIFY(quiz.services.questions.isEmpty());
    QCOMPARE(quiz->state().QuestionIndex, firstIndex + 1);
}

void TestQuestionCycle::tickDuringALoadersBox_leavesTheListWhole_data()
{
    QTest::addColumn<bool>("fallback");
    QTest::newRow("fallback notice of the prepositions at 700") << true;
    QTest::newRow("end-of-list question of the conjunctions at 700") << false;
}

// A tick of Timer2 let through by the box that a load or the end of a pass shows leaves the list
// that the box leads to whole: the one conjunction of "700 Words", asked once, with no tick left.
void TestQuestionCycle::tickDuringALoadersBox_leavesTheListWhole()
{
    QFETCH(bool, fallback);
    StartedQuiz quiz;
    if (fallback) {
        quiz->answerItem(quiz->state().SlotOrder[0])->click(); // a right answer arms Timer2
        QVERIFY(quiz->Timer2->isActive());
        quiz.services.whileBoxIsUp = [&quiz] { quiz->NewQuestion(); };
        load(*quiz, 6, false, &TForm1::Prepositions1Click);
    } else {
        load(*quiz, 6, false, &TForm1::Conjunctions1Click);
        quiz.services.whileBoxIsUp = [&quiz] { quiz->NewQuestion(); };
        answerRightAndTick(*quiz);
    }
    QCoreApplication::processEvents(); // a tick held over the box would come now
    QCOMPARE(quiz.services.messages.size() + quiz.services.questions.size(), 1);
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Conjunctions"));
    QCOMPARE(quiz->state().ListCount, 1);
    QCOMPARE(quiz->state().CurrentIndex, 12);
    QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("than"));
    QCOMPARE(choices(*quiz).count(QStringLiteral("que")), 1);
    QVERIFY(!quiz->Timer2->isActive());
    QVERIFY(quiz->state().AskedList.isEmpty());
    // The next right answer ends this one-word pass again, with exactly one more question.
    answerRightAndTick(*quiz);
    QCOMPARE(quiz.services.questions.size(), fallback ? 1 : 2);
}

void TestQuestionCycle::everyWordIsDoneOncePerPass_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("way");
    QTest::newRow("Return pressed twice on a right typed answer") << u"Nouns1"_s << 0 << 0;
    QTest::newRow("right typed answer, then its item clicked") << u"Conjunctions1"_s << 2 << 1;
    QTest::newRow("sequence restarted after the first word") << u"Pronouns1"_s << 1 << 2;
    QTest::newRow("sequence restarted before the last word") << u"Pronouns1"_s << 1 << 3;
}

// However a word is answered right more than once, it is done once: the end-of-list question
// comes after the answer that completes the pass, never earlier, and always.
void TestQuestionCycle::everyWordIsDoneOncePerPass()
{
    QFETCH(QString, group);
    QFETCH(int, level);
    QFETCH(int, way);
    StartedQuiz quiz;
    quiz->levelItems[static_cast<std::size_t>(level)]->menu()->aboutToShow();
    quiz->findChild<QAction *>(group)->trigger();
    const int listCount = quiz->state().ListCount;

    std::set<int> done;
    const auto answered = [&] { done.insert(quiz->state().CurrentPosText.toInt()); };
    if (way == 0) {
        quiz->TypeAnswer->trigger();
    } else if (way == 1) {
        quiz->TypeAnswer->trigger();
        typeRightAnswer(*quiz);
        quiz->MultChoice->trigger();
    } else {
        // Right answers to the first words, then "Successive" before the last tick: the first
        // word comes back next.
        for (int word = 1; word < way; ++word) {
            if (word > 1)
                tickIfArmed(*quiz);
            answered();
            quiz->answerItem(quiz->state().SlotOrder[0])->click();
        }
        quiz->Sequence->trigger();
        tickIfArmed(*quiz);
    }
    for (int answer = 0; answer < 3 * listCount && quiz.services.questions.isEmpty(); ++answer) {
        const bool passComplete = done.size() == static_cast<std::size_t>(listCount);
        QVERIFY2(!passComplete, "the pass went on after its last word");
        answered();
        if (way == 0)
            typeRightAnswer(*quiz, 2);
        else
            quiz->answerItem(quiz->state().SlotOrder[0])->click();
        const QList<int> asked = quiz->state().AskedList;
        QCOMPARE(std::set<int>(asked.begin(), asked.end()).size(),
                 static_cast<std::size_t>(asked.size()));
        tickIfArmed(*quiz);
        QCOMPARE(quiz.services.questions.size(),
                 done.size() == static_cast<std::size_t>(listCount) ? 1 : 0);
    }
    QCOMPARE(quiz.services.questions.size(), 1);
}

void TestQuestionCycle::tickDuringABox_takesEffectWhenItCloses_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("newQuestions");
    // About asks nothing of its own, so the held tick brings the next word once it is closed.
    QTest::newRow("About") << u"About1"_s << 1;
    // Leaving the program drops the tick: no word and no end-of-list question after the farewell.
    QTest::newRow("farewell") << u"Exit2"_s << 0;
}

void TestQuestionCycle::tickDuringABox_takesEffectWhenItCloses()
{
    QFETCH(QString, item);
    QFETCH(int, newQuestions);
    StartedQuiz quiz;
    quiz->answerItem(quiz->state().SlotOrder[0])->click(); // a right answer arms Timer2
    const int position = quiz->state().SequencePos;
    quiz.services.whileBoxIsUp = [&quiz] { quiz->NewQuestion(); };
    quiz->findChild<QAction *>(item)->trigger();
    QCOMPARE(quiz.services.messages.size(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(quiz->state().SequencePos, position + newQuestions);
    QVERIFY(!quiz->Timer2->isActive());
    QVERIFY(quiz.services.questions.isEmpty());
    if (newQuestions == 0)
        return;
    // The new word is answered as any other: a right click counts.
    QCOMPARE(quiz->state().SlotOrder.size(), quiz::kChoiceCount);
    quiz->answerItem(quiz->state().SlotOrder[0])->click();
    QCOMPARE(quiz->state().CorrectCount, 2);
}

QTEST_MAIN(TestQuestionCycle)
#include "tst_questioncycle.moc"
