// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the learner finds it: controls, menus, the start of a run and both ways out.
#include "scriptedservices.h"

#include "app/answeredit.h"
#include "app/fmxutils.h"
#include "app/windowdesign.h"
#include "quiz/verdicts.h"
#include "widgets/elastfrm.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void controls_matchTheirDesign_data();
    void controls_matchTheirDesign();
    void startUp_opensOnTheFirstNounWithTheStartSettings();
    void activation_startsTheQuizOnlyOnce_data();
    void activation_startsTheQuizOnlyOnce();
    void menuBar_hasTheNineMenusAndTheirItems();
    void levelSubmenus_listTheSevenGroups();
    void openingALevelSubmenu_choosesThatLevel();
    void exit_saysFarewellOnceEitherWay_data();
    void exit_saysFarewellOnceEitherWay();
    void help_withoutTheDocumentChangesNothing();
    void help_opensTheDocumentWhereItExists();
    void shownWindow_scalesEveryControlInProportion();
    void shownWindow_firstPaintsAtTheSizeItFills();
};

void TestMainWindow::controls_matchTheirDesign_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("accessibleName");

    auto row = [](const char *name, QRect geometry, int pixels, const QString &text, bool enabled,
                  const QString &accessible) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << pixels << text << enabled
                            << accessible;
    };
    row("Label1", {328, 48, 46, 18}, 16, QStringLiteral("Score:"), true, QString());
    row("Label2", {168, 48, 42, 18}, 16, QStringLiteral("Trials:"), true, QString());
    row("Answer", {8, 192, 537, 73}, 19, QString(), true, QStringLiteral("Answer"));
    row("NumTrials", {213, 40, 110, 30}, 19, QString(), true, QStringLiteral("Trials"));
    row("Score", {376, 40, 110, 30}, 19, QString(), true, QStringLiteral("Score"));
    row("Edit1", {8, 80, 225, 105}, 19,
        QStringLiteral("Select level (total number \nof \nwords) \nand word group from \nmenu."),
        false, QStringLiteral("Question"));
    row("Accenta", {8, 272, 64, 32}, 13, QStringLiteral("á"), false, QStringLiteral("á"));
    row("Accente", {73, 272, 64, 32}, 13, QStringLiteral("é"), false, QStringLiteral("é"));
    row("accenti", {139, 272, 64, 32}, 13, QStringLiteral("í"), false, QStringLiteral("í"));
    row("Tilden", {204, 272, 70, 32}, 13, QStringLiteral("ñ"), false, QStringLiteral("ñ"));
    row("Accento", {277, 272, 64, 32}, 13, QStringLiteral("ó"), false, QStringLiteral("ó"));
    row("Accentu", {343, 272, 64, 32}, 13, QStringLiteral("ú"), false, QStringLiteral("ú"));
    row("They", {408, 272, 64, 32}, 13, QString(), false, QStringLiteral("Unused key"));
    row("Level", {0, 0, 175, 30}, 19, QString(), true, QStringLiteral("Level"));
    row("WordGroup", {184, 0, 175, 30}, 19, QString(), true, QStringLiteral("Word group"));
    row("NewAll", {368, 0, 175, 30}, 19, QStringLiteral("New Words Only"), true,
        QStringLiteral("New or all words"));
    row("AnswerBox", {240, 72, 305, 113}, 16, QStringLiteral("Answer?"), true,
        QStringLiteral("Answer?"));
    row("Button2", {264, 312, 80, 22}, 11, QStringLiteral("New Question"), true,
        QStringLiteral("New Question"));
    row("OrvelButton1", {352, 312, 80, 22}, 11, QStringLiteral("Peek"), true,
        QStringLiteral("Peek"));
    row("Reset1", {496, 40, 50, 30}, 11, QStringLiteral("Reset"), true, QStringLiteral("Reset"));
    row("Button1", {448, 311, 80, 41}, 17, QStringLiteral("Check"), false, QStringLiteral("Check"));
    row("GradBtn1", {176, 312, 80, 22}, 11, QStringLiteral("Repeat"), true,
        QStringLiteral("Repeat"));
}

