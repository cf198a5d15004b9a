// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The question cycle: pick the next word of the list, show it with four choices, and at the end
// of a pass offer the next word group.
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "app/textcodec.h"
#include "quiz/distractors.h"
#include "quiz/messages.h"
#include "quiz/quizlists.h"
#include "quiz/verbfilter.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <vector>

using vocabulary::Group;
using vocabulary::kTableSlots;

const vocabulary::WordEntry &TForm1::questionEntry(int index) const
{
    const auto &table = direction() == quiz::Direction::EnglishToSpanish
                            ? m_state.tables.EnglishWords
                            : m_state.tables.SpanishWords;
    return table[static_cast<std::size_t>(index)];
}

const vocabulary::WordEntry &TForm1::answerEntry(int index) const
{
    const auto &table = direction() == quiz::Direction::EnglishToSpanish
                            ? m_state.tables.SpanishWords
                            : m_state.tables.EnglishWords;
    return table[static_cast<std::size_t>(index)];
}

void TForm1::AskQuestion()
{
    Timer2->stop();
    m_tickHeld = false;
    Answer->clear();
    PickNextEntry();
    Edit1->setPlainText(entryToQString(questionEntry(m_state.CurrentIndex).text()));
    clearAnswerSelection();
    // Complete the slot order. It is emptied only by a right click, so after anything else the
    // right translation stays in the slot it had.
    do {
        const int slot = m_services.randomBelow(quiz::kChoiceCount);
        if (!m_state.SlotOrder.contains(slot))
            m_state.SlotOrder.append(slot);
    } while (m_state.SlotOrder.size() < quiz::kChoiceCount);
    setAnswerItem(m_state.SlotOrder[0], m_state.CurrentIndex);
    m_state.CurrentEnglish = std::string(
        m_state.tables.EnglishWords[static_cast<std::size_t>(m_state.CurrentIndex)].text());
    m_state.QuestionIndex = m_state.CurrentIndex;
    fillWrongChoices();
    Answer->setFocus();
}

void TForm1::PickNextEntry()
{
    const quiz::VerbFormSettings verbForms{Verbs1->isChecked(), NoSecondPerson2->isChecked(),
                                           Infinitives->isChecked()};
    // A list whose remaining words are all passed over by the verb-form filter would skip for
    // ever. Every word can be reached within two rounds of skips, so after that many the pick
    // stops and asks the word it has reached.
    const int skipLimit = 2 * std::max(m_state.ListCount, 1);
    for (int skips = 0;; ++skips) {
        int position = 0;
        if (Sequence->isChecked()) {
            // Past the end of the list the sequence starts again at its first word, so a pass
            // with wrong answers in it goes round rather than on into other words.
            ++m_state.SequencePos;
            if (m_state.SequencePos >= m_state.ListCount || m_state.SequencePos < 0)
                m_state.SequencePos = 0;
            position = m_state.SequencePos;
            m_state.FirstTry = true;
        } else {
            m_services.reseed();
            position = drawUnaskedPosition();
        }
        m_state.CurrentPosText = QString::number(position);

        const std::string group = WordGroup->text().toStdString();
        const int offsetNow =
            quiz::listOffset(group, Level->text().toStdString(), NewAll->text().toStdString());
        const auto tableIndex = [&](int p) {
            return std::clamp(quiz::tableIndexFor(p, offsetNow, m_offsetAtLoad, m_loadedGroupSize),
                              0, kTableSlots - 1);
        };
        m_state.CurrentIndex = tableIndex(position);

        // The pick of the one position not done yet is the last of the pass, where positions the
        // filter passes over count as done. A restarted sequence may pick a done position while
        // one is still missing; that pick ends nothing.
        const std::vector<bool> done = donePositions(m_state.ListCount);
        const auto isDone = [&](int p) { return done[static_cast<std::size_t>(p)]; };
        const auto isSkipped = [&](int p) {
            const auto index = static_cast<std::size_t>(tableIndex(p));
            return quiz::skippedByVerbFilter(m_state.tables.EnglishWords[index].text(), verbForms);
        };
        if (position < m_state.ListCount &&
            quiz::lastOfPass(position, m_state.ListCount, isDone, isSkipped)) {
            m_state.AskedList.clear();
            m_state.ListExhausted = true;
        }
        m_state.CurrentEnglish = std::string(
            m_state.tables.EnglishWords[static_cast<std::size_t>(m_state.CurrentIndex)].text());
        if (!quiz::skippedByVerbFilter(m_state.CurrentEnglish, verbForms) || skips >= skipLimit)
            return;
        markDone(position);
    }
}

