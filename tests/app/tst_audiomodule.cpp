// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real desktop services play the answer clips through the audio module they load at run
// time, to a private sound server's null output; a missing module leaves the program silent.
#include "app/qtdesktopservices.h"
#include "app/soundplayer.h"
#include "nullaudioserver.h"

#include <QTemporaryDir>
#include <QTest>

using Sound = DesktopServices::Sound;

class TestAudioModule : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void bothClipsPlay_data();
    void bothClipsPlay();
    void missingModule_staysSilent();

private:
    NullAudioServer m_server;
};

void TestAudioModule::initTestCase()
{
    const QString failure = m_server.start();
    if (!failure.isEmpty())
        QSKIP(qPrintable(failure));
}

void TestAudioModule::bothClipsPlay_data()
{
    QTest::addColumn<bool>("preparedAhead");
    QTest::newRow("module read in ahead, on a worker thread") << true;
    QTest::newRow("module loaded at the first answer") << false;
}

void TestAudioModule::bothClipsPlay()
{
    QFETCH(bool, preparedAhead);
    QtDesktopServices services(QStringLiteral(VOCARRA_AUDIO_MODULE_DIR));
    if (preparedAhead) {
        services.prepareSounds();
        QTRY_VERIFY(services.soundPlayer());
    }
    for (Sound sound : {Sound::Right, Sound::Wrong}) {
        services.playSound(sound);
        SoundPlayer *player = services.soundPlayer();
        QVERIFY(player);
        QVERIFY(player->hasOutput());
        QTRY_COMPARE(player->timesStarted(sound), 1);
    }
}

void TestAudioModule::missingModule_staysSilent()
{
    QTemporaryDir empty;
    QtDesktopServices services(empty.path());
    services.prepareSounds();
    services.playSound(Sound::Right);
    services.playSound(Sound::Wrong);
    QVERIFY(!services.soundPlayer());
    // The worker's end arrives later and changes nothing.
    QTest::qWait(0);
    QCoreApplication::processEvents();
    QVERIFY(!services.soundPlayer());
}

QTEST_MAIN(TestAudioModule)
#include "tst_audiomodule.moc"
