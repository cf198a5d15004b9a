// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time from process start to the first question on screen: starts the probe program again and
// again and takes the median of the spans from just before each start to the moment the probe
// reports its first question.
#include "bench/benchtools.h"

#include <QCoreApplication>
#include <QProcess>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = 15;
    std::vector<double> spans;
    for (int run = 0; run < runs; ++run) {
        QProcess probe;
        const long long started = bench::monotonicNanoseconds();
        probe.start(QStringLiteral(VOCARRA_STARTUP_PROBE), {});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0) {
            std::fprintf(stderr, "the probe did not reach its first question\n");
            return 1;
        }
        spans.push_back(
            static_cast<double>(probe.readAllStandardOutput().trimmed().toLongLong() - started));
    }
    std::printf("Vocarra startup (median of %d runs, platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "default"
                    : qgetenv("QT_QPA_PLATFORM").constData());
    bench::report("process start to first question on screen", bench::medianOf(spans));
    return 0;
}
