// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextEdit>

// The answer box: a multi-line, word-wrapped box that holds one line of plain text. Return and
// Enter never insert a line break; the box leaves them to the window, whose default button is
// Check. Pasted or dropped text arrives as plain text on one line, so rich text and HTML are never
// interpreted and nothing they name is ever fetched.
class AnswerEdit : public QTextEdit
{
    Q_OBJECT

public:
    explicit AnswerEdit(QWidget *parent = nullptr);

    // The text exactly as typed. (toPlainText() would turn a no-break space into a blank, and the
    // answer is judged character for character.)
    QString text() const;

    // Moves the caret behind the last character.
    void moveCaretToEnd();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
};
