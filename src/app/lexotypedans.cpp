// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, its title, the main window, and the message loop.
#include "app/applicationidentity.h"
#include "app/desktopintegration.h"
#include "app/lexotyping.h"
#include "app/qtdesktopservices.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setApplicationIdentity();
    integrateWithDesktop();

    QtDesktopServices services;
    TForm1 form(services);
    services.setOwner(&form);
    form.show();
    return QApplication::exec();
}
