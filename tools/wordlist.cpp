// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <ostream>
#include <utility>

namespace wordlist {
namespace {

constexpr std::string_view kProgramName = "vocarra-words";

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, asciiLower, asciiLower);
}

ParsedArguments usageError(std::string message) { return {{}, std::move(message)}; }

void appendGroupRows(std::string &tsv, vocabulary::Group group)
{
    const std::string_view name = vocabulary::groupBoxText(group);
    const std::span<const vocabulary::WordPair> words = vocabulary::groupWords(group);
    for (std::size_t index = 0; index < words.size(); ++index) {
        tsv += name;
        tsv += '\t';
        tsv += std::to_string(index);
        tsv += '\t';
        tsv += vocabulary::cp1252ToUtf8(words[index].english.text());
        tsv += '\t';
        tsv += vocabulary::cp1252ToUtf8(words[index].spanish.text());
        tsv += '\n';
    }
}

// Writes the whole text to `path`. The text is built before the file is opened, so a command
// line that turns out to be wrong never truncates an existing file.
bool writeFile(const std::string &path, std::string_view text, std::ostream &err)
{
    errno = 0;
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (file)
        file.close();
    if (file)
        return true;
    err << kProgramName << ": cannot write '" << path << '\'';
    if (errno != 0)
        err << ": " << std::strerror(errno);
    err << '\n';
    return false;
}

} // namespace

std::optional<vocabulary::Group> groupFromName(std::string_view name)
{
    for (vocabulary::Group group : vocabulary::kGroups) {
        if (equalsIgnoringCase(vocabulary::groupBoxText(group), name))
            return group;
    }
    return std::nullopt;
}

ParsedArguments parseArguments(std::span<const std::string_view> arguments)
{
    Options options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return {options, {}};
        }
        if (argument != "--group" && argument != "--output")
            return usageError("unknown argument '" + std::string(argument) + '\'');

        // A following option is taken as a forgotten value rather than as a file or group name.
        if (i + 1 == arguments.size() || arguments[i + 1].starts_with('-'))
            return usageError("option " + std::string(argument) + " needs a value");
        const std::string_view value = arguments[++i];

        if (argument == "--output") {
            if (options.outputPath)
                return usageError("option --output given more than once");
            options.outputPath = std::string(value);
        } else {
            if (options.group)
                return usageError("option --group given more than once");
            options.group = groupFromName(value);
            if (!options.group)
                return usageError("unknown group '" + std::string(value) + '\'');
        }
    }
    return {options, {}};
}

std::string_view usageText()
{
    return "Usage: vocarra-words [--group NAME] [--output FILE]\n"
           "\n"
           "Writes the English/Spanish word pairs of Vocarra as UTF-8 tab-separated values:\n"
           "a header line, then one line per pair, group by group in menu order.\n"
           "\n"
           "Columns:\n"
           "  group    the word group: Nouns, Verbs, Pronouns, Adjectives, Adverbs,\n"
           "           Prepositions or Conjunctions\n"
           "  index    the pair's slot in the group's table, counted from 0\n"
           "  english  the English entry\n"
           "  spanish  the Spanish entry\n"
           "\n"
           "Options:\n"
           "  --group NAME   write only the group NAME (any letter case, e.g. verbs)\n"
           "  --output FILE  write to FILE instead of standard output\n"
           "  -h, --help     show this text and exit\n"
           "\n"
           "Exit status: 0 on success, 1 when the output cannot be written,\n"
           "2 when the command line is wrong.\n";
}

std::string wordListTsv(std::span<const vocabulary::Group> groups)
{
    std::string tsv(kHeaderLine);
    for (vocabulary::Group group : groups)
        appendGroupRows(tsv, group);
    return tsv;
}

int run(std::span<const std::string_view> arguments, std::ostream &out, std::ostream &err)
{
    const ParsedArguments parsed = parseArguments(arguments);
    if (!parsed.error.empty()) {
        err << kProgramName << ": " << parsed.error << '\n'
            << "Try '" << kProgramName << " --help' for more information.\n";
        return kExitUsage;
    }
    const Options &options = parsed.options;
    if (options.help) {
        out << usageText() << std::flush;
        return out ? kExitOk : kExitWriteFailed;
    }

    const std::string tsv = options.group ? wordListTsv(std::span(&*options.group, 1))
                                          : wordListTsv(vocabulary::kGroups);
    if (options.outputPath)
        return writeFile(*options.outputPath, tsv, err) ? kExitOk : kExitWriteFailed;

    out << tsv << std::flush;
    if (out)
        return kExitOk;
    err << kProgramName << ": cannot write to standard output\n";
    return kExitWriteFailed;
}

} // namespace wordlist
