// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>

// Fills an empty record with a learner's invented history, in one transaction: `answers` answers
// in sessions of about a hundred, spread over the `days` days before `endMs`, more of them on the
// low levels, right more often on the words seen before.
namespace bench {

bool fillRecord(QSqlDatabase &db, int answers, int days, qint64 endMs, unsigned seed = 1);

} // namespace bench
