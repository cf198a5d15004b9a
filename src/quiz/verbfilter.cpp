// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/verbfilter.h"

namespace quiz {

bool skippedByVerbFilter(std::string_view english, const VerbFormSettings &settings)
{
    if (settings.verbsChecked && settings.noSecondPerson && english.starts_with("you"))
        return true;
    if (settings.infinitivesOnly) {
        for (std::string_view subject : {"I", "you", "he_(", "we", "they"}) {
            if (english.starts_with(subject))
                return true;
        }
    }
    return false;
}

} // namespace quiz
