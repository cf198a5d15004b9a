// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A soak: the window tests' random walk for a million actions, with the quiz's invariants checked
// after each. Prints actions per second and the resident memory after 10^4, 10^5 and 10^6 actions.
// Arguments: [seed] [actions].
#include "bench/benchtools.h"
#include "monkey.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const uint seed = arguments.size() > 1 ? arguments[1].toUInt() : 1;
    const int count = arguments.size() > 2 ? arguments[2].toInt() : 1'000'000;

    std::printf("Vocarra soak: seed %u, %d actions\n", seed, count);
    std::printf("at start: %lld KiB resident\n", bench::residentKiB());
    QElapsedTimer clock;
    clock.start();
    const auto failure = monkey::run(monkey::actionsFor(seed, count), [&clock](int done) {
        if (done == 10'000 || done == 100'000 || done == 1'000'000) {
            const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            std::printf("after %7d actions: %9.0f actions/s, %lld KiB resident\n", done,
                        done / seconds, bench::residentKiB());
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
