// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"
#include "vocabulary/wordentry.h"

#include <optional>

// Which pair of the built-in words a table slot holds. The tables hold the loaded group from slot 0
// on, so a slot's index is the pair's position in its group; slots behind the loaded group keep
// what an earlier, larger group left there, and so can belong to another group.
namespace record {

struct WordIdentity {
    vocabulary::Group group = vocabulary::Group::Nouns;
    int position = 0;
};

// The group and position whose pair is exactly (`english`, `spanish`) at `tableIndex`, trying the
// group on display first; nothing when no group has that pair there.
std::optional<WordIdentity> identifyPair(vocabulary::Group shownGroup, int tableIndex,
                                         const vocabulary::WordEntry &english,
                                         const vocabulary::WordEntry &spanish);

// The level (0 to 9) at which the pair at `position` of `group` is new; -1 past the group's end.
int newAtLevel(vocabulary::Group group, int position);

} // namespace record
