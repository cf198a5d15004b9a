// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/recordfile.h"

// The steps behind RecordFile::openForWriting and openForReading; they leave `file` in its final
// state, open or closed, with its status and detail.
namespace record {

void openRecordForWriting(RecordFile &file);
void openRecordForReading(RecordFile &file);

} // namespace record
