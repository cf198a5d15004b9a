// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"
#include "vocabulary/wordentry.h"

#include <array>

namespace vocabulary {

// Slots in each word table: enough for the largest group, the verbs, with room to spare.
inline constexpr int kTableSlots = 2601;

// The two parallel word tables the quiz reads: slot i of SpanishWords translates slot i of
// EnglishWords. A load writes a group's words from slot 0 on and leaves the slots behind them as
// an earlier, larger group left them; the question cycle relies on that for its wrong choices.
struct WordTables {
    std::array<WordEntry, kTableSlots> EnglishWords{};
    std::array<WordEntry, kTableSlots> SpanishWords{};

    // Copies every word of `group`, all levels, into slots 0 to its size - 1. No allocation.
    void fill(Group group);
};

} // namespace vocabulary
