// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answeredit.h"

#include "app/htmltext.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// No answer is longer than a few words; a thousand characters keep any pasted sentence whole, while
// a paste of megabytes never has to be laid out in the box.
constexpr qsizetype kPasteLimit = 1000;

// Line and paragraph breaks of any kind become blanks: the box holds one line.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

} // namespace

AnswerEdit::AnswerEdit(QWidget *parent)
    : QTextEdit(parent)
{
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
}

QString AnswerEdit::text() const { return document()->toRawText(); }

void AnswerEdit::moveCaretToEnd()
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
}

void AnswerEdit::keyPressEvent(QKeyEvent *event)
{
    // Return inserts no line break: the box leaves it to the window, whose default button is
    // Check.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

bool AnswerEdit::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText() || source->hasHtml();
}

void AnswerEdit::insertFromMimeData(const QMimeData *source)
{
    if (isReadOnly())
        return;
    // The plain-text form when there is one; otherwise the text of the HTML, taken in one bounded
    // pass rather than by a full HTML parse, which deep nesting makes take seconds. Either way the
    // box never takes more than an answer could need.
    QString text = source->hasText() ? source->text().left(kPasteLimit)
                                     : plainTextOfHtml(source->html(), kPasteLimit);
    text.remove(QChar::ObjectReplacementCharacter);
    textCursor().insertText(oneLine(text));
}
