// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/desktopservices.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <random>

class QThread;
class QWidget;
class SoundPlayer;

// The desktop services on Qt: QMessageBox centred on the screen, the audio module for the clips,
// QDesktopServices for documents and a Mersenne twister seeded from the clock.
class QtDesktopServices final : public DesktopServices
{
public:
    // `audioModuleFolder` holds the audio module; by default the program's private library
    // folder, found from the program's own folder as the install lays it out.
    explicit QtDesktopServices(const QString &audioModuleFolder = installedAudioModuleFolder());
    ~QtDesktopServices() override;

    static QString installedAudioModuleFolder();

    // The window that owns the boxes; they are still centred on its screen, not on it.
    void setOwner(QWidget *owner);

    // Gets the sounds ready ahead of the first answer: the audio module is read in on a worker
    // thread, and its player is made on this one once that is done. Does nothing when the module
    // is loaded, being loaded, or known to be missing.
    void prepareSounds();
    // The audio module's player; null until the module is loaded, and for good when it is missing.
    SoundPlayer *soundPlayer() const { return m_player.get(); }

    void showMessage(const QString &text) override;
    bool askYesNo(const QString &title, const QString &text) override;
    void playSound(Sound sound) override;
    bool openDocument(const QString &path) override;
    void reseed() override;
    int randomBelow(int n) override;
    void quitApplication() override;

private:
    enum class Audio { NotLoaded, Loading, Ready, Missing };
    // Makes the player from the module, loading the module here if the worker has not yet.
    void finishLoadingSounds();

    QPointer<QWidget> m_owner;
    QString m_audioModule;
    Audio m_audio = Audio::NotLoaded;
    std::unique_ptr<QThread> m_moduleReader;
    std::unique_ptr<SoundPlayer> m_player;
    // Receives the worker's "done" on this thread, and dies with the services.
    QObject m_context;
    std::mt19937 m_random;
};
