// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the program's start: a maximised QMainWindow with a menu bar and a label, built
// in the same tree with the same Qt, and of the program's final size: where no window manager
// maximises it, it fills the screen itself once mapped, as the program's window does. Reports,
// like the startup probe, when it is mapped and painted at that size, with its CPU time and peak
// memory.
#include "bench/startupprobe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Quit"));
    window.setCentralWidget(new QLabel(QStringLiteral("A word")));
    window.setWindowState(Qt::WindowMaximized);
    const auto filled = [&window] {
        return window.frameGeometry().size() == window.screen()->availableGeometry().size();
    };
    bench::StartupProbe probe(window, filled);
    window.show();
    QTimer fill;
    QObject::connect(&fill, &QTimer::timeout, &window, [&] {
        if (!window.windowHandle()->isExposed())
            return;
        fill.stop();
        if (!filled() && window.frameGeometry() == window.geometry())
            window.setGeometry(window.screen()->availableGeometry());
    });
    fill.start(20);
    return QApplication::exec();
}
