// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/progresswindow.h"

#include "progress/masterymodel.h"
#include "progress/missedexport.h"
#include "progress/missedwordsmodel.h"
#include "progress/recordwatcher.h"
#include "progress/trendchart.h"
#include "record/recordfile.h"
#include "record/recordforget.h"
#include "record/recordsettings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr std::array kDirections{record::DirectionFilter::EnglishToSpanish,
                                 record::DirectionFilter::SpanishToEnglish,
                                 record::DirectionFilter::Either};
constexpr std::array kRanges{30, 90, 0}; // days; 0 for the whole record

QString percentText(qint64 part, qint64 whole)
{
    return QLocale().toString(
               whole > 0 ? qRound(100.0 * static_cast<double>(part) / static_cast<double>(whole))
                         : 0) +
           QLatin1Char('%');
}

} // namespace

ProgressWindow::ProgressWindow(const QString &recordPath, QWidget *parent)
    : QMainWindow(parent)
    , m_watcher(new RecordWatcher(recordPath, this))
{
    setWindowTitle(QStringLiteral("Vocarra Progress"));
    m_confirm = [this](const QString &question) {
        return QMessageBox::question(this, windowTitle(), question,
                                     QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    m_chooseSavePath = [this](QString *selectedFilter) {
        return QFileDialog::getSaveFileName(
            this, QStringLiteral("Export the words you miss"),
            QDir::home().filePath(QStringLiteral("missed-words.tsv")),
            exportFileFilters().join(QStringLiteral(";;")), selectedFilter);
    };

    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    m_status = new QLabel;
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_status);

    m_tabs = new QTabWidget;
    m_tabs->addTab(buildMasteryPage(), QStringLiteral("&Mastery"));
    m_tabs->addTab(buildTrendPage(), QStringLiteral("&Trend"));
    m_tabs->addTab(buildMissedPage(), QStringLiteral("&Words you miss"));
    layout->addWidget(m_tabs, 1);

    auto *decisions = new QHBoxLayout;
    m_keepRecord = new QCheckBox(QStringLiteral("&Keep a record of my answers"));
    m_keepRecord->setChecked(record::recordingEnabled());
    m_keepRecord->setToolTip(
        QStringLiteral("Vocarra reads this when it starts. Nothing leaves this computer."));
    connect(m_keepRecord, &QCheckBox::toggled, this, [this](bool on) {
        record::setRecordingEnabled(on);
        showStatus();
    });
    m_forget = new QPushButton(QStringLiteral("&Forget my record…"));
    connect(m_forget, &QPushButton::clicked, this, &ProgressWindow::forgetRecord);
    decisions->addWidget(m_keepRecord);
    decisions->addStretch(1);
    decisions->addWidget(m_forget);
    layout->addLayout(decisions);
    setCentralWidget(central);

    buildMenus();
    connect(m_watcher, &RecordWatcher::changed, this, &ProgressWindow::refresh);
    resize(1100, 620);
    refresh();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction *exportAction = file->addAction(QStringLiteral("&Export the words you miss…"), this,
                                            &ProgressWindow::exportMissed);
    exportAction->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("&Refresh"), QKeySequence::Refresh, this,
                    &ProgressWindow::refresh);
    file->addSeparator();
    file->addAction(QStringLiteral("&Forget my record…"), this, &ProgressWindow::forgetRecord);
    file->addSeparator();
    file->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

QWidget *ProgressWindow::buildMasteryPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *chooser = new QHBoxLayout;
    m_direction = new QComboBox;
    m_direction->setObjectName(QStringLiteral("direction"));
    m_direction->addItems({QStringLiteral("English to Spanish"),
                           QStringLiteral("Spanish to English"),
                           QStringLiteral("Either direction")});
    auto *label = new QLabel(QStringLiteral("&Direction:"));
    label->setBuddy(m_direction);
    chooser->addWidget(label);
    chooser->addWidget(m_direction);
    chooser->addStretch(1);
    layout->addLayout(chooser);

    m_masteryModel = new MasteryModel(this);
    m_map = new QTableView;
    m_map->setObjectName(QStringLiteral("masteryMap"));
    m_map->setAccessibleName(QStringLiteral("Mastery map"));
    m_map->setModel(m_masteryModel);
    m_map->setSelectionMode(QAbstractItemView::SingleSelection);
    m_map->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_map->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_map->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_map->setMinimumHeight(7 * 32);
    // A cell's number stays on one line and whole; a narrow window elides the headings first.
    m_map->setWordWrap(false);
    m_map->horizontalHeader()->setMinimumSectionSize(
        m_map->fontMetrics().horizontalAdvance(QStringLiteral("2588 / 2588")) + 8);
    layout->addWidget(m_map, 1);
    auto *legend = new QLabel(QStringLiteral("Each cell: the words you know out of the words that "
                                             "are new at that level. You know a word "
                                             "when your latest answer to it at the first try was "
                                             "right; with either direction, when that "
                                             "holds one way or the other."));
    legend->setWordWrap(true);
    layout->addWidget(legend);
    connect(m_direction, &QComboBox::currentIndexChanged, this, &ProgressWindow::showMap);
    return page;
}

