// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <random>

// Desktop services that show nothing and play nothing, with a fixed seed, so that benchmark runs
// repeat the same questions.
class SilentServices final : public DesktopServices
{
public:
    void showMessage(const QString &) override {}
    bool askYesNo(const QString &, const QString &) override { return false; }
    void playSound(Sound) override {}
    bool openDocument(const QString &) override { return false; }
    void reseed() override {}
    int randomBelow(int n) override
    {
        return std::uniform_int_distribution<int>(0, n - 1)(m_random);
    }
    void quitApplication() override {}

private:
    std::mt19937 m_random{2026};
};
