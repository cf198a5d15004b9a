// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/levels.h"

#include "vocabulary/data/allwords.h"
#include "vocabulary/wordtables.h"

#include <numeric>

namespace vocabulary {
namespace {

using LevelSizes = std::array<int, kLevelCount>;

// The table entries each level of a word list brings in: its lines, a verb set counting for its
// infinitive and six person forms.
constexpr LevelSizes blockSizesOf(const SourceGroup &source)
{
    LevelSizes sizes{};
    for (std::size_t level = 0; level < sizes.size(); ++level) {
        for (const SourceLine &line : source[level].lines)
            sizes[level] += line.entryCount();
    }
    return sizes;
}

constexpr std::array<LevelSizes, kGroupCount> blockSizesOfAllGroups()
{
    std::array<LevelSizes, kGroupCount> sizes{};
    for (Group group : kGroups)
        sizes[static_cast<std::size_t>(group)] = blockSizesOf(sourceOf(group));
    return sizes;
}

// Words new at each level, "100 Words" to "1000 Words", in group order, counted from the word
// lists by the compiler.
constexpr std::array<LevelSizes, kGroupCount> kBlockSizes = blockSizesOfAllGroups();

constexpr bool everyGroupFitsTheTables()
{
    for (const LevelSizes &sizes : kBlockSizes) {
        int words = 0;
        for (int size : sizes)
            words += size;
        if (words > kTableSlots)
            return false;
    }
    return true;
}
static_assert(everyGroupFitsTheTables(), "a word group has more words than the tables have slots");

constexpr std::array<std::string_view, kGroupCount> kGroupBoxTexts{
    "Nouns", "Verbs", "Pronouns", "Adjectives", "Adverbs", "Prepositions", "Conjunctions"};

constexpr std::array<std::string_view, kLevelCount> kLevelTexts{
    "100 Words", "200 Words", "300 Words", "400 Words", "500 Words",
    "600 Words", "700 Words", "800 Words", "900 Words", "1000 Words"};

const LevelSizes &sizesOf(Group group) { return kBlockSizes[static_cast<std::size_t>(group)]; }

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