QWidget *ProgressWindow::buildTrendPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *chooser = new QHBoxLayout;
    m_range = new QComboBox;
    m_range->setObjectName(QStringLiteral("range"));
    m_range->addItems(
        {QStringLiteral("Last 30 days"), QStringLiteral("Last 90 days"), QStringLiteral("All")});
    auto *label = new QLabel(QStringLiteral("&Range:"));
    label->setBuddy(m_range);
    chooser->addWidget(label);
    chooser->addWidget(m_range);
    chooser->addStretch(1);
    layout->addLayout(chooser);
    m_trend = new TrendChart;
    m_trend->setObjectName(QStringLiteral("trendChart"));
    m_trend->setAccessibleName(
        QStringLiteral("Answers per day and the share right at the first try"));
    layout->addWidget(m_trend, 1);
    connect(m_range, &QComboBox::currentIndexChanged, this, &ProgressWindow::refresh);
    return page;
}

QWidget *ProgressWindow::buildMissedPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_missedModel = new MissedWordsModel(this);
    m_missedSorted = new QSortFilterProxyModel(this);
    m_missedSorted->setSourceModel(m_missedModel);
    m_missedSorted->setSortRole(MissedWordsModel::SortRole);
    m_missed = new QTableView;
    m_missed->setObjectName(QStringLiteral("missedWords"));
    m_missed->setAccessibleName(QStringLiteral("Words you miss"));
    m_missed->setModel(m_missedSorted);
    m_missed->setSortingEnabled(true);
    m_missed->sortByColumn(MissedWordsModel::TimesMissed, Qt::DescendingOrder);
    m_missed->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_missed->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_missed->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_missed->verticalHeader()->hide();
    m_missed->verticalHeader()->setDefaultSectionSize(m_missed->fontMetrics().height() + 8);
    m_missed->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_missed->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_missed, 1);
    auto *row = new QHBoxLayout;
    m_missedCount = new QLabel;
    m_export = new QPushButton(QStringLiteral("&Export…"));
    m_export->setToolTip(
        QStringLiteral("Writes the selected words, or all of them when none is selected, "
                       "as TSV, CSV, KVTML or an Anki note list"));
    connect(m_export, &QPushButton::clicked, this, &ProgressWindow::exportMissed);
    row->addWidget(m_missedCount, 1);
    row->addWidget(m_export);
    layout->addLayout(row);
    return page;
}

record::TrendRange ProgressWindow::trendRange() const
{
    const int days = kRanges[static_cast<std::size_t>(std::max(0, m_range->currentIndex()))];
    return days > 0 ? record::TrendRange{days} : record::TrendRange{};
}

void ProgressWindow::refresh()
{
    m_snapshot = readSnapshot(m_watcher->file(), trendRange(), QDate::currentDate());
    showSnapshot();
}

