// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"
#include "app/lexotyping.h"
#include "app/textcodec.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QList>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

// Desktop services for the window tests: boxes are answered from a script and recorded, sounds and
// documents are recorded, random numbers come from a script. Nothing is ever shown or played.
class ScriptedServices final : public DesktopServices
{
public:
    QStringList messages;       // texts of the plain boxes, in order
    QStringList questionTitles; // titles of the Yes/No boxes
    QStringList questions;      // texts of the Yes/No boxes
    QList<bool> answers;        // what the next Yes/No boxes answer; No when empty
    QList<Sound> sounds;
    QStringList openedDocuments;
    bool documentsOpen = true; // whether the viewer opens a document it is given
    QList<int> randoms;        // the next random draws, taken modulo n
    int reseeds = 0;
    int quits = 0;
    // Runs while a box is up, as a timer tick let through by the box would.
    std::function<void()> whileBoxIsUp;

    void showMessage(const QString &text) override
    {
        messages << text;
        runWhileUp();
    }
    bool askYesNo(const QString &title, const QString &text) override
    {
        questionTitles << title;
        questions << text;
        runWhileUp();
        return !answers.isEmpty() && answers.takeFirst();
    }
    void playSound(Sound sound) override { sounds << sound; }
    bool openDocument(const QString &path) override
    {
        openedDocuments << path;
        return documentsOpen;
    }
    void reseed() override { ++reseeds; }
    // Scripted draws first; after them a counter, so that a draw loop always meets every value.
    int randomBelow(int n) override
    {
        return (randoms.isEmpty() ? m_counter++ : randoms.takeFirst()) % n;
    }
    void quitApplication() override { ++quits; }

private:
    void runWhileUp()
    {
        if (whileBoxIsUp)
            std::exchange(whileBoxIsUp, nullptr)();
    }
    int m_counter = 0;
};

// A started quiz: the window built with scripted services and activated once, so that it shows
// its first question as after the program's start. The window is never shown on a screen.
struct StartedQuiz {
    ScriptedServices services;
    std::unique_ptr<TForm1> form;

    StartedQuiz()
    {
        form = std::make_unique<TForm1>(services);
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(form.get(), &activate);
    }
    TForm1 &operator*() { return *form; }
    TForm1 *operator->() { return form.get(); }
};

// Clicks a button of the window found by its object name, whatever class draws it.
inline void clickButton(TForm1 &form, const char *name)
{
    auto *button = form.findChild<QAbstractButton *>(QString::fromLatin1(name));
    QVERIFY2(button, name);
    button->click();
}

// Moves the successive order on with "New Question" until the word at `index` is on display.
inline void askIndex(TForm1 &form, int index)
{
    for (int i = 0; i < 200 && form.state().QuestionIndex != index; ++i)
        clickButton(form, "Button2");
}

// The first translation of the expected entry, which is always judged right when typed.
inline QString firstTranslation(const TForm1 &form)
{
    const bool toSpanish = form.EnglishtoSpanish1->isChecked();
    const auto &tables = form.state().tables;
    const auto &entry =
        (toSpanish ? tables.SpanishWords
                   : tables.EnglishWords)[static_cast<std::size_t>(form.state().QuestionIndex)];
    return entryToQString(entry.text()).section(u' ', 0, 0);
}
