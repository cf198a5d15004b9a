// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pairselection.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// The words the learner still misses, read from the learner's record: those whose latest answer
// at the first try, in at least one direction, was wrong or a Peek.
namespace wordlist {

struct MissedSelection {
    std::vector<PairKey> keys;
    std::string error; // why the record cannot be read; empty when it was read
};

// The missed words of the record at `recordPath`, only those of `group` and only those new at
// `level` when given. The record is read only, never created or changed.
MissedSelection missedPairs(const QString &recordPath, std::optional<vocabulary::Group> group,
                            std::optional<int> level);

} // namespace wordlist
