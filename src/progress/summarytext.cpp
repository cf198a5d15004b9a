// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/summarytext.h"

#include "progress/masterymodel.h"

#include <QDir>

namespace {

constexpr int kNameWidth = 14;
constexpr int kCellWidth = 10;

QString cellText(const record::MasteryCell &cell)
{
    return cell.total > 0 ? QStringLiteral("%1/%2").arg(cell.known).arg(cell.total)
                          : QStringLiteral("-");
}

QString percent(qint64 part, qint64 whole)
{
    return whole > 0 ? QStringLiteral("%1%").arg(
                           qRound(100.0 * static_cast<double>(part) / static_cast<double>(whole)))
                     : QStringLiteral("-");
}

} // namespace

QString masteryTable(const record::MasteryMap &map)
{
    QString text = QString().leftJustified(kNameWidth);
    for (int level = 0; level < vocabulary::kLevelCount; ++level)
        text += levelName(level).section(QLatin1Char(' '), 0, 0).rightJustified(kCellWidth);
    text += QStringLiteral("All").rightJustified(kCellWidth) + QLatin1Char('\n');
    std::array<record::MasteryCell, vocabulary::kLevelCount + 1> columnSums{};
    for (vocabulary::Group group : vocabulary::kGroups) {
        text += groupName(group).leftJustified(kNameWidth);
        for (int level = 0; level < vocabulary::kLevelCount; ++level) {
            const record::MasteryCell &cell = map.cell(group, level);
            text += cellText(cell).rightJustified(kCellWidth);
            columnSums[static_cast<std::size_t>(level)].known += cell.known;
            columnSums[static_cast<std::size_t>(level)].total += cell.total;
        }
        text += cellText(map.groupSum(group)).rightJustified(kCellWidth) + QLatin1Char('\n');
    }
    text += QStringLiteral("All groups").leftJustified(kNameWidth);
    const record::MasteryCell all = map.sum();
    columnSums.back() = all;
    for (const record::MasteryCell &cell : columnSums)
        text += cellText(cell).rightJustified(kCellWidth);
    return text + QLatin1Char('\n');
}

QString summaryText(const RecordSnapshot &snapshot, const QString &recordPath)
{
    const record::Totals &totals = snapshot.totals;
    QString text = QStringLiteral("Record: %1\n").arg(QDir::toNativeSeparators(recordPath));
    text += QStringLiteral("Answers: %1 (Peeks: %2), sessions: %3\n")
                .arg(totals.answers)
                .arg(totals.peeks)
                .arg(totals.sessions);
    text += QStringLiteral("Right at the first try: %1 of %2 first tries (%3)\n")
                .arg(totals.firstTriesRight)
                .arg(totals.firstTries)
                .arg(percent(totals.firstTriesRight, totals.firstTries));
    if (totals.firstAnswer && totals.lastAnswer)
        text += QStringLiteral("First answer: %1, latest answer: %2\n")
                    .arg(totals.firstAnswer->toLocalTime().toString(Qt::ISODate),
                         totals.lastAnswer->toLocalTime().toString(Qt::ISODate));
    text += QStringLiteral("Words you miss: %1\n").arg(snapshot.missed.size());
    for (record::DirectionFilter filter :
         {record::DirectionFilter::EnglishToSpanish, record::DirectionFilter::SpanishToEnglish,
          record::DirectionFilter::Either}) {
        const record::MasteryMap &map = snapshot.mastery.map(filter);
        const record::MasteryCell all = map.sum();
        text += QStringLiteral("\nWords you know, %1: %2 of %3 (%4)\n")
                    .arg(directionFilterText(filter))
                    .arg(all.known)
                    .arg(all.total)
                    .arg(percent(all.known, all.total));
        text += masteryTable(map);
    }
    return text;
}
