// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"
#include "app/quizstate.h"
#include "quiz/distractors.h"
#include "quiz/judging.h"
#include "quiz/keys.h"
#include "record/judgedanswer.h"
#include "vocabulary/levels.h"
#include "widgets/glimbtn1.h"
#include "widgets/gradbtn.h"

#include <QList>
#include <QMainWindow>

#include <array>
#include <memory>
#include <vector>

class AnswerEdit;
class QAction;
class QActionGroup;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimer;
class TElasticForm;

// The main window: every control, menu item and timer of the quiz, and a handler for each. The
// settings live in the window itself (check marks and status-box texts) and are read at the moment
// of use; the handlers are the steps of the quiz in order, and every computation is a rule of the
// quiz layer. Its code is split by concern: layout, lifecycle, settings, loaders, questions,
// answers and keys.
class TForm1 : public QMainWindow
{
    Q_OBJECT

public:
    // `services` must outlive the window.
    explicit TForm1(DesktopServices &services, QWidget *parent = nullptr);
    ~TForm1() override;

    // ---- Controls (object names as below; tests and assistive tools find them by those) ------
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    AnswerEdit *Answer = nullptr;
    QLineEdit *NumTrials = nullptr;
    QLineEdit *Score = nullptr;
    QTextEdit *Edit1 = nullptr;
    QPushButton *accenti = nullptr;
    QPushButton *Accente = nullptr;
    QPushButton *Accentu = nullptr;
    QPushButton *Accenta = nullptr;
    QPushButton *Accento = nullptr;
    QLineEdit *WordGroup = nullptr;
    QPushButton *Tilden = nullptr;
    QGroupBox *AnswerBox = nullptr;
    QLineEdit *Level = nullptr;
    QLineEdit *NewAll = nullptr;
    QWidget *OleContainer1 = nullptr;
    QWidget *OleContainer2 = nullptr;
    QPushButton *They = nullptr;
    TGradBtn *Button2 = nullptr;
    TGradBtn *OrvelButton1 = nullptr;
    TGradBtn *Reset1 = nullptr;
    TGlimButton1 *Button1 = nullptr;
    TGradBtn *GradBtn1 = nullptr;
    QTimer *Timer1 = nullptr;
    QTimer *Timer2 = nullptr;
    TElasticForm *ElasticForm1 = nullptr;

    // ---- Menu items that handlers read or fire ------------------------------------------------
    std::array<QAction *, vocabulary::kLevelCount> levelItems{}; // N100Words ... N1000Words
    std::array<QAction *, vocabulary::kGroupCount> groupItems{}; // Nouns1 ... Conjunctions1
    QAction *Nouns1 = nullptr;
    QAction *Verbs1 = nullptr;
    QAction *Pronouns1 = nullptr;
    QAction *Adjectives1 = nullptr;
    QAction *Adverbs1 = nullptr;
    QAction *Prepositions1 = nullptr;
    QAction *Conjunctions1 = nullptr;
    QMenu *SecondPerson1 = nullptr;
    QAction *Include1 = nullptr;
    QAction *Infinitives = nullptr;
    QAction *NoSecondPerson2 = nullptr;
    QAction *Sequence = nullptr;
    QAction *Random1 = nullptr;
    QAction *NewWords = nullptr;
    QAction *AllWords = nullptr;
    QAction *EnglishtoSpanish1 = nullptr;
    QAction *SpanishtoEnglish1 = nullptr;
    QAction *MultChoice = nullptr;
    QAction *TypeAnswer = nullptr;
    QAction *Exit2 = nullptr;
    QAction *ProgramHelp = nullptr;
    QAction *About1 = nullptr;

    // The radio item `slot` (0 to 3) of the multiple-choice group.
    QRadioButton *answerItem(int slot) const
    {
        return m_answerItems.at(static_cast<std::size_t>(slot));
    }
    // The seven keys under the answer box, left to right.
    std::array<QPushButton *, quiz::kKeyCount> keys() const
    {
        return {Accenta, Accente, accenti, Tilden, Accento, Accentu, They};
    }

