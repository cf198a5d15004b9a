// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exportformats.h"
#include "readabletext.h"
#include "wordselection.h"

#include "quiz/judging.h"
#include "testbytes.h"
#include "vocabulary/cp1252.h"

#include <QHash>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <optional>
#include <vector>

using vocabulary::Group;
using wordlist::LevelBlock;

namespace {

QString fromUtf8(std::string_view text) { return QString::fromUtf8(bytesOf(text)); }

// The rows every format must hold for `blocks`, in order: group, level, English, Spanish.
QList<QStringList> expectedRows(std::span<const LevelBlock> blocks)
{
    QList<QStringList> rows;
    for (const LevelBlock &block : blocks) {
        for (const vocabulary::WordPair &pair : block.pairs) {
            rows.append({fromUtf8(vocabulary::groupBoxText(block.group)),
                         fromUtf8(vocabulary::levelText(block.level)),
                         fromUtf8(wordlist::readableEnglish(pair.english.text(), block.group)),
                         fromUtf8(wordlist::readableSpanish(pair.spanish.text()))});
        }
    }
    return rows;
}

// Words that hold every character a format must escape or quote, as stored entries.
std::span<const vocabulary::WordPair> awkwardWords()
{
    static const std::vector<vocabulary::WordPair> words = [] {
        std::vector<vocabulary::WordPair> pairs;
        const auto add = [&](std::string_view english, std::string_view spanish) {
            pairs.push_back({vocabulary::WordEntry::fromBytes(vocabulary::utf8ToCp1252(english)),
                             vocabulary::WordEntry::fromBytes(vocabulary::utf8ToCp1252(spanish))});
        };
        add("salt_&_pepper", "sal_y_pimienta");
        add("a<b>c", "señal_<fin>");
        add("say_\"hi\"", "di_\"hola\" ¿qué?");
        add("it's", "comma,inside año,_día");
        add("tab\there", "línea\nnueva\r");
        add("]]>", "&amp;");
        return pairs;
    }();
    return words;
}

// The test selections by name; "awkward words" puts the words above at two levels of one group.
std::vector<LevelBlock> selection(const QString &name)
{
    if (name == QLatin1String("whole list"))
        return wordlist::selectBlocks(vocabulary::kGroups, std::nullopt);
    if (name == QLatin1String("300 Words"))
        return wordlist::selectBlocks(vocabulary::kGroups, 2);
    if (name == QLatin1String("verbs at 1000 Words")) {
        constexpr Group verbs = Group::Verbs;
        return wordlist::selectBlocks(std::span(&verbs, 1), 9);
    }
    const auto words = awkwardWords();
    return {{Group::Nouns, 0, 0, words.first(3)}, {Group::Nouns, 4, 3, words.subspan(3)}};
}

void addSelectionRows()
{
    QTest::addColumn<QString>("selection");
    for (const char *name : {"whole list", "300 Words", "verbs at 1000 Words", "awkward words"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

// A strict reader of delimited text: fields quoted as RFC 4180 says, every record ended by
// `lineEnd`. Nothing when the text breaks those rules.
std::optional<QList<QStringList>> parseDelimited(const QByteArray &text, char separator,
                                                 const QByteArray &lineEnd)
{
    QList<QStringList> records;
    QStringList fields;
    QByteArray field;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == '"' && field.isEmpty()) {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"')
                        ++i;
                    else
                        break;
                }
                field += text[i];
            }
            ++i;
            if (i < text.size() && text[i] != separator &&
                !QByteArrayView(text).sliced(i).startsWith(lineEnd))
                return std::nullopt;
            continue;
        }
        if (text[i] == separator) {
            fields.append(QString::fromUtf8(field));
            field.clear();
            ++i;
        } else if (QByteArrayView(text).sliced(i).startsWith(lineEnd)) {
            fields.append(QString::fromUtf8(field));
            records.append(fields);
            fields.clear();
            field.clear();
            i += lineEnd.size();
        } else if (text[i] == '\r' || text[i] == '\n' || text[i] == '"') {
            return std::nullopt; // a bare line break or quote must have been quoted
        } else {
            field += text[i++];
        }
    }
    if (!fields.isEmpty() || !field.isEmpty())
        return std::nullopt; // the last record lacks its line end
    return records;
}

// What a KVTML reader sees: the entries' two texts by id, and the lessons as group, level and
// the ids they hold.
struct KvtmlContent {
    QHash<QString, QStringList> entries;
    QList<std::pair<QStringList, QStringList>> lessons; // (group, level) names, entry ids
    QHash<QString, QString> information;
    QStringList locales;
    QString doctype;
};

