// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbytes.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/data/allwords.h"
#include "vocabulary/groupwords.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

using namespace vocabulary;

namespace {

QByteArray utf8Of(const WordEntry &entry) { return bytesOf(cp1252ToUtf8(entry.text())); }

std::span<const WordPair> verbs() { return groupWords(Group::Verbs); }

bool endsWithAny(const QByteArray &word, const QByteArrayList &endings)
{
    return std::any_of(endings.begin(), endings.end(),
                       [&](const QByteArray &end) { return word.endsWith(end); });
}

// True when every verb of a Spanish present form (one per infinitive of the set, reflexive
// pronouns joined by underscores) ends as the present tense ends that person in every verb.
bool hasPersonEndings(const QByteArray &form, std::size_t person)
{
    static const std::array<QByteArrayList, 6> endings{
        QByteArrayList{"o"}, {"s"}, {"a", "e"}, {"mos"}, {"is", "ís"}, {"n"}};
    static const QByteArrayList irregularFirstPersons{"he", "voy", "sé", "doy"};
    static const QByteArrayList reflexive{"me", "te", "se", "nos", "os"};
    for (const QByteArray &word : form.split(' ')) {
        QByteArrayList parts = word.split('_');
        while (parts.size() > 1 && reflexive.contains(parts.first()))
            parts.removeFirst();
        const QByteArray &verb = parts.first();
        if (reflexive.contains(verb) || (person == 0 && irregularFirstPersons.contains(verb)))
            continue;
        if (!endsWithAny(verb, endings[person]))
            return false;
    }
    return true;
}

const QString kDictionary = QStringLiteral("/usr/share/hunspell/es_ES");

// Spanish words of the verb data that the dictionary does not know. They are kept as the data
// has them, since a learner is judged against these very spellings; the forms of "acontecer"
// are right but too rare for the dictionary, which has the verb in the third person only.
const QSet<QString> kKnownDataSpellings{
    QStringLiteral("leventarse"), QStringLiteral("levatáis"),  QStringLiteral("sentímos"),
    QStringLiteral("reir"),       QStringLiteral("sonreir"),   QStringLiteral("eschar"),
    QStringLiteral("acontezco"),  QStringLiteral("aconteces"), QStringLiteral("acontecemos"),
    QStringLiteral("acontecéis"),
};

} // namespace

class TestVerbs : public QObject
{
    Q_OBJECT

private slots:
    void presentSet_holdsItsSevenEntries_data();
    void presentSet_holdsItsSevenEntries();
    void thirdPersonSingular_followsTheEnglishRule_data();
    void thirdPersonSingular_followsTheEnglishRule();
    void everyPresentSet_followsItsInfinitive();
    void everyEnglishEntry_startsWithASubjectOrIsBare();
    void everySpanishWord_isKnownToTheDictionary();
};

void TestVerbs::presentSet_holdsItsSevenEntries_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArrayList>("english");
    QTest::addColumn<QByteArrayList>("spanish");

    const auto englishOf = [](const QByteArray &verb, const QByteArray &third) {
        return QByteArrayList{"to " + verb,           "I " + verb,  "you " + verb,
                              "he_(she_it) " + third, "we " + verb, "you(pl) " + verb,
                              "they " + verb};
    };
    QTest::newRow("to have, one form for he")
        << 3 << englishOf("have", "has")
        << QByteArrayList{"tener haber",   "tengo he",      "tienes has", "tiene",
                          "tenemos hemos", "tenéis habéis", "tienen han"};
    QTest::newRow("to look, regular")
        << 93 << englishOf("look", "looks")
        << QByteArrayList{"mirar", "miro", "miras", "mira", "miramos", "miráis", "miran"};
    QTest::newRow("to know, two verbs")
        << 126 << englishOf("know", "knows")
        << QByteArrayList{"saber conocer",     "sé conozco",      "sabes conoces", "sabe conoce",
                          "sabemos conocemos", "sabéis conocéis", "saben conocen"};
    QTest::newRow("to stand, reflexive")
        << 397 << englishOf("stand", "stands")
        << QByteArrayList{"leventarse",     "me_levanto",  "te_levantas", "se_levanta",
                          "nos_levantamos", "os_levatáis", "se_levantan"};
    QTest::newRow("to rise, blank in the he form")
        << 1715 << englishOf("rise", "rises")
        << QByteArrayList{"leventarse",     "me_levanto",  "te_levantas", "se levanta",
                          "nos_levantamos", "os_levatáis", "se_levantan"};
}

void TestVerbs::presentSet_holdsItsSevenEntries()
{
    QFETCH(int, first);
    QFETCH(QByteArrayList, english);
    QFETCH(QByteArrayList, spanish);

    for (int i = 0; i < 7; ++i) {
        const WordPair &pair = verbs()[std::size_t(first + i)];
        QCOMPARE(utf8Of(pair.english), english.at(i));
        QCOMPARE(utf8Of(pair.spanish), spanish.at(i));
    }
}

