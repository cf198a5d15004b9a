// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/distractors.h"

namespace quiz {

std::array<int, kWrongChoiceCount> stepRuleIndexes(int questionIndex, int k)
{
    const int step = questionIndex <= 12 ? k : -k;
    return {questionIndex + step, questionIndex + 2 * step, questionIndex + 3 * step};
}

std::string_view verbPronounKey(std::string_view english)
{
    for (std::string_view key : {"I ", "you ", "he_(", "we ", "you(", "they", "to "}) {
        if (english.find(key) != std::string_view::npos)
            return key;
    }
    return "I";
}

int verbWalkDirection(int questionIndex) { return questionIndex < 100 ? 1 : -1; }

} // namespace quiz
