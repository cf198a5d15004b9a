// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the record step by step: a first look at the file's header, then what SQLite says the
// file is, then setting aside what is not a record, creating, migrating or leaving it alone.
#include "record/recordopener.h"

#include "record/recordheader.h"
#include "record/recordschema.h"
#include "record/sqliteerrors.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <optional>

namespace record {
namespace {

RecordStatus statusForFailure(const QSqlError &error, RecordAccess access)
{
    if (isLockError(error))
        return RecordStatus::Locked;
    switch (sqlitePrimaryCode(error)) {
    case SqliteCode::Corrupt:
    case SqliteCode::NotADatabase: return RecordStatus::Damaged;
    default:
        return access == RecordAccess::Write ? RecordStatus::Unwritable : RecordStatus::Damaged;
    }
}

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("vocarra-record-%1").arg(++counter);
}

// What the file says about itself, read through SQLite.
struct Identity {
    qint64 applicationId = 0;
    int userVersion = 0;
    int schemaObjects = 0;
};

std::optional<Identity> readIdentity(const QSqlDatabase &database, QSqlError *error)
{
    QSqlQuery query(database);
    Identity identity;
    auto single = [&](const QString &sql, auto *into) {
        if (!query.exec(sql) || !query.next())
            return false;
        *into = query.value(0).toLongLong();
        return true;
    };
    qint64 version = 0;
    qint64 objects = 0;
    if (!single(QStringLiteral("PRAGMA application_id"), &identity.applicationId) ||
        !single(QStringLiteral("PRAGMA user_version"), &version) ||
        !single(QStringLiteral("SELECT count(*) FROM sqlite_master"), &objects)) {
        *error = query.lastError();
        return std::nullopt;
    }
    identity.userVersion = static_cast<int>(version);
    identity.schemaObjects = static_cast<int>(objects);
    return identity;
}

// A last read that touches the answers table's last page, where a file cut short or damaged
// after its header shows first.
bool answersReadable(const QSqlDatabase &database, QSqlError *error)
{
    QSqlQuery query(database);
    if (query.exec(QStringLiteral("SELECT max(id) FROM answers")) && query.next())
        return true;
    *error = query.lastError();
    return false;
}

// A database's companions that belong with it wherever it goes.
const QStringList kCompanionSuffixes{QStringLiteral("-wal"), QStringLiteral("-shm"),
                                     QStringLiteral("-journal")};

} // namespace

QString setAsidePath(const QString &path, const QDateTime &whenUtc)
{
    const QFileInfo info(path);
    const QString stem = info.dir().filePath(info.completeBaseName()) +
                         QStringLiteral(".set-aside-") +
                         whenUtc.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString suffix =
        info.suffix().isEmpty() ? QString() : QStringLiteral(".") + info.suffix();
    QString candidate = stem + suffix;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + QStringLiteral("-%1").arg(n) + suffix;
    return candidate;
}

QStringList setAsideFiles(const QString &path)
{
    const QFileInfo info(path);
    QStringList files;
    // The dated names sort by time.
    const QStringList names = info.dir().entryList(
        {info.completeBaseName() + QStringLiteral(".set-aside-*")}, QDir::Files, QDir::Name);
    for (const QString &name : names)
        files << info.dir().filePath(name);
    return files;
}

// Does the opening, one step after the other, and leaves the file in its final state.
class RecordOpener
{
public:
    explicit RecordOpener(RecordFile &file)
        : m_file(file)
    {}

    void openForWriting()
    {
        const QFileInfo info(m_file.m_path);
        if (!QDir().mkpath(info.absolutePath()))
            return m_file.finish(
                RecordStatus::Unwritable,
                QStringLiteral("cannot create the folder %1").arg(info.absolutePath()));
        // Two programs starting at once open one after the other: one looking at the file while
        // the other creates or migrates it could take a half-made record for a damaged one.
        QLockFile opening(m_file.m_path + QStringLiteral(".lock"));
        if (!opening.tryLock(RecordFile::kWriteBusyTimeoutMs)) {
            const bool busy = opening.error() == QLockFile::LockFailedError;
            return m_file.finish(
                busy ? RecordStatus::Locked : RecordStatus::Unwritable,
                busy ? QStringLiteral("another Vocarra is opening it")
                     : QStringLiteral("cannot create %1.lock").arg(info.fileName()));
        }
        if (info.exists() && !info.isFile())
            return m_file.finish(RecordStatus::Unwritable, QStringLiteral("it is not a file"));
        bool movedAside = false;
        if (info.exists()) {
            switch (inspectFileHeader(m_file.m_path)) {
            case HeaderVerdict::Unreadable:
                return m_file.finish(RecordStatus::Unwritable, QStringLiteral("it cannot be read"));
            case HeaderVerdict::NotSqlite:
            case HeaderVerdict::Truncated:
                if (!moveAside())
                    return;
                movedAside = true;
                break;
            case HeaderVerdict::Empty:
            case HeaderVerdict::Sqlite: break;
            }
        }
        if (!connect(false))
            return;
        if (!movedAside) {
            QSqlError error;
            const std::optional<Identity> identity = readIdentity(m_file.database(), &error);
            if (!identity)
                return failOrMoveAside(error);
            const bool blank = identity->applicationId == 0 && identity->userVersion == 0 &&
                               identity->schemaObjects == 0;
            if (!blank && identity->applicationId != kRecordApplicationId)
                return moveAsideAndReconnect();
            if (identity->userVersion > kRecordSchemaVersion)
                return m_file.finish(RecordStatus::NewerSchema);
            if (identity->userVersion == kRecordSchemaVersion &&
                !answersReadable(m_file.database(), &error))
                return failOrMoveAside(error);
        }
        prepareForWriting(movedAside ? RecordStatus::MovedAside : RecordStatus::Ready);
    }

