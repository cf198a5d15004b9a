// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The prepositions, level by level.
#pragma once

#include "vocabulary/sourcewords.h"

// The tables keep one word per line, as the word lists are read and edited.
// clang-format off
namespace vocabulary::data {

inline constexpr SourceLine prepositions100[] = {
    {"over", "sobre encima_de"},
    {"of", "de"},
    {"in at", "en"},
    {"to", "a hacia para hasta"},
    {"for", "para por"},
    {"with", "con"},
    {"after", "después"},
    {"before", "delante_de enfrente_de ante"},
    {"until", "hasta"},
    {"since", "desde"},
};

inline constexpr SourceLine prepositions200[] = {
    {"above", "sobre encima_de"},
    {"during", "durante"},
    {"toward", "hacia"},
};

inline constexpr SourceLine prepositions300[] = {
    {"against", "contra"},
};

inline constexpr SourceLine prepositions400[] = {
    {"from", "de desde"},
    {"on", "en sobre"},
    {"among", "entre"},
    {"except", "excepto"},
    {"opposite", "en_frente_de"},
};

inline constexpr SourceLine prepositions500[] = {
    {"by through", "por"},
};

inline constexpr SourceGroup prepositionSource{{
    {"100 Words", prepositions100},
    {"200 Words", prepositions200},
    {"300 Words", prepositions300},
    {"400 Words", prepositions400},
    {"500 Words", prepositions500},
    {"600 Words", {}},
    {"700 Words", {}},
    {"800 Words", {}},
    {"900 Words", {}},
    {"1000 Words", {}},
}};

} // namespace vocabulary::data
// clang-format on
