// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The adverbs, level by level.
#pragma once

#include "vocabulary/sourcewords.h"

// The tables keep one word per line, as the word lists are read and edited.
// clang-format off
namespace vocabulary::data {

inline constexpr SourceLine adverbs100[] = {
    {"slow", "lentamente despacio"},
    {"as", "como"},
    {"by", "cerca"},
    {"not", "no"},
    {"out", "fuera afuera"},
    {"there", "allí allá ahí"},
    {"when", "quando"},
    {"up", "hacia_arriba"},
    {"how", "cómo"},
    {"about", "casi"},
    {"more", "más"},
    {"then", "entonces"},
    {"so", "asi"},
    {"no", "no"},
    {"over", "arriba por_encima"},
    {"down", "abajo hacia_abajo"},
    {"now", "ahora"},
    {"where", "donde adonde"},
};

inline constexpr SourceLine adverbs200[] = {
    {"too", "también además"},
    {"back", "atrás detrás"},
    {"little", "poco"},
    {"very", "muy"},
    {"only", "sólo solamente"},
    {"under", "debajo"},
    {"most", "más"},
    {"low", "bajo"},
    {"much", "mucho muy"},
    {"before", "antes"},
    {"well", "bien"},
    {"even", "aun"},
    {"here", "aquí"},
    {"also", "también además"},
    {"off", "lejos a_distancia"},
    {"again", "de_nuevo otra_vez aún"},
    {"near", "cerca"},
};

inline constexpr SourceLine adverbs300[] = {
    {"still", "aún todavía"},
    {"between", "entre"},
    {"never", "nunca jamás"},
    {"late", "tarde"},
    {"together", "juntos"},
    {"always", "siempre"},
    {"often", "frecuentemente"},
    {"once", "una_vez"},
};

inline constexpr SourceLine adverbs400[] = {
    {"enough", "bastante"},
    {"above", "arriba encima"},
    {"ever", "siempre"},
    {"though", "sin_embargo"},
    {"soon", "pronto"},
    {"since", "desde_entonces"},
    {"early", "temprano"},
    {"fast", "rápidamente"},
    {"less", "menos"},
    {"behind", "detrás"},
    {"ago", "pasado"},
};

inline constexpr SourceLine adverbs500[] = {
    {"instead", "en_cambio"},
    {"yes", "si"},
    {"yet", "todavía"},
};

inline constexpr SourceLine adverbs600[] = {
    {"perhaps", "quizá tal_vez"},
    {"sudden", "súbito"},
    {"wild", "violentamente"},
};

inline constexpr SourceLine adverbs700[] = {
    {"either", "tampoco"},
    {"else", "de_otro_modo"},
    {"quite", "del_todo absolutamente"},
    {"quiet", "silenciosamente"},
    {"single", "sólo"},
};

inline constexpr SourceLine adverbs800[] = {
    {"least", "menos"},
    {"clean", "completamente"},
    {"please", "por_favor"},
    {"thus", "así tal"},
};

inline constexpr SourceLine adverbs900[] = {
    {"rather", "mejor bastante más más_bien"},
    {"particularly", "especialmente"},
    {"wrong", "mal"},
};

inline constexpr SourceLine adverbs1000[] = {
    {"double", "doble"},
    {"dear", "caro"},
    {"especially", "especialmente"},
};

inline constexpr SourceGroup adverbSource{{
    {"100 Words", adverbs100},
    {"200 Words", adverbs200},
    {"300 Words", adverbs300},
    {"400 Words", adverbs400},
    {"500 Words", adverbs500},
    {"600 Words", adverbs600},
    {"700 Words", adverbs700},
    {"800 Words", adverbs800},
    {"900 Words", adverbs900},
    {"1000 Words", adverbs1000},
}};

} // namespace vocabulary::data
// clang-format on
