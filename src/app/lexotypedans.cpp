// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, the program in it, and the message loop.
#include "app/programstart.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    VocarraProgram program;
    program.show();
    return QApplication::exec();
}
