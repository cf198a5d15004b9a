// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Judging, scoring and the answer keys, driven through the window's own controls. The judging
// rule has its own table in the quiz tests; here each case checks what the learner sees and hears.
#include "scriptedservices.h"

#include "app/answeredit.h"
#include "quiz/verdicts.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;
using Sound = DesktopServices::Sound;

namespace {

void trigger(TForm1 &form, const QStringList &actions)
{
    for (const QString &name : actions)
        form.findChild<QAction *>(name)->trigger();
}

void clickRightItem(TForm1 &form) { form.answerItem(form.state().SlotOrder[0])->click(); }
void clickWrongItem(TForm1 &form)
{
    form.answerItem((form.state().SlotOrder[0] + 1) % quiz::kChoiceCount)->click();
}

// The answer box after a typed answer has been judged.
QString verdict(const QString &typed, bool right)
{
    return typed + QString::fromUtf8(quiz::verdictSuffix(right));
}
const QString wrongClick = QString::fromUtf8(quiz::kWrongClick);

// The trials and score boxes, as the learner reads them.
QStringList counts(const TForm1 &form) { return {form.NumTrials->text(), form.Score->text()}; }

const QString toEnglish = u"SpanishtoEnglish1"_s;
const QString typeAnswer = u"TypeAnswer"_s;

} // namespace

