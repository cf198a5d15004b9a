// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/lexotyping.h"
#include "app/qtdesktopservices.h"

// The program as a learner starts it, for the entry point and for the start-up benchmark alike:
// the application's name and version, its icon and interface font, the real desktop services and
// the main window. Needs the QApplication to exist; the window is shown by show().
class VocarraProgram
{
public:
    VocarraProgram();

    // Shows the window; once its first question has been painted, the sounds are made ready in
    // the background, so that loading them costs the start nothing.
    void show();

    TForm1 &window() { return *m_window; }
    QtDesktopServices &services() { return m_services; }

private:
    QtDesktopServices m_services;
    std::unique_ptr<TForm1> m_window;
};
