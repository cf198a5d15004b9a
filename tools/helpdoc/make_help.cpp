// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: writes "LexoSpan Help.pdf" from the help text and pictures of the real window.
//   make_help HELP.md OUTPUT.pdf
// Runs on any Qt platform; the build runs it on the offscreen one, so it needs no display.
#include "helpbook.h"

#include "app/desktopintegration.h"

#include <QApplication>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The window looks as it does when the program runs, fonts included.
    QApplication::setFont(proportionalInterfaceFont(QApplication::font()));
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: make_help HELP.md OUTPUT.pdf\n", stderr);
        return 2;
    }
    QFile source(arguments.at(1));
    if (!source.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "make_help: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    const QString problem = writeHelpBook(QString::fromUtf8(source.readAll()), arguments.at(2));
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "make_help: %s\n", qPrintable(problem));
        return 1;
    }
    return 0;
}
