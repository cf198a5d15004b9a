// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the Progress window on a large record: a record of 10^6 answers (or the count given) is
// generated once in a temporary folder, then the window is opened several times, each time up to
// its first paint with every query done. Prints the median and worst opening time and the size of
// the record.
//   build/default/bench/bench_progress [answers [folder]]
// With a folder the record is generated there, as progress.sqlite, and kept.
#include "bench/benchtools.h"
#include "progress/progresswindow.h"
#include "record/recordfile.h"
#include "recordgenerator.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// Notes the first paint of a widget.
class PaintSpy : public QObject
{
public:
    bool painted = false;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return QObject::eventFilter(watched, event);
    }
};

qint64 filesSize(const QString &path)
{
    qint64 size = 0;
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        size += QFileInfo(path + suffix).size();
    return size;
}

} // namespace

int main(int argc, char *argv[])
{
    bench::useOffscreenUnlessSet();
    QApplication application(argc, argv);
    const int answers = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 1000000;

    QTemporaryDir temporary;
    const QString path = QDir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path())
                             .filePath(QStringLiteral("progress.sqlite"));
    QElapsedTimer clock;
    clock.start();
    {
        record::RecordFile file = record::RecordFile::openForWriting(path);
        QSqlDatabase db = file.database();
        if (!file.isOpen() ||
            !bench::fillRecord(db, answers, 730, QDateTime::currentMSecsSinceEpoch())) {
            std::fprintf(stderr, "cannot generate the record: %s\n", qPrintable(file.message()));
            return 1;
        }
        QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
    std::printf("Generated a record of %d answers in %.1f s\n", answers,
                static_cast<double>(clock.elapsed()) / 1000);
    std::printf("Record size: %.1f MB (%.1f MB per 10^6 answers)\n",
                static_cast<double>(filesSize(path)) / 1e6,
                static_cast<double>(filesSize(path)) / 1e6 * 1e6 / answers);

    std::vector<double> openings;
    for (int run = 0; run < 7; ++run) {
        clock.restart();
        ProgressWindow window(path);
        PaintSpy spy;
        auto *map = window.findChild<QTableView *>(QStringLiteral("masteryMap"));
        map->viewport()->installEventFilter(&spy);
        window.show();
        while (!spy.painted)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        openings.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        if (!window.snapshot().readable) {
            std::fprintf(stderr, "the window could not read the record: %s\n",
                         qPrintable(window.snapshot().message));
            return 1;
        }
    }
    std::printf("Opening the Progress window (to its first paint, every query done), %zu runs: "
                "median %.1f ms, "
                "worst %.1f ms\n",
                openings.size(), bench::medianOf(openings),
                *std::max_element(openings.begin(), openings.end()));
    return 0;
}
