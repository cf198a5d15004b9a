// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answerrecorder.h"

#include "record/recordsettings.h"
#include "record/recordwriter.h"

#include <QDateTime>
#include <QDebug>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sched.h>
#endif

namespace record {

AnswerRecorder::AnswerRecorder(const QString &path, qint64 sessionStartMs,
                               std::function<bool()> enabled, QObject *parent)
    : QObject(parent)
    , m_path(path)
    , m_sessionStartMs(sessionStartMs)
    , m_enabled(enabled ? std::move(enabled) : std::function<bool()>(recordingEnabled))
{}

AnswerRecorder::~AnswerRecorder()
{
    if (!m_thread)
        return;
    {
        // At the end the quiz may wait: everything still pending goes, then the stop.
        const std::lock_guard lock(m_mutex);
        m_queue.insert(m_queue.end(), m_pending.begin(), m_pending.end());
        m_stopping = true;
        m_endedMs = QDateTime::currentMSecsSinceEpoch();
    }
    m_wake.notify_one();
    m_thread->wait();
    delete m_thread;
}

void AnswerRecorder::record(const JudgedAnswer &answer)
{
    m_pending.push_back({answer, QDateTime::currentMSecsSinceEpoch()});
    if (!m_thread) {
        m_thread = QThread::create([this] { writeLoop(); });
        m_thread->setObjectName(QStringLiteral("vocarra-record"));
        m_thread->start();
    }
    handOver();
}

void AnswerRecorder::handOver()
{
    std::unique_lock lock(m_mutex, std::try_to_lock);
    if (!lock.owns_lock()) {
        // The writing thread holds the queue this very moment: try again from the event loop
        // rather than wait for it.
        if (!m_retryScheduled) {
            m_retryScheduled = true;
            QTimer::singleShot(0, this, [this] {
                m_retryScheduled = false;
                if (!m_pending.empty())
                    handOver();
            });
        }
        return;
    }
    m_queue.insert(m_queue.end(), m_pending.begin(), m_pending.end());
    lock.unlock();
    m_pending.clear();
    m_wake.notify_one();
}

// The writing thread: takes what is queued in one swap and writes it, until told to stop.
void AnswerRecorder::writeLoop()
{
#ifdef Q_OS_LINUX
    // A batch thread is never given the processor the moment it is woken, so handing an answer
    // over does not stop the quiz while the answer is written; it still gets its fair share.
    const sched_param normal{};
    sched_setscheduler(0, SCHED_BATCH, &normal);
#endif
    std::vector<Queued> batch;
    for (;;) {
        bool stopping = false;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
            batch.swap(m_queue);
            stopping = m_stopping;
        }
        for (const Queued &queued : batch)
            write(queued);
        batch.clear();
        if (stopping)
            break;
    }
    if (m_writer)
        m_writer->endSession(m_endedMs);
    // The connection closes in the thread that opened it.
    m_writer.reset();
}

// Runs in the writing thread.
void AnswerRecorder::write(const Queued &queued)
{
    // After a lock held past the busy timeout, answers in the next few seconds go unrecorded
    // rather than each waiting for it again: a queue that grows behind a stuck lock would only
    // hold up the end of the program.
    if (m_lockedSince.isValid() && !m_lockedSince.hasExpired(kLockBackoffMs))
        return;
    m_lockedSince.invalidate();
    if (!m_opened) {
        if (!m_enabled()) {
            m_opened = true;
            return;
        }
        m_writer = std::make_unique<RecordWriter>(m_path, m_sessionStartMs);
        const RecordFile &file = m_writer->file();
        if (file.status() == RecordStatus::MovedAside || !file.isOpen())
            say(static_cast<int>(file.status()), file.message());
        // A lock is another program's for a while: a later answer tries again. Anything else
        // stays as it is for the rest of the session.
        m_opened = file.isOpen() || file.status() != RecordStatus::Locked;
        if (!file.isOpen()) {
            if (file.status() == RecordStatus::Locked)
                m_lockedSince.start();
            m_writer.reset();
            return;
        }
    }
    if (!m_writer || m_writer->write(queued.answer, queued.answeredMs))
        return;
    const RecordStatus status = m_writer->errorStatus();
    const QString path = m_writer->file().path();
    if (status == RecordStatus::Locked)
        m_lockedSince.start();
    say(static_cast<int>(status),
        status == RecordStatus::Locked
            ? QStringLiteral("The record at %1 is locked by another program: answers are not "
                             "recorded while it stays locked.")
                  .arg(path)
            : QStringLiteral("An answer could not be recorded in %1 (%2).")
                  .arg(path, m_writer->error()));
}

void AnswerRecorder::say(int kind, const QString &message)
{
    const unsigned bit = 1u << kind;
    if (m_said & bit)
        return;
    m_said |= bit;
    qWarning().noquote() << message;
    // Sent from the thread the recorder belongs to, so that listeners there need no locking.
    QMetaObject::invokeMethod(
        this, [this, message] { emit problem(message); }, Qt::QueuedConnection);
}

} // namespace record
