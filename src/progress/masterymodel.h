// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordqueries.h"

#include <QAbstractTableModel>

// The mastery map as a table: a row per word group, a column per level and a last column for all
// levels of the group. Each cell writes "known / total", is coloured from none to all, and says
// the same in words in its tooltip and accessible text.
class MasteryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int kAllLevelsColumn = vocabulary::kLevelCount;

    using QAbstractTableModel::QAbstractTableModel;

    void setMap(const record::MasteryMap &map, record::DirectionFilter filter);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cell at `index`: one level of a group, or the group's sum over all levels.
    record::MasteryCell cellAt(const QModelIndex &index) const;
    // The cell in words: "Nouns, 300 Words: you know 12 of 53 words, English to Spanish."
    QString cellDescription(const QModelIndex &index) const;

private:
    record::MasteryMap m_map;
    record::DirectionFilter m_filter = record::DirectionFilter::EnglishToSpanish;
};

// "English to Spanish", "Spanish to English", "either direction".
QString directionFilterText(record::DirectionFilter filter);
// The group's name as the quiz writes it in its group box.
QString groupName(vocabulary::Group group);
// "100 Words" .. "1000 Words".
QString levelName(int level);