void TForm1::markDone(int position)
{
    // A position is done once per pass, however often its word is answered right, so that the
    // count of done positions says when the pass is over.
    if (!m_state.AskedList.contains(position))
        m_state.AskedList.append(position);
}

// Which of the first `count` list positions are done in this pass.
std::vector<bool> TForm1::donePositions(int count) const
{
    std::vector<bool> done(static_cast<std::size_t>(std::max(count, 0)), false);
    for (int position : m_state.AskedList) {
        if (position >= 0 && position < count)
            done[static_cast<std::size_t>(position)] = true;
    }
    return done;
}

int TForm1::drawUnaskedPosition()
{
    const int count = std::max(m_state.ListCount, 1);
    // When every position is already done (only possible through skips) any position will do;
    // otherwise draw until one is not done yet.
    const std::vector<bool> done = donePositions(count);
    if (std::all_of(done.begin(), done.end(), [](bool d) { return d; }))
        return m_services.randomBelow(count);
    while (true) {
        const int position = m_services.randomBelow(count);
        if (!done[static_cast<std::size_t>(position)])
            return position;
    }
}

void TForm1::fillWrongChoices()
{
    std::array<int, quiz::kWrongChoiceCount> wrong{};
    if (groupBoxReads(Group::Verbs)) {
        const std::string_view key = quiz::verbPronounKey(m_state.CurrentEnglish);
        const int direction = quiz::verbWalkDirection(m_state.QuestionIndex);
        int index = m_state.QuestionIndex;
        for (int &choice : wrong) {
            index = quiz::nextIndexWithKey(index, direction, key, kTableSlots, [this](int i) {
                return m_state.tables.EnglishWords[static_cast<std::size_t>(i)].text();
            });
            choice = index;
        }
    } else {
        m_services.reseed();
        wrong = quiz::stepRuleIndexes(m_state.QuestionIndex,
                                      m_services.randomBelow(quiz::kLargestStep) + 1);
    }
    for (std::size_t i = 0; i < wrong.size(); ++i)
        setAnswerItem(m_state.SlotOrder[static_cast<qsizetype>(i) + 1],
                      std::clamp(wrong[i], 0, kTableSlots - 1));
}

void TForm1::setAnswerItem(int slot, int tableIndex)
{
    answerItem(slot)->setText(entryToQString(answerEntry(tableIndex).text()));
}

void TForm1::clearAnswerSelection()
{
    m_answerGroup->setExclusive(false);
    for (QRadioButton *item : m_answerItems)
        item->setChecked(false);
    m_answerGroup->setExclusive(true);
}

void TForm1::Button2Click() { AskQuestion(); }

void TForm1::NewQuestion()
{
    Timer2->stop();
    if (m_modalDepth > 0) {
        // A box is up: the tick is held until it closes (see releaseHeldTick).
        m_tickHeld = true;
        return;
    }
    if (!m_state.ListExhausted) {
        AskQuestion();
        return;
    }
    m_state.ListExhausted = false;
    const std::string groupText = WordGroup->text().toStdString();
    const std::string levelText = Level->text().toStdString();
    const auto group = vocabulary::groupFromBoxText(groupText);
    const auto level = vocabulary::levelFromText(levelText);
    if (!confirm(quiz::endOfListQuestion(groupText, NewAll->text().toStdString(), levelText))) {
        if (group)
            clickGroupItem(*group);
        return;
    }
    if (!group || !level)
        return;
    if (!quiz::nextLevel(*level)) {
        message(quiz::congratulationMessage());
        Nouns1Click();
    } else if (const auto next = quiz::nextGroup(*group)) {
        clickGroupItem(*next);
    } else {
        chooseLevel(*quiz::nextLevel(*level));
        Nouns1Click();
    }
}
