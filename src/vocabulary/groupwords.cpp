// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/groupwords.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/data/allwords.h"

#include <array>
#include <mutex>

namespace vocabulary {
namespace {

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

bool isVowel(char c) { return std::string_view("aeiou").find(c) != std::string_view::npos; }

WordPair pairOf(std::string_view englishUtf8, std::string_view spanishUtf8)
{
    return {WordEntry::fromBytes(utf8ToCp1252(englishUtf8)),
            WordEntry::fromBytes(utf8ToCp1252(spanishUtf8))};
}

} // namespace

std::string thirdPersonSingular(std::string_view verb)
{
    if (verb == "have")
        return "has";
    for (std::string_view tail : {"s", "x", "z", "ch", "sh", "o"}) {
        if (endsWith(verb, tail))
            return std::string(verb) + "es";
    }
    if (verb.size() >= 2 && verb.back() == 'y' && !isVowel(verb[verb.size() - 2]))
        return std::string(verb.substr(0, verb.size() - 1)) + "ies";
    return std::string(verb) + "s";
}

std::array<std::string, 6> presentPersons(std::string_view toVerb)
{
    const std::string_view verb = toVerb.substr(std::string_view("to ").size());
    std::array<std::string, 6> persons;
    for (std::size_t i = 0; i < persons.size(); ++i) {
        const bool third = kPersonSubjects[i] == "he_(she_it) ";
        persons[i] = std::string(kPersonSubjects[i]) +
                     (third ? thirdPersonSingular(verb) : std::string(verb));
    }
    return persons;
}

std::vector<WordPair> expandGroup(const SourceGroup &source)
{
    std::vector<WordPair> words;
    for (const SourceLevel &level : source) {
        for (const SourceLine &line : level.lines) {
            words.push_back(pairOf(line.english, line.spanish));
            if (!line.opensPresentSet())
                continue;
            const auto persons = presentPersons(line.english);
            for (std::size_t i = 0; i < persons.size(); ++i)
                words.push_back(pairOf(persons[i], line.present[i]));
        }
    }
    return words;
}

std::span<const WordPair> groupWords(Group group)
{
    // Each group is expanded when it is first loaded, not all seven at once: a start shows only
    // the nouns, and the verbs, with their person entries, are the largest of them.
    static std::array<std::vector<WordPair>, kGroupCount> groups;
    static std::array<std::once_flag, kGroupCount> expanded;
    const auto index = static_cast<std::size_t>(group);
    std::call_once(expanded[index], [&] { groups[index] = expandGroup(sourceOf(group)); });
    return groups[index];
}

} // namespace vocabulary
