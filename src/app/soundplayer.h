// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <QtPlugin>

#include <memory>

// The two answer clips, played by the audio module. The module is the program's only user of Qt
// Multimedia and is loaded at run time (QtDesktopServices), so that the multimedia libraries and
// the sound server's client stay out of the program's start.
class SoundPlayer
{
public:
    virtual ~SoundPlayer() = default;

    // False when the machine has no audio output; the player then stays silent.
    virtual bool hasOutput() const = 0;
    // Starts one clip, without waiting for it to end.
    virtual void play(DesktopServices::Sound sound) = 0;
    // How often the clip has started to play: the clip was ready, an output took it and it ran.
    virtual int timesStarted(DesktopServices::Sound sound) const = 0;
};

// The root object of the audio module: makes the player, on the thread that will use it.
class SoundPlayerFactory
{
public:
    virtual ~SoundPlayerFactory() = default;
    virtual std::unique_ptr<SoundPlayer> createPlayer() = 0;
};

#define VOCARRA_SOUND_PLAYER_FACTORY_IID "org.example.vocarra.SoundPlayerFactory/1"
Q_DECLARE_INTERFACE(SoundPlayerFactory, VOCARRA_SOUND_PLAYER_FACTORY_IID)
