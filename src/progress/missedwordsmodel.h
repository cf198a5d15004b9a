// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordqueries.h"

#include <QAbstractTableModel>

// The words you miss, one row each: English and Spanish as the quiz shows them, the group, the
// level, how often missed and when last seen. SortRole gives each column's value in an order that
// sorts right (levels by number, times as times).
class MissedWordsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { English, Spanish, GroupColumn, Level, TimesMissed, LastSeen, ColumnCount };
    static constexpr int SortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setWords(const QList<record::MissedWord> &words);
    const QList<record::MissedWord> &words() const { return m_words; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<record::MissedWord> m_words;
};
