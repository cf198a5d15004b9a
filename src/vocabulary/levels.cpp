// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/levels.h"

#include <numeric>

namespace vocabulary {
namespace {

// Words new at each level, "100 Words" to "1000 Words", in group order.
constexpr std::array<std::array<int, kLevelCount>, kGroupCount> kBlockSizes{{
    {11, 35, 53, 55, 59, 69, 72, 58, 73, 78},           // Nouns
    {154, 243, 250, 205, 260, 255, 278, 317, 343, 283}, // Verbs
    {21, 3, 1, 0, 0, 0, 0, 1, 1, 0},                    // Pronouns
    {18, 44, 3, 27, 25, 15, 19, 18, 24, 15},            // Adjectives
    {18, 17, 8, 11, 3, 3, 5, 4, 3, 3},                  // Adverbs
    {10, 3, 1, 5, 1, 0, 0, 0, 0, 0},                    // Prepositions
    {8, 0, 2, 2, 0, 0, 1, 0, 0, 1},                     // Conjunctions
}};

constexpr std::array<std::string_view, kGroupCount> kGroupBoxTexts{
    "Nouns", "Verbs", "Pronouns", "Adjectives", "Adverbs", "Prepositions", "Conjunctions"};

constexpr std::array<std::string_view, kLevelCount> kLevelTexts{
    "100 Words", "200 Words", "300 Words", "400 Words", "500 Words",
    "600 Words", "700 Words", "800 Words", "900 Words", "1000 Words"};

const std::array<int, kLevelCount> &sizesOf(Group group)
{
    return kBlockSizes[static_cast<std::size_t>(group)];
}

} // namespace

std::string_view groupBoxText(Group group)
{
    return kGroupBoxTexts[static_cast<std::size_t>(group)];
}

std::optional<Group> groupFromBoxText(std::string_view text)
{
    for (Group group : kGroups) {
        if (groupBoxText(group) == text)
            return group;
    }
    return std::nullopt;
}

std::string_view levelText(int level) { return kLevelTexts.at(static_cast<std::size_t>(level)); }

std::optional<int> levelFromText(std::string_view text)
{
    for (int level = 0; level < kLevelCount; ++level) {
        if (kLevelTexts[static_cast<std::size_t>(level)] == text)
            return level;
    }
    return std::nullopt;
}

int blockSize(Group group, int level) { return sizesOf(group).at(static_cast<std::size_t>(level)); }

int blockStart(Group group, int level)
{
    const auto &sizes = sizesOf(group);
    return std::accumulate(sizes.begin(), sizes.begin() + level, 0);
}

int wordsUpTo(Group group, int level) { return blockStart(group, level) + blockSize(group, level); }

int groupSize(Group group) { return wordsUpTo(group, kLevelCount - 1); }

} // namespace vocabulary
