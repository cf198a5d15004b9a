// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/wordidentity.h"

#include "vocabulary/groupwords.h"

namespace record {
namespace {

bool holds(vocabulary::Group group, int position, const vocabulary::WordEntry &english,
           const vocabulary::WordEntry &spanish)
{
    const auto words = vocabulary::groupWords(group);
    if (position < 0 || position >= static_cast<int>(words.size()))
        return false;
    const vocabulary::WordPair &pair = words[static_cast<std::size_t>(position)];
    return pair.english.text() == english.text() && pair.spanish.text() == spanish.text();
}

} // namespace

std::optional<WordIdentity> identifyPair(vocabulary::Group shownGroup, int tableIndex,
                                         const vocabulary::WordEntry &english,
                                         const vocabulary::WordEntry &spanish)
{
    if (holds(shownGroup, tableIndex, english, spanish))
        return WordIdentity{shownGroup, tableIndex};
    for (vocabulary::Group group : vocabulary::kGroups) {
        if (group != shownGroup && holds(group, tableIndex, english, spanish))
            return WordIdentity{group, tableIndex};
    }
    return std::nullopt;
}

int newAtLevel(vocabulary::Group group, int position)
{
    if (position < 0)
        return -1;
    for (int level = 0; level < vocabulary::kLevelCount; ++level) {
        if (position < vocabulary::blockStart(group, level) + vocabulary::blockSize(group, level))
            return level;
    }
    return -1;
}

} // namespace record
