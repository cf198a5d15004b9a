// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "readabletext.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <array>
#include <utility>

namespace wordlist {
namespace {

// How the six stored verb subjects read; same order as vocabulary::kPersonSubjects.
constexpr std::array<std::string_view, 6> kReadableSubjects{"I ",  "you ",       "he/she/it ",
                                                            "we ", "you (pl.) ", "they "};
static_assert(kReadableSubjects.size() == vocabulary::kPersonSubjects.size());

// "_" between words becomes a blank, and a note glued to its word ("record(noun)") gets one.
std::string spelledOut(std::string_view answer)
{
    std::string text;
    for (char c : answer) {
        if (c == '(' && !text.empty() && text.back() != ' ')
            text += ' ';
        text += (c == '_') ? ' ' : c;
    }
    return text;
}

std::string joined(const std::vector<std::string> &answers)
{
    std::string text;
    for (const std::string &answer : answers) {
        if (!text.empty())
            text += kAlternativeSeparator;
        text += answer;
    }
    return text;
}

std::string readableVerb(std::string_view storedUtf8)
{
    for (std::size_t i = 0; i < vocabulary::kPersonSubjects.size(); ++i) {
        const std::string_view subject = vocabulary::kPersonSubjects[i];
        if (storedUtf8.starts_with(subject))
            return std::string(kReadableSubjects[i]) +
                   spelledOut(storedUtf8.substr(subject.size()));
    }
    // Infinitives ("to have") and bare past participles ("had").
    return spelledOut(storedUtf8);
}

} // namespace

std::vector<std::string> acceptedAnswers(std::string_view storedUtf8)
{
    std::vector<std::string> answers;
    std::size_t start = 0;
    while (start <= storedUtf8.size()) {
        const std::size_t blank = storedUtf8.find(' ', start);
        const std::size_t end = blank == std::string_view::npos ? storedUtf8.size() : blank;
        std::string_view piece = storedUtf8.substr(start, end - start);
        while (piece.ends_with(','))
            piece.remove_suffix(1);
        if (!piece.empty())
            answers.push_back(spelledOut(piece));
        start = end + 1;
    }
    return answers;
}

std::string readableSpanish(std::string_view storedCp1252)
{
    return joined(acceptedAnswers(vocabulary::cp1252ToUtf8(storedCp1252)));
}

std::string readableEnglish(std::string_view storedCp1252, vocabulary::Group group)
{
    const std::string utf8 = vocabulary::cp1252ToUtf8(storedCp1252);
    if (group == vocabulary::Group::Verbs)
        return readableVerb(utf8);
    return joined(acceptedAnswers(utf8));
}

} // namespace wordlist
