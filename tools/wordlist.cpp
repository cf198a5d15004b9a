// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include "safewrite.h"
#include "wordselection.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <ostream>
#include <utility>
#include <vector>

namespace wordlist {
namespace {

constexpr std::string_view kProgramName = "vocarra-words";

constexpr std::array<std::pair<std::string_view, Format>, 4> kFormatNames{
    {{"tsv", Format::Tsv}, {"csv", Format::Csv}, {"kvtml", Format::Kvtml}, {"anki", Format::Anki}}};

char asciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, {}, asciiLower, asciiLower);
}

std::string lowerCase(std::string_view text)
{
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), asciiLower);
    return lower;
}

ParsedArguments usageError(std::string message) { return {{}, std::move(message)}; }

// Reads one option's value into `options`; the error message, or empty.
std::string takeValue(Options &options, std::string_view option, std::string_view value)
{
    const std::string quoted = '\'' + std::string(value) + '\'';
    if (option == "--output") {
        if (value.empty())
            return "option --output needs a file name";
        options.outputPath = std::string(value);
    } else if (option == "--group") {
        options.group = groupFromName(value);
        if (!options.group)
            return "unknown group " + quoted +
                   " (Nouns, Verbs, Pronouns, Adjectives, Adverbs, Prepositions, Conjunctions)";
    } else if (option == "--level") {
        options.level = levelFromName(value);
        if (!options.level)
            return "unknown level " + quoted +
                   " (100 Words to 1000 Words, 100 to 1000, or 1 to 10)";
    } else {
        const std::optional<Format> format = formatFromName(value);
        if (!format)
            return "unknown format " + quoted + " (tsv, csv, kvtml, anki)";
        options.format = *format;
    }
    return {};
}

std::string titleOf(const Options &options)
{
    std::string title = "Vocarra English-Spanish";
    if (options.group)
        title += std::string(": ") + std::string(vocabulary::groupBoxText(*options.group));
    if (options.level)
        title += std::string(options.group ? ", " : ": ") +
                 std::string(vocabulary::levelText(*options.level));
    return title;
}

std::vector<LevelBlock> blocksFor(const Options &options)
{
    return options.group ? selectBlocks(std::span(&*options.group, 1), options.level)
                         : selectBlocks(vocabulary::kGroups, options.level);
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

std::optional<int> levelFromName(std::string_view name)
{
    for (int level = 0; level < vocabulary::kLevelCount; ++level) {
        if (equalsIgnoringCase(vocabulary::levelText(level), name))
            return level;
    }
    int number = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || name.starts_with('0'))
        return std::nullopt;
    if (number >= 1 && number <= vocabulary::kLevelCount)
        return number - 1;
    if (number % 100 == 0 && number >= 100 && number <= 100 * vocabulary::kLevelCount)
        return number / 100 - 1;
    return std::nullopt;
}

std::optional<Format> formatFromName(std::string_view name)
{
    for (const auto &[formatName, format] : kFormatNames) {
        if (equalsIgnoringCase(formatName, name))
            return format;
    }
    return std::nullopt;
}

ParsedArguments parseArguments(std::span<const std::string_view> arguments)
{
    constexpr std::array<std::string_view, 4> kValueOptions{"--format", "--group", "--level",
                                                            "--output"};
    Options options;
    std::vector<std::string_view> given;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view option = arguments[i];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return {options, {}};
        }
        // "--level=300" as well as "--level 300".
        std::optional<std::string_view> value;
        if (const std::size_t equals = option.find('=');
            option.starts_with("--") && equals != option.npos) {
            value = option.substr(equals + 1);
            option = option.substr(0, equals);
        }
        if (std::ranges::find(kValueOptions, option) == kValueOptions.end())
            return usageError("unknown argument '" + std::string(arguments[i]) + '\'');

        if (!value) {
            // A following option is taken as a forgotten value rather than as a file or name.
            if (i + 1 == arguments.size() || arguments[i + 1].starts_with('-'))
                return usageError("option " + std::string(option) + " needs a value");
            value = arguments[++i];
        }
        // Twice is a mistake whatever the values: which one was meant is anyone's guess.
        if (std::ranges::find(given, option) != given.end())
            return usageError("option " + std::string(option) + " given more than once");
        given.push_back(option);
        if (std::string error = takeValue(options, option, *value); !error.empty())
            return usageError(std::move(error));
    }
    return {options, {}};
}