void TestVerbs::thirdPersonSingular_followsTheEnglishRule_data()
{
    QTest::addColumn<QByteArray>("verb");
    QTest::addColumn<QByteArray>("form");

    QTest::newRow("have is irregular") << QByteArray("have") << QByteArray("has");
    QTest::newRow("after s") << QByteArray("pass") << QByteArray("passes");
    QTest::newRow("after x") << QByteArray("mix") << QByteArray("mixes");
    QTest::newRow("after z") << QByteArray("buzz") << QByteArray("buzzes");
    QTest::newRow("after ch") << QByteArray("teach") << QByteArray("teaches");
    QTest::newRow("after sh") << QByteArray("wash") << QByteArray("washes");
    QTest::newRow("after o") << QByteArray("go") << QByteArray("goes");
    QTest::newRow("h after neither c nor s") << QByteArray("laugh") << QByteArray("laughs");
    QTest::newRow("consonant and y") << QByteArray("carry") << QByteArray("carries");
    QTest::newRow("consonant and y, study") << QByteArray("study") << QByteArray("studies");
    QTest::newRow("vowel and y") << QByteArray("play") << QByteArray("plays");
    QTest::newRow("plain") << QByteArray("look") << QByteArray("looks");
}

void TestVerbs::thirdPersonSingular_followsTheEnglishRule()
{
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, form);
    QCOMPARE(bytesOf(thirdPersonSingular(verb.toStdString())), form);
}

// Every present set becomes its infinitive and six person entries: the English forms by the
// rule, the Spanish ones yo, tú, él, nosotros, vosotros, ellos as listed, one verb per
// infinitive. A form put in the wrong slot, or one missing for the second of two verbs, shows
// in its ending or in its count of words.
void TestVerbs::everyPresentSet_followsItsInfinitive()
{
    const QByteArrayList subjects{"I ", "you ", "he_(she_it) ", "we ", "you(pl) ", "they "};
    std::size_t index = 0;
    for (const SourceLevel &level : sourceOf(Group::Verbs)) {
        // No set crosses a level boundary, so every block after the first opens with "to ".
        const QByteArray opening = utf8Of(verbs()[index].english);
        QVERIFY2(index == 0 || opening.startsWith("to "), opening.constData());
        for (const SourceLine &line : level.lines) {
            const std::size_t head = index;
            index += std::size_t(line.entryCount());
            if (!line.opensPresentSet())
                continue;
            const QByteArray infinitive = bytesOf(line.english);
            const QByteArray verb = infinitive.mid(3);
            const QByteArray third = bytesOf(thirdPersonSingular(verb.toStdString()));
            const qsizetype verbCount = bytesOf(line.spanish).count(' ') + 1;
            QCOMPARE(utf8Of(verbs()[head].english), infinitive);
            for (std::size_t person = 0; person < 6; ++person) {
                const WordPair &pair = verbs()[head + 1 + person];
                const QByteArray form = bytesOf(line.present[person]);
                const QByteArray subject = subjects.at(qsizetype(person));
                QCOMPARE(utf8Of(pair.english), subject + (person == 2 ? third : verb));
                QCOMPARE(utf8Of(pair.spanish), form);

                // "to have" gives one form for "he"; "to rise" writes "se levanta" with a blank.
                const bool oddThird =
                    person == 2 && (infinitive == "to have" || infinitive == "to rise");
                const QByteArray where = infinitive + ": " + form;
                QVERIFY2(form.count(' ') + 1 == verbCount || oddThird, where.constData());
                QVERIFY2(hasPersonEndings(form, person), where.constData());
            }
        }
    }
    QCOMPARE(index, verbs().size());
}

// The distractor walk and the verb-form filters read the subject at the start of the English
// text, so every entry must begin with one of the subjects, or be a bare form with no blank.
void TestVerbs::everyEnglishEntry_startsWithASubjectOrIsBare()
{
    const QByteArrayList starts{"I ", "you ", "he_(she_it) ", "we ", "you(pl) ", "they ", "to "};
    for (const WordPair &pair : verbs()) {
        const QByteArray english = utf8Of(pair.english);
        const bool subject = std::any_of(starts.begin(), starts.end(), [&](const QByteArray &s) {
            return english.startsWith(s);
        });
        QVERIFY2(subject || !english.contains(' '), english.constData());
    }
}

void TestVerbs::everySpanishWord_isKnownToTheDictionary()
{
    const QString hunspell = QStandardPaths::findExecutable(QStringLiteral("hunspell"));
    if (hunspell.isEmpty() || !QFile::exists(kDictionary + QStringLiteral(".dic")))
        QSKIP("hunspell and its Spanish (es_ES) dictionary are not installed; "
              "scripts/install-deps.sh installs them");

    // Blanks separate translations, underscores the words of one expression.
    const QRegularExpression separators(QStringLiteral("[ _]"));
    QSet<QString> words;
    for (const WordPair &pair : verbs()) {
        const QString spanish = QString::fromUtf8(utf8Of(pair.spanish)).remove(QLatin1Char(','));
        for (const QString &word : spanish.split(separators, Qt::SkipEmptyParts))
            words.insert(word);
    }
    for (const QString &allowed : kKnownDataSpellings)
        QVERIFY2(words.contains(allowed), qPrintable(allowed + QStringLiteral(" is unused")));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(hunspell, {QStringLiteral("-d"), kDictionary, QStringLiteral("-i"),
                             QStringLiteral("UTF-8"), QStringLiteral("-l")});
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    process.write(QStringList(words.values()).join(QLatin1Char('\n')).toUtf8() + '\n');
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);

    // hunspell prints each word it does not know on a line of its own.
    const QString output = QString::fromUtf8(process.readAllStandardOutput());
    QStringList unknown;
    for (const QString &word : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!kKnownDataSpellings.contains(word) && !unknown.contains(word))
            unknown.append(word);
    }
    unknown.sort();
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestVerbs)
#include "tst_verbs.moc"
