// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

// The seven word groups and the ten levels, and how many words each group brings in at each level,
// counted from the word lists at compile time. The first index of a level's block and the words up
// to a level are sums over those counts, so they can never disagree with the lists.
namespace vocabulary {

enum class Group { Nouns, Verbs, Pronouns, Adjectives, Adverbs, Prepositions, Conjunctions };

inline constexpr int kGroupCount = 7;
inline constexpr int kLevelCount = 10;
inline constexpr std::array<Group, kGroupCount> kGroups{
    Group::Nouns,   Group::Verbs,        Group::Pronouns,    Group::Adjectives,
    Group::Adverbs, Group::Prepositions, Group::Conjunctions};

// The text the group box shows for a group: "Nouns", "Verbs", ...
std::string_view groupBoxText(Group group);
// The group whose box text is exactly `text`, if any.
std::optional<Group> groupFromBoxText(std::string_view text);

// "100 Words" for level 0 up to "1000 Words" for level 9.
std::string_view levelText(int level);
// The level (0 to 9) whose text is exactly `text`, if any.
std::optional<int> levelFromText(std::string_view text);

// Words of `group` that are new at `level` (the size of that level's block).
int blockSize(Group group, int level);
// Index of the first word of `level`'s block: the words of all lower levels.
int blockStart(Group group, int level);
// Words of all levels up to and including `level`.
int wordsUpTo(Group group, int level);
// All words of the group.
int groupSize(Group group);

} // namespace vocabulary