std::string_view usageText()
{
    return "Usage: vocarra-words [--format FORMAT] [--group NAME] [--level LEVEL] [--output FILE]\n"
           "\n"
           "Writes the English/Spanish word pairs of Vocarra, group by group in menu order and\n"
           "level by level within a group, as UTF-8 text in one of these formats:\n"
           "\n"
           "  tsv    (the default) tab-separated values: a header line, then one line per pair\n"
           "         with the columns group, index (the pair's slot in the group's table,\n"
           "         counted from 0), english and spanish, the texts as the quiz stores them.\n"
           "  csv    comma-separated values for spreadsheets (RFC 4180, CRLF line ends): a\n"
           "         header row, then one row per pair with the columns group, level, english\n"
           "         and spanish.\n"
           "  kvtml  a KVTML 2.0 vocabulary document for desktop flashcard programs: English\n"
           "         and Spanish, with a lesson per group that holds a lesson per level.\n"
           "  anki   a note list for Anki's File > Import that needs no choices: two-way\n"
           "         cards (note type \"Basic (and reversed card)\"), a deck per group and\n"
           "         level such as Vocarra::Nouns::100 Words, the tags Vocarra::Nouns and\n"
           "         Vocarra::100_Words, and a fixed id per note, so that importing a newer\n"
           "         list updates the notes of an older one.\n"
           "\n"
           "Texts: the quiz stores the accepted answers of a word separated by blanks and\n"
           "joins the words of one answer with \"_\" (\"son sonido\", \"para_que con_tal_que\").\n"
           "TSV keeps these stored texts. The other formats show the same answers as a\n"
           "reader expects them: separated by \", \", with blanks between words\n"
           "(\"son, sonido\", \"para que, con tal que\", \"a, an\"). An English verb entry is\n"
           "one answer, subject and verb together: \"he_(she_it) has\" becomes\n"
           "\"he/she/it has\" and \"you(pl) have\" becomes \"you (pl.) have\". A note gets a\n"
           "blank before it: \"record(noun)\" becomes \"record (noun)\".\n"
           "\n"
           "Options:\n"
           "  --format FORMAT  tsv, csv, kvtml or anki (any letter case)\n"
           "  --group NAME     only the group NAME: Nouns, Verbs, Pronouns, Adjectives,\n"
           "                   Adverbs, Prepositions or Conjunctions (any letter case)\n"
           "  --level LEVEL    only the words that are new at LEVEL, the list the quiz asks\n"
           "                   with \"New Words Only\"; LEVEL is \"300 Words\", 300 or 3\n"
           "  --output FILE    write to FILE instead of standard output; FILE is replaced\n"
           "                   only once the whole list is written\n"
           "  -h, --help       show this text and exit\n"
           "An option's value may also follow an \"=\", as in --format=csv.\n"
           "\n"
           "Exit status: 0 on success, 1 when the output cannot be written,\n"
           "2 when the command line is wrong.\n";
}

std::string wordListTsv(std::span<const vocabulary::Group> groups)
{
    return tsvText(selectBlocks(groups, std::nullopt));
}

std::string exportText(const Options &options)
{
    const std::vector<LevelBlock> blocks = blocksFor(options);
    switch (options.format) {
    case Format::Tsv: return tsvText(blocks);
    case Format::Csv: return csvText(blocks);
    case Format::Kvtml: return kvtmlText(blocks, titleOf(options));
    case Format::Anki: return ankiText(blocks);
    }
    return {};
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

    // A group with no new words at the level gives an empty list, as the quiz has none to ask
    // either; that is no error, but it is worth a word.
    if (options.group && options.level &&
        vocabulary::blockSize(*options.group, *options.level) == 0) {
        err << kProgramName << ": there are no new "
            << lowerCase(vocabulary::groupBoxText(*options.group)) << " at "
            << vocabulary::levelText(*options.level) << "; the list is empty\n";
    }

    // The text is built before the file is touched, so a failure can never leave half a list.
    const std::string text = exportText(options);
    if (options.outputPath) {
        const std::optional<std::string> error = writeFileSafely(*options.outputPath, text);
        if (!error)
            return kExitOk;
        err << kProgramName << ": cannot write '" << *options.outputPath << "': " << *error << '\n';
        return kExitWriteFailed;
    }

    errno = 0;
    out << text << std::flush;
    if (out)
        return kExitOk;
    err << kProgramName << ": cannot write to standard output";
    if (errno != 0)
        err << ": " << std::strerror(errno);
    err << '\n';
    return kExitWriteFailed;
}

} // namespace wordlist
