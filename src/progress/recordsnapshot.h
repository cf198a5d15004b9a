// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordfile.h"
#include "record/recordqueries.h"

#include <QString>

#include <optional>

// Everything the Progress window and the summary show, read from the record in one go.
struct RecordSnapshot {
    record::RecordStatus status = record::RecordStatus::Missing;
    QString message; // the opening's one line, or what a query failed with
    bool readable = false;
    record::Mastery mastery = record::emptyMastery(); // all unknown until the record says more
    record::Totals totals;
    QList<record::TrendDay> trend;
    QList<record::MissedWord> missed;
};

// Reads every figure of the open record `file`; on a failed query the snapshot is not readable and
// its message says why.
RecordSnapshot readSnapshot(const record::RecordFile &file, record::TrendRange range, QDate today);
