// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace vocabulary {

// One slot of a word table: a counted string of at most 37 Windows-1252 bytes. Entries are
// compared and searched byte for byte; they are decoded to Unicode only when shown.
struct WordEntry {
    static constexpr std::size_t kCapacity = 37;

    std::uint8_t length = 0;
    std::array<char, kCapacity> bytes{};

    // Stores `cp1252`, cut to the capacity as a counted string assignment would cut it.
    static WordEntry fromBytes(std::string_view cp1252)
    {
        WordEntry entry;
        entry.length = static_cast<std::uint8_t>(std::min(cp1252.size(), kCapacity));
        std::copy_n(cp1252.begin(), entry.length, entry.bytes.begin());
        return entry;
    }

    std::string_view text() const { return {bytes.data(), length}; }
    bool empty() const { return length == 0; }
};

} // namespace vocabulary
