// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings of the quiz, chosen from the menus: level, new or all words, direction, answer
// mode, question order and verb forms.
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "quiz/quizlists.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

void TForm1::chooseLevel(int level)
{
    levelItems[static_cast<std::size_t>(level)]->setChecked(true);
    Level->setText(QString::fromUtf8(vocabulary::levelText(level)));
}

void TForm1::NewWordsClick()
{
    m_state.AskedList.clear();
    NewWords->setChecked(true);
    NewAll->setText(QString::fromUtf8(quiz::kNewWordsOnly));
    reloadCurrentGroup();
}

void TForm1::AllWordsClick()
{
    m_state.AskedList.clear();
    AllWords->setChecked(true);
    NewAll->setText(QString::fromUtf8(quiz::kAllWords));
    reloadCurrentGroup();
}

void TForm1::reloadCurrentGroup()
{
    // Seven tests one after another, each on the box as it reads at that moment: a load that
    // moves on to another group can thus be followed by that group's own reload.
    for (vocabulary::Group group : vocabulary::kGroups) {
        if (groupBoxReads(group))
            clickGroupItem(group);
    }
}

// The direction, read from its menu check marks at the moment of use.
quiz::Direction TForm1::direction() const
{
    return SpanishtoEnglish1->isChecked() ? quiz::Direction::SpanishToEnglish
                                          : quiz::Direction::EnglishToSpanish;
}

void TForm1::EnglishtoSpanish1Click()
{
    GradBtn1->setEnabled(true);
    EnglishtoSpanish1->setChecked(true);
    setKeyCaptions();
    AskQuestion();
}

void TForm1::SpanishtoEnglish1Click()
{
    GradBtn1->setEnabled(false);
    SpanishtoEnglish1->setChecked(true);
    setKeyCaptions();
    AskQuestion();
}

void TForm1::MultChoiceClick()
{
    Button1->setEnabled(false);
    Answer->setReadOnly(true);
    MultChoice->setChecked(true);
    AnswerBox->setEnabled(true);
    AnswerBox->show();
    for (QPushButton *key : keys())
        key->setEnabled(false);
}

void TForm1::TypeAnswerClick()
{
    Button1->setEnabled(true);
    Answer->setReadOnly(false);
    TypeAnswer->setChecked(true);
    AnswerBox->setEnabled(false);
    AnswerBox->hide();
    Answer->clear();
    Answer->setFocus();
    for (QPushButton *key : keys())
        key->setEnabled(true);
}

void TForm1::SequenceClick()
{
    Sequence->setChecked(true);
    m_state.SequencePos = -1;
}

void TForm1::Random1Click() { Random1->setChecked(true); }

void TForm1::Include1Click()
{
    Include1->setChecked(true);
    SecondPerson1->setTitle(QStringLiteral("All Verb Forms"));
}

void TForm1::InfinitivesClick()
{
    Infinitives->setChecked(true);
    SecondPerson1->setTitle(QStringLiteral("Infinitives and p.p."));
}

void TForm1::NoSecondPerson2Click()
{
    NoSecondPerson2->setChecked(true);
    SecondPerson1->setTitle(QStringLiteral("No Second Person"));
}
