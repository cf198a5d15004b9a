// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/data/adjectives.h"
#include "vocabulary/data/adverbs.h"
#include "vocabulary/data/conjunctions.h"
#include "vocabulary/data/nouns.h"
#include "vocabulary/data/prepositions.h"
#include "vocabulary/data/pronouns.h"
#include "vocabulary/data/verbs.h"

namespace vocabulary {

// The word list of a group, as written in its data source. Usable at compile time, so that what
// is counted from the lists (the level block sizes) is counted once, by the compiler.
constexpr const SourceGroup &sourceOf(Group group)
{
    switch (group) {
    case Group::Nouns: return data::nounSource;
    case Group::Verbs: return data::verbSource;
    case Group::Pronouns: return data::pronounSource;
    case Group::Adjectives: return data::adjectiveSource;
    case Group::Adverbs: return data::adverbSource;
    case Group::Prepositions: return data::prepositionSource;
    case Group::Conjunctions: return data::conjunctionSource;
    }
    return data::nounSource;
}

} // namespace vocabulary
