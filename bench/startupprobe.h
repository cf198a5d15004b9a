// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/benchtools.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <functional>

namespace bench {

// CPU time of the whole process, every thread, in nanoseconds.
inline long long processCpuNanoseconds()
{
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return used.tv_sec * 1000000000LL + used.tv_nsec;
}

// Watches a start-up for the startup benchmark. Prints one line of six numbers and ends the
// program: the CLOCK_MONOTONIC moments (ns) of the window's first map and of its first paint once
// `ready` holds, the process CPU time (ns) and peak resident memory (KiB) at that paint, and the
// CPU time and peak memory again after the process has run on for a further 1.5 s, as a learner's
// program would while the first word is read (or at once, the same figures twice, when the
// program was given --no-settle, for a profiler's view of the start alone). Watches through an
// application-wide event filter, so that the probe adds no work of its own between events.
class StartupProbe : public QObject
{
public:
    StartupProbe(QWidget &window, std::function<bool()> ready)
        : m_window(window)
        , m_ready(std::move(ready))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && m_mapped == 0 &&
            watched == m_window.windowHandle() && m_window.windowHandle()->isExposed())
            m_mapped = monotonicNanoseconds();
        // The check runs once the paint is done, from the event loop.
        // A QWindow gets paint events of its own.
        if (event->type() == QEvent::Paint && m_mapped != 0 && !m_pending && m_painted == 0 &&
            watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == &m_window) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] { checkPaint(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void checkPaint()
    {
        m_pending = false;
        if (!m_ready())
            return;
        m_painted = monotonicNanoseconds();
        m_cpuAtQuestion = processCpuNanoseconds();
        m_peakAtQuestion = peakResidentKiB();
        QCoreApplication::instance()->removeEventFilter(this);
        const bool settle = !QCoreApplication::arguments().contains(QStringLiteral("--no-settle"));
        QTimer::singleShot(settle ? 1500 : 0, this, [this] {
            std::printf("%lld %lld %lld %lld %lld %lld\n", m_mapped, m_painted, m_cpuAtQuestion,
                        m_peakAtQuestion, processCpuNanoseconds(), peakResidentKiB());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    }

    QWidget &m_window;
    std::function<bool()> m_ready;
    bool m_pending = false;
    long long m_mapped = 0;
    long long m_painted = 0;
    long long m_cpuAtQuestion = 0;
    long long m_peakAtQuestion = 0;
};

} // namespace bench
