// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordselection.h"

namespace wordlist {

std::vector<LevelBlock> selectBlocks(std::span<const vocabulary::Group> groups,
                                     std::optional<int> level)
{
    std::vector<LevelBlock> blocks;
    for (vocabulary::Group group : groups) {
        const std::span<const vocabulary::WordPair> words = vocabulary::groupWords(group);
        for (int l = 0; l < vocabulary::kLevelCount; ++l) {
            if (level && *level != l)
                continue;
            const int first = vocabulary::blockStart(group, l);
            const int size = vocabulary::blockSize(group, l);
            if (size > 0)
                blocks.push_back(
                    {group, l, first, words.subspan(std::size_t(first), std::size_t(size))});
        }
    }
    return blocks;
}

} // namespace wordlist
