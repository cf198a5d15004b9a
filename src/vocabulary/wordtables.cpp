// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary/wordtables.h"

#include "vocabulary/groupwords.h"

namespace vocabulary {

void WordTables::fill(Group group)
{
    std::size_t slot = 0;
    for (const WordPair &pair : groupWords(group)) {
        EnglishWords[slot] = pair.english;
        SpanishWords[slot] = pair.spanish;
        ++slot;
    }
}

} // namespace vocabulary
