// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Program Help: where the document is looked for, in which order, and what ends the search.
#include "scriptedservices.h"

#include "app/fmxutils.h"
#include "app/helpdocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

const QString kDocument = QString::fromUtf16(kHelpDocumentName);

// A scratch machine: a current folder that may hold the fixed folder "C:\Lexo_1000", and a
// program folder with an installed data folder beside it. The current folder is restored after.
struct Machine {
    QTemporaryDir root;
    QString previousCurrent = QDir::currentPath();
    QString work = root.filePath(QStringLiteral("work"));
    QString fixed = root.filePath(QStringLiteral("work/C:/Lexo_1000"));
    QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QString installed = QDir::cleanPath(QDir(bin).filePath(QStringLiteral(VOCARRA_DATA_FROM_BIN)));

    Machine()
    {
        QDir().mkpath(work);
        QDir().mkpath(bin);
        QDir::setCurrent(work);
    }
    ~Machine() { QDir::setCurrent(previousCurrent); }

    static void putDocument(const QString &folder)
    {
        QDir().mkpath(folder);
        QFile document(QDir(folder).filePath(kDocument));
        QVERIFY(document.open(QIODevice::WriteOnly));
    }
    QString folderNamed(const QString &name) const
    {
        return name == u"fixed"       ? fixed
               : name == u"installed" ? installed
               : name == u"build"     ? bin
                                      : QString();
    }
};

} // namespace

class TestHelp : public QObject
{
    Q_OBJECT

private slots:
    void lookup_opensTheFirstCopyFound_data();
    void lookup_opensTheFirstCopyFound();
    void programHelp_asksTheFixedFolderFirst();
};

void TestHelp::lookup_opensTheFirstCopyFound_data()
{
    QTest::addColumn<QStringList>("copies"); // folders that hold the document
    QTest::addColumn<bool>("fixedFolderExists");
    QTest::addColumn<bool>("viewerWorks");
    QTest::addColumn<QStringList>("tried"); // documents handed to the viewer, in order
    QTest::addColumn<int>("result");

    const QStringList all{QStringLiteral("fixed"), QStringLiteral("installed"),
                          QStringLiteral("build")};
    QTest::newRow("the fixed folder comes first")
        << all << true << true << QStringList{QStringLiteral("fixed")} << 42;
    QTest::newRow("installed copy without the fixed folder")
        << QStringList{QStringLiteral("installed"), QStringLiteral("build")} << false << true
        << QStringList{QStringLiteral("installed")} << 42;
    QTest::newRow("build copy when run from the build folder")
        << QStringList{QStringLiteral("build")} << false << true
        << QStringList{QStringLiteral("build")} << 42;
    // An empty fixed folder is no reason to leave the learner without help.
    QTest::newRow("an empty fixed folder is passed over")
        << QStringList{QStringLiteral("installed")} << true << true
        << QStringList{QStringLiteral("installed")} << 42;
    QTest::newRow("no copy anywhere")
        << QStringList{} << true << true << QStringList{} << kShellFileNotFound;
    // The viewer failed on a real document: another copy would fail the same way.
    QTest::newRow("a failing viewer ends the search")
        << all << true << false << QStringList{QStringLiteral("fixed")} << 31;
}

void TestHelp::lookup_opensTheFirstCopyFound()
{
    QFETCH(QStringList, copies);
    QFETCH(bool, fixedFolderExists);
    QFETCH(bool, viewerWorks);
    QFETCH(QStringList, tried);
    QFETCH(int, result);

    Machine machine;
    if (fixedFolderExists)
        QDir().mkpath(machine.fixed);
    for (const QString &copy : copies)
        Machine::putDocument(machine.folderNamed(copy));
    ScriptedServices services;
    services.documentsOpen = viewerWorks;

    QCOMPARE(openHelpDocument(services, machine.bin), result);
    QStringList expected;
    for (const QString &folder : tried)
        expected << QFileInfo(QDir(machine.folderNamed(folder)), kDocument).absoluteFilePath();
    QCOMPARE(services.openedDocuments, expected);
    QVERIFY(services.messages.isEmpty());
}

void TestHelp::programHelp_asksTheFixedFolderFirst()
{
    // Through the menu: the fixed folder of the current folder first; without it, the search goes
    // on from the test program's own folder, where no document lies, and opens nothing.
    Machine machine;
    Machine::putDocument(machine.fixed);
    StartedQuiz quiz;
    quiz->ProgramHelp->trigger();
    QCOMPARE(quiz.services.openedDocuments,
             QStringList{QFileInfo(QDir(machine.fixed), kDocument).absoluteFilePath()});

    QFile::remove(QDir(machine.fixed).filePath(kDocument));
    quiz->ProgramHelp->trigger();
    QCOMPARE(quiz.services.openedDocuments.size(), 1);
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
