// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start against the floor of a bare QMainWindow from the same tree: starts each
// probe program again and again, in turn, and prints the medians of the process CPU time until the
// first question is painted at the window's final size, the time from the start of the process to
// its window's first map and to that paint, and the peak memory then; each also as a ratio to the
// bare window, and the CPU time and peak memory once more after 1.5 s more. Beside them, the bare
// window drawing the first question's texts in the program's faces and sizes: the part of the
// start that any window showing those texts pays. Runs on the offscreen platform, and under X as
// well when a display is there (DISPLAY set).
#include "bench/benchtools.h"

#include <QCoreApplication>
#include <QProcess>

#include <array>

namespace {

enum Figure { Cpu, Map, Question, Peak, SettledCpu, SettledPeak, FigureCount };

struct Probe {
    const char *what;
    QString program;
    QStringList arguments;
    std::array<std::vector<double>, FigureCount> samples;

    double median(Figure figure) const { return bench::medianOf(samples[figure]); }
};

bool runOnce(Probe &probe, const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    const long long started = bench::monotonicNanoseconds();
    process.start(probe.program, probe.arguments);
    const bool finished = process.waitForFinished(30000);
    const QList<QByteArray> fields = process.readAllStandardOutput().simplified().split(' ');
    if (!finished || process.exitCode() != 0 || fields.size() != 6) {
        std::fprintf(stderr, "%s: %s, exit code %d, output \"%s\"\n%s\n", probe.what,
                     finished ? "ended" : "still running after 30 s", process.exitCode(),
                     fields.join(' ').constData(), process.readAllStandardError().constData());
        return false;
    }
    const auto field = [&fields](int i) { return fields[i].toDouble(); };
    probe.samples[Map].push_back(field(0) - static_cast<double>(started));
    probe.samples[Question].push_back(field(1) - static_cast<double>(started));
    probe.samples[Cpu].push_back(field(2));
    probe.samples[Peak].push_back(field(3));
    probe.samples[SettledCpu].push_back(field(4));
    probe.samples[SettledPeak].push_back(field(5));
    return true;
}

bool measure(const char *platform, int rounds)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(platform));
    std::array<Probe, 4> probes{{
        {"bare QMainWindow (the floor)", QStringLiteral(VOCARRA_BARE_PROBE), {}, {}},
        {"bare window with Vocarra's texts", QStringLiteral(VOCARRA_TEXT_FLOOR_PROBE), {}, {}},
        {"Vocarra", QStringLiteral(VOCARRA_STARTUP_PROBE), {}, {}},
        {"Vocarra without its scaling",
         QStringLiteral(VOCARRA_STARTUP_PROBE),
         {QStringLiteral("--without-scaling")},
         {}},
    }};
    for (int round = 0; round < rounds; ++round)
        for (Probe &probe : probes)
            if (!runOnce(probe, environment)) {
                std::fprintf(stderr, "%s on %s: the probe did not report its first paint\n",
                             probe.what, platform);
                return false;
            }

    const Probe &floor = probes[0];
    std::printf("\nplatform %s, median of %d starts; ratios to the bare window in brackets\n",
                platform, rounds);
    std::printf("%-32s %17s %17s %17s %19s | after 1.5 s: %8s %11s\n", "", "CPU to question",
                "fork to map", "fork to question", "peak at question", "CPU", "peak");
    for (const Probe &probe : probes) {
        std::printf("%-32s", probe.what);
        for (Figure figure : {Cpu, Map, Question})
            std::printf(" %8.1f ms (x%.2f)", probe.median(figure) / 1e6,
                        probe.median(figure) / floor.median(figure));
        std::printf(" %8.0f KiB (x%.2f)", probe.median(Peak),
                    probe.median(Peak) / floor.median(Peak));
        std::printf(" |  %8.1f ms %7.0f KiB\n", probe.median(SettledCpu) / 1e6,
                    probe.median(SettledPeak));
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 11;
    std::printf("Vocarra startup: process CPU, fork to first map, fork to first question at the "
                "window's final size, peak resident memory");
    if (!measure("offscreen", rounds))
        return 1;
    if (!qEnvironmentVariableIsEmpty("DISPLAY") && !measure("xcb", rounds))
        return 1;
    return 0;
}