// A freshly created window, before its first activation: the design state of every control.
void TestMainWindow::controls_matchTheirDesign()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(int, pixelSize);
    QFETCH(QString, text);
    QFETCH(bool, enabled);
    QFETCH(QString, accessibleName);
    ScriptedServices services;
    TForm1 form(services);
    auto *widget = form.findChild<QWidget *>(name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->font().pixelSize(), pixelSize);
    QCOMPARE(widget->isEnabled(), enabled);
    QCOMPARE(widget->accessibleName(), accessibleName);

    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget))
        shown = label->text();
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        shown = line->text();
    else if (auto *box = qobject_cast<QTextEdit *>(widget))
        shown = box->toPlainText();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        shown = button->text();
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        shown = group->title();
    QCOMPARE(shown, text);
}

void TestMainWindow::startUp_opensOnTheFirstNounWithTheStartSettings()
{
    StartedQuiz quiz;
    QCOMPARE(quiz->windowTitle(), QStringLiteral("Vocarra -Spanish Version"));
    QVERIFY(quiz->windowState() & Qt::WindowMaximized);
    QCOMPARE(quiz->Level->text(), QStringLiteral("100 Words"));
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Nouns"));
    QCOMPARE(quiz->NewAll->text(), QStringLiteral("New Words Only"));
    QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("word"));
    QCOMPARE(quiz->answerItem(quiz->state().SlotOrder[0])->text(), QStringLiteral("palabra"));
    QCOMPARE(quiz->state().ListCount, 11);

    for (QAction *item : {quiz->levelItems[0], quiz->Nouns1, quiz->Include1, quiz->Sequence,
                          quiz->NewWords, quiz->EnglishtoSpanish1, quiz->MultChoice})
        QVERIFY2(item->isChecked(), qPrintable(item->objectName()));
    QCOMPARE(quiz->SecondPerson1->title(), QStringLiteral("Verb Forms?"));
    QVERIFY(!quiz->Button1->isEnabled());
    QVERIFY(quiz->Answer->isReadOnly());
    QVERIFY(!quiz->AnswerBox->isHidden());
    QVERIFY(quiz->GradBtn1->isEnabled());
    QVERIFY(!quiz->Timer1->isActive() && !quiz->Timer2->isActive());
    QCOMPARE(quiz->Timer1->interval(), quiz::kPauseMilliseconds);
    QCOMPARE(quiz->Timer2->interval(), quiz::kPauseMilliseconds);
    QVERIFY(quiz.services.messages.isEmpty());
}

void TestMainWindow::activation_startsTheQuizOnlyOnce_data()
{
    QTest::addColumn<bool>("about");
    QTest::newRow("back from another program") << false;
    QTest::newRow("back from the About box") << true;
}

// Coming back from a box, another program or the task bar activates the window again, which
// leaves level, group, question and counts as they were.
void TestMainWindow::activation_startsTheQuizOnlyOnce()
{
    QFETCH(bool, about);
    StartedQuiz quiz;
    quiz->Verbs1Click();
    quiz->Button2Click();
    quiz->answerItem(quiz->state().SlotOrder[0])->click();
    const QString question = quiz->Edit1->toPlainText();
    if (about) {
        quiz->About1->trigger();
        QCOMPARE(quiz.services.messages.size(), 1);
        QVERIFY(quiz.services.messages.first().startsWith(QStringLiteral("Vocarra ")));
    }
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(quiz.form.get(), &activate);
    QCOMPARE(quiz->Level->text(), QStringLiteral("100 Words"));
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Verbs"));
    QCOMPARE(quiz->Edit1->toPlainText(), question);
    QCOMPARE(quiz->state().SequencePos, 1);
    QCOMPARE(quiz->NumTrials->text(), QStringLiteral("1"));
}

