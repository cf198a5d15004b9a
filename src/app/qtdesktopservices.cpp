// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qtdesktopservices.h"

#include "quiz/messages.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QMessageBox>
#include <QScreen>
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

std::unique_ptr<QSoundEffect> makeClip(const char *resource)
{
    auto clip = std::make_unique<QSoundEffect>();
    clip->setSource(QUrl(QString::fromLatin1(resource)));
    return clip;
}

} // namespace

QtDesktopServices::QtDesktopServices() { reseed(); }

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
    // QSoundEffect plays in the background. Without an audio device the program stays silent and
    // never loads the clips.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    auto &clip = sound == Sound::Right ? m_right : m_wrong;
    if (!clip)
        clip = makeClip(sound == Sound::Right ? "qrc:/sounds/right.wav" : "qrc:/sounds/wrong.wav");
    clip->play();
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
