// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The learner's choice whether the quiz keeps a record of the answers. Stored in
// $XDG_CONFIG_HOME/vocarra/vocarra.conf (INI), key record/enabled; on unless the learner turned it
// off.
namespace record {

bool recordingEnabled();
void setRecordingEnabled(bool enabled);

} // namespace record
