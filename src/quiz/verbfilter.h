// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quiz {

// The verb-form choices as the menus show them.
struct VerbFormSettings {
    bool verbsChecked = false;    // "Verbs/Verbos" carries the check mark
    bool noSecondPerson = false;  // "No Second Person" is chosen
    bool infinitivesOnly = false; // "Infinitives and p.p." is chosen
};

// True when a pick must pass over the entry whose English text is `english`. "No Second Person"
// (with the verbs checked) passes over texts beginning with "you"; "Infinitives and p.p." passes
// over texts beginning with "I", "you", "he_(", "we" or "they", in any group, so that while it is
// chosen a noun such as "week" is passed over too.
bool skippedByVerbFilter(std::string_view english, const VerbFormSettings &settings);

} // namespace quiz
