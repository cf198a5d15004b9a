// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

using namespace vocabulary;

namespace {

QByteArray bytesOf(std::string_view text) { return QByteArray(text.data(), qsizetype(text.size())); }

QByteArray utf8Of(const WordEntry &entry) { return bytesOf(cp1252ToUtf8(entry.text())); }

std::span<const WordPair> verbs() { return groupWords(Group::Verbs); }

const QString kDictionary = QStringLiteral("/usr/share/hunspell/es_ES");

// Spanish words of the verb data that the dictionary does not know. They are kept as the data has
// them, since a learner is judged against these very spellings; the forms of "acontecer" are
// right but too rare for the dictionary, which has the verb in the third person only.
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
    void levelBlocks_openWithAnInfinitive();
    void thirdPersonSingular_followsTheEnglishRule_data();
    void thirdPersonSingular_followsTheEnglishRule();
    void everyPresentSet_followsItsInfinitive();
    void everyPresentSet_endsItsSpanishPersonsAlike();
    void everyEnglishEntry_startsWithASubjectOrIsBare();
    void everySpanishWord_isKnownToTheDictionary();
};

void TestVerbs::presentSet_holdsItsSevenEntries_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QByteArrayList>("english");
    QTest::addColumn<QByteArrayList>("spanish");

    QTest::newRow("to have, one form for he") << 3
        << QByteArrayList{"to have", "I have", "you have", "he_(she_it) has", "we have", "you(pl) have", "they have"}
        << QByteArrayList{"tener haber", "tengo he", "tienes has", "tiene", "tenemos hemos", "tenéis habéis",
                          "tienen han"};
    QTest::newRow("to look, regular") << 93
        << QByteArrayList{"to look", "I look", "you look", "he_(she_it) looks", "we look", "you(pl) look", "they look"}
        << QByteArrayList{"mirar", "miro", "miras", "mira", "miramos", "miráis", "miran"};
    QTest::newRow("to know, two verbs") << 126
        << QByteArrayList{"to know", "I know", "you know", "he_(she_it) knows", "we know", "you(pl) know", "they know"}
        << QByteArrayList{"saber conocer", "sé conozco", "sabes conoces", "sabe conoce", "sabemos conocemos",
                          "sabéis conocéis", "saben conocen"};
    QTest::newRow("to stand, reflexive") << 397
        << QByteArrayList{"to stand", "I stand", "you stand", "he_(she_it) stands", "we stand", "you(pl) stand",
                          "they stand"}
        << QByteArrayList{"leventarse", "me_levanto", "te_levantas", "se_levanta", "nos_levantamos", "os_levatáis",
                          "se_levantan"};
    QTest::newRow("to rise, blank in the he form") << 1715
        << QByteArrayList{"to rise", "I rise", "you rise", "he_(she_it) rises", "we rise", "you(pl) rise", "they rise"}
        << QByteArrayList{"leventarse", "me_levanto", "te_levantas", "se levanta", "nos_levantamos", "os_levatáis",
                          "se_levantan"};
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

