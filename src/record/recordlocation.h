// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace record {

// Where the learner's record lives: $XDG_DATA_HOME/vocarra/progress.sqlite, or
// ~/.local/share/vocarra/progress.sqlite when XDG_DATA_HOME is unset or empty. Computed from the
// environment alone: no file is touched.
QString defaultRecordPath();

} // namespace record