void TestMainWindow::menuBar_hasTheNineMenusAndTheirItems()
{
    ScriptedServices services;
    TForm1 form(services);
    QStringList captions;
    for (QAction *menu : form.menuBar()->actions())
        captions << menu->text();
    QCOMPARE(captions, (QStringList{"Exit", "Levels", "Word Groups", "Verb Forms?",
                                    "Question Order", "All Words/New Words", "Translation?",
                                    "Mult Choice/Type Answer", "Help"}));

    auto itemsOf = [&form](const char *menuName) {
        QStringList texts;
        for (QAction *item : form.findChild<QMenu *>(QString::fromLatin1(menuName))->actions())
            texts << item->text();
        return texts;
    };
    QCOMPARE(
        itemsOf("WordGroups1"),
        (QStringList{"Nouns/Nombres", "Verbs/Verbos", "Pronouns/Pronombres",
                     "Adjectives/Adjetivos(Art.)", "Adverbs/Adverbios",
                     QStringLiteral("Prepositions/Preposiciónes"), "Conjuctions/Conjunctivos"}));
    QCOMPARE(itemsOf("SecondPerson1"),
             (QStringList{"All Verb Forms", "Infinitives and p.p.", "No Second Person"}));
    QCOMPARE(itemsOf("Order"), (QStringList{"Successive", "Random"}));
    QCOMPARE(itemsOf("AllorNew"), (QStringList{"New Words Only", "All Words"}));
    QCOMPARE(itemsOf("Translation1"), (QStringList{"English to Spanish", "Spanish to English"}));
    QCOMPARE(itemsOf("Mode"), (QStringList{"Multtiple Choice", "Type Answer"}));
    QCOMPARE(itemsOf("Help1"), (QStringList{"Program Help", "About"}));
    QCOMPARE(itemsOf("Exit1"), QStringList{"Exit"});

    QStringList levels = itemsOf("Levels1");
    QCOMPARE(levels.size(), 10);
    QCOMPARE(levels.first(), QStringLiteral("100 Words"));
    QCOMPARE(levels.last(), QStringLiteral("1000 Words"));

    // Radio items are exclusive among their siblings.
    form.Random1->trigger();
    QVERIFY(form.Random1->isChecked() && !form.Sequence->isChecked());
}

void TestMainWindow::levelSubmenus_listTheSevenGroups()
{
    ScriptedServices services;
    TForm1 form(services);
    for (int level = 0; level < vocabulary::kLevelCount; ++level) {
        QMenu *submenu = form.levelItems[static_cast<std::size_t>(level)]->menu();
        QVERIFY(submenu);
        QStringList captions;
        for (QAction *item : submenu->actions())
            captions << item->text();
        const QString verbs = level == 7 ? QStringLiteral("Verbos") : QStringLiteral("Verbs");
        QCOMPARE(captions, (QStringList{"Nouns", verbs, "Pronouns", "Adjectives", "Adverbs",
                                        "Prepositions", "Conjunctions"}));
    }
    QVERIFY(form.findChild<QAction *>(QStringLiteral("verbos1")));
    QVERIFY(form.findChild<QAction *>(QStringLiteral("VErbos7")));
    QVERIFY(form.findChild<QAction *>(QStringLiteral("Preposicines10")));
}

void TestMainWindow::openingALevelSubmenu_choosesThatLevel()
{
    StartedQuiz quiz;
    QMenu *submenu = quiz->levelItems[6]->menu();
    emit submenu->aboutToShow(); // the learner points at "700 Words" and leaves the menu
    QCOMPARE(quiz->Level->text(), QStringLiteral("700 Words"));
    QVERIFY(quiz->levelItems[6]->isChecked() && !quiz->levelItems[0]->isChecked());
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Nouns")); // nothing is reloaded

    // Choosing "Verbos" in the submenu of "800 Words" loads the verbs there.
    emit quiz->levelItems[7]->menu()->aboutToShow();
    quiz->findChild<QAction *>(QStringLiteral("Verbos8"))->trigger();
    QCOMPARE(quiz->WordGroup->text(), QStringLiteral("Verbs"));
    QVERIFY(quiz->Verbs1->isChecked());
    QCOMPARE(quiz->state().ListCount, 317);
}

void TestMainWindow::exit_saysFarewellOnceEitherWay_data()
{
    QTest::addColumn<bool>("throughMenu");
    QTest::newRow("close box") << false;
    QTest::newRow("Exit, Exit") << true;
}

void TestMainWindow::exit_saysFarewellOnceEitherWay()
{
    QFETCH(bool, throughMenu);
    StartedQuiz quiz;
    if (throughMenu)
        quiz->Exit2->trigger();
    // Leaving through the menu ends the loop, which closes the window too: still one farewell.
    quiz->close();
    QCOMPARE(quiz.services.messages.size(), 1);
    QVERIFY(quiz.services.messages.first().startsWith(
        QStringLiteral("Espero que usted quiera este programa. Vaya por favor a ")));
    QVERIFY(quiz.services.messages.first().endsWith(
        QStringLiteral(" para un programa con palabras inglesas habladas.")));
    QVERIFY(quiz.services.quits >= 1);
    QVERIFY(quiz.services.questions.isEmpty()); // never asks for confirmation
}

