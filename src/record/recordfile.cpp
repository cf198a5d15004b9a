// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordfile.h"

#include "record/recordheader.h"
#include "record/recordschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>
#include <optional>

namespace record {
namespace {

// SQLite's primary result codes that decide what a failure means.
enum SqliteCode {
    Busy = 5,
    Locked = 6,
    ReadOnly = 8,
    IoError = 10,
    Corrupt = 11,
    Full = 13,
    CantOpen = 14,
    NotADatabase = 26
};

int sqliteCode(const QSqlError &error) { return error.nativeErrorCode().toInt() & 0xff; }

RecordStatus statusForFailure(const QSqlError &error, RecordAccess access)
{
    switch (sqliteCode(error)) {
    case Busy:
    case Locked: return RecordStatus::Locked;
    case Corrupt:
    case NotADatabase: return RecordStatus::Damaged;
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
            if (!identity) {
                const RecordStatus status = statusForFailure(error, RecordAccess::Write);
                if (status != RecordStatus::Damaged)
                    return m_file.finish(status, error.text());
                return moveAsideAndReconnect();
            }
            const bool blank = identity->applicationId == 0 && identity->userVersion == 0 &&
                               identity->schemaObjects == 0;
            if (!blank && identity->applicationId != kRecordApplicationId)
                return moveAsideAndReconnect();
            if (identity->userVersion > kRecordSchemaVersion)
                return m_file.finish(RecordStatus::NewerSchema);
            if (identity->userVersion == kRecordSchemaVersion &&
                !answersReadable(m_file.database(), &error)) {
                if (statusForFailure(error, RecordAccess::Write) != RecordStatus::Damaged)
                    return m_file.finish(statusForFailure(error, RecordAccess::Write),
                                         error.text());
                return moveAsideAndReconnect();
            }
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
        QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(RecordFile::kBusyTimeoutMs);
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

    // WAL lets the quiz write while a reader reads and survives a kill after any commit;
    // synchronous=NORMAL makes a commit cheap and still keeps it through a crash of the program.
    void prepareForWriting(RecordStatus status)
    {
        QSqlDatabase database = m_file.database();
        QSqlQuery query(database);
        if (!query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) || !query.next())
            return m_file.finish(statusForFailure(query.lastError(), RecordAccess::Write),
                                 query.lastError().text());
        if (query.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) != 0)
            return m_file.finish(RecordStatus::Unwritable,
                                 QStringLiteral("the file system does not allow its journal"));
        query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
        int foundVersion = kRecordSchemaVersion;
        QSqlError error;
        if (!migrateRecord(database, &foundVersion, &error))
            return m_file.finish(statusForFailure(error, RecordAccess::Write), error.text());
        if (foundVersion > kRecordSchemaVersion)
            return m_file.finish(RecordStatus::NewerSchema);
        if (status == RecordStatus::Ready && foundVersion == 0)
            status = RecordStatus::Created;
        else if (status == RecordStatus::Ready && foundVersion < kRecordSchemaVersion)
            status = RecordStatus::Migrated;
        m_file.finish(status);
    }

    RecordFile &m_file;
};

RecordFile::RecordFile(RecordAccess access, const QString &path)
    : m_access(access)
    , m_path(path)
{}

RecordFile RecordFile::openForWriting(const QString &path)
{
    RecordFile file(RecordAccess::Write, path);
    RecordOpener(file).openForWriting();
    return file;
}

RecordFile RecordFile::openForReading(const QString &path)
{
    RecordFile file(RecordAccess::Read, path);
    RecordOpener(file).openForReading();
    return file;
}

RecordFile::RecordFile(RecordFile &&other) noexcept
    : m_access(other.m_access)
    , m_status(other.m_status)
    , m_path(std::move(other.m_path))
    , m_movedAsidePath(std::move(other.m_movedAsidePath))
    , m_detail(std::move(other.m_detail))
    , m_connectionName(std::exchange(other.m_connectionName, QString()))
{}

RecordFile &RecordFile::operator=(RecordFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_access = other.m_access;
        m_status = other.m_status;
        m_path = std::move(other.m_path);
        m_movedAsidePath = std::move(other.m_movedAsidePath);
        m_detail = std::move(other.m_detail);
        m_connectionName = std::exchange(other.m_connectionName, QString());
    }
    return *this;
}

RecordFile::~RecordFile() { close(); }

QSqlDatabase RecordFile::database() const
{
    return isOpen() ? QSqlDatabase::database(m_connectionName, false) : QSqlDatabase();
}

void RecordFile::close()
{
    if (m_connectionName.isEmpty())
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(m_connectionName, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

// Every status but the open ones closes the connection, so that a file left alone is not held.
void RecordFile::finish(RecordStatus status, const QString &detail)
{
    m_status = status;
    m_detail = detail;
    const bool open = status == RecordStatus::Ready || status == RecordStatus::Created ||
                      status == RecordStatus::Migrated || status == RecordStatus::MovedAside;
    if (!open)
        close();
}

QString RecordFile::message() const
{
    const QString path = QDir::toNativeSeparators(m_path);
    const QString because = m_detail.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(m_detail);
    const bool writing = m_access == RecordAccess::Write;
    switch (m_status) {
    case RecordStatus::Ready: return QStringLiteral("Your record is %1.").arg(path);
    case RecordStatus::Created: return QStringLiteral("A new record was started at %1.").arg(path);
    case RecordStatus::Migrated:
        return QStringLiteral("Your record at %1 was brought up to date.").arg(path);
    case RecordStatus::MovedAside:
        return QStringLiteral("%1 was not a readable Vocarra record%2: it was kept as %3 and a new "
                              "record was started.")
            .arg(path, because, QDir::toNativeSeparators(m_movedAsidePath));
    case RecordStatus::Missing:
        return QStringLiteral(
                   "There is no record at %1 yet: answer some questions in Vocarra first.")
            .arg(path);
    case RecordStatus::OlderSchema:
        return QStringLiteral("The record at %1 was written by an earlier Vocarra: start Vocarra "
                              "once to bring it up to date.")
            .arg(path);
    case RecordStatus::NewerSchema:
        return writing
                   ? QStringLiteral("The record at %1 was written by a newer Vocarra: it is left "
                                    "as it is, and answers are not recorded.")
                         .arg(path)
                   : QStringLiteral("The record at %1 was written by a newer Vocarra and "
                                    "cannot be read by this one.")
                         .arg(path);
    case RecordStatus::Damaged:
        return QStringLiteral("The record at %1 cannot be read%2.").arg(path, because);
    case RecordStatus::Locked:
        return writing ? QStringLiteral("The record at %1 is locked by another program%2: answers "
                                        "are not recorded.")
                             .arg(path, because)
                       : QStringLiteral("The record at %1 is locked by another program%2.")
                             .arg(path, because);
    case RecordStatus::Unwritable:
        return QStringLiteral("The record at %1 cannot be written%2: answers are not recorded.")
            .arg(path, because);
    }
    return {};
}

} // namespace record
