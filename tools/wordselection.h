// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/groupwords.h"
#include "vocabulary/levels.h"

#include <optional>
#include <span>
#include <vector>

// Which pairs an export holds, as level blocks: every format keeps the group and the level of
// each pair, as lessons, decks, tags or columns.
namespace wordlist {

// The pairs of `group` that are new at `level`, in table order from `firstIndex` on.
struct LevelBlock {
    vocabulary::Group group;
    int level;
    int firstIndex;
    std::span<const vocabulary::WordPair> pairs;
};

// The blocks of `groups`, group by group in the order given and level by level within a group.
// Without a level every level's block; with one, only that level's block of each group, the list
// the quiz asks with "New Words Only". Empty blocks are left out, so a group with no new words
// at the level contributes nothing.
std::vector<LevelBlock> selectBlocks(std::span<const vocabulary::Group> groups,
                                     std::optional<int> level);

} // namespace wordlist