std::optional<KvtmlContent> readKvtml(const QByteArray &document)
{
    KvtmlContent content;
    QXmlStreamReader xml(document);
    QStringList containerNames;
    QString entryId;
    QString translationId;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isDTD())
            content.doctype = xml.text().toString();
        if (!xml.isStartElement() && !xml.isEndElement())
            continue;
        const QStringView name = xml.name();
        if (xml.isEndElement()) {
            if (name == QLatin1String("container"))
                containerNames.removeLast();
            continue;
        }
        if (name == QLatin1String("generator") || name == QLatin1String("title"))
            content.information.insert(name.toString(), xml.readElementText());
        else if (name == QLatin1String("locale"))
            content.locales.append(xml.readElementText());
        else if (name == QLatin1String("container"))
            containerNames.append(QString());
        else if (name == QLatin1String("name") && !containerNames.isEmpty())
            containerNames.last() = xml.readElementText();
        else if (name == QLatin1String("entry") && !containerNames.isEmpty()) {
            if (content.lessons.isEmpty() || content.lessons.last().first != containerNames)
                content.lessons.append({containerNames, {}});
            content.lessons.last().second.append(xml.attributes().value("id").toString());
        } else if (name == QLatin1String("entry")) {
            entryId = xml.attributes().value("id").toString();
            content.entries.insert(entryId, {QString(), QString()});
        } else if (name == QLatin1String("translation")) {
            translationId = xml.attributes().value("id").toString();
        } else if (name == QLatin1String("text")) {
            content.entries[entryId][translationId.toInt()] = xml.readElementText();
        }
    }
    if (xml.hasError()) {
        qWarning() << xml.errorString() << xml.lineNumber();
        return std::nullopt;
    }
    return content;
}

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void readableText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("group"); // -1: the Spanish side
        QTest::addColumn<QString>("readable");
        const auto addRow = [](const char *name, const char *stored, int group,
                               const char *readable) {
            QTest::newRow(name) << QString::fromUtf8(stored) << group
                                << QString::fromUtf8(readable);
        };
        const int spanish = -1;
        const int nouns = int(Group::Nouns);
        const int verbs = int(Group::Verbs);
        addRow("alternatives", "son sonido", spanish, "son, sonido");
        addRow("joined words", "para_que con_tal_que", spanish, "para que, con tal que");
        addRow("listed with a comma", "eres, estás", spanish, "eres, estás");
        addRow("one word", "día", spanish, "día");
        addRow("double blank", "a  b ", spanish, "a, b");
        addRow("third person", "he_(she_it) has", verbs, "he/she/it has");
        addRow("plural you", "you(pl) had", verbs, "you (pl.) had");
        addRow("infinitive stays whole", "to have", verbs, "to have");
        addRow("participle", "had", verbs, "had");
        addRow("apostrophe", "I don't", verbs, "I don't");
        addRow("English alternatives", "a an", nouns, "a, an");
        addRow("note apart", "record(noun)", nouns, "record (noun)");
    }
    void readableText()
    {
        QFETCH(QString, stored);
        QFETCH(int, group);
        QFETCH(QString, readable);
        const std::string cp1252 = vocabulary::utf8ToCp1252(stored.toStdString());
        const std::string text = group < 0 ? wordlist::readableSpanish(cp1252)
                                           : wordlist::readableEnglish(cp1252, Group(group));
        QCOMPARE(fromUtf8(text), readable);
    }

    // Every Spanish answer an export lists is one the quiz accepts when typed, spelled as the
    // entry stores it (blanks as "_", with the listing comma where the entry has one).
    void spanishAnswers_areAcceptedByQuiz()
    {
        for (const LevelBlock &block : selection(QStringLiteral("whole list"))) {
            for (const vocabulary::WordPair &pair : block.pairs) {
                const std::string stored = vocabulary::cp1252ToUtf8(pair.spanish.text());
                for (std::string answer : wordlist::acceptedAnswers(stored)) {
                    std::ranges::replace(answer, ' ', '_');
                    const std::string typed = vocabulary::utf8ToCp1252(answer);
                    const auto accepts = [&](const std::string &a) {
                        return quiz::judgeTypedAnswer(a, pair.spanish.text(),
                                                      quiz::Direction::EnglishToSpanish, false);
                    };
                    QVERIFY2(accepts(typed) || accepts(typed + ','), stored.c_str());
                }
            }
        }
    }

    void csv_parsesBackToTables_data() { addSelectionRows(); }
    void csv_parsesBackToTables()
    {
        QFETCH(QString, selection);
        const auto blocks = ::selection(selection);
        const auto records = parseDelimited(bytesOf(wordlist::csvText(blocks)), ',', "\r\n");
        QVERIFY(records);
        QCOMPARE(records->first(), QStringList({"group", "level", "english", "spanish"}));
        QCOMPARE(records->sliced(1), expectedRows(blocks));
    }

    void anki_parsesBackToTables_data() { addSelectionRows(); }
    void anki_parsesBackToTables()
    {
        QFETCH(QString, selection);
        const auto blocks = ::selection(selection);
        const QByteArray text = bytesOf(wordlist::ankiText(blocks));
        QHash<QString, QString> headers;
        qsizetype bodyStart = 0;
        while (text.sliced(bodyStart).startsWith('#')) {
            const qsizetype end = text.indexOf('\n', bodyStart);
            const QString line = QString::fromUtf8(text.sliced(bodyStart, end - bodyStart));
            headers.insert(line.section(':', 0, 0), line.section(':', 1));
            bodyStart = end + 1;
        }
        QCOMPARE(headers.value("#separator"), QStringLiteral("tab"));
        QCOMPARE(headers.value("#html"), QStringLiteral("false"));
        QCOMPARE(headers.value("#notetype"), QStringLiteral("Basic (and reversed card)"));
        QCOMPARE(headers.value("#columns").split('\t'),
                 QStringList({"English", "Spanish", "Deck", "Tags", "Id"}));
        const int deckColumn = headers.value("#deck column").toInt() - 1;
        const int tagsColumn = headers.value("#tags column").toInt() - 1;
        const int idColumn = headers.value("#guid column").toInt() - 1;
        QCOMPARE(deckColumn, 2);
        QCOMPARE(tagsColumn, 3);
        QCOMPARE(idColumn, 4);

        const auto notes = parseDelimited(text.sliced(bodyStart), '\t', "\n");
        QVERIFY(notes);
        const QList<QStringList> expected = expectedRows(blocks);
        QCOMPARE(notes->size(), expected.size());
        QSet<QString> ids;
        for (qsizetype i = 0; i < notes->size(); ++i) {
            const QStringList &note = notes->at(i);
            const QStringList &row = expected[i];
            QCOMPARE(note.size(), 5);
            QCOMPARE(note.sliced(0, 2), row.sliced(2, 2));
            QCOMPARE(note[deckColumn], "Vocarra::" + row[0] + "::" + row[1]);
            QCOMPARE(note[tagsColumn].split(' '),
                     QStringList(
                         {"Vocarra::" + row[0], "Vocarra::" + QString(row[1]).replace(' ', '_')}));
            ids.insert(note[idColumn]);
        }
        QCOMPARE(ids.size(), notes->size());
    }

    void kvtml_parsesBackToTables_data() { addSelectionRows(); }
    void kvtml_parsesBackToTables()
    {
        QFETCH(QString, selection);
        const auto blocks = ::selection(selection);
        const QByteArray document = bytesOf(wordlist::kvtmlText(blocks, "Tom & Jerry's <list>"));
        QVERIFY(document.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"));
        QVERIFY(document.contains("<kvtml version=\"2.0\">"));
        const auto content = readKvtml(document);
        QVERIFY(content);
        QVERIFY2(content->doctype.contains("kvtml2.dtd"), qPrintable(content->doctype));
        QCOMPARE(content->information.value("title"), QStringLiteral("Tom & Jerry's <list>"));
        QVERIFY(content->information.value("generator").startsWith("vocarra-words "));
        QCOMPARE(content->locales, QStringList({"en", "es"}));

        // The lessons, read in document order, hold every entry once, in the order of the rows.
        const QList<QStringList> expected = expectedRows(blocks);
        QCOMPARE(content->entries.size(), expected.size());
        qsizetype row = 0;
        for (const auto &[names, ids] : content->lessons) {
            for (const QString &id : ids) {
                QVERIFY(row < expected.size());
                QCOMPARE(names, expected[row].sliced(0, 2));
                QCOMPARE(content->entries.value(id), expected[row++].sliced(2, 2));
            }
        }
        QCOMPARE(row, expected.size());
    }

    // Control characters that XML 1.0 cannot hold become U+FFFD, so the document stays
    // well-formed; a carriage return survives as a character reference.
    void kvtml_replacesControlCharacters()
    {
        const auto content = readKvtml(bytesOf(wordlist::kvtmlText({}, "a\x01<b\x1F\rc\x0B")));
        QVERIFY(content);
        QCOMPARE(content->information.value("title"), QStringLiteral("a\uFFFD<b\uFFFD\rc\uFFFD"));
    }
};

QTEST_APPLESS_MAIN(TestExports)
#include "tst_exports.moc"
