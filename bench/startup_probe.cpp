// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program exactly as its entry does and reports, for the startup benchmark that runs it
// as a child process, the moments its window was first mapped and its first question painted at
// the window's final size, with the CPU time and peak memory at that moment and once more after
// the program has settled (see startupprobe.h). With --without-scaling the window opens without
// its proportional scaling, for the cost of the scaling alone.
#include "bench/startupprobe.h"

#include "app/programstart.h"
#include "widgets/elastfrm.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    VocarraProgram program;
    TForm1 &form = program.window();
    if (application.arguments().contains(QStringLiteral("--without-scaling"))) {
        delete form.ElasticForm1;
        form.ElasticForm1 = nullptr;
    }
    // Ready once the first question is up and the window fills the screen (with its frame, where
    // the window system draws one), up to its largest size.
    bench::StartupProbe probe(form, [&form] {
        const QSize finalSize =
            form.screen()->availableGeometry().size().boundedTo(form.maximumSize());
        return !form.state().CurrentPosText.isEmpty() && form.frameGeometry().size() == finalSize;
    });
    program.show();
    return QApplication::exec();
}
