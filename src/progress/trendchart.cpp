// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/trendchart.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QLineSeries>
#include <QLocale>
#include <QValueAxis>

#include <algorithm>

QList<record::TrendDay> everyDay(const QList<record::TrendDay> &days, QDate first, QDate last)
{
    QList<record::TrendDay> all;
    if (!first.isValid() || !last.isValid() || first > last)
        return all;
    auto next = days.cbegin();
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        while (next != days.cend() && next->day < day)
            ++next;
        if (next != days.cend() && next->day == day) {
            all << *next;
        } else {
            record::TrendDay empty;
            empty.day = day;
            all << empty;
        }
    }
    return all;
}

TrendChart::TrendChart(QWidget *parent)
    : QChartView(parent)
    , m_answers(new QBarSet(QStringLiteral("Answers per day")))
    , m_bars(new QBarSeries)
    , m_share(new QLineSeries)
    , m_dayAxis(new QCategoryAxis)
    , m_answerAxis(new QValueAxis)
    , m_shareAxis(new QValueAxis)
{
    setRenderHint(QPainter::Antialiasing);
    auto *chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_answers->setColor(QColor(0x6b, 0x9b, 0xd1));
    m_answers->setBorderColor(QColor(0x6b, 0x9b, 0xd1));
    m_bars->append(m_answers);
    m_bars->setBarWidth(0.8);
    m_share->setName(QStringLiteral("Right at the first try (%)"));
    QPen sharePen(QColor(0x1b, 0x6e, 0x3a));
    sharePen.setWidth(2);
    m_share->setPen(sharePen);
    // A day alone still shows its share, as a point.
    m_share->setPointsVisible(true);
    m_share->setMarkerSize(8);
    chart->addSeries(m_bars);
    chart->addSeries(m_share);

    m_dayAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_dayAxis->setGridLineVisible(false);
    m_answerAxis->setTitleText(QStringLiteral("Answers"));
    m_answerAxis->setLabelFormat(QStringLiteral("%d"));
    m_shareAxis->setTitleText(QStringLiteral("Right at the first try (%)"));
    m_shareAxis->setRange(0, 100);
    m_shareAxis->setLabelFormat(QStringLiteral("%d"));
    m_shareAxis->setGridLineVisible(false);
    chart->addAxis(m_dayAxis, Qt::AlignBottom);
    chart->addAxis(m_answerAxis, Qt::AlignLeft);
    chart->addAxis(m_shareAxis, Qt::AlignRight);
    m_bars->attachAxis(m_dayAxis);
    m_bars->attachAxis(m_answerAxis);
    m_share->attachAxis(m_dayAxis);
    m_share->attachAxis(m_shareAxis);
    setChart(chart);
}

void TrendChart::setDays(const QList<record::TrendDay> &days, std::optional<QDate> start,
                         QDate today)
{
    const QDate first = start ? *start : (days.isEmpty() ? today : days.first().day);
    const QList<record::TrendDay> all =
        everyDay(days, first, std::max(today, days.isEmpty() ? today : days.last().day));

    QList<qreal> answers;
    QList<QPointF> share;
    int most = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const record::TrendDay &day = all.at(i);
        answers << day.answers;
        most = std::max(most, day.answers);
        if (day.firstTries > 0)
            share << QPointF(static_cast<qreal>(i), 100.0 * day.firstTriesRight / day.firstTries);
    }
    m_answers->remove(0, m_answers->count());
    m_answers->append(answers);
    m_share->replace(share);

    // Labels on the days where a week (a month, over long ranges) begins, so that they never crowd.
    for (const QString &label : m_dayAxis->categoriesLabels())
        m_dayAxis->remove(label);
    const bool byMonth = all.size() > 70;
    const QLocale locale;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const QDate day = all.at(i).day;
        const bool mark = byMonth ? day.day() == 1 : day.dayOfWeek() == Qt::Monday;
        if (mark)
            m_dayAxis->append(byMonth ? locale.toString(day, QStringLiteral("MMM yyyy"))
                                      : locale.toString(day, QStringLiteral("d MMM")),
                              static_cast<qreal>(i));
    }
    m_dayAxis->setRange(-0.5, static_cast<qreal>(all.size()) - 0.5);
    // Round ticks, and a scale even for a range without answers.
    m_answerAxis->setRange(0, std::max(10, most));
    m_answerAxis->applyNiceNumbers();
}
