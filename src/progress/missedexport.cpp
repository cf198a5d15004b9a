// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/missedexport.h"

#include "pairselection.h"
#include "safewrite.h"
#include "wordlist.h"

#include <QFileInfo>

#include <vector>

namespace {

struct FormatName {
    wordlist::Format format;
    const char *filter;
    const char *suffix;
};

constexpr std::array kFormats{
    FormatName{wordlist::Format::Tsv, "Tab-separated values (*.tsv)", "tsv"},
    FormatName{wordlist::Format::Csv, "Comma-separated values (*.csv)", "csv"},
    FormatName{wordlist::Format::Kvtml, "KVTML vocabulary document (*.kvtml)", "kvtml"},
    FormatName{wordlist::Format::Anki, "Anki note list (*.txt)", "txt"},
};

} // namespace

QStringList exportFileFilters()
{
    QStringList filters;
    for (const FormatName &name : kFormats)
        filters << QString::fromLatin1(name.filter);
    return filters;
}

wordlist::Format formatForExport(const QString &path, const QString &filter)
{
    for (const FormatName &name : kFormats) {
        if (filter == QLatin1String(name.filter))
            return name.format;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const FormatName &name : kFormats) {
        if (suffix == QLatin1String(name.suffix))
            return name.format;
    }
    return wordlist::Format::Tsv;
}

std::string missedExportText(const QList<record::MissedWord> &words, wordlist::Format format)
{
    std::vector<wordlist::PairKey> keys;
    keys.reserve(static_cast<std::size_t>(words.size()));
    for (const record::MissedWord &word : words)
        keys.push_back({word.group, word.position});
    return wordlist::formatText(format, wordlist::pickPairs(keys, format).blocks,
                                "Vocarra: the words you miss");
}

bool writeMissedWords(const QList<record::MissedWord> &words, const QString &path,
                      wordlist::Format format, QString *error)
{
    const std::optional<std::string> failure =
        wordlist::writeFileSafely(path, missedExportText(words, format));
    if (failure && error)
        *error = QString::fromStdString(*failure);
    return !failure;
}
