// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program as its entry does and prints, as CLOCK_MONOTONIC nanoseconds, the moment its
// first question is on screen, and then its peak resident memory in KiB; the startup benchmark
// runs it as a child process. With --without-scaling the window opens without its proportional
// scaling, for the cost of the scaling alone.
#include "bench/benchtools.h"

#include "app/applicationidentity.h"
#include "app/lexotyping.h"
#include "app/qtdesktopservices.h"
#include "widgets/elastfrm.h"

#include <QApplication>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setApplicationIdentity();
    QtDesktopServices services;
    TForm1 form(services);
    if (application.arguments().contains(QStringLiteral("--without-scaling"))) {
        delete form.ElasticForm1;
        form.ElasticForm1 = nullptr;
    }
    services.setOwner(&form);
    form.show();
    // Looks after every pass of the event loop whether the first word is shown in an exposed
    // window.
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&form] {
        if (form.windowHandle() && form.windowHandle()->isExposed() &&
            form.Edit1->toPlainText() == QStringLiteral("word")) {
            std::printf("%lld %lld\n", bench::monotonicNanoseconds(), bench::peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    probe.start(0);
    return QApplication::exec();
}
