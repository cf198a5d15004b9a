// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answeredit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

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
    // HTML without a plain-text form is parsed only to take its text: it is never laid out, so
    // the images and links it names are never loaded.
    QString text = source->hasText()
                       ? source->text()
                       : QTextDocumentFragment::fromHtml(source->html()).toPlainText();
    text.remove(QChar::ObjectReplacementCharacter);
    textCursor().insertText(oneLine(text));
}
