// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Forgetting the learner's record: every answer and every session is deleted in one transaction,
// and the pages they lay on are overwritten, so that nothing of them stays in the file. The file
// itself stays: a Vocarra window may be recording at this moment, and its connection must stay
// valid so that its next answers are still recorded.
namespace record {

// Forgets the record at `path`. A missing file is nothing to forget and succeeds; a file that is
// not a record of this version is left alone and fails. On failure `error` says why.
bool forgetRecord(const QString &path, QString *error = nullptr);

} // namespace record
