// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

// Where the three wrong choices of a question come from: neighbouring table entries.
namespace quiz {

// The choices of a multiple-choice question: the right translation and the wrong ones.
inline constexpr int kChoiceCount = 4;
inline constexpr int kWrongChoiceCount = kChoiceCount - 1;

// The step rule's step k is drawn from 1 to this.
inline constexpr int kLargestStep = 4;

// The table indexes of the wrong choices of a non-verb question at `questionIndex` for a step of
// k (1 to kLargestStep): index + s, + 2s, + 3s, with s = +k up to index 12 and s = -k from 13 on,
// so they always lie inside the table.
std::array<int, kWrongChoiceCount> stepRuleIndexes(int questionIndex, int k);

// The subject that a verb question's wrong choices share with it: the first of "I ", "you ",
// "he_(", "we ", "you(", "they", "to " found anywhere in `english`, or "I" when none is (as for
// a past participle such as "had").
std::string_view verbPronounKey(std::string_view english);

// The walking direction of the verb rule: forwards below index 100, backwards from there on.
int verbWalkDirection(int questionIndex);

// Walks from `from` in steps of `direction` to the next index of `englishAt` (a callable that
// returns the English entry at an index) that contains `key`. The walk stays inside
// [0, slotCount): should it reach the table's edge without a match, it stops on the edge slot.
template <typename EnglishAt>
int nextIndexWithKey(int from, int direction, std::string_view key, int slotCount,
                     const EnglishAt &englishAt)
{
    int index = from;
    while (true) {
        const int next = index + direction;
        if (next < 0 || next >= slotCount)
            return index;
        index = next;
        if (englishAt(index).find(key) != std::string_view::npos)
            return index;
    }
}

} // namespace quiz
