// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordschema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QVariant>

#include <functional>

// Files as the learner's disk may hold them, made with a plain SQLite connection of the test's
// own, and a way to look into a record without the record layer.
namespace fixtures {

// Runs `work` on a connection of its own to `path`, closed and removed afterwards.
inline void withDatabase(const QString &path, const std::function<void(QSqlDatabase &)> &work)
{
    static int counter = 0;
    const QString name = QStringLiteral("fixture-%1").arg(++counter);
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        database.setDatabaseName(path);
        QVERIFY2(database.open(), qPrintable(database.lastError().text()));
        work(database);
        database.close();
    }
    QSqlDatabase::removeDatabase(name);
}

inline void exec(QSqlDatabase &database, const QString &sql)
{
    QSqlQuery query(database);
    QVERIFY2(query.exec(sql), qPrintable(sql + QStringLiteral(": ") + query.lastError().text()));
}

// The first value of the first row of `sql` on the record at `path`.
inline QVariant scalar(const QString &path, const QString &sql)
{
    QVariant value;
    withDatabase(path, [&](QSqlDatabase &database) {
        QSqlQuery query(database);
        if (query.exec(sql) && query.next())
            value = query.value(0);
    });
    return value;
}

// A record of the first schema, with the given statements run after it is made.
inline void writeFirstSchemaRecord(const QString &path, const QStringList &statements = {})
{
    withDatabase(path, [&](QSqlDatabase &database) {
        for (const QString &statement : record::migrationStep(0))
            exec(database, statement);
        for (const QString &statement : statements)
            exec(database, statement);
        exec(database,
             QStringLiteral("PRAGMA application_id = %1").arg(record::kRecordApplicationId));
        exec(database, QStringLiteral("PRAGMA user_version = 1"));
    });
}

inline void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fixtures