// No set crosses a level boundary, so every block after the first begins with an infinitive.
void TestVerbs::levelBlocks_openWithAnInfinitive()
{
    QCOMPARE(utf8Of(verbs()[0].english), QByteArray("he_(she_it) is"));
    for (int level = 1; level < kLevelCount; ++level) {
        const QByteArray english = utf8Of(verbs()[std::size_t(blockStart(Group::Verbs, level))].english);
        QVERIFY2(english.startsWith("to "), english.constData());
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
    QTest::newRow("consonant and y") << QByteArray("carry") << QByteArray("carries");
    QTest::newRow("consonant and y, short") << QByteArray("fly") << QByteArray("flies");
    QTest::newRow("vowel and y") << QByteArray("play") << QByteArray("plays");
    QTest::newRow("consonant and y, study") << QByteArray("study") << QByteArray("studies");
    QTest::newRow("plain") << QByteArray("look") << QByteArray("looks");
    QTest::newRow("h without c or s") << QByteArray("laugh") << QByteArray("laughs");
    QTest::newRow("e ending") << QByteArray("use") << QByteArray("uses");
}

void TestVerbs::thirdPersonSingular_followsTheEnglishRule()
{
    QFETCH(QByteArray, verb);
    QFETCH(QByteArray, form);
    QCOMPARE(bytesOf(thirdPersonSingular(verb.toStdString())), form);
}

// Every present set of the lists becomes its infinitive and six person entries in the person
// order, with the English forms built by the rule and the Spanish forms in the order listed.
void TestVerbs::everyPresentSet_followsItsInfinitive()
{
    const QByteArrayList subjects{"I ", "you ", "he_(she_it) ", "we ", "you(pl) ", "they "};
    std::size_t index = 0;
    int sets = 0;
    for (const SourceLevel &level : sourceOf(Group::Verbs)) {
        for (const SourceLine &line : level.lines) {
            const std::size_t head = index;
            index += std::size_t(line.entryCount());
            if (!line.opensPresentSet())
                continue;
            ++sets;
            const QByteArray infinitive = bytesOf(line.english);
            QVERIFY2(infinitive.startsWith("to "), infinitive.constData());
            const QByteArray verb = infinitive.mid(3);
            QCOMPARE(utf8Of(verbs()[head].english), infinitive);
            for (int person = 0; person < 6; ++person) {
                const WordPair &pair = verbs()[head + 1 + std::size_t(person)];
                const QByteArray form = person == 2 ? bytesOf(thirdPersonSingular(verb.toStdString())) : verb;
                QCOMPARE(utf8Of(pair.english), subjects.at(person) + form);
                QCOMPARE(utf8Of(pair.spanish), bytesOf(line.present[std::size_t(person)]));
            }
        }
    }
    QCOMPARE(index, verbs().size());
    QVERIFY(sets > 300);
}

// The six Spanish forms are listed yo, tú, él, nosotros, vosotros, ellos, one per infinitive of
// the set. The present tense ends each person the same way in every verb, so a form put in the
// wrong slot, or one missing for the second of two verbs, shows here.
void TestVerbs::everyPresentSet_endsItsSpanishPersonsAlike()
{
    const std::array<QByteArrayList, 6> endings{QByteArrayList{"o"}, {"s"}, {"a", "e"}, {"mos"}, {"is", "ís"}, {"n"}};
    const QByteArrayList irregularFirstPersons{"he", "voy", "sé", "doy"};
    const QByteArrayList reflexive{"me", "te", "se", "nos", "os"};
    for (const SourceLevel &level : sourceOf(Group::Verbs)) {
        for (const SourceLine &line : level.lines) {
            if (!line.opensPresentSet())
                continue;
            const qsizetype infinitives = bytesOf(line.spanish).count(' ') + 1;
            for (std::size_t person = 0; person < 6; ++person) {
                const QByteArray form = bytesOf(line.present[person]);
                const QByteArray where = bytesOf(line.english) + ": " + form;
                const QByteArrayList words = form.split(' ');
                // "to have" gives one form for "he", and "to rise" writes "se levanta" with a blank.
                const bool oddThird = person == 2 && (line.english == "to have" || line.english == "to rise");
                QVERIFY2(words.size() == infinitives || oddThird, where.constData());
                for (const QByteArray &word : words) {
                    QByteArrayList parts = word.split('_');
                    while (parts.size() > 1 && reflexive.contains(parts.first()))
                        parts.removeFirst();
                    const QByteArray &verb = parts.first();
                    if (reflexive.contains(verb) || (person == 0 && irregularFirstPersons.contains(verb)))
                        continue;
                    const bool ending = std::any_of(endings[person].begin(), endings[person].end(),
                                                    [&](const QByteArray &end) { return verb.endsWith(end); });
                    QVERIFY2(ending, where.constData());
                }
            }
        }
    }
}

// The distractor walk and the verb-form filters read the subject at the start of the English
// text, so every entry must begin with one of the subjects, or be a bare form with no blank.
void TestVerbs::everyEnglishEntry_startsWithASubjectOrIsBare()
{
    const QByteArrayList starts{"I ", "you ", "he_(she_it) ", "we ", "you(pl) ", "they ", "to "};
    for (const WordPair &pair : verbs()) {
        const QByteArray english = utf8Of(pair.english);
        const bool subject = std::any_of(starts.begin(), starts.end(),
                                         [&](const QByteArray &start) { return english.startsWith(start); });
        QVERIFY2(subject || !english.contains(' '), english.constData());
    }
}

void TestVerbs::everySpanishWord_isKnownToTheDictionary()
{
    const QString hunspell = QStandardPaths::findExecutable(QStringLiteral("hunspell"));
    if (hunspell.isEmpty() || !QFile::exists(kDictionary + QStringLiteral(".dic")))
        QSKIP("hunspell with its Spanish (es_ES) dictionary is not installed; the set-up script installs it");

    // Blanks separate translations, underscores the words of one expression.
    QSet<QString> words;
    for (const WordPair &pair : verbs()) {
        const QString spanish = QString::fromUtf8(utf8Of(pair.spanish)).remove(QLatin1Char(','));
        for (const QString &word : spanish.split(QRegularExpression(QStringLiteral("[ _]")), Qt::SkipEmptyParts))
            words.insert(word);
    }
    for (const QString &allowed : kKnownDataSpellings)
        QVERIFY2(words.contains(allowed), qPrintable(allowed + QStringLiteral(" is no longer in the data")));

    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(environment);
    process.start(hunspell, {QStringLiteral("-d"), kDictionary, QStringLiteral("-i"), QStringLiteral("UTF-8"),
                             QStringLiteral("-l")});
    QVERIFY2(process.waitForStarted(), qPrintable(process.errorString()));
    process.write(QStringList(words.values()).join(QLatin1Char('\n')).toUtf8() + '\n');
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);

    QStringList unknown;
    for (const QString &word : QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        if (!word.isEmpty() && !kKnownDataSpellings.contains(word) && !unknown.contains(word))
            unknown.append(word);
    }
    unknown.sort();
    QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestVerbs)
#include "tst_verbs.moc"
