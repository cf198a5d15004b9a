// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QString>

// A reader of 256-colour BMP files, plain or compressed with the format's 8-bit run-length
// encoding, which the button images use. Every length and index is checked against the data, so
// a damaged or truncated file is refused with a message and never read past its end.
namespace bmpimage {

// The image as RGB32, or a null image with `error` set.
QImage decode(QByteArrayView bytes, QString *error);

// Reads `path` (a resource path works) and decodes it.
QImage load(const QString &path, QString *error);

} // namespace bmpimage
