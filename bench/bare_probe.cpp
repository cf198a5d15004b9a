// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the program's start: a maximised QMainWindow with a menu bar and a label, built
// in the same tree with the same Qt, and of the program's final size: where no window manager
// maximises it, it fills the screen itself once mapped, as the program's window does. Reports,
// like the startup probe, when it is mapped and painted at that size, with its CPU time and peak
// memory.
#include "bench/barewindowstart.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"))->addAction(QStringLiteral("Quit"));
    window.setCentralWidget(new QLabel(QStringLiteral("A word")));
    return bench::showMaximizedAndProbe(window);
}
