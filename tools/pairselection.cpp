// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pairselection.h"

#include "record/wordidentity.h"
#include "vocabulary/groupwords.h"

#include <algorithm>

namespace wordlist {

PickedPairs pickPairs(std::span<const PairKey> keys, Format format)
{
    std::vector<PairKey> sorted;
    for (const PairKey &key : keys) {
        if (key.position >= 0 && key.position < vocabulary::groupSize(key.group))
            sorted.push_back(key);
    }
    const auto order = [](const PairKey &a, const PairKey &b) {
        return std::pair(static_cast<int>(a.group), a.position) <
               std::pair(static_cast<int>(b.group), b.position);
    };
    std::sort(sorted.begin(), sorted.end(), order);
    sorted.erase(std::unique(sorted.begin(), sorted.end(),
                             [](const PairKey &a, const PairKey &b) {
                                 return a.group == b.group && a.position == b.position;
                             }),
                 sorted.end());

    PickedPairs picked;
    const bool gatherLevels = format == Format::Kvtml;
    for (const PairKey &key : sorted) {
        const int level = record::newAtLevel(key.group, key.position);
        const std::span<const vocabulary::WordPair> words = vocabulary::groupWords(key.group);
        const auto &pair = words[static_cast<std::size_t>(key.position)];
        LevelBlock *last = picked.blocks.empty() ? nullptr : &picked.blocks.back();
        const bool sameLevel = last && last->group == key.group && last->level == level;
        if (gatherLevels) {
            if (!sameLevel) {
                picked.storage.push_back(std::make_unique<std::vector<vocabulary::WordPair>>());
                picked.blocks.push_back({key.group, level, key.position, {}});
            }
            picked.storage.back()->push_back(pair);
            picked.blocks.back().pairs = *picked.storage.back();
        } else if (sameLevel &&
                   last->firstIndex + static_cast<int>(last->pairs.size()) == key.position) {
            last->pairs =
                words.subspan(static_cast<std::size_t>(last->firstIndex), last->pairs.size() + 1);
        } else {
            picked.blocks.push_back({key.group, level, key.position,
                                     words.subspan(static_cast<std::size_t>(key.position), 1)});
        }
    }
    return picked;
}

} // namespace wordlist
