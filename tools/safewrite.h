// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

namespace wordlist {

// Writes `text` as the file `path`, so that `path` only ever names the old file or the whole new
// one: the text goes into a new file beside it, which is synced and then renamed over `path`.
// When anything fails, the new file is removed and `path` is left as it was. A path that names a
// device or a pipe (/dev/stdout, a FIFO) cannot be replaced and is written in place. A symbolic
// link keeps pointing where it did: its target is replaced, with the target's permissions.
// Returns nothing on success, otherwise the reason, as the system gives it.
std::optional<std::string> writeFileSafely(const QString &path, std::string_view text);

} // namespace wordlist
