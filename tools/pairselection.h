// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exportformats.h"
#include "wordselection.h"

#include <memory>
#include <span>
#include <vector>

// Single pairs picked from anywhere in the lists (the words a learner misses) as the level blocks
// that every export format takes.
namespace wordlist {

// One pair: its group and its position in the group's word list.
struct PairKey {
    vocabulary::Group group;
    int position;
};

// The blocks of the picked pairs and the storage their spans may point into. Keys outside their
// group's list are left out, as are repeats; the pairs come in group order, then list order.
struct PickedPairs {
    std::vector<LevelBlock> blocks;
    std::vector<std::unique_ptr<std::vector<vocabulary::WordPair>>> storage;
};

// As blocks for `format`. The delimited formats and the note list number each pair by its place
// in its group (from the block's first index), so their blocks are runs of neighbouring pairs and
// point into the word lists. A vocabulary document makes one lesson per block, so there a level's
// picked pairs form one block, gathered into the storage.
PickedPairs pickPairs(std::span<const PairKey> keys, Format format);

} // namespace wordlist
