// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The pronouns, level by level.
#pragma once

#include "vocabulary/sourcewords.h"

// The tables keep one word per line, as the word lists are read and edited.
// clang-format off
namespace vocabulary::data {

inline constexpr SourceLine pronouns100[] = {
    {"what", "qué cuál"},
    {"it", "él ella lo la le"},
    {"you", "tú usted vosotros ustedes"},
    {"that", "que ése ésa eso aquél aquélla"},
    {"I", "yo"},
    {"he", "él"},
    {"they", "ellos ellas"},
    {"one", "uno una"},
    {"this", "éste ésta esto"},
    {"some", "algún algunos"},
    {"we", "nosotros"},
    {"other", "otro otra otras"},
    {"all", "todo toda todos"},
    {"she", "ella"},
    {"which", "que qué cuál cuáles"},
    {"many", "muchos muchas"},
    {"them", "los las les ellos ellas"},
    {"these", "éstos éstas"},
    {"her", "la ella"},
    {"him", "él le lo"},
    {"who", "quien quienes que"},
};

inline constexpr SourceLine pronouns200[] = {
    {"me", "me mí"},
    {"such", "tal tales"},
    {"us", "nos"},
};

inline constexpr SourceLine pronouns300[] = {
    {"those", "ésos ésas aquéllos aquéllas"},
};

inline constexpr SourceLine pronouns800[] = {
    {"whose", "cuyo cuya cuyos cuyas"},
};

inline constexpr SourceLine pronouns900[] = {
    {"mine", "mio"},
};

inline constexpr SourceGroup pronounSource{{
    {"100 Words", pronouns100},
    {"200 Words", pronouns200},
    {"300 Words", pronouns300},
    {"400 Words", {}},
    {"500 Words", {}},
    {"600 Words", {}},
    {"700 Words", {}},
    {"800 Words", pronouns800},
    {"900 Words", pronouns900},
    {"1000 Words", {}},
}};

} // namespace vocabulary::data
// clang-format on
