// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"
#include "vocabulary/sourcewords.h"
#include "vocabulary/wordentry.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// A group's words as table entries: the source lines converted to Windows-1252, with every verb
// set expanded into its infinitive and six person entries.
namespace vocabulary {

struct WordPair {
    WordEntry english;
    WordEntry spanish;
};

// The English subjects of the six person entries of a verb set, in order, each with its blank.
inline constexpr std::array<std::string_view, 6> kPersonSubjects{"I ",  "you ",     "he_(she_it) ",
                                                                 "we ", "you(pl) ", "they "};

// The present tense of the third person singular: "has" for "have", "es" after s, x, z, ch, sh
// and o, "ies" for a consonant followed by y, otherwise "s".
std::string thirdPersonSingular(std::string_view verb);

// The English texts of the six person entries that follow the infinitive `toVerb` ("to look").
std::array<std::string, 6> presentPersons(std::string_view toVerb);

// Expands a group's source lines into its table entries, level by level.
std::vector<WordPair> expandGroup(const SourceGroup &source);

// The group's words in table order, built on the group's first use and kept for the run.
std::span<const WordPair> groupWords(Group group);

} // namespace vocabulary
