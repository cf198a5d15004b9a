// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program entry: the application, the program in it, the recorder of its answers, and the
// message loop.
#include "app/programstart.h"
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
    record::AnswerRecorder recorder(record::defaultRecordPath(), startedMs);
    VocarraProgram program;
    QObject::connect(&program.window(), &TForm1::answerJudged, &recorder,
                     &record::AnswerRecorder::record);
    program.show();
    return QApplication::exec();
}
