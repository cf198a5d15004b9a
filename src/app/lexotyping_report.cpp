// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tells about each judged answer: the pair on display, named by its group and
// position, and how it was answered. Whoever listens keeps the record.
#include "app/lexotyping.h"

#include "record/wordidentity.h"

#include <QAction>
#include <QLineEdit>

void TForm1::reportAnswer(record::Outcome outcome, record::AnswerMode mode, const QString &typed)
{
    const std::size_t index = static_cast<std::size_t>(m_state.QuestionIndex);
    if (index >= m_state.tables.EnglishWords.size())
        return;
    const auto shown = vocabulary::groupFromBoxText(WordGroup->text().toStdString());
    // The slot on display normally holds the shown group's pair at that position; a slot left
    // from an earlier, larger group holds one of that group's. A slot that holds no built-in pair
    // at all names no word, and so goes unreported.
    const std::optional<record::WordIdentity> pair = record::identifyPair(
        shown.value_or(vocabulary::Group::Nouns), m_state.QuestionIndex,
        m_state.tables.EnglishWords[index], m_state.tables.SpanishWords[index]);
    if (!pair)
        return;
    record::JudgedAnswer answer;
    answer.group = pair->group;
    answer.position = pair->position;
    answer.direction = direction() == quiz::Direction::EnglishToSpanish
                           ? record::Direction::EnglishToSpanish
                           : record::Direction::SpanishToEnglish;
    answer.mode = mode;
    // The flag as it stands before this answer changes it.
    answer.firstTry = m_state.FirstTry;
    answer.outcome = outcome;
    answer.typed = typed;
    emit answerJudged(answer);
}