    void openForReading()
    {
        const QFileInfo info(m_file.m_path);
        if (!info.exists())
            return m_file.finish(RecordStatus::Missing);
        switch (inspectFileHeader(m_file.m_path)) {
        case HeaderVerdict::Empty: return m_file.finish(RecordStatus::Missing);
        case HeaderVerdict::Unreadable:
            return m_file.finish(RecordStatus::Damaged, QStringLiteral("it cannot be opened"));
        case HeaderVerdict::NotSqlite:
            return m_file.finish(RecordStatus::Damaged, QStringLiteral("it is not a database"));
        case HeaderVerdict::Truncated:
            return m_file.finish(RecordStatus::Damaged, QStringLiteral("it has been cut short"));
        case HeaderVerdict::Sqlite: break;
        }
        if (!connect(true))
            return;
        QSqlError error;
        const std::optional<Identity> identity = readIdentity(m_file.database(), &error);
        if (!identity)
            return m_file.finish(statusForFailure(error, RecordAccess::Read), error.text());
        if (identity->applicationId != kRecordApplicationId)
            return m_file.finish(RecordStatus::Damaged,
                                 QStringLiteral("it is some other program's database"));
        if (identity->userVersion > kRecordSchemaVersion)
            return m_file.finish(RecordStatus::NewerSchema);
        if (identity->userVersion < kRecordSchemaVersion)
            return m_file.finish(RecordStatus::OlderSchema);
        if (!answersReadable(m_file.database(), &error))
            return m_file.finish(statusForFailure(error, RecordAccess::Read), error.text());
        m_file.finish(RecordStatus::Ready);
    }

private:
    bool connect(bool readOnly)
    {
        const QString name = nextConnectionName();
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        m_file.m_connectionName = name;
        if (!database.isValid()) {
            m_file.finish(readOnly ? RecordStatus::Damaged : RecordStatus::Unwritable,
                          QStringLiteral("the SQLite driver of Qt SQL is not installed"));
            return false;
        }
        database.setDatabaseName(m_file.m_path);
        QString options =
            QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1")
                .arg(readOnly ? RecordFile::kBusyTimeoutMs : RecordFile::kWriteBusyTimeoutMs);
        if (readOnly)
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
        database.setConnectOptions(options);
        if (!database.open()) {
            m_file.finish(statusForFailure(database.lastError(),
                                           readOnly ? RecordAccess::Read : RecordAccess::Write),
                          database.lastError().text());
            return false;
        }
        return true;
    }

    // Moves the file and its companions aside; on failure nothing is overwritten and the
    // record stays unwritten.
    bool moveAside()
    {
        const QString target = setAsidePath(m_file.m_path, QDateTime::currentDateTimeUtc());
        if (!QFile::rename(m_file.m_path, target)) {
            m_file.finish(RecordStatus::Unwritable,
                          QStringLiteral("it is not a Vocarra record and cannot be moved aside"));
            return false;
        }
        for (const QString &suffix : kCompanionSuffixes) {
            if (QFileInfo::exists(m_file.m_path + suffix))
                QFile::rename(m_file.m_path + suffix, target + suffix);
        }
        m_file.m_movedAsidePath = target;
        return true;
    }

    void moveAsideAndReconnect()
    {
        m_file.close();
        if (!moveAside() || !connect(false))
            return;
        prepareForWriting(RecordStatus::MovedAside);
    }

    // After a failed read of a file that opened: a damaged file is set aside and a new record
    // started; any other failure (a lock, a full disk) is reported and the file left alone.
    void failOrMoveAside(const QSqlError &error)
    {
        const RecordStatus status = statusForFailure(error, RecordAccess::Write);
        if (status != RecordStatus::Damaged)
            return m_file.finish(status, error.text());
        moveAsideAndReconnect();
    }

    // WAL lets the quiz write while a reader reads and survives a kill after any commit;
    // synchronous=NORMAL makes a commit cheap and still keeps it through a crash of the program.
    void prepareForWriting(RecordStatus status)
    {
        QString detail;
        status = prepared(status, &detail);
        m_file.finish(status, detail);
    }

    // The status after preparing; every query on the connection is gone when it returns.
    RecordStatus prepared(RecordStatus status, QString *detail)
    {
        QSqlDatabase database = m_file.database();
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.next()) {
            *detail = query.lastError().text();
            return statusForFailure(query.lastError(), RecordAccess::Write);
        }
        if (query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0) {
            *detail = QStringLiteral("the file system does not allow its journal");
            return RecordStatus::Unwritable;
        }
        query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        int foundVersion = kRecordSchemaVersion;
        QSqlError error;
        if (!migrateRecord(database, &foundVersion, &error)) {
            *detail = error.text();
            return statusForFailure(error, RecordAccess::Write);
        }
        if (foundVersion > kRecordSchemaVersion)
            return RecordStatus::NewerSchema;
        if (status == RecordStatus::Ready && foundVersion == 0)
            return RecordStatus::Created;
        if (status == RecordStatus::Ready && foundVersion < kRecordSchemaVersion)
            return RecordStatus::Migrated;
        return status;
    }

    RecordFile &m_file;
};

void openRecordForWriting(RecordFile &file) { RecordOpener(file).openForWriting(); }

void openRecordForReading(RecordFile &file) { RecordOpener(file).openForReading(); }

} // namespace record
