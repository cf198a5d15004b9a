// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/judgedanswer.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThread;

namespace record {

class RecordWriter;

// Takes the quiz's judged answers on the UI thread and has a thread of its own write them, so that
// an answer costs the quiz only the handing over, and a lock held by another program never stalls
// it. Nothing happens until the first answer: then the thread starts, reads the learner's choice,
// and opens (or creates, or migrates) the record. A problem is said once on standard error and
// once through problem(); the quiz goes on either way.
class AnswerRecorder : public QObject
{
    Q_OBJECT

public:
    // `sessionStartMs`: when the program started (Unix ms, UTC). `enabled` is asked on the
    // writing thread when the first answer arrives.
    AnswerRecorder(const QString &path, qint64 sessionStartMs, std::function<bool()> enabled = {},
                   QObject *parent = nullptr);
    // Writes what is still queued, stamps the session's end and stops the thread.
    ~AnswerRecorder() override;

public slots:
    void record(const record::JudgedAnswer &answer);

signals:
    // A problem with the record, in one readable line; sent once per kind of problem, in the
    // recorder's own thread.
    void problem(const QString &message);

private:
    void start();
    void write(const JudgedAnswer &answer, qint64 answeredMs);
    void say(int kind, const QString &message);

    QString m_path;
    qint64 m_sessionStartMs;
    std::function<bool()> m_enabled;
    QThread *m_thread = nullptr;
    QObject *m_inThread = nullptr;          // lives in m_thread; answers are posted to it
    std::unique_ptr<RecordWriter> m_writer; // touched only in m_thread
    bool m_opened = false;                  // only in m_thread
    unsigned m_said = 0;                    // kinds of problem said; only in m_thread
};

} // namespace record
