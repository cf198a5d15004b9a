// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string>
#include <string_view>

// The edge between the window's Unicode text and the word tables' Windows-1252 bytes.

// Decodes a table entry for display.
QString entryToQString(std::string_view cp1252);

// Encodes typed text for judging, composed (NFC) first. A character that Windows-1252 cannot hold
// becomes a NUL byte, which no entry contains, so an answer holding one can never match.
std::string answerToCp1252(const QString &text);
