// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/soundplayer.h"

#include <QObject>
#include <QSoundEffect>

#include <array>
#include <memory>

// The answer clips on QSoundEffect. A clip is made, and its sound decoded, as soon as an audio
// output is there; without one the player stays silent.
class QtSoundPlayer final : public SoundPlayer
{
public:
    QtSoundPlayer();

    bool hasOutput() const override;
    void play(DesktopServices::Sound sound) override;
    int timesStarted(DesktopServices::Sound sound) const override;

private:
    struct Clip {
        std::unique_ptr<QSoundEffect> effect;
        int started = 0;
    };
    // Makes the clips once an output is there; false while there is none.
    bool makeClips();

    std::array<Clip, 2> m_clips;
};

// The module's root object, which QPluginLoader hands to the program.
class QtSoundPlayerFactory final : public QObject, public SoundPlayerFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID VOCARRA_SOUND_PLAYER_FACTORY_IID)
    Q_INTERFACES(SoundPlayerFactory)

public:
    std::unique_ptr<SoundPlayer> createPlayer() override;
};