class TestAnswers : public QObject
{
    Q_OBJECT

private slots:
    void typedAnswer_getsVerdictCountSoundAndTimers_data()
    {
        QTest::addColumn<bool>("spanishToEnglish");
        QTest::addColumn<bool>("verbs");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        const auto row = [](const char *name, bool toEnglish, bool verbs, int index,
                            const QString &typed, bool right) {
            QTest::newRow(name) << toEnglish << verbs << index << typed << right;
        };
        // English to Spanish: index 0 is "word" = "palabra", index 5 "day" = "día".
        row("whole translation", false, false, 0, u"palabra"_s, true);
        row("cut short", false, false, 0, u"palabr"_s, false);
        row("accent typed", false, false, 5, u"día"_s, true);
        row("accent left out", false, false, 5, u"dia"_s, false);
        // Marks typed after their letter are joined to it first.
        row("accent as combining mark", false, false, 5, u"di\u0301a"_s, true);
        row("mark with no precomposed letter", false, false, 0, u"palabra\u0331"_s, false);
        // Characters Windows-1252 cannot hold never match, not even when their low byte would.
        row("emoji", false, false, 0, u"palabra😀"_s, false);
        row("Greek", false, false, 0, u"λέξη"_s, false);
        row("CJK", false, false, 0, u"字"_s, false);
        row("letter whose low byte is p", false, false, 0, u"\u0170alabra"_s, false);
        row("100,000 letters", false, false, 0, QString(100'000, u'a'), false);
        // Spanish to English, nouns: any part of the entry; index 1 is "tiempo" = "time".
        row("noun to English, whole", true, false, 1, u"time"_s, true);
        row("noun to English, part", true, false, 1, u"tim"_s, true);
        row("noun to English, low byte is m", true, false, 1, u"ti\u016De"_s, false);
        // Spanish to English, verbs: the exact entry; index 0 is "es está" = "he_(she_it) is".
        row("verb to English, exact", true, true, 0, u"he_(she_it) is"_s, true);
        row("verb to English, part", true, true, 0, u"is"_s, false);
        row("verb to English, strict prefix", true, true, 4, u"I hav"_s, false);
        row("verb to English, empty", true, true, 4, QString(), false);
        // Blanks count as typed: each of these would be right if it were trimmed first.
        row("verb to English, blank after", true, true, 4, u"I have "_s, false);
        row("verb to English, blank before", true, true, 4, u" I have"_s, false);
        row("noun to English, blank after", true, false, 1, u"time "_s, false);
        row("verb to Spanish, blank after", false, true, 4, u"tengo "_s, false);
        row("verb to Spanish, blank before", false, true, 4, u" he"_s, false);
        row("noun to Spanish, blank before", false, false, 0, u" palabra"_s, false);
        // Index 4 is "tengo he" = "I have"; a no-break space is byte 0xA0, not a blank.
        row("no-break space is not a blank", true, true, 4, u"I\u00A0have"_s, false);
    }

    void typedAnswer_getsVerdictCountSoundAndTimers()
    {
        QFETCH(bool, spanishToEnglish);
        QFETCH(bool, verbs);
        QFETCH(int, index);
        QFETCH(QString, typed);
        QFETCH(bool, right);

        StartedQuiz quiz;
        if (spanishToEnglish)
            quiz->SpanishtoEnglish1->trigger();
        if (verbs)
            quiz->Verbs1Click();
        askIndex(*quiz, index);
        QCOMPARE(quiz->state().QuestionIndex, index);
        quiz->TypeAnswer->trigger();
        const QString question = quiz->Edit1->toPlainText();

        quiz->Answer->setPlainText(typed);
        QTest::mouseClick(quiz->Button1, Qt::LeftButton);

        QCOMPARE(quiz->Answer->text(), verdict(typed, right));
        QCOMPARE(counts(*quiz), (QStringList{u"1"_s, right ? u"100.00%"_s : u"0.00%"_s}));
        QCOMPARE(quiz.services.sounds, QList<Sound>{right ? Sound::Right : Sound::Wrong});
        QVERIFY(quiz->Timer1->isActive());
        QCOMPARE(quiz->Timer2->isActive(), right);
        QCOMPARE(quiz->Edit1->toPlainText(), question);
        QCOMPARE(quiz->state().AskedList.contains(quiz->state().CurrentPosText.toInt()), right);
    }

    void returnKey_pressesCheckOnlyWhileItIsEnabled_data()
    {
        QTest::addColumn<bool>("typeMode");
        QTest::addColumn<QString>("typedOn");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<QString>("box");
        const Qt::KeyboardModifiers none;
        const QString answer = u"Answer"_s, typed = u"palabra"_s, judged = verdict(typed, true);
        QTest::newRow("Return") << true << answer << int(Qt::Key_Return) << none << judged;
        QTest::newRow("keypad Enter")
            << true << answer << int(Qt::Key_Enter) << (none | Qt::KeypadModifier) << judged;
        QTest::newRow("Return on a status box")
            << true << u"Level"_s << int(Qt::Key_Return) << none << judged;
        // A focused key takes Return itself and adds its letter.
        QTest::newRow("Return on an accent key")
            << true << u"Accenta"_s << int(Qt::Key_Return) << none << u"palabraá"_s;
        // The default button takes Return only without Shift, Ctrl or Alt.
        QTest::newRow("Shift+Return")
            << true << answer << int(Qt::Key_Return) << (none | Qt::ShiftModifier) << typed;
        QTest::newRow("Escape") << true << answer << int(Qt::Key_Escape) << none << typed;
        // In multiple choice the box is read-only and Check is off.
        QTest::newRow("multiple choice")
            << false << answer << int(Qt::Key_Return) << none << QString();
    }

    void returnKey_pressesCheckOnlyWhileItIsEnabled()
    {
        QFETCH(bool, typeMode);
        QFETCH(QString, typedOn);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(QString, box);

        StartedQuiz quiz;
        if (typeMode)
            quiz->TypeAnswer->trigger();
        QTest::keyClicks(quiz->Answer, u"palabra"_s);
        auto *target = quiz->findChild<QWidget *>(typedOn);
        QVERIFY(target);
        QTest::keyClick(target, Qt::Key(key), modifiers);
        // No line break is ever inserted.
        QCOMPARE(quiz->Answer->toPlainText(), box);
        const bool judged = box == verdict(u"palabra"_s, true);
        QCOMPARE(quiz->state().TrialCount, judged ? 1 : 0);
        QCOMPARE(quiz.services.sounds.size(), judged ? 1 : 0);
    }

    void score_followsEveryJudgedAnswer_untilReset()
    {
        StartedQuiz quiz;
        quiz->TypeAnswer->trigger();
        QTest::keyClicks(quiz->Answer, u"palabra"_s);
        quiz->Button1->click();
        QCOMPARE(counts(*quiz), (QStringList{u"1"_s, u"100.00%"_s}));

        // Until the next question the box holds the verdict, and a second Check judges that.
        quiz->Button1->click();
        QCOMPARE(quiz->Answer->toPlainText(), verdict(verdict(u"palabra"_s, true), false));
        QCOMPARE(counts(*quiz), (QStringList{u"2"_s, u"50.00%"_s}));
        QCOMPARE(quiz.services.sounds, (QList<Sound>{Sound::Right, Sound::Wrong}));
        QVERIFY(!quiz->state().FirstTry);

        // The wipe empties the box; a right answer after a wrong try adds nothing to AskedList.
        quiz->Erase();
        QCOMPARE(quiz->Answer->toPlainText(), QString());
        QVERIFY(!quiz->Timer1->isActive());
        QTest::keyClicks(quiz->Answer, u"palabra"_s);
        QTest::keyClick(quiz->Answer, Qt::Key_Return);
        QCOMPARE(counts(*quiz), (QStringList{u"3"_s, u"66.66%"_s}));
        QCOMPARE(quiz->state().AskedList, QList<int>{0});
        QVERIFY(quiz->state().FirstTry);

        QTest::mouseClick(quiz->Reset1, Qt::LeftButton);
        QCOMPARE(counts(*quiz), (QStringList{QString(), QString()}));
        QCOMPARE(quiz->state().TrialCount + quiz->state().CorrectCount, 0);
        quiz->Answer->setPlainText(u"palabro"_s);
        quiz->Button1->click();
        QCOMPARE(counts(*quiz), (QStringList{u"1"_s, u"0.00%"_s}));
    }

    void paste_keepsOnlyPlainTextOnOneLine_data()
    {
        QTest::addColumn<bool>("typeMode");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("box");
        QTest::newRow("HTML only: markup and image dropped")
            << true << u"<b>pala</b>bra<img src='http://example.invalid/x.png'>"_s << QString()
            << u"palabra"_s;
        QTest::newRow("HTML paragraphs become blanks")
            << true << u"<p>tengo</p><p>he</p>"_s << QString() << u"tengo he"_s;
        QTest::newRow("text line breaks become blanks")
            << true << QString() << u"tengo\nhe\r\u2028x"_s << u"tengo he  x"_s;
        QTest::newRow("HTML references decoded")
            << true << u"<p>d&iacute;a &amp; d&#237;a&#xE9;</p>"_s << QString() << u"día & díaé"_s;
        QTest::newRow("HTML script and style left out")
            << true << u"<style>p{}</style><script>x()</script> pala<!-- x -->bra"_s << QString()
            << u"palabra"_s;
        QString nested = u"<table><tr><td>"_s.repeated(10'000) + u"palabra"_s +
                         u"</td></tr></table>"_s.repeated(10'000);
        QTest::newRow("HTML nested 10,000 cells deep")
            << true << nested << QString() << u"palabra"_s;
        QTest::newRow("text cut to a thousand characters")
            << true << QString() << QString(1 << 20, u'a') << QString(1000, u'a');
        QTest::newRow("read-only box takes nothing")
            << false << QString() << u"palabra"_s << QString();
    }

    void paste_keepsOnlyPlainTextOnOneLine()
    {
        QFETCH(bool, typeMode);
        QFETCH(QString, html);
        QFETCH(QString, text);
        QFETCH(QString, box);

        StartedQuiz quiz;
        if (typeMode)
            quiz->TypeAnswer->trigger();
        auto *mime = new QMimeData;
        if (!html.isNull())
            mime->setHtml(html);
        if (!text.isNull())
            mime->setText(text);
        QApplication::clipboard()->setMimeData(mime);
        quiz->Answer->paste();
        QCOMPARE(quiz->Answer->toPlainText(), box);
    }

    void wrongClickThenRightClick_countsBothButNotAsFirstTry()
    {
        StartedQuiz quiz;
        clickWrongItem(*quiz);
        QCOMPARE(quiz->Answer->toPlainText(), wrongClick);
        QCOMPARE(counts(*quiz), (QStringList{u"1"_s, u"0.00%"_s}));
        QCOMPARE(quiz.services.sounds, QList<Sound>{Sound::Wrong});
        QVERIFY(!quiz->Timer1->isActive() && !quiz->Timer2->isActive());

        const int rightSlot = quiz->state().SlotOrder[0];
        clickRightItem(*quiz);
        QCOMPARE(quiz->Answer->toPlainText(), wrongClick);
        QCOMPARE(counts(*quiz), (QStringList{u"2"_s, u"50.00%"_s}));
        QCOMPARE(quiz.services.sounds, (QList<Sound>{Sound::Wrong, Sound::Right}));
        QVERIFY(quiz->state().AskedList.isEmpty());
        QVERIFY(quiz->state().FirstTry);
        QVERIFY(quiz->state().SlotOrder.isEmpty());
        QVERIFY(quiz->Timer2->isActive());

        // With no right slot left until the next question, a further click is ignored.
        quiz->answerItem((rightSlot + 2) % quiz::kChoiceCount)->click();
        QCOMPARE(quiz->state().TrialCount, 2);
        QCOMPARE(quiz.services.sounds.size(), 2);
    }

    void rightFirstClick_recordsTheWordAndSaysCorrectOnlyToEnglish_data()
    {
        QTest::addColumn<bool>("spanishToEnglish");
        QTest::addColumn<bool>("verbs");
        QTest::addColumn<QString>("box");
        QTest::newRow("nouns to Spanish") << false << false << QString();
        QTest::newRow("nouns to English")
            << true << false << QString::fromUtf8(quiz::kRightClickToEnglish);
        QTest::newRow("verbs to English") << true << true << QString();
    }

    void rightFirstClick_recordsTheWordAndSaysCorrectOnlyToEnglish()
    {
        QFETCH(bool, spanishToEnglish);
        QFETCH(bool, verbs);
        QFETCH(QString, box);

        StartedQuiz quiz;
        if (spanishToEnglish)
            quiz->SpanishtoEnglish1->trigger();
        if (verbs)
            quiz->Verbs1Click();
        clickRightItem(*quiz);
        QCOMPARE(quiz->Answer->toPlainText(), box);
        QCOMPARE(quiz->state().AskedList, QList<int>{quiz->state().CurrentPosText.toInt()});
        QCOMPARE(counts(*quiz), (QStringList{u"1"_s, u"100.00%"_s}));
        QVERIFY(!quiz->Timer1->isActive() && quiz->Timer2->isActive());
    }

    void peek_showsTheWholeEntryCountsNothingAndNeverPutsOffTheWipe()
    {
        StartedQuiz quiz;
        askIndex(*quiz, 8);
        QTest::mouseClick(quiz->OrvelButton1, Qt::LeftButton);
        QCOMPARE(quiz->Answer->toPlainText(), u"pueblo nación gente personas"_s);
        QVERIFY(quiz->Timer1->isActive() && !quiz->Timer2->isActive());
        QCOMPARE(counts(*quiz), (QStringList{QString(), QString()}));
        QCOMPARE(quiz->state().TrialCount, 0);
        QVERIFY(quiz->state().FirstTry);
        QVERIFY(quiz->state().AskedList.isEmpty());
        QVERIFY(quiz.services.sounds.isEmpty());

        // A short sleep without event processing, so that a restart would show in the time left.
        const int before = quiz->Timer1->remainingTime();
        QTest::qSleep(60);
        quiz->OrvelButton1->click();
        QVERIFY2(quiz->Timer1->remainingTime() <= before - 30, "a second Peek restarted the wipe");

        // Peeking is no wrong answer: the right click after it is a first try.
        clickRightItem(*quiz);
        QCOMPARE(quiz->state().AskedList, QList<int>{8});
    }

    void answerModes_setTheControlsAndKeys_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<bool>("typeMode");
        QTest::newRow("Type Answer") << QStringList{typeAnswer} << true;
        QTest::newRow("Multtiple Choice after Type Answer")
            << QStringList{typeAnswer, u"MultChoice"_s} << false;
        QTest::newRow("Multtiple Choice, to English") << QStringList{toEnglish} << false;
        // The direction changes the captions only, never whether the keys work.
        QTest::newRow("Type Answer, then to English") << QStringList{typeAnswer, toEnglish} << true;
        QTest::newRow("to English, then Type Answer") << QStringList{toEnglish, typeAnswer} << true;
    }

    void answerModes_setTheControlsAndKeys()
    {
        QFETCH(QStringList, actions);
        QFETCH(bool, typeMode);

        StartedQuiz quiz;
        trigger(*quiz, actions);
        QCOMPARE(quiz->Button1->isEnabled(), typeMode);
        QCOMPARE(quiz->Answer->isReadOnly(), !typeMode);
        QCOMPARE(quiz->AnswerBox->isEnabled(), !typeMode);
        QCOMPARE(quiz->AnswerBox->isVisibleTo(quiz.form.get()), !typeMode);
        for (QPushButton *key : quiz->keys()) {
            QCOMPARE(key->isEnabled(), typeMode);
            QTest::mouseClick(key, Qt::LeftButton);
        }
        QCOMPARE(quiz->Answer->toPlainText().isEmpty(), !typeMode);
        // The right choice, selected while the choices are hidden, is never judged.
        quiz->answerItem(quiz->state().SlotOrder[0])->setChecked(true);
        quiz->AnswerBoxClick();
        QCOMPARE(quiz->state().TrialCount, typeMode ? 0 : 1);
        QCOMPARE(quiz.services.sounds.size(), typeMode ? 0 : 1);
    }

    void answerModes_emptyTheBoxOnlyForTypeAnswer()
    {
        StartedQuiz quiz;
        clickWrongItem(*quiz);
        quiz->TypeAnswer->trigger();
        QCOMPARE(quiz->Answer->toPlainText(), QString());
        QTest::keyClicks(quiz->Answer, u"pal"_s);
        quiz->MultChoice->trigger();
        QCOMPARE(quiz->Answer->toPlainText(), u"pal"_s);
        QCOMPARE(quiz->Edit1->toPlainText(), u"word"_s);
    }

    void keyCaptions_followTheDirection_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("captions");
        const QStringList letters{u"á"_s, u"é"_s, u"í"_s, u"ñ"_s, u"ó"_s, u"ú"_s, QString()};
        const QStringList pronouns{u"to"_s, u"I"_s,       u"you"_s, u"he_(she_it)"_s,
                                   u"we"_s, u"you(pl)"_s, u"they"_s};
        QTest::newRow("at start") << QStringList() << letters;
        QTest::newRow("Spanish to English") << QStringList{toEnglish} << pronouns;
        QTest::newRow("back to English to Spanish")
            << QStringList{toEnglish, u"EnglishtoSpanish1"_s} << letters;
    }

    void keyCaptions_followTheDirection()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, captions);

        StartedQuiz quiz;
        trigger(*quiz, actions);
        QStringList shown;
        for (QPushButton *key : quiz->keys())
            shown << key->text();
        QCOMPARE(shown, captions);
        QCOMPARE(quiz->They->accessibleName(),
                 captions.last().isEmpty() ? u"Unused key"_s : captions.last());
    }

