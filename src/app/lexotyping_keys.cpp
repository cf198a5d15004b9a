// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seven keys under the answer box: Spanish letters in one direction, English subjects in the
// other, always appended at the end of the answer.
#include "app/lexotyping.h"

#include "app/answeredit.h"

#include <QAction>

namespace {

// What each key appends, left to right. The seventh key has no letter in English to Spanish: it
// shows no caption there, so it types nothing rather than a letter the learner cannot see.
constexpr std::array<const char *, 7> kLetterTexts{"á", "é", "í", "ñ", "ó", "ú", ""};
constexpr std::array<const char *, 7> kPronounTexts{"to ", "I ", "you ", "he_(she_it) ", "we ", "you(pl) ", "they "};

} // namespace

void TForm1::keyClick(int key)
{
    Answer->setFocus();
    const bool toEnglish = SpanishtoEnglish1->isChecked();
    const char *text = (toEnglish ? kPronounTexts : kLetterTexts)[static_cast<std::size_t>(key)];
    Answer->setPlainText(Answer->text() + QString::fromUtf8(text));
    Answer->moveCaretToEnd();
}
