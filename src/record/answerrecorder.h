// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/judgedanswer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

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
    // Never waits: when the writing thread happens to hold the queue, the answer is handed over
    // with the next one or from the event loop.
    void record(const record::JudgedAnswer &answer);

signals:
    // A problem with the record, in one readable line; sent once per kind of problem, in the
    // recorder's own thread.
    void problem(const QString &message);

private:
    struct Queued {
        JudgedAnswer answer;
        qint64 answeredMs = 0;
    };

    void handOver();
    void writeLoop();
    void write(const Queued &queued);
    void say(int kind, const QString &message);

    const QString m_path;
    const qint64 m_sessionStartMs;
    const std::function<bool()> m_enabled;
    QThread *m_thread = nullptr;

    // The UI thread's own: answers not handed over yet.
    std::vector<Queued> m_pending;
    bool m_retryScheduled = false;

    // Shared with the writing thread, under m_mutex, which either side holds only to swap or
    // append.
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Queued> m_queue;
    bool m_stopping = false;
    qint64 m_endedMs = 0;

    // The writing thread's own.
    static constexpr qint64 kLockBackoffMs = 2000;
    std::unique_ptr<RecordWriter> m_writer;
    QElapsedTimer m_lockedSince; // when a lock last kept an answer out
    bool m_opened = false;
    unsigned m_said = 0; // kinds of problem said
};

} // namespace record
