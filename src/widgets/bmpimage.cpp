// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/bmpimage.h"

#include <QFile>

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr quint32 kPlain = 0;
constexpr quint32 kRunLength8 = 1;
// Far beyond any button image, and small enough that a forged size allocates nothing large.
constexpr int kMaxSide = 4096;

// Reads little-endian fields from a byte range, noting when one would lie past its end.
class Reader
{
public:
    explicit Reader(QByteArrayView bytes)
        : m_bytes(bytes)
    {}

    bool has(qsizetype offset, qsizetype count) const
    {
        return offset >= 0 && count >= 0 && offset <= m_bytes.size() &&
               count <= m_bytes.size() - offset;
    }
    quint32 u32(qsizetype offset) const
    {
        return quint32(byte(offset)) | quint32(byte(offset + 1)) << 8 |
               quint32(byte(offset + 2)) << 16 | quint32(byte(offset + 3)) << 24;
    }
    quint16 u16(qsizetype offset) const { return quint16(byte(offset) | byte(offset + 1) << 8); }
    quint8 byte(qsizetype offset) const { return quint8(m_bytes[offset]); }

private:
    QByteArrayView m_bytes;
};

QImage fail(QString *error, const char *message)
{
    if (error)
        *error = QString::fromLatin1(message);
    return {};
}

// Decodes run-length-encoded rows into `image` (bottom row first, as the format stores them).
bool decodeRunLength(const Reader &in, qsizetype pos, qsizetype end, QImage &image, int colours,
                     QString *error)
{
    const int width = image.width();
    const int height = image.height();
    int x = 0, y = 0;
    auto put = [&](quint8 index) { image.scanLine(height - 1 - y)[x++] = index; };
    while (true) {
        if (pos + 2 > end) {
            fail(error, "The bitmap ends before its end-of-bitmap mark.");
            return false;
        }
        const quint8 count = in.byte(pos), value = in.byte(pos + 1);
        pos += 2;
        if (count > 0) {
            if (y >= height || x + count > width) {
                fail(error, "A run of the bitmap lies outside the image.");
                return false;
            }
            if (value >= colours) {
                fail(error, "The bitmap uses a colour that its palette does not have.");
                return false;
            }
            for (int i = 0; i < count; ++i)
                put(value);
            continue;
        }
        switch (value) {
        case 0: // end of line
            x = 0;
            ++y;
            break;
        case 1: // end of bitmap
            return true;
        case 2: // move right and up
            if (pos + 2 > end) {
                fail(error, "The bitmap ends inside a move.");
                return false;
            }
            x += in.byte(pos);
            y += in.byte(pos + 1);
            pos += 2;
            if (x > width || y > height) {
                fail(error, "A move of the bitmap leaves the image.");
                return false;
            }
            break;
        default: { // `value` literal pixels, padded to an even count of bytes
            const qsizetype stored = value + (value & 1);
            if (pos + stored > end) {
                fail(error, "The bitmap ends inside a run of literal pixels.");
                return false;
            }
            if (y >= height || x + value > width) {
                fail(error, "A run of the bitmap lies outside the image.");
                return false;
            }
            for (int i = 0; i < value; ++i) {
                const quint8 index = in.byte(pos + i);
                if (index >= colours) {
                    fail(error, "The bitmap uses a colour that its palette does not have.");
                    return false;
                }
                put(index);
            }
            pos += stored;
            break;
        }
        }
    }
}

bool decodePlain(const Reader &in, qsizetype pos, qsizetype end, QImage &image, bool bottomUp,
                 int colours, QString *error)
{
    const qsizetype stride = (qsizetype(image.width()) + 3) / 4 * 4;
    if (stride * image.height() > end - pos) {
        fail(error, "The bitmap is shorter than its size says.");
        return false;
    }
    for (int row = 0; row < image.height(); ++row) {
        uchar *line = image.scanLine(bottomUp ? image.height() - 1 - row : row);
        for (int x = 0; x < image.width(); ++x) {
            const quint8 index = in.byte(pos + row * stride + x);
            if (index >= colours) {
                fail(error, "The bitmap uses a colour that its palette does not have.");
                return false;
            }
            line[x] = index;
        }
    }
    return true;
}

} // namespace

namespace bmpimage {

QImage decode(QByteArrayView bytes, QString *error)
{
    const Reader in(bytes);
    if (!in.has(0, kFileHeaderSize + kInfoHeaderSize))
        return fail(error, "The file is too short to be a bitmap.");
    if (in.byte(0) != 'B' || in.byte(1) != 'M')
        return fail(error, "The file is not a bitmap.");
    const quint32 dataOffset = in.u32(10);
    const quint32 headerSize = in.u32(14);
    const auto width = qint32(in.u32(18));
    const auto signedHeight = qint32(in.u32(22));
    const quint16 bitsPerPixel = in.u16(28);
    const quint32 compression = in.u32(30);
    const quint32 coloursUsed = in.u32(46);

    if (headerSize < kInfoHeaderSize || !in.has(kFileHeaderSize, headerSize))
        return fail(error, "The bitmap's header is damaged.");
    if (bitsPerPixel != 8 || (compression != kPlain && compression != kRunLength8))
        return fail(error, "Only 256-colour bitmaps, plain or run-length encoded, are read.");
    const bool bottomUp = signedHeight > 0;
    const qint64 rows = bottomUp ? qint64(signedHeight) : -qint64(signedHeight);
    if (width < 1 || width > kMaxSide || rows < 1 || rows > kMaxSide)
        return fail(error, "The bitmap's size is out of range.");
    const int height = int(rows);
    if (compression == kRunLength8 && !bottomUp)
        return fail(error, "A run-length encoded bitmap must be stored bottom row first.");
    const quint32 colours = coloursUsed == 0 ? 256 : coloursUsed;
    if (colours > 256)
        return fail(error, "The bitmap's palette is too large.");
    const qsizetype paletteAt = kFileHeaderSize + qsizetype(headerSize);
    if (!in.has(paletteAt, qsizetype(colours) * 4))
        return fail(error, "The bitmap ends inside its palette.");
    if (!in.has(qsizetype(dataOffset), 0) || qsizetype(dataOffset) < paletteAt + colours * 4)
        return fail(error, "The bitmap's pixels lie outside the file.");

    QImage image(width, height, QImage::Format_Indexed8);
    image.fill(0);
    QList<QRgb> table;
    for (quint32 i = 0; i < colours; ++i) {
        const qsizetype entry = paletteAt + qsizetype(i) * 4;
        table << qRgb(in.byte(entry + 2), in.byte(entry + 1), in.byte(entry));
    }
    image.setColorTable(table);

    const bool decoded =
        compression == kRunLength8
            ? decodeRunLength(in, dataOffset, bytes.size(), image, int(colours), error)
            : decodePlain(in, dataOffset, bytes.size(), image, bottomUp, int(colours), error);
    if (!decoded)
        return {};
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, file.errorString());
        return {};
    }
    return decode(file.readAll(), error);
}

} // namespace bmpimage
