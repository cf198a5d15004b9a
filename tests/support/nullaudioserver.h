// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

// A private PulseAudio server whose only output is a null sink, for playing sounds where no
// audio device is: started in a scratch folder with its own socket, and ended with the object.
// start() points this process's sound clients at it (PULSE_SERVER); it must run before the first
// client connects.
class NullAudioServer
{
public:
    ~NullAudioServer()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            if (!m_server.waitForFinished(3000))
                m_server.kill();
            m_server.waitForFinished(3000);
        }
    }

    // Empty when the server runs; else why it does not.
    QString start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        if (program.isEmpty())
            return QStringLiteral("pulseaudio is not installed (scripts/install-deps.sh adds it)");
        if (!m_folder.isValid())
            return QStringLiteral("no scratch folder for the audio server");
        const QString socket = m_folder.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *variable : {"HOME", "XDG_RUNTIME_DIR", "XDG_CONFIG_HOME"})
            environment.insert(QString::fromLatin1(variable), m_folder.path());
        m_server.setProcessEnvironment(environment);
        m_server.setProcessChannelMode(QProcess::MergedChannels);
        m_server.start(program,
                       {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                        QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                        QStringLiteral("--disable-shm=yes"),
                        QStringLiteral("--load=module-null-sink"),
                        QStringLiteral("--load=module-native-protocol-unix socket=%1 "
                                       "auth-anonymous=1")
                            .arg(socket)});
        const QDeadlineTimer deadline(10000);
        while (!QFile::exists(socket) && !deadline.hasExpired() &&
               m_server.state() != QProcess::NotRunning)
            QThread::msleep(20);
        if (!QFile::exists(socket))
            return QStringLiteral("pulseaudio did not start: ") +
                   QString::fromLocal8Bit(m_server.readAll()).trimmed();
        qputenv("PULSE_SERVER", QStringLiteral("unix:%1").arg(socket).toLocal8Bit());
        return {};
    }

private:
    QTemporaryDir m_folder;
    QProcess m_server;
};
