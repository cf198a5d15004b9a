// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportformats.h"

#include "readabletext.h"

#include "vocabulary/cp1252.h"

#include <QByteArray>

namespace wordlist {
namespace {

std::string deckName(const LevelBlock &block)
{
    return "Vocarra::" + std::string(vocabulary::groupBoxText(block.group)) +
           "::" + std::string(vocabulary::levelText(block.level));
}

// Tags are separated by blanks, so the level's blank becomes "_".
std::string tagsOf(const LevelBlock &block)
{
    std::string level(vocabulary::levelText(block.level));
    for (char &c : level) {
        if (c == ' ')
            c = '_';
    }
    return "Vocarra::" + std::string(vocabulary::groupBoxText(block.group)) + " Vocarra::" + level;
}

// A note's own id, the same in every export of the list: importing a newer export updates the
// notes of an older one instead of adding them again, and two notes with the same English ("back"
// the noun and "back" the adverb) are never taken for one.
std::string noteId(const LevelBlock &block, std::size_t i)
{
    const std::string id = "vocarra-" + std::string(vocabulary::groupBoxText(block.group)) + '-' +
                           std::to_string(std::size_t(block.firstIndex) + i);
    return QByteArray::fromStdString(id).toLower().toStdString();
}

} // namespace

std::string delimitedField(std::string_view field, char separator)
{
    if (field.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos)
        return std::string(field);
    std::string quoted = "\"";
    for (char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string tsvText(std::span<const LevelBlock> blocks)
{
    // The stored texts, unquoted: no entry holds a tab or a line break, which a test checks.
    std::string tsv(kTsvHeaderLine);
    for (const LevelBlock &block : blocks) {
        const std::string_view name = vocabulary::groupBoxText(block.group);
        for (std::size_t i = 0; i < block.pairs.size(); ++i) {
            tsv += name;
            tsv += '\t';
            tsv += std::to_string(std::size_t(block.firstIndex) + i);
            tsv += '\t';
            tsv += vocabulary::cp1252ToUtf8(block.pairs[i].english.text());
            tsv += '\t';
            tsv += vocabulary::cp1252ToUtf8(block.pairs[i].spanish.text());
            tsv += '\n';
        }
    }
    return tsv;
}

std::string csvText(std::span<const LevelBlock> blocks)
{
    std::string csv = "group,level,english,spanish\r\n";
    for (const LevelBlock &block : blocks) {
        const std::string group(vocabulary::groupBoxText(block.group));
        const std::string level(vocabulary::levelText(block.level));
        for (const vocabulary::WordPair &pair : block.pairs) {
            csv += delimitedField(group, ',') + ',' + delimitedField(level, ',') + ',' +
                   delimitedField(readableEnglish(pair.english.text(), block.group), ',') + ',' +
                   delimitedField(readableSpanish(pair.spanish.text()), ',') + "\r\n";
        }
    }
    return csv;
}

std::string ankiText(std::span<const LevelBlock> blocks)
{
    // "Basic (and reversed card)" gives a card each way, as the quiz asks in both directions.
    std::string notes = "#separator:tab\n"
                        "#html:false\n"
                        "#notetype:Basic (and reversed card)\n"
                        "#columns:English\tSpanish\tDeck\tTags\tId\n"
                        "#deck column:3\n"
                        "#tags column:4\n"
                        "#guid column:5\n";
    for (const LevelBlock &block : blocks) {
        const std::string deck = delimitedField(deckName(block), '\t');
        const std::string tags = delimitedField(tagsOf(block), '\t');
        for (std::size_t i = 0; i < block.pairs.size(); ++i) {
            const vocabulary::WordPair &pair = block.pairs[i];
            notes += delimitedField(readableEnglish(pair.english.text(), block.group), '\t') +
                     '\t' + delimitedField(readableSpanish(pair.spanish.text()), '\t') + '\t' +
                     deck + '\t' + tags + '\t' + noteId(block, i) + '\n';
        }
    }
    return notes;
}

} // namespace wordlist
