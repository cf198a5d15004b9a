// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conjunctions, level by level.
#pragma once

#include "vocabulary/sourcewords.h"

// The tables keep one word per line, as the word lists are read and edited.
// clang-format off
namespace vocabulary::data {

inline constexpr SourceLine conjunctions100[] = {
    {"if", "si"},
    {"and", "y e"},
    {"that", "que"},
    {"for", "porque pues"},
    {"or", "o u"},
    {"but", "mas pero sino"},
    {"so", "para_que con_tal_que"},
    {"while", "mientras"},
};

inline constexpr SourceLine conjunctions300[] = {
    {"until", "hasta_que"},
    {"though", "aunque aun_cuando"},
};

inline constexpr SourceLine conjunctions400[] = {
    {"since", "desde_que"},
    {"nor", "ni"},
};

inline constexpr SourceLine conjunctions700[] = {
    {"than", "que"},
};

inline constexpr SourceLine conjunctions1000[] = {
    {"whether", "si"},
};

inline constexpr SourceGroup conjunctionSource{{
    {"100 Words", conjunctions100},
    {"200 Words", {}},
    {"300 Words", conjunctions300},
    {"400 Words", conjunctions400},
    {"500 Words", {}},
    {"600 Words", {}},
    {"700 Words", conjunctions700},
    {"800 Words", {}},
    {"900 Words", {}},
    {"1000 Words", conjunctions1000},
}};

} // namespace vocabulary::data
// clang-format on
