// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/qtsoundplayer.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

namespace {

std::size_t slotOf(DesktopServices::Sound sound)
{
    return sound == DesktopServices::Sound::Right ? 0 : 1;
}

} // namespace

QtSoundPlayer::QtSoundPlayer() { makeClips(); }

bool QtSoundPlayer::hasOutput() const { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool QtSoundPlayer::makeClips()
{
    if (m_clips[0].effect)
        return true;
    if (!hasOutput())
        return false;
    for (auto sound : {DesktopServices::Sound::Right, DesktopServices::Sound::Wrong}) {
        Clip &clip = m_clips[slotOf(sound)];
        clip.effect = std::make_unique<QSoundEffect>();
        QObject::connect(clip.effect.get(), &QSoundEffect::playingChanged, clip.effect.get(),
                         [&clip] {
                             if (clip.effect->isPlaying())
                                 ++clip.started;
                         });
        clip.effect->setSource(QUrl(sound == DesktopServices::Sound::Right
                                        ? QStringLiteral("qrc:/sounds/right.wav")
                                        : QStringLiteral("qrc:/sounds/wrong.wav")));
    }
    return true;
}

void QtSoundPlayer::play(DesktopServices::Sound sound)
{
    // An output that came after the start (a headset plugged in, a sound server started) is
    // taken up at the next answer.
    if (makeClips())
        m_clips[slotOf(sound)].effect->play();
}

int QtSoundPlayer::timesStarted(DesktopServices::Sound sound) const
{
    return m_clips[slotOf(sound)].started;
}

std::unique_ptr<SoundPlayer> QtSoundPlayerFactory::createPlayer()
{
    return std::make_unique<QtSoundPlayer>();
}
