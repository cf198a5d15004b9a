// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bench/startupprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace bench {

// Shows a floor probe's window maximised, as the program's window is shown: where no window
// manager maximises it, it fills the screen itself once mapped. Watches the start like the
// startup probe (startupprobe.h) and runs the event loop.
inline int showMaximizedAndProbe(QMainWindow &window)
{
    window.setWindowState(Qt::WindowMaximized);
    const auto filled = [&window] {
        return window.frameGeometry().size() == window.screen()->availableGeometry().size();
    };
    StartupProbe probe(window, filled);
    window.show();
    QTimer fill;
    QObject::connect(&fill, &QTimer::timeout, &window, [&] {
        if (!window.windowHandle()->isExposed())
            return;
        fill.stop();
        if (!filled() && window.frameGeometry() == window.geometry())
            window.setGeometry(window.screen()->availableGeometry());
    });
    fill.start(20);
    return QApplication::exec();
}

} // namespace bench
