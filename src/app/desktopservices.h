// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Everything the window asks of the desktop beyond its own controls: modal boxes, the two sounds,
// opening a document, and random numbers. The program passes the real implementation; tests pass
// a scripted one, so that no test ever shows a real box or plays a sound.
class DesktopServices
{
public:
    enum class Sound { Right, Wrong };

    virtual ~DesktopServices() = default;

    // A plain modal box with an "OK" button, captioned with the application title.
    virtual void showMessage(const QString &text) = 0;
    // A modal box with "Yes" and "No"; true only for "Yes".
    virtual bool askYesNo(const QString &title, const QString &text) = 0;
    // Plays one of the two clips once, without waiting for it to end.
    virtual void playSound(Sound sound) = 0;
    // Opens a document with the desktop's viewer; false when that failed.
    virtual bool openDocument(const QString &path) = 0;
    // Seeds the random generator anew from the clock.
    virtual void reseed() = 0;
    // A uniform random integer from 0 to n - 1 (n >= 1).
    virtual int randomBelow(int n) = 0;
    // Ends the message loop, and with it the program.
    virtual void quitApplication() = 0;
};
