// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Time from process start to the first question on screen, and the peak memory on the way, as
// ratios to the floor of a bare QMainWindow from the same tree: starts each probe program again
// and again, in turn, and takes the medians of the spans from just before each start to the moment
// the probe reports itself on screen.
#include "bench/benchtools.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

struct Probe {
    const char *what;
    QString program;
    QStringList arguments;
    std::vector<double> spans;
    std::vector<double> peaks;
};

bool runOnce(Probe &probe)
{
    QProcess process;
    const long long started = bench::monotonicNanoseconds();
    process.start(probe.program, probe.arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = process.readAllStandardOutput().simplified().split(' ');
    if (fields.size() != 2)
        return false;
    probe.spans.push_back(static_cast<double>(fields[0].toLongLong() - started));
    probe.peaks.push_back(fields[1].toDouble());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = 15;
    Probe bare{"bare QMainWindow (the floor)", QStringLiteral(VOCARRA_BARE_PROBE), {}, {}, {}};
    Probe vocarra{
        "Vocarra to its first question", QStringLiteral(VOCARRA_STARTUP_PROBE), {}, {}, {}};
    Probe unscaled{"Vocarra without its scaling",
                   QStringLiteral(VOCARRA_STARTUP_PROBE),
                   {QStringLiteral("--without-scaling")},
                   {},
                   {}};
    for (int run = 0; run < runs; ++run)
        for (Probe *probe : {&bare, &vocarra, &unscaled})
            if (!runOnce(*probe)) {
                std::fprintf(stderr, "%s: the probe did not report itself on screen\n",
                             probe->what);
                return 1;
            }

    std::printf("Vocarra startup (median of %d runs, platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
                    ? "default"
                    : qgetenv("QT_QPA_PLATFORM").constData());
    const double floorTime = bench::medianOf(bare.spans);
    const double floorPeak = bench::medianOf(bare.peaks);
    bench::report("process start to first question on screen", bench::medianOf(vocarra.spans));
    for (const Probe *probe : {&bare, &vocarra, &unscaled})
        std::printf("%-34s %8.3f ms (x%.2f)  peak %7.0f KiB (x%.2f)\n", probe->what,
                    bench::medianOf(probe->spans) / 1e6, bench::medianOf(probe->spans) / floorTime,
                    bench::medianOf(probe->peaks), bench::medianOf(probe->peaks) / floorPeak);
    return 0;
}
