// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Judging and scoring: a typed answer on Check (or Return), a click on one of the four choices,
// Peek, the wipe of the answer box and Reset.
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "app/textcodec.h"
#include "quiz/judging.h"
#include "quiz/scoretext.h"
#include "quiz/verdicts.h"

#include <QAction>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>

void TForm1::enable(QTimer *timer)
{
    // A running timer keeps its time: a second Peek does not put off the wipe.
    if (!timer->isActive())
        timer->start();
}

void TForm1::countTrial()
{
    ++m_state.TrialCount;
    NumTrials->setText(QString::number(m_state.TrialCount));
}

void TForm1::recordRightAnswer()
{
    // Only a word answered right at the first try counts as done for this pass.
    if (m_state.FirstTry)
        markDone(m_state.CurrentPosText.toInt());
    else
        m_state.FirstTry = true;
}

void TForm1::Button1Click()
{
    const QString typed = Answer->text();
    countTrial();
    const bool right =
        quiz::judgeTypedAnswer(answerToCp1252(typed), answerEntry(m_state.QuestionIndex).text(),
                               direction(), Verbs1->isChecked());
    reportAnswer(right ? record::Outcome::Right : record::Outcome::Wrong, record::AnswerMode::Typed,
                 typed);
    Answer->setPlainText(typed + QString::fromUtf8(quiz::verdictSuffix(right)));
    if (right) {
        enable(Timer1);
        enable(Timer2);
        ++m_state.CorrectCount;
        recordRightAnswer();
        m_services.playSound(DesktopServices::Sound::Right);
    } else {
        m_state.FirstTry = false;
        enable(Timer1);
        m_services.playSound(DesktopServices::Sound::Wrong);
    }
    ShowScore();
}

void TForm1::AnswerBoxClick()
{
    if (AnswerBox->isHidden())
        return;
    // After a right click the slot order is empty until the next question: a further click
    // then has nothing to be judged against and is ignored.
    if (m_state.SlotOrder.isEmpty())
        return;
    if (m_answerGroup->checkedId() != m_state.SlotOrder[0]) {
        reportAnswer(record::Outcome::Wrong, record::AnswerMode::MultipleChoice);
        m_services.playSound(DesktopServices::Sound::Wrong);
        Answer->setPlainText(QString::fromUtf8(quiz::kWrongClick));
        m_state.FirstTry = false;
        countTrial();
        ShowScore();
        return;
    }
    reportAnswer(record::Outcome::Right, record::AnswerMode::MultipleChoice);
    if (direction() == quiz::Direction::SpanishToEnglish && !Verbs1->isChecked())
        Answer->setPlainText(QString::fromUtf8(quiz::kRightClickToEnglish));
    countTrial();
    ++m_state.CorrectCount;
    m_state.SlotOrder.clear();
    ShowScore();
    m_services.playSound(DesktopServices::Sound::Right);
    recordRightAnswer();
    enable(Timer2);
}

void TForm1::ShowScore()
{
    Score->setText(
        QString::fromStdString(quiz::scoreText(m_state.CorrectCount, m_state.TrialCount)));
}

void TForm1::PeekClick()
{
    reportAnswer(record::Outcome::Peek, TypeAnswer->isChecked()
                                            ? record::AnswerMode::Typed
                                            : record::AnswerMode::MultipleChoice);
    Answer->setPlainText(entryToQString(answerEntry(m_state.QuestionIndex).text()));
    enable(Timer1);
}

void TForm1::Erase()
{
    Answer->clear();
    Answer->setFocus();
    Timer1->stop();
}

void TForm1::Reset1Click()
{
    NumTrials->clear();
    Score->clear();
    m_state.TrialCount = 0;
    m_state.CorrectCount = 0;
    Answer->setFocus();
}
