// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One paint of each of the window's own buttons at its size in the window: a gradient button's
// face drawn afresh and copied from its kept image, and the Check button drawn from its slices.
#include "bench/benchtools.h"

#include "widgets/colorvalue.h"
#include "widgets/glimbtn1.h"
#include "widgets/gradbtn.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <memory>
#include <tuple>

namespace {

TGradBtn *gradientButton(QSize size, const char *caption, quint32 begin)
{
    auto *button = new TGradBtn;
    button->resize(size);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    button->setFont(font);
    button->setText(QString::fromLatin1(caption));
    button->setBeginColor(begin);
    button->setEndColor(colorvalue::rgb(255, 255, 255));
    return button;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    std::printf("Vocarra button paints (median of 31 samples)\n");

    for (auto [size, caption, begin] :
         {std::tuple{QSize(80, 22), "New Question", colorvalue::rgb(0, 128, 0)},
          std::tuple{QSize(50, 30), "Reset", colorvalue::rgb(0, 0, 0)}}) {
        std::unique_ptr<TGradBtn> button(gradientButton(size, caption, begin));
        QImage target(size, QImage::Format_RGB32);
        const QString label = QStringLiteral("gradient button %1 x %2 \"%3\"")
                                  .arg(size.width())
                                  .arg(size.height())
                                  .arg(QString::fromLatin1(caption));
        // A colour change drops the kept face, so each paint draws the gradient, frame and
        // caption anew, as after a press or a focus change.
        bool flip = false;
        bench::report(qPrintable(label + QStringLiteral(", face drawn")),
                      bench::medianNanoseconds(
                          31, 200, [&] { button->render(&target); },
                          [&] {
                              flip = !flip;
                              button->setBeginColor(flip ? begin : colorvalue::rgb(1, 2, 3));
                          }));
        bench::report(qPrintable(label + QStringLiteral(", face kept")),
                      bench::medianNanoseconds(31, 200, [&] { button->render(&target); }));
    }

    TGlimButton1 check;
    check.resize(80, 41);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(17);
    font.setBold(true);
    check.setFont(font);
    check.setText(QStringLiteral("Check"));
    QImage target(check.size(), QImage::Format_RGB32);
    bench::report("Check button 80 x 41, up",
                  bench::medianNanoseconds(31, 200, [&] { check.render(&target); }));
    check.setStatus(TGlimButton1::bsOn);
    bench::report("Check button 80 x 41, pressed",
                  bench::medianNanoseconds(31, 200, [&] { check.render(&target); }));
    return 0;
}
