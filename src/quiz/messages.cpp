// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/messages.h"

namespace quiz {

using vocabulary::Group;

std::string endOfListQuestion(std::string_view groupText, std::string_view newAllText,
                              std::string_view levelText)
{
    std::string text = "Those are the last ";
    text.append(groupText).append(" in ").append(newAllText).append(" in ").append(levelText);
    text += ". Click YES and practice the next word group? Click NO and repeat.";
    return text;
}

std::string congratulationMessage()
{
    return "Congratulations! That was the last of Vocarra. Repeat this level automatically; or "
           "select another level and group.";
}

std::string farewellMessage()
{
    return "Espero que usted quiera este programa. Vaya por favor a " + std::string(kWebAddress) +
           " para un programa con palabras inglesas habladas.";
}

std::optional<Group> nextGroup(Group group)
{
    const auto index = static_cast<std::size_t>(group) + 1;
    if (index >= vocabulary::kGroups.size())
        return std::nullopt;
    return vocabulary::kGroups[index];
}

std::optional<int> nextLevel(int level)
{
    if (level + 1 >= vocabulary::kLevelCount)
        return std::nullopt;
    return level + 1;
}

std::optional<Fallback> fallbackFor(Group group, int level)
{
    switch (group) {
    case Group::Prepositions:
        return Fallback{"There are no new prepositions at this level", std::nullopt,
                        Group::Conjunctions};
    case Group::Pronouns:
        return Fallback{"There are no new pronouns at this level", std::nullopt, Group::Adjectives};
    case Group::Conjunctions: {
        // The conjunctions have new words at "1000 Words", so a next level always exists here.
        const int next = nextLevel(level).value_or(level);
        std::string message = "There are no new conjunctions at the ";
        message.append(vocabulary::levelText(level)).append(" level. Continue at the ");
        message.append(vocabulary::levelText(next)).append(" level?");
        return Fallback{message, next, Group::Nouns};
    }
    default: return std::nullopt;
    }
}

} // namespace quiz
