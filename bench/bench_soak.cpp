// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A soak: the window tests' random walk for a million actions, with the quiz's invariants checked
// after each. Prints actions per second and the resident memory after 10^4, 10^5 and 10^6 actions.
// Arguments: [seed] [actions].
#include "bench/benchtools.h"
#include "monkey.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

// Resident memory in KiB, as the kernel reports it.
long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const uint seed = arguments.size() > 1 ? arguments[1].toUInt() : 1;
    const int count = arguments.size() > 2 ? arguments[2].toInt() : 1'000'000;

    std::printf("Vocarra soak: seed %u, %d actions\n", seed, count);
    std::printf("at start: %ld KiB resident\n", residentKib());
    QElapsedTimer clock;
    clock.start();
    const auto failure = monkey::run(monkey::actionsFor(seed, count), [&clock](int done) {
        if (done == 10'000 || done == 100'000 || done == 1'000'000) {
            const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            std::printf("after %7d actions: %9.0f actions/s, %ld KiB resident\n", done,
                        done / seconds, residentKib());
            std::fflush(stdout);
        }
    });
    if (failure) {
        std::printf("FAILED after action %d: %s\n", failure->step + 1,
                    qPrintable(failure->message));
        return 1;
    }
    std::printf("no invariant broken\n");
    return 0;
}
