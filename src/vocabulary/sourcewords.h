// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"

#include <array>
#include <span>
#include <string_view>

// The word lists as they are written in the data sources: UTF-8 text, one pair or one verb set per
// line, grouped by level. They are converted to Windows-1252 table entries once, at first use, and
// the size of every level's block is counted from them at compile time.
namespace vocabulary {

// The Spanish present forms of a verb set, in the order yo, tú, él, nosotros, vosotros, ellos.
using PresentForms = std::array<std::string_view, 6>;

// One line of a word list. For a verb set, `english` is the infinitive ("to look"), `spanish` its
// Spanish infinitive(s), and `present` the six Spanish forms that become entries of their own
// after it; for every other line `present` is left empty.
struct SourceLine {
    std::string_view english;
    std::string_view spanish;
    PresentForms present{};

    constexpr bool opensPresentSet() const { return !present[0].empty(); }
    // The number of table entries this line becomes.
    constexpr int entryCount() const { return opensPresentSet() ? 7 : 1; }
};

// The words that are new at one level, under the level's name ("300 Words").
struct SourceLevel {
    std::string_view name;
    std::span<const SourceLine> lines;
};

using SourceGroup = std::array<SourceLevel, kLevelCount>;

// The lists themselves are in data/, one header per group; data/allwords.h gives them by group.

} // namespace vocabulary
