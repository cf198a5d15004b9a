// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/answerrecorder.h"

#include "record/recordsettings.h"
#include "record/recordwriter.h"

#include <QDateTime>
#include <QDebug>
#include <QThread>

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
    const qint64 endedMs = QDateTime::currentMSecsSinceEpoch();
    // Posted after every answer, so it runs after they are written; the writer closes its
    // connection in the thread that opened it.
    QMetaObject::invokeMethod(
        m_inThread,
        [this, endedMs] {
            if (m_writer)
                m_writer->endSession(endedMs);
            m_writer.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    m_thread->wait();
    delete m_inThread;
    delete m_thread;
}

void AnswerRecorder::start()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("vocarra-record"));
    m_inThread = new QObject;
    m_inThread->moveToThread(m_thread);
    m_thread->start(QThread::LowPriority);
}

void AnswerRecorder::record(const JudgedAnswer &answer)
{
    const qint64 answeredMs = QDateTime::currentMSecsSinceEpoch();
    if (!m_thread)
        start();
    QMetaObject::invokeMethod(
        m_inThread, [this, answer, answeredMs] { write(answer, answeredMs); },
        Qt::QueuedConnection);
}

// Runs in the writing thread.
void AnswerRecorder::write(const JudgedAnswer &answer, qint64 answeredMs)
{
    if (!m_opened) {
        if (!m_enabled()) {
            m_opened = true;
            return;
        }
        m_writer = std::make_unique<RecordWriter>(m_path, m_sessionStartMs);
        const RecordFile &file = m_writer->file();
        if (file.status() == RecordStatus::MovedAside || !file.isOpen())
            say(static_cast<int>(file.status()), file.message());
        // A lock is another program's for a moment: the next answer tries again. Anything
        // else stays as it is for the rest of the session.
        m_opened = file.isOpen() || file.status() != RecordStatus::Locked;
        if (!file.isOpen()) {
            m_writer.reset();
            return;
        }
    }
    if (!m_writer || m_writer->write(answer, answeredMs))
        return;
    const RecordStatus status = m_writer->errorStatus();
    const QString path = m_writer->file().path();
    say(static_cast<int>(status),
        status == RecordStatus::Locked
            ? QStringLiteral("The record at %1 is locked by another program: an answer was not "
                             "recorded.")
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