void ProgressWindow::showSnapshot()
{
    showMap();
    m_trend->setDays(m_snapshot.trend, record::trendStart(trendRange(), QDate::currentDate()),
                     QDate::currentDate());
    if (m_missedModel->words() != m_snapshot.missed) {
        m_missedModel->setWords(m_snapshot.missed);
        m_missed->resizeColumnsToContents();
    }
    m_missedCount->setText(
        m_snapshot.missed.isEmpty()
            ? QStringLiteral("No words missed: every word's latest first try was right.")
            : QStringLiteral("%1 words whose latest first try was wrong or a Peek, in at "
                             "least one direction. Click a heading to sort.")
                  .arg(m_snapshot.missed.size()));
    m_export->setEnabled(!m_snapshot.missed.isEmpty());
    m_forget->setEnabled(m_snapshot.readable);
    showStatus();
}

void ProgressWindow::showMap()
{
    const auto filter =
        kDirections[static_cast<std::size_t>(std::max(0, m_direction->currentIndex()))];
    m_masteryModel->setMap(m_snapshot.mastery.map(filter), filter);
}

void ProgressWindow::showStatus()
{
    QStringList lines;
    if (m_snapshot.readable) {
        const record::Totals &totals = m_snapshot.totals;
        const record::MasteryCell known = m_snapshot.mastery.either.sum();
        const QLocale locale;
        QString since;
        if (totals.firstAnswer)
            since = QStringLiteral(" since %1")
                        .arg(locale.toString(totals.firstAnswer->toLocalTime().date(),
                                             QLocale::LongFormat));
        const auto counted = [&locale](qint64 count, const QString &one, const QString &many) {
            return locale.toString(count) + QLatin1Char(' ') + (count == 1 ? one : many);
        };
        lines << QStringLiteral("<b>You know %1 of %2 words</b> (in either direction). %3 in %4%5; "
                                "%6 right at the first try.")
                     .arg(locale.toString(known.known), locale.toString(known.total),
                          counted(totals.answers, QStringLiteral("answer"),
                                  QStringLiteral("answers")),
                          counted(totals.sessions, QStringLiteral("session"),
                                  QStringLiteral("sessions")),
                          since, percentText(totals.firstTriesRight, totals.firstTries));
        lines << QStringLiteral("Your record is %1.")
                     .arg(QDir::toNativeSeparators(m_watcher->path()).toHtmlEscaped());
    } else {
        lines << QStringLiteral("<b>%1</b>").arg(m_snapshot.message.toHtmlEscaped());
    }
    for (const QString &kept : record::setAsideFiles(m_watcher->path()))
        lines << QStringLiteral("A file that was no readable record was kept as %1.")
                     .arg(QDir::toNativeSeparators(kept).toHtmlEscaped());
    if (!m_keepRecord->isChecked())
        lines << QStringLiteral(
            "Recording is off: Vocarra adds nothing to your record from its next start.");
    m_status->setText(lines.join(QStringLiteral("<br>")));
}

void ProgressWindow::forgetRecord()
{
    if (!m_confirm(QStringLiteral("Forget every answer in your record? This cannot be undone.")))
        return;
    QString error;
    if (!record::forgetRecord(m_watcher->path(), &error))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("Your record could not be forgotten: %1").arg(error));
    m_watcher->reopen();
}

QList<record::MissedWord> ProgressWindow::chosenMissedWords() const
{
    const QModelIndexList rows =
        m_missed->selectionModel() ? m_missed->selectionModel()->selectedRows() : QModelIndexList();
    if (rows.isEmpty())
        return m_missedModel->words();
    QList<record::MissedWord> chosen;
    for (const QModelIndex &row : rows)
        chosen << m_missedModel->words().at(m_missedSorted->mapToSource(row).row());
    return chosen;
}

void ProgressWindow::exportMissed()
{
    const QList<record::MissedWord> words = chosenMissedWords();
    if (words.isEmpty())
        return;
    QString filter;
    const QString path = m_chooseSavePath(&filter);
    if (path.isEmpty())
        return;
    QString error;
    if (!writeMissedWords(words, path, formatForExport(path, filter), &error))
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("The words could not be written: %1").arg(error));
}
