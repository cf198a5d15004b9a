// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <vector>

// Small timing helpers for the benchmarks: each figure is the median of many samples, each
// sample the mean over a batch of runs, so that a busy moment of the machine moves no figure.
namespace bench {

// The benchmarks run on the offscreen platform unless QT_QPA_PLATFORM names another, so that
// they need no display and are measured as the tests run. Call before the application exists.
inline void useOffscreenUnlessSet()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

inline double medianOf(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Nanoseconds per run of `work`, median over `samples` batches of `batch` runs; `prepare` runs
// before each run, outside the clock.
inline double medianNanoseconds(int samples, int batch, const std::function<void()> &work,
                                const std::function<void()> &prepare = {})
{
    std::vector<double> perRun;
    for (int s = 0; s < samples; ++s) {
        qint64 total = 0;
        for (int i = 0; i < batch; ++i) {
            if (prepare)
                prepare();
            QElapsedTimer clock;
            clock.start();
            work();
            total += clock.nsecsElapsed();
        }
        perRun.push_back(static_cast<double>(total) / batch);
    }
    return medianOf(perRun);
}

// CLOCK_MONOTONIC in nanoseconds: one clock for the start-up benchmark and the program it starts.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// One memory figure of this process in KiB, read from the line of /proc/self/status that starts
// with `field` ("VmHWM", "VmRSS"), or 0 where the system doesn't tell it.
inline long long processStatusKiB(const char *field)
{
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    char name[32];
    long long value = 0;
    long long kib = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "%31[^:]: %lld kB", name, &value) == 2 &&
            std::strcmp(name, field) == 0) {
            kib = value;
            break;
        }
    }
    std::fclose(status);
    return kib;
}

// The process's peak resident memory in KiB.
inline long long peakResidentKiB() { return processStatusKiB("VmHWM"); }

// The process's resident memory now, in KiB.
inline long long residentKiB() { return processStatusKiB("VmRSS"); }

inline void report(const char *what, double nanoseconds)
{
    if (nanoseconds >= 1e6)
        std::printf("%-58s %10.3f ms\n", what, nanoseconds / 1e6);
    else
        std::printf("%-58s %10.3f us\n", what, nanoseconds / 1e3);
}

} // namespace bench
