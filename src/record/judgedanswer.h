// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordschema.h"
#include "vocabulary/levels.h"

#include <QString>

namespace record {

// One answer as the quiz judged it, or a Peek: what the window knows at that moment, in the
// record's terms. The window fills it; the recorder adds the time and the level.
struct JudgedAnswer {
    vocabulary::Group group = vocabulary::Group::Nouns;
    int position = 0; // the pair's index in its group's word list
    Direction direction = Direction::EnglishToSpanish;
    AnswerMode mode = AnswerMode::MultipleChoice;
    bool firstTry = true; // the question had not been answered wrongly before this answer
    Outcome outcome = Outcome::Right;
    QString typed; // what was typed, for a typed answer; kept only when it was wrong
};

} // namespace record
