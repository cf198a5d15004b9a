// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/quizlists.h"

#include "vocabulary/levels.h"

namespace quiz {

using vocabulary::groupFromBoxText;
using vocabulary::levelFromText;

int NewWordsOffset(std::string_view groupText, std::string_view levelText)
{
    const auto group = groupFromBoxText(groupText);
    const auto level = levelFromText(levelText);
    if (!group || !level)
        return 0;
    return vocabulary::blockStart(*group, *level);
}

int listOffset(std::string_view groupText, std::string_view levelText, std::string_view newAllText)
{
    return newAllText == kNewWordsOnly ? NewWordsOffset(groupText, levelText) : 0;
}

ListCountDecision listCountFor(std::string_view groupText, std::string_view levelText,
                               std::string_view newAllText)
{
    using Kind = ListCountDecision::Kind;
    const auto group = groupFromBoxText(groupText);
    const auto level = levelFromText(levelText);
    if (!group || !level)
        return {Kind::Unchanged, 0};
    if (*level == 0)
        return {Kind::Set, vocabulary::blockSize(*group, 0)};
    if (newAllText == kAllWords)
        return {Kind::Set, vocabulary::wordsUpTo(*group, *level)};
    const int fresh = vocabulary::blockSize(*group, *level);
    if (fresh == 0)
        return {Kind::Fallback, 0};
    return {Kind::Set, fresh};
}

int tableIndexFor(int position, int offsetNow, int offsetAtLoad, int loadedGroupSize)
{
    const int shifted = position + offsetNow;
    if (shifted < loadedGroupSize)
        return shifted;
    return position + offsetAtLoad;
}

} // namespace quiz
