// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The Western (Windows-1252) character set in which every word entry is stored, one byte per
// character, so that á é í ó ú ñ each take a single byte and compare byte for byte.
namespace vocabulary {

// The Unicode code point of a Windows-1252 byte. The five bytes the set leaves unassigned map to
// the control characters of the same number, as Windows does.
char32_t decodeCp1252(unsigned char byte);

// The Windows-1252 byte of a code point, or nothing when the set cannot hold it.
std::optional<unsigned char> encodeCp1252(char32_t codePoint);

// Converts UTF-8 text (the word lists are written in UTF-8) to Windows-1252. Code points the set
// cannot hold become '?'; the word lists contain none, which a test checks.
std::string utf8ToCp1252(std::string_view utf8);

// Converts Windows-1252 bytes to UTF-8, for output outside the program (the word-list export).
std::string cp1252ToUtf8(std::string_view cp1252);

} // namespace vocabulary
