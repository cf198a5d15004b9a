// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The help document: the one the build wrote, and the text and pictures it is made from.
#include "helpbook.h"
#include "helpscenes.h"

#include "quiz/messages.h"
#include "version.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString helpSource() { return QString::fromUtf8(readAll(QStringLiteral(VOCARRA_HELP_SOURCE))); }

qsizetype count(const QByteArray &pdf, const char *pattern)
{
    qsizetype matches = 0;
    for (auto it =
             QRegularExpression(QString::fromLatin1(pattern)).globalMatch(QString::fromLatin1(pdf));
         it.hasNext(); it.next())
        ++matches;
    return matches;
}

} // namespace

class TestHelpBook : public QObject
{
    Q_OBJECT

private slots:
    void builtDocument_isAPdfWithItsPagesAndPictures();
    void helpText_showsEveryScene();
    void helpText_quotesTheProgramsOwnTexts();
    void aPictureThatIsNoScene_isRefused();
};

void TestHelpBook::builtDocument_isAPdfWithItsPagesAndPictures()
{
    const QByteArray pdf = readAll(QStringLiteral(VOCARRA_HELP_PDF));
    QVERIFY(pdf.startsWith("%PDF-1."));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    // The text and its four pictures of the window need four pages at least; a layout that ran
    // away (pictures at their full resolution, one per page) would take many more.
    const qsizetype pages = count(pdf, R"(/Type\s*/Page[^s])");
    QVERIFY2(pages >= 4 && pages <= 7, qPrintable(QString::number(pages)));
    QCOMPARE(count(pdf, R"(/Subtype\s*/Image)"), helpPictureNames(helpSource()).size());
}

void TestHelpBook::helpText_showsEveryScene()
{
    // Every picture the text names is a scene, and every scene is shown somewhere.
    QStringList shown = helpPictureNames(helpSource());
    QStringList scenes = helpSceneNames();
    shown.sort();
    scenes.sort();
    QCOMPARE(shown, scenes);
    for (const QString &scene : scenes)
        QVERIFY2(!renderHelpScene(scene).isNull(), qPrintable(scene));
}

void TestHelpBook::helpText_quotesTheProgramsOwnTexts()
{
    const QString text = expandHelpSource(helpSource());
    QVERIFY(!text.contains(QStringLiteral("{{")));
    QVERIFY(!text.contains(QStringLiteral("<!--")));
    QVERIFY(text.contains(
        QString::fromStdString(quiz::endOfListQuestion("Nouns", "New Words Only", "100 Words"))));
    QVERIFY(text.contains(QStringLiteral("Vocarra " VOCARRA_VERSION)));
}

void TestHelpBook::aPictureThatIsNoScene_isRefused()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("help.pdf"));
    const QString problem =
        writeHelpBook(QStringLiteral("# Help\n\n![gone](no-such-scene.png)\n"), pdf);
    QVERIFY(problem.contains(QStringLiteral("no-such-scene.png")));
    QVERIFY(!QFile::exists(pdf));
}

QTEST_MAIN(TestHelpBook)
#include "tst_helpbook.moc"
