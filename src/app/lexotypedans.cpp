// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, its title, the main window, and the message loop.
#include "app/desktopintegration.h"
#include "app/lexotyping.h"
#include "app/qtdesktopservices.h"
#include "quiz/messages.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The title captions the program's message boxes; no help file is bound to it, so F1 opens
    // nothing.
    // On X11 the application name is also the window's class, which the desktop entry names as
    // StartupWMClass so that a desktop groups the window under its menu entry.
    QApplication::setApplicationName(QString::fromUtf8(quiz::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(VOCARRA_VERSION));
    integrateWithDesktop();

    QtDesktopServices services;
    TForm1 form(services);
    services.setOwner(&form);
    form.show();
    return QApplication::exec();
}
