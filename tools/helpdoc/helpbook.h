// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The help document: its Markdown source with the pictures of the window, printed to PDF.

// The source with its placeholders filled in: {{version}} and {{end-of-list}} (the question the
// program asks at the end of a list, as it asks it), so the text quotes the program exactly.
QString expandHelpSource(const QString &markdown);

// The picture names the source refers to (the targets of its Markdown images), in order.
QStringList helpPictureNames(const QString &markdown);

// Writes the document to `pdfPath`. Returns an empty text, or what went wrong (a picture the
// source names that is not a scene, a file that could not be written).
QString writeHelpBook(const QString &markdown, const QString &pdfPath);
