// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist.h"

#include "missedselection.h"
#include "safewrite.h"
#include "wordselection.h"

#include "record/recordlocation.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QFile>
#include <QStringList>

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <ostream>
#include <utility>

namespace wordlist {
namespace {

constexpr std::string_view kProgramName = "vocarra-words";

constexpr std::array<std::pair<std::string_view, Format>, 4> kFormatNames{
    {{"tsv", Format::Tsv}, {"csv", Format::Csv}, {"kvtml", Format::Kvtml}, {"anki", Format::Anki}}};

// The names of the options that take a value, in the order their values are checked.
constexpr std::array<QLatin1String, 5> kValueOptions{
    QLatin1String("format"), QLatin1String("group"), QLatin1String("level"),
    QLatin1String("output"), QLatin1String("record")};

QByteArrayView bytes(std::string_view text) { return {text.data(), qsizetype(text.size())}; }

// Byte-wise, so that only the letters of the ASCII names can match.
bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return bytes(a).compare(bytes(b), Qt::CaseInsensitive) == 0;
}

std::string lowerCase(std::string_view text)
{
    return bytes(text).toByteArray().toLower().toStdString();
}

QString optionText(QLatin1String name) { return QLatin1String("--") + name; }

ParsedArguments usageError(const QString &message) { return {{}, message.toStdString()}; }

// Reads one option's value into `options`; the error message, or empty.
QString takeValue(Options &options, QLatin1String option, const QString &value)
{
    const QString quoted = u'\'' + value + u'\'';
    const std::string utf8 = value.toStdString();
    if (option == QLatin1String("output")) {
        if (value.isEmpty())
            return QStringLiteral("option --output needs a file name");
        options.outputPath = value;
    } else if (option == QLatin1String("record")) {
        if (value.isEmpty())
            return QStringLiteral("option --record needs a file name");
        options.recordPath = value;
    } else if (option == QLatin1String("group")) {
        options.group = groupFromName(utf8);
        if (!options.group)
            return "unknown group " + quoted +
                   " (Nouns, Verbs, Pronouns, Adjectives, Adverbs, Prepositions, Conjunctions)";
    } else if (option == QLatin1String("level")) {
        options.level = levelFromName(utf8);
        if (!options.level)
            return "unknown level " + quoted +
                   " (100 Words to 1000 Words, 100 to 1000, or 1 to 10)";
    } else {
        const std::optional<Format> format = formatFromName(utf8);
        if (!format)
            return "unknown format " + quoted + " (tsv, csv, kvtml, anki)";
        options.format = *format;
    }
    return {};
}

// The argument as it was written that holds the option `name` ("--verbose", "-x", "--help=no"),
// so that an error quotes the user's own words.
QString writtenAs(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        if (!argument.startsWith(u'-'))
            continue;
        const QStringView option = QStringView(argument).sliced(argument.startsWith(u"--") ? 2 : 1);
        if (option.left(option.indexOf(u'=')) == name)
            return argument;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// The argument that the parser could not place: an unknown option, a flag given a value, a word
// that belongs to no option, or "--", which ends no options here as there are no file operands.
QString notUnderstood(const QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.unknownOptionNames().isEmpty())
        return writtenAs(arguments, parser.unknownOptionNames().constFirst());
    for (const QString &argument : arguments) {
        if (argument.startsWith(QLatin1String("-h=")) ||
            argument.startsWith(QLatin1String("--help=")) || argument == QLatin1String("--"))
            return argument;
    }
    if (!parser.positionalArguments().isEmpty())
        return parser.positionalArguments().constFirst();
    return parser.errorText();
}

// Writes `text` to `out`, the standard output. A reader that stops early (`| head`) closes the
// pipe: for a filter that is no error, so the tool ends quietly with success, as cat and grep do.
// Any other failure (a full disk behind a redirection) is reported.
int writeToStandardOutput(std::string_view text, std::ostream &out, std::ostream &err)
{
    errno = 0;
    out << text << std::flush;
    if (out)
        return kExitOk;
    const int error = errno;
    if (error == EPIPE)
        return kExitOk;
    err << kProgramName << ": cannot write to standard output";
    if (error != 0)
        err << ": " << std::strerror(error);
    err << '\n';
    return kExitWriteFailed;
}

std::string titleOf(const Options &options)
{
    std::string title = "Vocarra English-Spanish";
    if (options.missed)
        title += ", the words you miss";
    if (options.group)
        title += std::string(": ") + std::string(vocabulary::groupBoxText(*options.group));
    if (options.level)
        title += std::string(options.group ? ", " : ": ") +
                 std::string(vocabulary::levelText(*options.level));
    return title;
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
    QStringList words;
    for (std::string_view argument : arguments)
        words.append(QString::fromLocal8Bit(bytes(argument)));

    // A value option followed by nothing, or by another option, lacks its value: the next word
    // is taken for a forgotten value rather than for a file or a name ("--output --help").
    for (qsizetype i = 0; i < words.size(); ++i) {
        for (QLatin1String name : kValueOptions) {
            if (words[i] == optionText(name) &&
                (i + 1 == words.size() || words[i + 1].startsWith(u'-')))
                return usageError("option " + words[i] + " needs a value");
        }
    }

    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    const QCommandLineOption missed(QStringLiteral("missed"));
    parser.addOption(missed);
    for (QLatin1String name : kValueOptions)
        parser.addOption(QCommandLineOption(name, {}, QStringLiteral("value")));
    const bool parsed = parser.parse(QStringList(QString::fromLatin1(bytes(kProgramName))) + words);
    if (!parsed || !parser.positionalArguments().isEmpty() || words.contains(QLatin1String("--")))
        return usageError("unknown argument '" + notUnderstood(parser, words) + u'\'');

    Options options;
    options.missed = parser.isSet(missed);
    if (parser.isSet(help)) {
        options.help = true;
        return {options, {}};
    }
    for (QLatin1String name : kValueOptions) {
        const QStringList values = parser.values(name);
        // Twice is a mistake whatever the values: which one was meant is anyone's guess.
        if (values.size() > 1)
            return usageError("option " + optionText(name) + " given more than once");
        if (values.size() == 1) {
            if (const QString error = takeValue(options, name, values.constFirst());
                !error.isEmpty())
                return usageError(error);
        }
    }
    if (options.recordPath && !options.missed)
        return usageError(QStringLiteral("option --record goes with --missed"));
    return {options, {}};
}

std::string_view usageText()
{
    return "Usage: vocarra-words [--format FORMAT] [--group NAME] [--level LEVEL] [--missed]\n"
           "                     [--record FILE] [--output FILE]\n"
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
           "  --missed         only the words you still miss: those whose latest answer at\n"
           "                   the first try, in either direction, was wrong or a Peek,\n"
           "                   as your Vocarra record says\n"
           "  --record FILE    with --missed, read the record FILE instead of your own\n"
           "  --output FILE    write to FILE instead of standard output; FILE is replaced\n"
           "                   only once the whole list is written\n"
           "  -h, --help       show this text and exit\n"
           "An option's value may also follow an \"=\", as in --format=csv.\n"
           "\n"
           "Exit status: 0 on success, 1 when the output cannot be written,\n"
           "2 when the command line is wrong, or with --missed when there is no record or\n"
           "it cannot be read.\n";
}

std::string wordListTsv(std::span<const vocabulary::Group> groups)
{
    return tsvText(selectBlocks(groups, std::nullopt));
}

std::vector<LevelBlock> selectedBlocks(const Options &options)
{
    return options.group ? selectBlocks(std::span(&*options.group, 1), options.level)
                         : selectBlocks(vocabulary::kGroups, options.level);
}

std::string exportText(const Options &options)
{
    return formatText(options, selectedBlocks(options));
}

std::string formatText(const Options &options, std::span<const LevelBlock> blocks)
{
    return formatText(options.format, blocks, titleOf(options));
}

std::string formatText(Format format, std::span<const LevelBlock> blocks, std::string_view title)
{
    switch (format) {
    case Format::Tsv: return tsvText(blocks);
    case Format::Csv: return csvText(blocks);
    case Format::Kvtml: return kvtmlText(blocks, title);
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
    if (options.help)
        return writeToStandardOutput(usageText(), out, err);

    // A group with no new words at the level gives an empty list, as the quiz has none to ask
    // either; that is no error, but it is worth a word.
    if (options.group && options.level &&
        vocabulary::blockSize(*options.group, *options.level) == 0) {
        err << kProgramName << ": there are no new "
            << lowerCase(vocabulary::groupBoxText(*options.group)) << " at "
            << vocabulary::levelText(*options.level) << "; the list is empty\n";
    }

    // The text is built before the file is touched, so a failure can never leave half a list.
    std::string text;
    if (options.missed) {
        const MissedSelection missed = missedPairs(
            options.recordPath.value_or(record::defaultRecordPath()), options.group, options.level);
        if (!missed.error.empty()) {
            err << kProgramName << ": " << missed.error << '\n';
            return kExitNoRecord;
        }
        text = formatText(options, pickPairs(missed.keys, options.format).blocks);
    } else {
        text = exportText(options);
    }
    if (options.outputPath) {
        const std::optional<std::string> error = writeFileSafely(*options.outputPath, text);
        if (!error)
            return kExitOk;
        err << kProgramName << ": cannot write '"
            << QFile::encodeName(*options.outputPath).toStdString() << "': " << *error << '\n';
        return kExitWriteFailed;
    }
    return writeToStandardOutput(text, out, err);
}

} // namespace wordlist
