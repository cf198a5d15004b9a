// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls and menus, placed at their design positions (windowdesign.h).
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "app/installedfonts.h"
#include "app/windowdesign.h"
#include "quiz/distractors.h"
#include "quiz/quizlists.h"
#include "quiz/verdicts.h"
#include "widgets/dialogkeys.h"
#include "widgets/elastfrm.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QFont arial(int pixelSize, bool bold = false)
{
    QFont font;
    font.setFamilies(installedFamily({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont buttonFont()
{
    // The classic dialog face where the desktop has it, else a narrow sans serif of the same width
    // class, so that "New Question" fits its button.
    QFont font;
    font.setFamilies(installedFamily({QStringLiteral("MS Sans Serif"),
                                      QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(true);
    return font;
}

template <typename Widget>
Widget *place(QWidget *parent, const char *name, QRect geometry, const QFont &font)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    widget->setFont(font);
    return widget;
}

QLineEdit *statusBox(QWidget *parent, const char *name, QRect geometry, const char *accessibleName)
{
    auto *box = place<QLineEdit>(parent, name, geometry, arial(19));
    box->setReadOnly(true);
    box->setAccessibleName(QString::fromLatin1(accessibleName));
    return box;
}

QPushButton *button(QWidget *parent, const char *name, QRect geometry, const QFont &font,
                    const QString &caption)
{
    auto *push = place<QPushButton>(parent, name, geometry, font);
    push->setText(caption);
    push->setAccessibleName(QString(caption).remove(u'&'));
    // A focused key takes Return itself, as the gradient buttons do; anywhere else Return goes to
    // the window's default button.
    push->setAutoDefault(true);
    return push;
}

// A gradient button of the window: white at its middle, `begin` at its edges.
TGradBtn *gradientButton(QWidget *parent, const char *name, QRect geometry, const QString &caption,
                         QColor begin)
{
    auto *button = place<TGradBtn>(parent, name, geometry, buttonFont());
    button->setText(caption);
    button->setBeginColor(colorvalue::fromColor(begin));
    button->setEndColor(colorvalue::rgb(255, 255, 255));
    button->setAccessibleName(QString(caption).remove(u'&'));
    return button;
}

QTimer *oneShotTimer(QObject *parent, const char *name)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(quiz::kPauseMilliseconds);
    timer->setSingleShot(true);
    return timer;
}

// A checkable item of an exclusive radio group in `menu`.
QAction *radioItem(QMenu *menu, QActionGroup *group, const char *name, const QString &caption,
                   bool checked = false)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    item->setCheckable(true);
    item->setChecked(checked);
    group->addAction(item);
    return item;
}

QAction *plainItem(QMenu *menu, const QString &name, const QString &caption)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    return item;
}

QMenu *topMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

void TForm1::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // The background is the classic scheme's active window border, a light grey.
    client->setAutoFillBackground(true);
    QPalette background = client->palette();
    background.setColor(QPalette::Window, QColor(212, 208, 200));
    client->setPalette(background);

    Label1 = place<QLabel>(client, "Label1", {328, 48, 46, 18}, arial(16));
    Label1->setText(QStringLiteral("Score:"));
    Label2 = place<QLabel>(client, "Label2", {168, 48, 42, 18}, arial(16));
    Label2->setText(QStringLiteral("Trials:"));
    for (QLabel *label : {Label1, Label2}) {
        label->setAutoFillBackground(true);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
    }

    Answer = place<AnswerEdit>(client, "Answer", {8, 192, 537, 73}, arial(19));
    Answer->setReadOnly(true);
    Answer->setAccessibleName(QStringLiteral("Answer"));
    Answer->setFocusPolicy(Qt::ClickFocus);

    NumTrials = statusBox(client, "NumTrials", {213, 40, 110, 30}, "Trials");
    Score = statusBox(client, "Score", {376, 40, 110, 30}, "Score");
    NumTrials->setFocusPolicy(Qt::ClickFocus);
    Score->setFocusPolicy(Qt::ClickFocus);

    Edit1 = place<QTextEdit>(client, "Edit1", {8, 80, 225, 105}, arial(19));
    Edit1->setAcceptRichText(false);
    Edit1->setReadOnly(true);
    Edit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Edit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Edit1->setPlainText(
        QStringLiteral("Select level (total number \nof \nwords) \nand word group from \nmenu."));
    Edit1->setEnabled(false);
    Edit1->setFocusPolicy(Qt::NoFocus);
    Edit1->setAccessibleName(QStringLiteral("Question"));
    // The question box is disabled, as it only shows; keep its word in the normal text colour so
    // that the learner reads it at full contrast.
    QPalette question = Edit1->palette();
    question.setColor(QPalette::Disabled, QPalette::Text,
                      question.color(QPalette::Active, QPalette::Text));
    question.setColor(QPalette::Disabled, QPalette::Base,
                      question.color(QPalette::Active, QPalette::Base));
    Edit1->setPalette(question);

    accenti = button(client, "accenti", {139, 272, 64, 32}, arial(13), QStringLiteral("í"));
    Accente = button(client, "Accente", {73, 272, 64, 32}, arial(13), QStringLiteral("é"));
    Accentu = button(client, "Accentu", {343, 272, 64, 32}, arial(13), QStringLiteral("ú"));
    Accenta = button(client, "Accenta", {8, 272, 64, 32}, arial(13), QStringLiteral("á"));
    Accento = button(client, "Accento", {277, 272, 64, 32}, arial(13), QStringLiteral("ó"));
    WordGroup = statusBox(client, "WordGroup", {184, 0, 175, 30}, "Word group");
    Tilden = button(client, "Tilden", {204, 272, 70, 32}, arial(13), QStringLiteral("ñ"));

    AnswerBox = place<QGroupBox>(client, "AnswerBox", {240, 72, 305, 113}, arial(16));
    AnswerBox->setTitle(QStringLiteral("Answer?"));
    AnswerBox->setAccessibleName(QStringLiteral("Answer?"));
    auto *column = new QVBoxLayout(AnswerBox);
    column->setContentsMargins(8, 2, 8, 2);
    column->setSpacing(0);
    m_answerGroup = new QButtonGroup(AnswerBox);
    for (int slot = 0; slot < quiz::kChoiceCount; ++slot) {
        // The items are named by their texts, which each question replaces.
        auto *item = new QRadioButton(QStringLiteral("palabra %1").arg(slot + 1), AnswerBox);
        item->setObjectName(QStringLiteral("AnswerBoxItem%1").arg(slot));
        column->addWidget(item);
        m_answerGroup->addButton(item, slot);
        m_answerItems[static_cast<std::size_t>(slot)] = item;
    }

    Level = statusBox(client, "Level", {0, 0, 175, 30}, "Level");
    NewAll = statusBox(client, "NewAll", {368, 0, 175, 30}, "New or all words");
    NewAll->setText(QString::fromUtf8(quiz::kNewWordsOnly));

    // The sound holders: the clips themselves play through the desktop services.
    OleContainer1 = place<QWidget>(client, "OleContainer1", {448, 112, 25, 33}, arial(11));
    OleContainer2 = place<QWidget>(client, "OleContainer2", {488, 112, 41, 49}, arial(11));
    OleContainer1->hide();
    OleContainer2->hide();

    They = button(client, "They", {408, 272, 64, 32}, arial(13), QString());
    for (QPushButton *key : keys())
        key->setEnabled(false);

    Button2 = gradientButton(client, "Button2", {264, 312, 80, 22}, QStringLiteral("New Question"),
                             QColor(0, 128, 0));
    OrvelButton1 = gradientButton(client, "OrvelButton1", {352, 312, 80, 22},
                                  QStringLiteral("Peek"), QColor(128, 128, 0));
    Reset1 =
        gradientButton(client, "Reset1", {496, 40, 50, 30}, QStringLiteral("Reset"), Qt::black);
    // Check: the window's default button, so Return anywhere in the window presses it.
    Button1 = place<TGlimButton1>(client, "Button1", {448, 311, 80, 41}, arial(17, true));
    Button1->setText(QStringLiteral("Check"));
    Button1->setAccessibleName(QStringLiteral("Check"));
    Button1->setDefault(true);
    Button1->setModalResult(1);
    Button1->setEnabled(false);
    // "Repeat" keeps the button's own navy; it has no handler, so a click on it does nothing.
    GradBtn1 = gradientButton(client, "GradBtn1", {176, 312, 80, 22}, QStringLiteral("Repeat"),
                              QColor(0, 0, 128));

    // The client's own face, set once its controls exist: every control names its font, and a line
    // box lays out its text in its parent's face as it is made, which would otherwise realise a
    // font at the design size that nothing ever shows.
    client->setFont(arial(11));

    Timer1 = oneShotTimer(this, "Timer1");
    Timer2 = oneShotTimer(this, "Timer2");

    new DialogKeyOffer(this);
    connect(m_answerGroup, &QButtonGroup::idClicked, this, &TForm1::AnswerBoxClick);
    connect(Button1, &TGlimButton1::clicked, this, &TForm1::Button1Click);
    connect(Button2, &TGradBtn::clicked, this, &TForm1::Button2Click);
    connect(OrvelButton1, &TGradBtn::clicked, this, &TForm1::PeekClick);
    connect(Reset1, &TGradBtn::clicked, this, &TForm1::Reset1Click);
    connect(Accenta, &QPushButton::clicked, this, &TForm1::AccentaClick);
    connect(Accente, &QPushButton::clicked, this, &TForm1::AccenteClick);
    connect(accenti, &QPushButton::clicked, this, &TForm1::AccentiClick);
    connect(Tilden, &QPushButton::clicked, this, &TForm1::TildenClick);
    connect(Accento, &QPushButton::clicked, this, &TForm1::AccentoClick);
    connect(Accentu, &QPushButton::clicked, this, &TForm1::AccentuClick);
    connect(They, &QPushButton::clicked, this, &TForm1::TheyClick);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Erase);
    connect(Timer2, &QTimer::timeout, this, &TForm1::NewQuestion);

    arrangeTabOrder();
}

void TForm1::arrangeTabOrder()
{
    // The creation order of the controls, which is also the order Tab walks through those that
    // take it.
    const QList<QWidget *> order{
        Answer,  NumTrials, Score,        Edit1,     accenti, Accente, Accentu,       Accenta,
        Accento, WordGroup, Tilden,       AnswerBox, Level,   NewAll,  OleContainer1, OleContainer2,
        They,    Button2,   OrvelButton1, Reset1,    Button1, GradBtn1};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// On the running screen the window, its controls and their fonts grow or shrink in proportion to
// the design, and follow the window's size from then on.
void TForm1::createScaling()
{
    using namespace windowdesign;
    ElasticForm1 = new TElasticForm(this);
    ElasticForm1->setObjectName(QStringLiteral("ElasticForm1"));
    ElasticForm1->setDesignScreenWidth(kScreen.width());
    ElasticForm1->setDesignScreenHeight(kScreen.height());
    ElasticForm1->setDesignPixelsPerInch(kPixelsPerInch);
    ElasticForm1->setMaximumTrackWidth(kMaximumSize.width());
    ElasticForm1->setMaximumTrackHeight(kMaximumSize.height());
    ElasticForm1->setDesignFormWidth(kFormSize.width());
    ElasticForm1->setDesignFormHeight(kFormSize.height());
    ElasticForm1->setDesignFormClientWidth(kClientSize.width());
    ElasticForm1->setDesignFormClientHeight(kClientSize.height());
    ElasticForm1->setDesignFormLeft(kFormPosition.x());
    ElasticForm1->setDesignFormTop(kFormPosition.y());
    ElasticForm1->setFont(arial(11));
}

// Some captions and names below are misspelt on purpose ("Multtiple Choice", "Preposiciónes",
// "Conjuctions", the items `Preposicines1`..., `verbos1`, `VErbos7`): the window keeps these texts
// exactly as learners and the help document know them.
void TForm1::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu *exitMenu = topMenu(bar, "Exit1", QStringLiteral("Exit"));
    Exit2 = plainItem(exitMenu, QStringLiteral("Exit2"), QStringLiteral("Exit"));
    connect(Exit2, &QAction::triggered, this, &TForm1::Exit2Click);

    // Levels: each item has the seven groups as a submenu, and its handler runs as soon as the
    // submenu opens, so pointing at a level already chooses it.
    QMenu *levels = topMenu(bar, "Levels1", QStringLiteral("Levels"));
    auto *levelGroup = new QActionGroup(this);
    static constexpr std::array<const char *, vocabulary::kLevelCount> kLevelNames{
        "N100Words", "N200Words", "N300Words", "N400Words", "N500Words",
        "N600Words", "N700Words", "N800Words", "N900Words", "N1000Words"};
    static constexpr std::array<const char *, vocabulary::kGroupCount> kSubmenuStems{
        "Nombres",   "Verbos",       "Pronombres",  "Adjetivos",
        "Adverbios", "Preposicines", "Conjunctivos"};
    for (int level = 0; level < vocabulary::kLevelCount; ++level) {
        const auto l = static_cast<std::size_t>(level);
        QMenu *submenu = levels->addMenu(QString::fromUtf8(vocabulary::levelText(level)));
        submenu->setObjectName(QString::fromLatin1(kLevelNames[l]) + QStringLiteral("Menu"));
        QAction *item = submenu->menuAction();
        item->setObjectName(QString::fromLatin1(kLevelNames[l]));
        item->setCheckable(true);
        item->setChecked(level == 0);
        levelGroup->addAction(item);
        levelItems[l] = item;
        connect(submenu, &QMenu::aboutToShow, this, [this, level] { chooseLevel(level); });
        for (int g = 0; g < vocabulary::kGroupCount; ++g) {
            const auto gi = static_cast<std::size_t>(g);
            QString name = QString::fromLatin1(kSubmenuStems[gi]) + QString::number(level + 1);
            // The submenus read like the group box, but for the verbs of "800 Words".
            QString caption = QString::fromUtf8(vocabulary::groupBoxText(vocabulary::kGroups[gi]));
            if (g == 1 && level == 0)
                name = QStringLiteral("verbos1");
            if (g == 1 && level == 6)
                name = QStringLiteral("VErbos7");
            if (g == 1 && level == 7)
                caption = QStringLiteral("Verbos");
            QAction *groupItem = plainItem(submenu, name, caption);
            const auto group = vocabulary::kGroups[gi];
            connect(groupItem, &QAction::triggered, this, [this, group] { clickGroupItem(group); });
        }
    }

    QMenu *groups = topMenu(bar, "WordGroups1", QStringLiteral("Word Groups"));
    auto *groupGroup = new QActionGroup(this);
    Nouns1 = radioItem(groups, groupGroup, "Nouns1", QStringLiteral("Nouns/Nombres"), true);
    Verbs1 = radioItem(groups, groupGroup, "Verbs1", QStringLiteral("Verbs/Verbos"));
    Pronouns1 = radioItem(groups, groupGroup, "Pronouns1", QStringLiteral("Pronouns/Pronombres"));
    Adjectives1 =
        radioItem(groups, groupGroup, "Adjectives1", QStringLiteral("Adjectives/Adjetivos(Art.)"));
    Adverbs1 = radioItem(groups, groupGroup, "Adverbs1", QStringLiteral("Adverbs/Adverbios"));
    Prepositions1 = radioItem(groups, groupGroup, "Prepositions1",
                              QStringLiteral("Prepositions/Preposiciónes"));
    Conjunctions1 =
        radioItem(groups, groupGroup, "Conjunctions1", QStringLiteral("Conjuctions/Conjunctivos"));
    groupItems = {Nouns1, Verbs1, Pronouns1, Adjectives1, Adverbs1, Prepositions1, Conjunctions1};
    for (std::size_t g = 0; g < groupItems.size(); ++g) {
        const auto group = vocabulary::kGroups[g];
        connect(groupItems[g], &QAction::triggered, this, [this, group] { clickGroupItem(group); });
    }

    SecondPerson1 = topMenu(bar, "SecondPerson1", QStringLiteral("Verb Forms?"));
    auto *verbForms = new QActionGroup(this);
    Include1 =
        radioItem(SecondPerson1, verbForms, "Include1", QStringLiteral("All Verb Forms"), true);
    Infinitives =
        radioItem(SecondPerson1, verbForms, "Infinitives", QStringLiteral("Infinitives and p.p."));
    NoSecondPerson2 =
        radioItem(SecondPerson1, verbForms, "NoSecondPerson2", QStringLiteral("No Second Person"));
    connect(Include1, &QAction::triggered, this, &TForm1::Include1Click);
    connect(Infinitives, &QAction::triggered, this, &TForm1::InfinitivesClick);
    connect(NoSecondPerson2, &QAction::triggered, this, &TForm1::NoSecondPerson2Click);

    QMenu *order = topMenu(bar, "Order", QStringLiteral("Question Order"));
    auto *orderGroup = new QActionGroup(this);
    Sequence = radioItem(order, orderGroup, "Sequence", QStringLiteral("Successive"), true);
    Random1 = radioItem(order, orderGroup, "Random1", QStringLiteral("Random"));
    connect(Sequence, &QAction::triggered, this, &TForm1::SequenceClick);
    connect(Random1, &QAction::triggered, this, &TForm1::Random1Click);

    QMenu *allOrNew = topMenu(bar, "AllorNew", QStringLiteral("All Words/New Words"));
    auto *allOrNewGroup = new QActionGroup(this);
    NewWords = radioItem(allOrNew, allOrNewGroup, "NewWords",
                         QString::fromUtf8(quiz::kNewWordsOnly), true);
    AllWords = radioItem(allOrNew, allOrNewGroup, "AllWords", QString::fromUtf8(quiz::kAllWords));
    connect(NewWords, &QAction::triggered, this, &TForm1::NewWordsClick);
    connect(AllWords, &QAction::triggered, this, &TForm1::AllWordsClick);

    QMenu *translation = topMenu(bar, "Translation1", QStringLiteral("Translation?"));
    auto *directions = new QActionGroup(this);
    EnglishtoSpanish1 = radioItem(translation, directions, "EnglishtoSpanish1",
                                  QStringLiteral("English to Spanish"), true);
    SpanishtoEnglish1 = radioItem(translation, directions, "SpanishtoEnglish1",
                                  QStringLiteral("Spanish to English"));
    connect(EnglishtoSpanish1, &QAction::triggered, this, &TForm1::EnglishtoSpanish1Click);
    connect(SpanishtoEnglish1, &QAction::triggered, this, &TForm1::SpanishtoEnglish1Click);

    QMenu *mode = topMenu(bar, "Mode", QStringLiteral("Mult Choice/Type Answer"));
    auto *modes = new QActionGroup(this);
    MultChoice = radioItem(mode, modes, "MultChoice", QStringLiteral("Multtiple Choice"), true);
    TypeAnswer = radioItem(mode, modes, "TypeAnswer", QStringLiteral("Type Answer"));
    connect(MultChoice, &QAction::triggered, this, &TForm1::MultChoiceClick);
    connect(TypeAnswer, &QAction::triggered, this, &TForm1::TypeAnswerClick);

    QMenu *help = topMenu(bar, "Help1", QStringLiteral("Help"));
    ProgramHelp = plainItem(help, QStringLiteral("ProgramHelp"), QStringLiteral("Program Help"));
    About1 = plainItem(help, QStringLiteral("About1"), QStringLiteral("About"));
    connect(ProgramHelp, &QAction::triggered, this, &TForm1::ProgramHelpClick);
    connect(About1, &QAction::triggered, this, &TForm1::About1Click);
}
