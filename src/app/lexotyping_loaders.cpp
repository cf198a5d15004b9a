// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The group loaders: a click on a word group puts its words into the tables, sets the list by
// level and new/all choice, starts a new pass and asks the first question. A group without new
// words at a level hands over to the next group, with a notice.
#include "app/lexotyping.h"

#include "quiz/messages.h"
#include "quiz/quizlists.h"

#include <QAction>
#include <QLineEdit>

using vocabulary::Group;

void TForm1::Nouns1Click() { loadGroup(Group::Nouns); }
void TForm1::Verbs1Click() { loadGroup(Group::Verbs); }
void TForm1::Pronouns1Click() { loadGroup(Group::Pronouns); }
void TForm1::Adjectives1Click() { loadGroup(Group::Adjectives); }
void TForm1::Adverbs1Click() { loadGroup(Group::Adverbs); }
void TForm1::Prepositions1Click() { loadGroup(Group::Prepositions); }
void TForm1::Conjunctions1Click() { loadGroup(Group::Conjunctions); }

void TForm1::clickGroupItem(Group group)
{
    switch (group) {
    case Group::Nouns: return Nouns1Click();
    case Group::Verbs: return Verbs1Click();
    case Group::Pronouns: return Pronouns1Click();
    case Group::Adjectives: return Adjectives1Click();
    case Group::Adverbs: return Adverbs1Click();
    case Group::Prepositions: return Prepositions1Click();
    case Group::Conjunctions: return Conjunctions1Click();
    }
}

void TForm1::loadGroup(Group group)
{
    if (Sequence->isChecked())
        m_state.SequencePos = -1;
    m_state.ListExhausted = false;
    WordGroup->setText(QString::fromUtf8(vocabulary::groupBoxText(group)));
    groupItems[static_cast<std::size_t>(group)]->setChecked(true);
    m_state.AskedList.clear();

    const std::string groupText = WordGroup->text().toStdString();
    const std::string levelText = Level->text().toStdString();
    const std::string newAllText = NewAll->text().toStdString();
    const quiz::ListCountDecision decision = quiz::listCountFor(groupText, levelText, newAllText);
    if (decision.kind == quiz::ListCountDecision::Kind::Set) {
        m_state.ListCount = decision.count;
    } else if (decision.kind == quiz::ListCountDecision::Kind::Fallback) {
        // No new words here: say so and move on. The next group's load runs to its end, its first
        // question included, before this one goes on.
        if (const auto fallback = quiz::fallbackFor(group, *vocabulary::levelFromText(levelText))) {
            message(fallback->message);
            if (fallback->levelToChoose)
                chooseLevel(*fallback->levelToChoose);
            clickGroupItem(fallback->groupToLoad);
        }
    }

    // After a hand-over the tables belong to the group that took over; filling them again would
    // put this group's words under the other group's list.
    const bool current = stillCurrentAfterFallback(group);
    if (current) {
        m_state.tables.fill(group);
        m_offsetAtLoad = quiz::listOffset(groupText, levelText, newAllText);
        m_loadedGroupSize = vocabulary::groupSize(group);
    }
    if (group == Group::Prepositions && !current)
        return;
    AskQuestion();
}

bool TForm1::groupBoxReads(Group group) const
{
    return WordGroup->text() == QString::fromUtf8(vocabulary::groupBoxText(group));
}

bool TForm1::stillCurrentAfterFallback(Group group) const
{
    switch (group) {
    case Group::Prepositions: return Prepositions1->isChecked();
    case Group::Pronouns:
    case Group::Conjunctions: return groupBoxReads(group);
    default: return true;
    }
}
