// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The text of an HTML fragment, for a box that takes plain text only. One pass over the markup,
// whatever its size or nesting: tags are dropped, block ends become line breaks, runs of white
// space one blank, the common character references are decoded, and the content of script, style,
// head and title elements and of comments is left out. It stops once `limit` characters of text
// are collected.
QString plainTextOfHtml(QStringView html, qsizetype limit);
