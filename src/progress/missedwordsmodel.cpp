// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/missedwordsmodel.h"

#include "progress/masterymodel.h"
#include "vocabulary/cp1252.h"
#include "vocabulary/groupwords.h"

#include <QLocale>

namespace {

const vocabulary::WordPair *pairOf(const record::MissedWord &word)
{
    const std::span<const vocabulary::WordPair> words = vocabulary::groupWords(word.group);
    if (word.position < 0 || static_cast<std::size_t>(word.position) >= words.size())
        return nullptr;
    return &words[static_cast<std::size_t>(word.position)];
}

// The date and the minute, without the seconds that some locales' short format keeps.
QString lastSeenText(const QDateTime &utc)
{
    const QDateTime local = utc.toLocalTime();
    const QLocale locale;
    return locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(local.time(), QStringLiteral("HH:mm"));
}

// A stored Windows-1252 entry as the quiz shows it.
QString entryText(std::string_view cp1252)
{
    return QString::fromStdString(vocabulary::cp1252ToUtf8(cp1252));
}

// The English and the Spanish entry of the word, as the quiz shows them; empty for a position
// outside its group.
QString englishOf(const record::MissedWord &word)
{
    const vocabulary::WordPair *pair = pairOf(word);
    return pair ? entryText(pair->english.text()) : QString();
}

QString spanishOf(const record::MissedWord &word)
{
    const vocabulary::WordPair *pair = pairOf(word);
    return pair ? entryText(pair->spanish.text()) : QString();
}

} // namespace

void MissedWordsModel::setWords(const QList<record::MissedWord> &words)
{
    beginResetModel();
    m_words = words;
    endResetModel();
}

int MissedWordsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_words.size());
}

int MissedWordsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MissedWordsModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const record::MissedWord &word = m_words.at(index.row());
    if (role == Qt::TextAlignmentRole && (index.column() == TimesMissed))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != SortRole && role != Qt::AccessibleTextRole)
        return {};
    const bool sorting = role == SortRole;
    switch (index.column()) {
    case English: return sorting ? QVariant(englishOf(word).toLower()) : QVariant(englishOf(word));
    case Spanish: return sorting ? QVariant(spanishOf(word).toLower()) : QVariant(spanishOf(word));
    case GroupColumn:
        return sorting ? QVariant(static_cast<int>(word.group)) : QVariant(groupName(word.group));
    case Level: return sorting ? QVariant(word.level) : QVariant(levelName(word.level));
    case TimesMissed: return word.timesMissed;
    case LastSeen: return sorting ? QVariant(word.lastSeen) : QVariant(lastSeenText(word.lastSeen));
    default: return {};
    }
}

QVariant MissedWordsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case English: return QStringLiteral("English");
    case Spanish: return QStringLiteral("Spanish");
    case GroupColumn: return QStringLiteral("Group");
    case Level: return QStringLiteral("Level");
    case TimesMissed: return QStringLiteral("Times missed");
    case LastSeen: return QStringLiteral("Last seen");
    default: return {};
    }
}
