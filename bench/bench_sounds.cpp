// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the first answer's clip starts after the verdict, through the real desktop services and
// the audio module, played to a private sound server's null output: with the module read in
// ahead, as after a normal start, and loaded at that first answer, as when a learner answers
// within the first moments. Each sample is a fresh process, so that nothing is loaded before.
#include "app/qtdesktopservices.h"
#include "app/soundplayer.h"
#include "bench/benchtools.h"
#include "nullaudioserver.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QProcess>

namespace {

// One fresh start: nanoseconds from playSound() to the clip's start, or -1.
long long firstSoundDelay(bool preparedAhead)
{
    QtDesktopServices services(QStringLiteral(VOCARRA_AUDIO_MODULE_DIR));
    if (preparedAhead) {
        services.prepareSounds();
        // As long as a start leaves before the first answer can come.
        const QDeadlineTimer settled(600);
        while (!settled.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    const long long verdict = bench::monotonicNanoseconds();
    services.playSound(DesktopServices::Sound::Right);
    const QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        if (services.soundPlayer() &&
            services.soundPlayer()->timesStarted(DesktopServices::Sound::Right) > 0)
            return bench::monotonicNanoseconds() - verdict;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--one"))) {
        std::printf("%lld\n", firstSoundDelay(arguments.contains(QStringLiteral("--ahead"))));
        return 0;
    }

    NullAudioServer server;
    if (const QString failure = server.start(); !failure.isEmpty()) {
        std::fprintf(stderr, "no audio server: %s\n", qPrintable(failure));
        return 1;
    }
    const int runs = 9;
    std::printf("First answer's clip: from the verdict to the clip's start (median of %d fresh "
                "starts, null audio output)\n",
                runs);
    for (bool ahead : {true, false}) {
        std::vector<double> delays;
        for (int run = 0; run < runs; ++run) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(),
                        ahead ? QStringList{QStringLiteral("--one"), QStringLiteral("--ahead")}
                              : QStringList{QStringLiteral("--one")});
            child.waitForFinished(30000);
            const double delay = child.readAllStandardOutput().trimmed().toDouble();
            if (delay < 0) {
                std::fprintf(stderr, "the clip did not start\n");
                return 1;
            }
            delays.push_back(delay);
        }
        bench::report(ahead ? "module read in after the first question (a normal start)"
                            : "module loaded at the first answer",
                      bench::medianOf(delays));
    }
    return 0;
}
