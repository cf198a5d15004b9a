// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The seven keys under the answer box: Spanish letters in one direction, English subjects in the
// other, always appended at the end of the answer.
#include "app/lexotyping.h"

#include "app/answeredit.h"
#include "quiz/keys.h"

#include <QAction>
#include <QPushButton>

void TForm1::setKeyCaptions()
{
    const auto allKeys = keys();
    for (int key = 0; key < quiz::kKeyCount; ++key) {
        const QString caption = QString::fromUtf8(quiz::keyCaption(key, direction()));
        QPushButton *button = allKeys[static_cast<std::size_t>(key)];
        button->setText(caption);
        // A key without a caption types nothing in this direction; its name says so.
        button->setAccessibleName(caption.isEmpty() ? QStringLiteral("Unused key") : caption);
    }
}

void TForm1::keyClick(int key)
{
    Answer->setFocus();
    Answer->setPlainText(Answer->text() + QString::fromStdString(quiz::keyText(key, direction())));
    Answer->moveCaretToEnd();
}
