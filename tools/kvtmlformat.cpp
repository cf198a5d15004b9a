// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportformats.h"

#include "readabletext.h"
#include "version.h"

#include <QByteArray>
#include <QXmlStreamWriter>

namespace wordlist {
namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Writes `text` as character data. The writer escapes the markup characters; a carriage return
// goes as a character reference, since a reader would turn a bare one into a line feed.
void writeText(QXmlStreamWriter &writer, std::string_view text)
{
    const QString safe = xmlSafeText(text);
    qsizetype start = 0;
    for (qsizetype cr = safe.indexOf(u'\r'); cr >= 0; cr = safe.indexOf(u'\r', start)) {
        writer.writeCharacters(safe.sliced(start, cr - start));
        writer.writeEntityReference(QStringLiteral("#13"));
        start = cr + 1;
    }
    writer.writeCharacters(safe.sliced(start));
}

void writeTextElement(QXmlStreamWriter &writer, const QString &name, std::string_view text)
{
    writer.writeStartElement(name);
    writeText(writer, text);
    writer.writeEndElement();
}

void writeIdentifier(QXmlStreamWriter &writer, int id, std::string_view name,
                     std::string_view locale)
{
    writer.writeStartElement(QStringLiteral("identifier"));
    writer.writeAttribute(QStringLiteral("id"), QString::number(id));
    writeTextElement(writer, QStringLiteral("name"), name);
    writeTextElement(writer, QStringLiteral("locale"), locale);
    writer.writeEndElement();
}

void writeTranslation(QXmlStreamWriter &writer, int id, const std::string &text)
{
    writer.writeStartElement(QStringLiteral("translation"));
    writer.writeAttribute(QStringLiteral("id"), QString::number(id));
    writeTextElement(writer, QStringLiteral("text"), text);
    writer.writeEndElement();
}

void writeEntries(QXmlStreamWriter &writer, std::span<const LevelBlock> blocks)
{
    writer.writeStartElement(QStringLiteral("entries"));
    int id = 0;
    for (const LevelBlock &block : blocks) {
        for (const vocabulary::WordPair &pair : block.pairs) {
            writer.writeStartElement(QStringLiteral("entry"));
            writer.writeAttribute(QStringLiteral("id"), QString::number(id++));
            writeTranslation(writer, 0, readableEnglish(pair.english.text(), block.group));
            writeTranslation(writer, 1, readableSpanish(pair.spanish.text()));
            writer.writeEndElement();
        }
    }
    writer.writeEndElement();
}

void openLesson(QXmlStreamWriter &writer, std::string_view name)
{
    writer.writeStartElement(QStringLiteral("container"));
    writeTextElement(writer, QStringLiteral("name"), name);
    writer.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
}

// One lesson per group holding one lesson per level. The entries are numbered in block order,
// so a level's lesson refers to a run of consecutive ids.
void writeLessons(QXmlStreamWriter &writer, std::span<const LevelBlock> blocks)
{
    writer.writeStartElement(QStringLiteral("lessons"));
    int id = 0;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const LevelBlock &block = blocks[b];
        if (b == 0 || blocks[b - 1].group != block.group)
            openLesson(writer, vocabulary::groupBoxText(block.group));
        openLesson(writer, vocabulary::levelText(block.level));
        for (std::size_t i = 0; i < block.pairs.size(); ++i) {
            writer.writeEmptyElement(QStringLiteral("entry"));
            writer.writeAttribute(QStringLiteral("id"), QString::number(id++));
        }
        writer.writeEndElement();
        if (b + 1 == blocks.size() || blocks[b + 1].group != block.group)
            writer.writeEndElement();
    }
    writer.writeEndElement();
}

} // namespace

QString xmlSafeText(std::string_view utf8)
{
    QString text = fromUtf8(utf8);
    // No C0 control but tab, line feed and carriage return may appear in an XML 1.0 document,
    // not even as a character reference, so the others are shown as the replacement character.
    for (QChar &c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            c = QChar::ReplacementCharacter;
    }
    return text;
}

std::string kvtmlText(std::span<const LevelBlock> blocks, std::string_view title)
{
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(2);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral(
        R"(<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">)"));
    writer.writeStartElement(QStringLiteral("kvtml"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));

    writer.writeStartElement(QStringLiteral("information"));
    writeTextElement(writer, QStringLiteral("generator"), "vocarra-words " VOCARRA_VERSION);
    writeTextElement(writer, QStringLiteral("title"), title);
    writeTextElement(writer, QStringLiteral("comment"),
                     "Where a word has several translations, the text lists them all, "
                     "separated by commas.");
    writer.writeEndElement();

    writer.writeStartElement(QStringLiteral("identifiers"));
    writeIdentifier(writer, 0, "English", "en");
    writeIdentifier(writer, 1, "Spanish", "es");
    writer.writeEndElement();

    writeEntries(writer, blocks);
    writeLessons(writer, blocks);
    writer.writeEndDocument();
    return xml.toStdString();
}

} // namespace wordlist
