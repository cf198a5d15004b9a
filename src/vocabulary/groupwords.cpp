// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/groupwords.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/data/allwords.h"

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

std::vector<std::vector<WordPair>> buildAllGroups()
{
    std::vector<std::vector<WordPair>> all;
    for (Group group : kGroups)
        all.push_back(expandGroup(sourceOf(group)));
    return all;
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
    static const std::vector<std::vector<WordPair>> all = buildAllGroups();
    return all[static_cast<std::size_t>(group)];
}

} // namespace vocabulary