    void keys_appendAtTheEndAndLeaveTheCaretThere_data()
    {
        QTest::addColumn<bool>("spanishToEnglish");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QString>("box");
        // The caret stands at the start of `start` when the keys are clicked.
        QTest::newRow("letter at the end, not at the caret")
            << false << u"ni"_s << QList<int>{3} << u"niñ"_s;
        QTest::newRow("same key twice") << false << QString() << QList<int>{0, 0} << u"áá"_s;
        QTest::newRow("six letters")
            << false << QString() << QList<int>{0, 1, 2, 3, 4, 5} << u"áéíñóú"_s;
        QTest::newRow("key 7 types nothing to Spanish")
            << false << u"ab"_s << QList<int>{6} << u"ab"_s;
        QTest::newRow("pronoun with its blank") << true << QString() << QList<int>{1} << u"I "_s;
        QTest::newRow("seven pronouns") << true << u"y "_s << QList<int>{0, 1, 2, 3, 4, 5, 6}
                                        << u"y to I you he_(she_it) we you(pl) they "_s;
    }

    void keys_appendAtTheEndAndLeaveTheCaretThere()
    {
        QFETCH(bool, spanishToEnglish);
        QFETCH(QString, start);
        QFETCH(QList<int>, clicks);
        QFETCH(QString, box);

        StartedQuiz quiz;
        if (spanishToEnglish)
            quiz->SpanishtoEnglish1->trigger();
        quiz->TypeAnswer->trigger();
        quiz->Answer->setPlainText(start);
        QCOMPARE(quiz->Answer->textCursor().position(), 0);
        for (int key : clicks)
            QTest::mouseClick(quiz->keys().at(std::size_t(key)), Qt::LeftButton);
        QCOMPARE(quiz->Answer->toPlainText(), box);
        QCOMPARE(quiz->Answer->textCursor().position(), box.size());
    }

