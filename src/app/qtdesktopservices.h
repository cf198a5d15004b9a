// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <QPointer>
#include <QSoundEffect>

#include <memory>
#include <random>

class QWidget;

// The desktop services on Qt: QMessageBox centred on the screen, QSoundEffect on the clips built
// into the program, QDesktopServices for documents and a Mersenne twister seeded from the clock.
class QtDesktopServices final : public DesktopServices
{
public:
    QtDesktopServices();

    // The window that owns the boxes; they are still centred on its screen, not on it.
    void setOwner(QWidget *owner) { m_owner = owner; }

    void showMessage(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    void playSound(Sound sound) override;
    bool openDocument(const QString &path) override;
    void reseed() override;
    int randomBelow(int n) override;
    void quitApplication() override;

private:
    QPointer<QWidget> m_owner;
    // Created on first use: a machine without audio never loads the clips at all.
    std::unique_ptr<QSoundEffect> m_right;
    std::unique_ptr<QSoundEffect> m_wrong;
    std::mt19937 m_random;
};
