// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/recordsnapshot.h"

#include <QMainWindow>

#include <functional>

class MasteryModel;
class MissedWordsModel;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTabWidget;
class QTableView;
class RecordWatcher;
class TrendChart;

// The Progress window: what the learner's record says, as a mastery map by group and level, a
// trend over the days, and the words missed; with the learner's two decisions, keeping a record
// and forgetting it. It only reads the record (forgetting aside), follows it while Vocarra
// records, and never creates it.
class ProgressWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit ProgressWindow(const QString &recordPath, QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // How the window asks before forgetting, and where an export goes; the tests answer these.
    using Confirmation = std::function<bool(const QString &question)>;
    using SavePathChooser = std::function<QString(QString *selectedFilter)>;
    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }
    void setSavePathChooser(SavePathChooser choose) { m_chooseSavePath = std::move(choose); }

    const RecordSnapshot &snapshot() const { return m_snapshot; }

    // Reads the record again and shows it.
    void refresh();
    // Asks, then forgets the record.
    void forgetRecord();
    // Writes the selected missed words, or all when none is selected, to a file the learner names.
    void exportMissed();

private:
    void buildMenus();
    QWidget *buildMasteryPage();
    QWidget *buildTrendPage();
    QWidget *buildMissedPage();
    void showSnapshot();
    void showMap();
    void showStatus();
    record::TrendRange trendRange() const;
    QList<record::MissedWord> chosenMissedWords() const;

    RecordWatcher *m_watcher;
    RecordSnapshot m_snapshot;
    Confirmation m_confirm;
    SavePathChooser m_chooseSavePath;

    QLabel *m_status;
    QTabWidget *m_tabs;
    QComboBox *m_direction;
    MasteryModel *m_masteryModel;
    QTableView *m_map;
    QComboBox *m_range;
    TrendChart *m_trend;
    MissedWordsModel *m_missedModel;
    QSortFilterProxyModel *m_missedSorted;
    QTableView *m_missed;
    QLabel *m_missedCount;
    QPushButton *m_export;
    QCheckBox *m_keepRecord;
    QPushButton *m_forget;
};
