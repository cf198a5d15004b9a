// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quiz {

enum class Direction { EnglishToSpanish, SpanishToEnglish };

// True when the typed answer (Windows-1252 bytes, as typed: nothing trimmed or folded) is right for
// the expected entry. Spanish to English, verbs: the whole entry exactly. Spanish to English, other
// groups: any part of the entry. English to Spanish: one of the entry's blank-separated
// translations, or a part of the entry that ends where a translation ends. An empty answer is
// never right.
bool judgeTypedAnswer(std::string_view answer, std::string_view expected, Direction direction,
                      bool verbsChecked);

} // namespace quiz
