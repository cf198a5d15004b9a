// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "quiz/judging.h"

#include <string>
#include <string_view>

// The seven keys under the answer box, left to right: the Spanish letters that an English keyboard
// lacks, or, towards English, the subjects that begin the English verb entries.
namespace quiz {

inline constexpr int kKeyCount = 7;

// The key's caption (UTF-8). The seventh key has no letter: its caption is empty towards Spanish.
std::string_view keyCaption(int key, Direction direction);

// What a click on the key appends to the answer (UTF-8): the letter alone, or the subject followed
// by one blank, spelled as the verb entries spell it ("he_(she_it) "). A key without a caption
// appends nothing, rather than a letter the learner cannot see.
std::string keyText(int key, Direction direction);

} // namespace quiz