void TestMainWindow::help_withoutTheDocumentChangesNothing()
{
    StartedQuiz quiz;
    quiz->ProgramHelp->trigger();
    QVERIFY(quiz.services.openedDocuments.isEmpty());
    QVERIFY(quiz.services.messages.isEmpty());
    QCOMPARE(quiz->Edit1->toPlainText(), QStringLiteral("word"));
}

void TestMainWindow::help_opensTheDocumentWhereItExists()
{
    QTemporaryDir folder;
    QFile document(folder.filePath(QStringLiteral("LexoSpan Help.pdf")));
    QVERIFY(document.open(QIODevice::WriteOnly));
    document.close();
    ScriptedServices services;
    QVERIFY(OpenWithShell(services, QStringLiteral("LexoSpan Help.pdf"), QStringLiteral(" "),
                          folder.path(), 5) > 32);
    QCOMPARE(services.openedDocuments, QStringList{document.fileName()});
    QCOMPARE(OpenWithShell(services, QStringLiteral("missing.pdf"), QString(), folder.path(), 5),
             2);
    QCOMPARE(shellText(QString(100, u'x')).size(), 79);
}

// On screen, every control follows the client area in proportion to its design bounds and its
// font grows with it; the Check button keeps the height of its images.
void TestMainWindow::shownWindow_scalesEveryControlInProportion()
{
    ScriptedServices services;
    TForm1 form(services);
    QVERIFY(form.ElasticForm1);
    QHash<QWidget *, QRect> design;
    for (QWidget *control :
         form.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        design.insert(control, control->geometry());
    const int levelFont = form.Level->font().pixelSize();

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.move(form.pos() + QPoint(1, 1)); // the first move after an activation settles the window
    form.setWindowState(Qt::WindowNoState);
    form.resize(1000, 760);
    // The window system may report the new size as its own, which is laid out once it settles.
    const QSize designClient = windowdesign::kClientSize;
    QTRY_VERIFY(qAbs(form.Edit1->width() -
                     qRound(225.0 * form.centralWidget()->width() / designClient.width())) <= 2);

    const QSize client = form.centralWidget()->size();
    const double rx = double(client.width()) / designClient.width();
    const double ry = double(client.height()) / designClient.height();
    QCOMPARE(form.ElasticForm1->managedControls().size(), design.size());
    for (auto it = design.cbegin(); it != design.cend(); ++it) {
        QWidget *control = it.key();
        const QRect expected(qRound(it->x() * rx), qRound(it->y() * ry), qRound(it->width() * rx),
                             control == form.Button1 ? 41 : qRound(it->height() * ry));
        const QRect actual = control->geometry();
        // Two roundings (to the screen, then to the client area) may each move an edge by a pixel;
        // the labels may grow to their text.
        const bool label = qobject_cast<QLabel *>(control);
        QVERIFY2(qAbs(actual.x() - expected.x()) <= 2 && qAbs(actual.y() - expected.y()) <= 2 &&
                     (label ? actual.width() >= expected.width() - 2
                            : qAbs(actual.width() - expected.width()) <= 2) &&
                     qAbs(actual.height() - expected.height()) <= 2,
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5")
                                .arg(control->objectName())
                                .arg(actual.x())
                                .arg(actual.y())
                                .arg(actual.width())
                                .arg(actual.height())));
    }
    QVERIFY(form.Level->font().pixelSize() > levelFont);
    QVERIFY(form.maximumSize().boundedTo(windowdesign::kMaximumSize) == form.maximumSize());
}

namespace {

// Remembers the size of a widget at each of its paints.
class PaintSizes : public QObject
{
public:
    explicit PaintSizes(QWidget *watched) { watched->installEventFilter(this); }
    QList<QSize> sizes;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            sizes.append(static_cast<QWidget *>(watched)->size());
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

// With no window manager to maximise it, the window fills the screen before it paints at all: a
// first paint at the design size would be a flash of a small window and a second full paint.
void TestMainWindow::shownWindow_firstPaintsAtTheSizeItFills()
{
    ScriptedServices services;
    TForm1 form(services);
    PaintSizes paints(form.centralWidget());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY(!paints.sizes.isEmpty());
    QVERIFY(form.width() > windowdesign::kFormSize.width());
    QCOMPARE(paints.sizes.first(), form.centralWidget()->size());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
