// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtdesktopservices.h"

#include "app/soundplayer.h"
#include "quiz/messages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGuiApplication>
#include <QLibrary>
#include <QMessageBox>
#include <QPluginLoader>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <QWidget>

#include <chrono>

namespace {

QString applicationTitle() { return QString::fromUtf8(quiz::kApplicationTitle); }

// Runs a box modally, centred on the screen of the owner window (or the primary screen).
int execCentred(QMessageBox &box, QWidget *owner)
{
    box.adjustSize();
    QScreen *screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        QRect frame = box.frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        box.move(frame.topLeft());
    }
    return box.exec();
}

} // namespace

QtDesktopServices::QtDesktopServices(const QString &audioModuleFolder)
    : m_audioModule(QDir(audioModuleFolder).filePath(QStringLiteral("vocarra_audio")))
{
    reseed();
}

QtDesktopServices::~QtDesktopServices()
{
    // The player goes before the application object; a module still being read is waited for.
    m_player.reset();
    if (m_moduleReader)
        m_moduleReader->wait();
}

void QtDesktopServices::setOwner(QWidget *owner) { m_owner = owner; }

QString QtDesktopServices::installedAudioModuleFolder()
{
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromUtf8(VOCARRA_AUDIO_FROM_BIN));
}

void QtDesktopServices::prepareSounds()
{
    if (m_audio != Audio::NotLoaded)
        return;
    m_audio = Audio::Loading;
    // Reading the module in maps and relocates Qt Multimedia and the sound server's client
    // libraries, the bulk of the cost; the loader keeps them loaded for the player made after it.
    m_moduleReader.reset(QThread::create([module = m_audioModule] { QLibrary(module).load(); }));
    QObject::connect(m_moduleReader.get(), &QThread::finished, &m_context,
                     [this] { finishLoadingSounds(); });
    m_moduleReader->start(QThread::LowPriority);
}

void QtDesktopServices::finishLoadingSounds()
{
    if (m_audio == Audio::Ready || m_audio == Audio::Missing)
        return;
    // A missing or broken module leaves the program silent, as a machine without audio does.
    QPluginLoader loader(m_audioModule);
    auto *factory = qobject_cast<SoundPlayerFactory *>(loader.instance());
    m_player = factory ? factory->createPlayer() : nullptr;
    m_audio = m_player ? Audio::Ready : Audio::Missing;
}

void QtDesktopServices::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, m_owner);
    execCentred(box, m_owner);
}

bool QtDesktopServices::askYesNo(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                    m_owner);
    return execCentred(box, m_owner) == QMessageBox::Yes;
}

void QtDesktopServices::playSound(Sound sound)
{
    // An answer before the sounds were prepared loads them now.
    finishLoadingSounds();
    if (m_player)
        m_player->play(sound);
}

bool QtDesktopServices::openDocument(const QString &path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void QtDesktopServices::reseed()
{
    m_random.seed(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
}

int QtDesktopServices::randomBelow(int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(m_random);
}

void QtDesktopServices::quitApplication() { QCoreApplication::exit(0); }
