// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/keys.h"

#include <array>

namespace quiz {
namespace {

constexpr std::array<std::string_view, kKeyCount> kSpanishLetters{"á", "é", "í", "ñ", "ó", "ú", ""};
constexpr std::array<std::string_view, kKeyCount> kEnglishSubjects{
    "to", "I", "you", "he_(she_it)", "we", "you(pl)", "they"};

} // namespace

std::string_view keyCaption(int key, Direction direction)
{
    const auto &captions =
        direction == Direction::SpanishToEnglish ? kEnglishSubjects : kSpanishLetters;
    return captions.at(static_cast<std::size_t>(key));
}

std::string keyText(int key, Direction direction)
{
    std::string text(keyCaption(key, direction));
    if (direction == Direction::SpanishToEnglish)
        text += ' ';
    return text;
}

} // namespace quiz
