// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpscenes.h"

#include "progressscene.h"

#include "app/answeredit.h"
#include "app/lexotyping.h"
#include "app/silentservices.h"
#include "app/windowdesign.h"
#include "quiz/distractors.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QRadioButton>

#include <functional>
#include <map>

namespace {

// Shows the expected answer as Peek does, and reads it back from the answer box.
QString peek(TForm1 &form)
{
    form.PeekClick();
    const QString expected = form.Answer->text();
    form.Erase();
    return expected;
}

void chooseRightAnswer(TForm1 &form)
{
    const QString expected = peek(form);
    for (int slot = 0; slot < quiz::kChoiceCount; ++slot) {
        if (form.answerItem(slot)->text() == expected) {
            form.answerItem(slot)->click();
            return;
        }
    }
}

void typeAndCheck(TForm1 &form, const QString &answer)
{
    form.Answer->setPlainText(answer);
    form.Button1Click();
}

using Scene = std::function<void(TForm1 &)>;

const std::map<QString, Scene> &scenes()
{
    static const std::map<QString, Scene> table{
        // The window as it opens: a noun of "100 Words", four choices.
        {QStringLiteral("start.png"), [](TForm1 &) {}},
        // A right choice clicked: trials and score counted.
        {QStringLiteral("choice.png"), [](TForm1 &form) { chooseRightAnswer(form); }},
        // Typed answers towards Spanish, with the accent keys; a wrong answer, then the right one.
        {QStringLiteral("typed.png"),
         [](TForm1 &form) {
             form.TypeAnswer->trigger();
             form.Nouns1->trigger();
             const QString expected = peek(form);
             typeAndCheck(form, QStringLiteral("la"));
             typeAndCheck(form, expected);
         }},
        // A verb towards English: the keys become the English subject pronouns.
        {QStringLiteral("pronouns.png"),
         [](TForm1 &form) {
             form.TypeAnswer->trigger();
             form.SpanishtoEnglish1->trigger();
             form.Verbs1->trigger();
             form.TheyClick();
         }},
    };
    return table;
}

} // namespace

QStringList helpSceneNames()
{
    QStringList names;
    for (const auto &[name, scene] : scenes())
        names << name;
    names << QStringLiteral("progress.png");
    return names;
}

QImage renderHelpScene(const QString &name)
{
    if (name == QLatin1String("progress.png"))
        return renderProgressScene();
    const auto scene = scenes().find(name);
    if (scene == scenes().end())
        return {};
    SilentServices services; // a fixed seed: the same words on every build
    TForm1 form(services);
    form.show();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activate);
    QApplication::processEvents();
    // Not maximised but of the designed client proportions, just wide enough for the whole menu
    // bar, so that the picture fits a page and shows every menu.
    form.setWindowState(Qt::WindowNoState);
    // The scaling of the window may change what the menus need, so the width is measured again
    // at each size until the menus fit (a few rounds at most).
    const QMenuBar *menus = form.menuBar();
    const QSize design = windowdesign::kClientSize;
    int width = design.width();
    for (int round = 0; round < 4; ++round) {
        form.resize(width, design.height() * width / design.width() + menus->height());
        QApplication::processEvents();
        const int needed = menus->sizeHint().width();
        if (needed <= form.width())
            break;
        width = needed;
    }
    scene->second(form);
    return renderForPrint(form);
}

QImage renderForPrint(QWidget &window)
{
    constexpr int kScale = 2;
    QImage image(window.size() * kScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::white);
    window.render(&image);
    window.hide();
    return image;
}
