// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportformats.h"

#include "readabletext.h"
#include "version.h"

namespace wordlist {
namespace {

void appendTranslation(std::string &xml, int id, const std::string &text)
{
    xml += "      <translation id=\"" + std::to_string(id) + "\">\n";
    xml += "        <text>" + xmlEscaped(text) + "</text>\n";
    xml += "      </translation>\n";
}

void appendEntries(std::string &xml, std::span<const LevelBlock> blocks)
{
    xml += "  <entries>\n";
    int id = 0;
    for (const LevelBlock &block : blocks) {
        for (const vocabulary::WordPair &pair : block.pairs) {
            xml += "    <entry id=\"" + std::to_string(id++) + "\">\n";
            appendTranslation(xml, 0, readableEnglish(pair.english.text(), block.group));
            appendTranslation(xml, 1, readableSpanish(pair.spanish.text()));
            xml += "    </entry>\n";
        }
    }
    xml += "  </entries>\n";
}

// One lesson per group holding one lesson per level. The entries are numbered in block order,
// so a level's lesson refers to a run of consecutive ids.
void appendLessons(std::string &xml, std::span<const LevelBlock> blocks)
{
    xml += "  <lessons>\n";
    int id = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const LevelBlock &block = blocks[b];
        const bool opensGroup = b == 0 || blocks[b - 1].group != block.group;
        const bool closesGroup = b + 1 == blocks.size() || blocks[b + 1].group != block.group;
        if (opensGroup) {
            xml += "    <container>\n";
            xml += "      <name>" + xmlEscaped(vocabulary::groupBoxText(block.group)) + "</name>\n";
            xml += "      <inpractice>true</inpractice>\n";
        }
        xml += "      <container>\n";
        xml += "        <name>" + xmlEscaped(vocabulary::levelText(block.level)) + "</name>\n";
        xml += "        <inpractice>true</inpractice>\n";
        for (std::size_t i = 0; i < block.pairs.size(); ++i)
            xml += "        <entry id=\"" + std::to_string(id++) + "\"/>\n";
        xml += "      </container>\n";
        if (closesGroup)
            xml += "    </container>\n";
    }
    xml += "  </lessons>\n";
}

void appendIdentifier(std::string &xml, int id, std::string_view name, std::string_view locale)
{
    xml += "    <identifier id=\"" + std::to_string(id) + "\">\n";
    xml += "      <name>" + std::string(name) + "</name>\n";
    xml += "      <locale>" + std::string(locale) + "</locale>\n";
    xml += "    </identifier>\n";
}

} // namespace

std::string xmlEscaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        case '\'': escaped += "&apos;"; break;
        // A reader would turn a bare carriage return into a line feed.
        case '\r': escaped += "&#13;"; break;
        case '\t':
        case '\n': escaped += c; break;
        default:
            // No C0 control but these three may appear in an XML 1.0 document, not even as a
            // character reference, so they are shown as the replacement character.
            if (static_cast<unsigned char>(c) < 0x20)
                escaped += "\xEF\xBF\xBD";
            else
                escaped += c;
        }
    }
    return escaped;
}

std::string kvtmlText(std::span<const LevelBlock> blocks, std::string_view title)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
                      "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n"
                      "<kvtml version=\"2.0\">\n"
                      "  <information>\n"
                      "    <generator>vocarra-words " VOCARRA_VERSION "</generator>\n";
    xml += "    <title>" + xmlEscaped(title) + "</title>\n";
    xml += "    <comment>Where a word has several translations, the text lists them all, "
           "separated by commas.</comment>\n";
    xml += "  </information>\n";
    xml += "  <identifiers>\n";
    appendIdentifier(xml, 0, "English", "en");
    appendIdentifier(xml, 1, "Spanish", "es");
    xml += "  </identifiers>\n";
    appendEntries(xml, blocks);
    appendLessons(xml, blocks);
    xml += "</kvtml>\n";
    return xml;
}

} // namespace wordlist