    void pronounKey_thenTyping_matchesTheVerbEntry()
    {
        StartedQuiz quiz;
        quiz->SpanishtoEnglish1->trigger();
        quiz->Verbs1Click();
        askIndex(*quiz, 4);
        QCOMPARE(quiz->state().CurrentEnglish, std::string("I have"));
        quiz->TypeAnswer->trigger();
        QTest::mouseClick(quiz->Accente, Qt::LeftButton);
        QTest::keyClicks(quiz->Answer, u"have"_s);
        QTest::keyClick(quiz->Answer, Qt::Key_Return);
        QCOMPARE(quiz->Answer->toPlainText(), verdict(u"I have"_s, true));
    }

    void wholePass_asksEveryWordOnceThenOffersTheNextGroup_data()
    {
        QTest::addColumn<bool>("random");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("level");
        QTest::addColumn<QString>("group");
        QTest::newRow("successive, No repeats")
            << false << false << u"100 Words"_s << u"Conjunctions"_s;
        QTest::newRow("successive, Yes moves on") << false << true << u"200 Words"_s << u"Nouns"_s;
        QTest::newRow("random, No repeats") << true << false << u"100 Words"_s << u"Conjunctions"_s;
        QTest::newRow("random, Yes moves on") << true << true << u"200 Words"_s << u"Nouns"_s;
    }

