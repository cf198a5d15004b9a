// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vocabulary/wordtables.h"

#include <QList>
#include <QString>

#include <string>

// What the quiz keeps between one handler and the next. Only the window's handlers change it; the
// window lends it out read-only (TForm1::state()) so that tests and the random walk can check it.
struct QuizState {
    vocabulary::WordTables tables;
    int ListCount = 0;
    int SequencePos = -1;       // list position last asked in successive order; -1 before the first
    QList<int> AskedList;       // list positions done in this pass, each at most once
    bool ListExhausted = false; // the pass's last word has been picked
    QList<int> SlotOrder;   // answer slots in drawn order; element 0 holds the right translation
    int QuestionIndex = 0;  // table index of the word on display
    int CurrentIndex = 0;   // table index of the entry just picked
    QString CurrentPosText; // its list position as decimal text
    std::string CurrentEnglish;
    bool FirstTry = true; // the word on display has not been answered wrongly yet
    int TrialCount = 0;
    int CorrectCount = 0;
};
