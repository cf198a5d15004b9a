// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the quiz's work on the user-interface thread: a load of the largest group with its
// first question, the judging of one typed answer, and one right answer's whole handler.
#include "app/silentservices.h"
#include "bench/benchtools.h"

#include "app/answeredit.h"
#include "app/lexotyping.h"
#include "quiz/judging.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArrayLiteral("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    SilentServices services;
    TForm1 form(services);
    form.FormActivate();

    std::printf("Vocarra quiz benchmarks (median of 31 samples)\n");
    bench::report("verbs load (2,588 pairs) + AskQuestion",
                  bench::medianNanoseconds(31, 20, [&form] { form.Verbs1Click(); }));

    const std::string expected = "sobre encima_de";
    const std::string typed = "encima_de";
    volatile bool sink = false;
    bench::report("judging one typed answer", bench::medianNanoseconds(31, 20000, [&] {
                      sink = quiz::judgeTypedAnswer(typed, expected,
                                                    quiz::Direction::EnglishToSpanish, false);
                  }));

    // A right typed answer: the verdict, the counts, the score, the sound and both timers. The word
    // is done after the first round; the rounds after it judge and count it all the same.
    form.Nouns1Click();
    form.TypeAnswer->trigger();
    const QString right = QStringLiteral("palabra");
    bench::report("right typed answer, whole Check handler",
                  bench::medianNanoseconds(
                      31, 500, [&form] { form.Button1Click(); },
                      [&form, &right] {
                          form.Timer1->stop();
                          form.Timer2->stop();
                          form.Answer->setPlainText(right);
                      }));
    return sink ? 0 : 0;
}
