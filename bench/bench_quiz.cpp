// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of the quiz's work on the user-interface thread: a load of the largest group with its
// first question, the judging of one typed answer, one right answer's whole handler, and pastes of
// large or deeply nested text into the answer box.
#include "app/silentservices.h"
#include "bench/benchtools.h"

#include "app/answeredit.h"
#include "app/lexotyping.h"
#include "quiz/judging.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTimer>

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
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

    // Pastes into the answer box: rich text without a plain-text form, nested 10,000 cells deep
    // (about 330 KB), and four megabytes of plain text and of flat HTML.
    QString nested;
    for (int i = 0; i < 10'000; ++i)
        nested += QStringLiteral("<table><tr><td>");
    nested += QStringLiteral("palabra");
    for (int i = 0; i < 10'000; ++i)
        nested += QStringLiteral("</td></tr></table>");
    const QString plain(4 << 20, u'a');
    const QString flat = QStringLiteral("<p>palabra</p>").repeated((4 << 20) / 14);
    const auto paste = [&form](const QString &text, bool html) {
        return [&form, text, html] {
            auto *mime = new QMimeData;
            if (html)
                mime->setHtml(text);
            else
                mime->setText(text);
            QApplication::clipboard()->setMimeData(mime);
            form.Answer->clear();
            form.Answer->paste();
        };
    };
    bench::report("paste of 10,000 nested cells, HTML only",
                  bench::medianNanoseconds(3, 1, paste(nested, true)));
    bench::report("paste of 4 MB plain text", bench::medianNanoseconds(3, 1, paste(plain, false)));
    bench::report("paste of 4 MB flat HTML", bench::medianNanoseconds(3, 1, paste(flat, true)));
    return 0;
}
