// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordqueries.h"

#include <QChartView>

#include <optional>

class QBarSet;
class QBarSeries;
class QCategoryAxis;
class QLineSeries;
class QValueAxis;

// The trend: a bar per day for the answers given that day and a line for the share right at the
// first try, one bar per local day from the range's first day (or the record's first) to today.
class TrendChart : public QChartView
{
    Q_OBJECT

public:
    explicit TrendChart(QWidget *parent = nullptr);

    // Shows `days` (only days with answers) over the days from `start` (nothing: the first of
    // `days`) to `today`.
    void setDays(const QList<record::TrendDay> &days, std::optional<QDate> start, QDate today);

private:
    QBarSet *m_answers;
    QBarSeries *m_bars;
    QLineSeries *m_share;
    QCategoryAxis *m_dayAxis;
    QValueAxis *m_answerAxis;
    QValueAxis *m_shareAxis;
};

// Every day from `first` to `last`, with the figures of `days` where it has them and zeros
// elsewhere.
QList<record::TrendDay> everyDay(const QList<record::TrendDay> &days, QDate first, QDate last);
