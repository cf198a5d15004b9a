// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "progress/recordsnapshot.h"

#include <QString>

// The record as plain text for scripts and terminals: the totals, then the mastery map for each
// direction as "known/total" by group and level.
QString summaryText(const RecordSnapshot &snapshot, const QString &recordPath);

// The map of one direction as lines of fixed-width columns.
QString masteryTable(const record::MasteryMap &map);
