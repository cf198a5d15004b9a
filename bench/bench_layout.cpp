// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of laying the main window out for a new size: one Layout of all its controls and
// fonts, and a whole resize of the window with the layout it sets off.
#include "app/silentservices.h"
#include "bench/benchtools.h"

#include "app/lexotyping.h"
#include "widgets/elastfrm.h"

#include <QApplication>
#include <QTest>

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    SilentServices services;
    TForm1 form(services);
    form.setWindowState(Qt::WindowNoState);
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.FormActivate();
    TElasticForm *elastic = form.ElasticForm1;
    QWidget *client = form.centralWidget();

    // Two sizes far enough apart that every control and font changes between them.
    const QSize sizes[] = {{1000, 760}, {700, 520}};
    int next = 0;
    const auto resizeUnseen = [&] {
        form.removeEventFilter(elastic);
        client->removeEventFilter(elastic);
        form.resize(sizes[next++ % 2]);
        form.installEventFilter(elastic);
        client->installEventFilter(elastic);
    };

    std::printf("Vocarra layout benchmarks (median of 31 samples, platform %s, %lld controls)\n",
                qPrintable(QGuiApplication::platformName()),
                static_cast<long long>(elastic->managedControls().size()));
    bench::report("one Layout of the main window",
                  bench::medianNanoseconds(
                      31, 20, [elastic] { elastic->Layout(); }, resizeUnseen));
    bench::report("window resize with its layout",
                  bench::medianNanoseconds(31, 20, [&] { form.resize(sizes[next++ % 2]); }));
    return 0;
}
