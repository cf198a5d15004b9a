// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/levels.h"

#include <string>
#include <string_view>
#include <vector>

// The stored entries as a learner reads them in another program. An entry keeps the words of one
// accepted answer together with "_" and separates accepted answers with single blanks ("son
// sonido", "para_que con_tal_que"), because the quiz judges by those blanks. Another program knows
// nothing of that, so the exports spell each answer with blanks and list the answers with ", ".
namespace wordlist {

inline constexpr std::string_view kAlternativeSeparator = ", ";

// The accepted answers of a stored entry (UTF-8), each with its "_" turned into blanks. A comma
// that ends an answer is the data's own way of listing ("eres, estás") and is dropped; empty
// pieces are skipped.
std::vector<std::string> acceptedAnswers(std::string_view storedUtf8);

// The readable Spanish of a stored Windows-1252 entry, as UTF-8: "son, sonido",
// "para que, con tal que".
std::string readableSpanish(std::string_view storedCp1252);

// The readable English of a stored Windows-1252 entry of `group`, as UTF-8. A verb entry is one
// answer, subject and verb together, since the quiz wants it whole: "he_(she_it) has" reads
// "he/she/it has", "you(pl) had" reads "you (pl.) had". Other entries list their answers ("a an"
// reads "a, an") and keep a note apart from its word ("record(noun)" reads "record (noun)").
std::string readableEnglish(std::string_view storedCp1252, vocabulary::Group group);

} // namespace wordlist
