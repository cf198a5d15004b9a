// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progresscommand.h"

#include "progress/recordsnapshot.h"
#include "progress/summarytext.h"
#include "record/recordlocation.h"
#include "version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstring>

namespace {

void print(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

bool wantsCommandLineOnly(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        for (const char *option : {"--summary", "--help", "-h", "--help-all", "--version", "-v"}) {
            if (std::strcmp(argv[i], option) == 0)
                return true;
        }
    }
    return false;
}

QString recordPathOf(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("--record") && i + 1 < arguments.size())
            return arguments[i + 1];
        if (arguments[i].startsWith(QLatin1String("--record=")))
            return arguments[i].sliced(9);
    }
    return record::defaultRecordPath();
}

int runProgressCommand(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Shows what your Vocarra record says: the words you know by "
                       "group and level, your answers over time, the words you miss."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption summary(
        QStringLiteral("summary"),
        QStringLiteral("Print the mastery map and the totals as text, and exit."));
    const QCommandLineOption recordPath(QStringLiteral("record"),
                                        QStringLiteral("Read the record <file>."),
                                        QStringLiteral("file"));
    parser.addOption(summary);
    parser.addOption(recordPath);
    const QString name = QStringLiteral("vocarra-progress");
    if (!parser.parse(arguments)) {
        print(err, QStringLiteral("%1: %2\nTry '%1 --help'.\n").arg(name, parser.errorText()));
        return kExitNoRecord;
    }
    if (parser.isSet(help)) {
        print(out, parser.helpText());
        return kExitOk;
    }
    if (parser.isSet(version)) {
        print(out, QStringLiteral("%1 %2\n").arg(name, QCoreApplication::applicationVersion()));
        return kExitOk;
    }
    if (!parser.positionalArguments().isEmpty()) {
        print(err, QStringLiteral("%1: unexpected argument '%2'\nTry '%1 --help'.\n")
                       .arg(name, parser.positionalArguments().first()));
        return kExitNoRecord;
    }
    const QString path =
        parser.isSet(recordPath) ? parser.value(recordPath) : record::defaultRecordPath();
    const record::RecordFile file = record::RecordFile::openForReading(path);
    const RecordSnapshot snapshot =
        readSnapshot(file, record::TrendRange{30}, QDate::currentDate());
    if (!snapshot.readable) {
        print(err, QStringLiteral("%1: %2\n").arg(name, snapshot.message));
        return kExitNoRecord;
    }
    print(out, summaryText(snapshot, path));
    return kExitOk;
}

void setProgressIdentity()
{
    QCoreApplication::setApplicationName(QStringLiteral("vocarra-progress"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VOCARRA_VERSION));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Vocarra Progress"));
    QGuiApplication::setDesktopFileName(QStringLiteral(VOCARRA_PROGRESS_APP_ID));
}
