// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/masterymodel.h"

#include "progress/masterycolour.h"

#include <QBrush>

namespace {

vocabulary::Group groupOfRow(int row) { return vocabulary::kGroups[static_cast<std::size_t>(row)]; }

QString fromView(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString directionFilterText(record::DirectionFilter filter)
{
    switch (filter) {
    case record::DirectionFilter::EnglishToSpanish: return QStringLiteral("English to Spanish");
    case record::DirectionFilter::SpanishToEnglish: return QStringLiteral("Spanish to English");
    case record::DirectionFilter::Either: break;
    }
    return QStringLiteral("either direction");
}

QString groupName(vocabulary::Group group) { return fromView(vocabulary::groupBoxText(group)); }

QString levelName(int level) { return fromView(vocabulary::levelText(level)); }

void MasteryModel::setMap(const record::MasteryMap &map, record::DirectionFilter filter)
{
    m_map = map;
    m_filter = filter;
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

int MasteryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : vocabulary::kGroupCount;
}

int MasteryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : vocabulary::kLevelCount + 1;
}

record::MasteryCell MasteryModel::cellAt(const QModelIndex &index) const
{
    const vocabulary::Group group = groupOfRow(index.row());
    return index.column() < vocabulary::kLevelCount ? m_map.cell(group, index.column())
                                                    : m_map.groupSum(group);
}

QString MasteryModel::cellDescription(const QModelIndex &index) const
{
    const record::MasteryCell cell = cellAt(index);
    const QString where =
        index.column() < vocabulary::kLevelCount
            ? QStringLiteral("%1, %2").arg(groupName(groupOfRow(index.row())),
                                           levelName(index.column()))
            : QStringLiteral("%1, all levels").arg(groupName(groupOfRow(index.row())));
    if (cell.total == 0)
        return QStringLiteral("%1: no words are new at this level.").arg(where);
    return QStringLiteral("%1: you know %2 of %3 words, %4; %5 answered at the first try.")
        .arg(where)
        .arg(cell.known)
        .arg(cell.total)
        .arg(directionFilterText(m_filter))
        .arg(cell.seen);
}

QVariant MasteryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const record::MasteryCell cell = cellAt(index);
    const QColor fill = cell.total > 0 ? masteryFill(cell.known, cell.total) : emptyCellFill();
    switch (role) {
    case Qt::DisplayRole:
        return cell.total > 0 ? QStringLiteral("%1 / %2").arg(cell.known).arg(cell.total)
                              : QStringLiteral("no words");
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: return cellDescription(index);
    case Qt::BackgroundRole:
        return QBrush(fill, cell.total > 0 ? Qt::SolidPattern : Qt::BDiagPattern);
    case Qt::ForegroundRole:
        return QBrush(cell.total > 0 ? textColourOn(fill) : QColor(0x50, 0x50, 0x50));
    case Qt::TextAlignmentRole: return QVariant::fromValue(Qt::AlignCenter);
    default: return {};
    }
}

QVariant MasteryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section >= 0 && section < vocabulary::kGroupCount ? groupName(groupOfRow(section))
                                                                 : QVariant();
    if (section == kAllLevelsColumn)
        return QStringLiteral("All levels");
    return section >= 0 && section < vocabulary::kLevelCount ? levelName(section) : QVariant();
}
