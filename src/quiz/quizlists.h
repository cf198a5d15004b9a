// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// Which words a quiz list covers: its size at a level, and the table index of each position.
namespace quiz {

inline constexpr std::string_view kNewWordsOnly = "New Words Only";
inline constexpr std::string_view kAllWords = "All Words";

// The table index at which the new words of `levelText` begin within `groupText`; 0 for a group
// or level text that names none.
int NewWordsOffset(std::string_view groupText, std::string_view levelText);

// What list positions are shifted by: NewWordsOffset with exactly "New Words Only", else 0.
int listOffset(std::string_view groupText, std::string_view levelText, std::string_view newAllText);

// What a group load does with the list count.
struct ListCountDecision {
    enum class Kind { Set, Fallback, Unchanged };
    Kind kind = Kind::Unchanged;
    int count = 0; // meaningful when kind is Set
};

// At "100 Words" the level's block whatever the new/all text. From "200 Words" on, with exactly
// "All Words" every word up to the level, otherwise the level's block, or Fallback when the group
// has no new words there. Any other level text (or group text) leaves the count Unchanged.
ListCountDecision listCountFor(std::string_view groupText, std::string_view levelText,
                               std::string_view newAllText);

// The table index that a list position names. The new-words offset is read at every question, so
// pointing at another level shifts the list under the loaded group. Where that shift would carry
// the index past the loaded group's last word (and so into leftovers, empty slots or beyond the
// table), the position is taken from the list as it was loaded instead.
int tableIndexFor(int position, int offsetNow, int offsetAtLoad, int loadedGroupSize);

// Whether the pick of `position` is the last of its pass: it is not done yet, and every other
// position of the list is done or is one that the verb-form filter passes over. Positions the
// filter never asks thus cannot hold a pass open after its last asked word. `done` and `skipped`
// say that of a list position.
template <typename Done, typename Skipped>
bool lastOfPass(int position, int listCount, const Done &done, const Skipped &skipped)
{
    if (done(position))
        return false;
    for (int other = 0; other < listCount; ++other) {
        if (other != position && !done(other) && !skipped(other))
            return false;
    }
    return true;
}

} // namespace quiz
