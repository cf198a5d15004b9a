// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/judging.h"

namespace quiz {
namespace {

bool blankAt(std::string_view text, std::size_t index)
{
    return index < text.size() && text[index] == ' ';
}

// English to Spanish: the answer must occur in the entry; a one-word entry must be matched whole;
// otherwise the first occurrence must be followed by a blank, or the answer must be shorter than
// the entry with a blank just before the entry's last answer-length characters.
bool judgeSpanishAnswer(std::string_view answer, std::string_view expected)
{
    const std::size_t first = expected.find(answer);
    if (answer.empty() || first == std::string_view::npos)
        return false;
    const std::size_t n = answer.size();
    const std::size_t length = expected.size();
    if (expected.find(' ') == std::string_view::npos)
        return n == length;
    return blankAt(expected, first + n) || (n < length && blankAt(expected, length - n - 1));
}

} // namespace

bool judgeTypedAnswer(std::string_view answer, std::string_view expected, Direction direction,
                      bool verbsChecked)
{
    if (direction == Direction::EnglishToSpanish)
        return judgeSpanishAnswer(answer, expected);
    if (verbsChecked)
        return answer == expected;
    return !answer.empty() && expected.find(answer) != std::string_view::npos;
}

} // namespace quiz
