// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// vocarra-progress: the Progress window, or with --summary the record as text on standard output.
#include "progress/progresscommand.h"
#include "progress/progresswindow.h"
#include "widgets/programiconengine.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // The summary is for terminals and scripts, so it runs without a display.
    if (wantsCommandLineOnly(argc, argv)) {
        QCoreApplication application(argc, argv);
        setProgressIdentity();
        return runProgressCommand(QCoreApplication::arguments(), stdout, stderr);
    }
    QApplication application(argc, argv);
    setProgressIdentity();
    QApplication::setWindowIcon(programIcon());
    ProgressWindow window(recordPathOf(QCoreApplication::arguments()));
    window.show();
    return QApplication::exec();
}
