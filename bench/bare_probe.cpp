// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the program's start: an empty maximised QMainWindow built in the same tree with
// the same Qt. Prints, like the startup probe, the moment it is on screen and its peak memory.
#include "bench/benchtools.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&window] {
        if (window.windowHandle() && window.windowHandle()->isExposed()) {
            std::printf("%lld %lld\n", bench::monotonicNanoseconds(), bench::peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        }
    });
    probe.start(0);
    return QApplication::exec();
}