    void wholePass_asksEveryWordOnceThenOffersTheNextGroup()
    {
        QFETCH(bool, random);
        QFETCH(bool, yes);
        QFETCH(QString, level);
        QFETCH(QString, group);

        StartedQuiz quiz;
        quiz->N100WordsClick();
        if (random)
            quiz->Random1->trigger();
        quiz->Conjunctions1Click();
        QCOMPARE(quiz->state().ListCount, 8);

        // Each word answered right at the first try; NewQuestion stands for each tick of Timer2.
        QList<int> asked;
        for (int n = 0; n < 8; ++n) {
            if (n > 0)
                quiz->NewQuestion();
            asked << quiz->state().CurrentPosText.toInt();
            clickRightItem(*quiz);
        }
        QVERIFY(quiz.services.questions.isEmpty());
        std::sort(asked.begin(), asked.end());
        QList<int> everyPosition(8);
        std::iota(everyPosition.begin(), everyPosition.end(), 0);
        QCOMPARE(asked, everyPosition);

        quiz.services.answers = {yes};
        quiz->NewQuestion();
        QCOMPARE(quiz.services.questionTitles, QStringList{u"Confirm"_s});
        QCOMPARE(quiz.services.questions,
                 QStringList{u"Those are the last Conjunctions in New Words Only in 100 Words. "
                             "Click YES and practice the next word group? Click NO and repeat."_s});
        QCOMPARE(quiz->Level->text(), level);
        QCOMPARE(quiz->WordGroup->text(), group);
        QVERIFY(quiz->state().AskedList.isEmpty());
    }
};

QTEST_MAIN(TestAnswers)
#include "tst_answers.moc"
