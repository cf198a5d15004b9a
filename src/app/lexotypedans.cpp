// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, its title, the main window, and the message loop.
#include "app/applicationidentity.h"
#include "app/desktopintegration.h"
#include "app/lexotyping.h"
#include "app/qtdesktopservices.h"
#include "record/answerrecorder.h"
#include "record/recordlocation.h"

#include <QApplication>
#include <QDateTime>

int main(int argc, char *argv[])
{
    // The session starts with the program; the record itself is opened only at the first answer,
    // on the recorder's own thread, so that nothing of it stands between the start and the first
    // question. Whether to record at all is the learner's choice, read there too.
    const qint64 startedMs = QDateTime::currentMSecsSinceEpoch();
    QApplication application(argc, argv);
    setApplicationIdentity();
    integrateWithDesktop();

    QtDesktopServices services;
    record::AnswerRecorder recorder(record::defaultRecordPath(), startedMs);
    TForm1 form(services);
    QObject::connect(&form, &TForm1::answerJudged, &recorder, &record::AnswerRecorder::record);
    services.setOwner(&form);
    form.show();
    return QApplication::exec();
}