    // The quiz's state, read-only: only the handlers below change it.
    const QuizState &state() const { return m_state; }

signals:
    // Sent the moment an answer is judged, and when Peek shows the answer; the window itself
    // keeps no record.
    void answerJudged(const record::JudgedAnswer &answer);

public slots:
    // Lifecycle
    void FormCreate();
    void FormActivate();
    void Exit2Click();
    void About1Click();
    void ProgramHelpClick();

    // Settings
    void N100WordsClick() { chooseLevel(0); }
    void N200WordsClick() { chooseLevel(1); }
    void N300WordsClick() { chooseLevel(2); }
    void N400WordsClick() { chooseLevel(3); }
    void N500WordsClick() { chooseLevel(4); }
    void N600WordsClick() { chooseLevel(5); }
    void N700WordsClick() { chooseLevel(6); }
    void N800WordsClick() { chooseLevel(7); }
    void N900WordsClick() { chooseLevel(8); }
    void N1000WordsClick() { chooseLevel(9); }
    void NewWordsClick();
    void AllWordsClick();
    void EnglishtoSpanish1Click();
    void SpanishtoEnglish1Click();
    void MultChoiceClick();
    void TypeAnswerClick();
    void SequenceClick();
    void Random1Click();
    void Include1Click();
    void InfinitivesClick();
    void NoSecondPerson2Click();

    // Group loaders
    void Nouns1Click();
    void Verbs1Click();
    void Pronouns1Click();
    void Adjectives1Click();
    void Adverbs1Click();
    void Prepositions1Click();
    void Conjunctions1Click();

    // Question cycle
    void AskQuestion();
    void NewQuestion();
    void Button2Click();

    // Answers
    void Button1Click();
    void AnswerBoxClick();
    void PeekClick();
    void Erase();
    void Reset1Click();

    // Keys
    void AccentaClick() { keyClick(0); }
    void AccenteClick() { keyClick(1); }
    void AccentiClick() { keyClick(2); }
    void TildenClick() { keyClick(3); }
    void AccentoClick() { keyClick(4); }
    void AccentuClick() { keyClick(5); }
    void TheyClick() { keyClick(6); }

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (lexotyping_layout.cpp)
    void createControls();
    void createMenus();
    void arrangeTabOrder();
    void createScaling();

    // Lifecycle
    void FormClose();
    void sayFarewell();
    void fillScreenWithoutWindowManager(int attempt);
    void fillScreenIfUnframed();

    // Settings
    void chooseLevel(int level);
    void reloadCurrentGroup();
    quiz::Direction direction() const;

    // Loaders
    void loadGroup(vocabulary::Group group);
    bool groupBoxReads(vocabulary::Group group) const;
    bool stillCurrentAfterFallback(vocabulary::Group group) const;
    void clickGroupItem(vocabulary::Group group);

    // Questions
    void PickNextEntry();
    int drawUnaskedPosition();
    std::vector<bool> donePositions(int count) const;
    void markDone(int position);
    void fillWrongChoices();
    void setAnswerItem(int slot, int tableIndex);
    void clearAnswerSelection();
    const vocabulary::WordEntry &questionEntry(int index) const;
    const vocabulary::WordEntry &answerEntry(int index) const;

    // Answers
    void ShowScore();
    void countTrial();
    void recordRightAnswer();
    static void enable(QTimer *timer);
    void reportAnswer(record::Outcome outcome, record::AnswerMode mode, const QString &typed = {});

    // Keys
    void setKeyCaptions();
    void keyClick(int key);

    // Modal boxes of the window's own. While one is open, timer ticks still arrive; a tick of
    // Timer2 then is held and taken once the box is closed and its opener is done, unless a
    // question has been asked in the meantime.
    void message(const std::string &text);
    bool confirm(const std::string &text);
    void releaseHeldTick();
    void takeHeldTick();

    DesktopServices &m_services;
    QuizState m_state;
    std::array<QRadioButton *, quiz::kChoiceCount> m_answerItems{};
    QButtonGroup *m_answerGroup = nullptr;
    int m_modalDepth = 0;
    bool m_tickHeld = false;
    bool m_activated = false;
    bool m_farewellShown = false;
    // The list as loaded: its offset and the loaded group's size, so that a level pointed at
    // afterwards can never carry a position past the group's words.
    int m_offsetAtLoad = 0;
    int m_loadedGroupSize = 0;
};
