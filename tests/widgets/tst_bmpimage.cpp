// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Check button's images as linked into the program, and the reader that decodes them: it
// must refuse a damaged file rather than read past its end.
#include "widgets/bmpimage.h"

#include <QFile>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QByteArray resource(const QString &name)
{
    QFile file(QStringLiteral(":/widgets/%1.bmp").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32At(const QByteArray &bytes, int offset)
{
    return quint32(quint8(bytes[offset])) | quint32(quint8(bytes[offset + 1])) << 8 |
           quint32(quint8(bytes[offset + 2])) << 16 | quint32(quint8(bytes[offset + 3])) << 24;
}

void putU32(QByteArray &bytes, int offset, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = char(value >> (8 * i) & 0xFF);
}

// A 4 x 2 run-length-encoded bitmap with a two-colour palette, whose pixel data are `data`.
QByteArray tinyBitmap(const QByteArray &data)
{
    QByteArray bytes(14 + 40 + 8, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    putU32(bytes, 10, 14 + 40 + 8);
    putU32(bytes, 14, 40);
    putU32(bytes, 18, 4);
    putU32(bytes, 22, 2);
    bytes[26] = 1;
    bytes[28] = 8;
    putU32(bytes, 30, 1);
    putU32(bytes, 46, 2);
    putU32(bytes, 58, 0x00FFFFFF); // colour 1 white
    putU32(bytes, 2, quint32(bytes.size() + data.size()));
    return bytes + data;
}

QByteArray runs(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

} // namespace

class TestBmpImage : public QObject
{
    Q_OBJECT

private slots:
    void resources_areRunLengthEncodedButtonImages_data();
    void resources_areRunLengthEncodedButtonImages();
    void decode_readsRunsLiteralsAndMoves();
    void damaged_isRefused_data();
    void damaged_isRefused();
};

void TestBmpImage::resources_areRunLengthEncodedButtonImages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<QPoint>("onBody");
    const QColor grey(189, 189, 189), white(255, 255, 255);
    QTest::newRow("BUTTON1A") << u"BUTTON1A"_s << white << QPoint(16, 14);
    QTest::newRow("BUTTON1B") << u"BUTTON1B"_s << white << QPoint(20, 19);
    QTest::newRow("BUTTON2A") << u"BUTTON2A"_s << grey << QPoint(16, 14);
    QTest::newRow("BUTTON2B") << u"BUTTON2B"_s << grey << QPoint(20, 19);
}

void TestBmpImage::resources_areRunLengthEncodedButtonImages()
{
    QFETCH(QString, name);
    QFETCH(QColor, background);
    QFETCH(QPoint, onBody);
    const QByteArray bytes = resource(name);
    QVERIFY2(!bytes.isEmpty(), qPrintable(name + u" is not linked in"_s));
    QCOMPARE(u32At(bytes, 30), 1u); // 8-bit run-length encoding
    QCOMPARE(quint8(bytes[28]), quint8(8));
    QVERIFY(u32At(bytes, 46) == 0 || u32At(bytes, 46) == 256);

    QString error;
    const QImage image = bmpimage::decode(bytes, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(image.size(), QSize(37, 41));
    QCOMPARE(QColor(image.pixel(0, 40)), background);
    QCOMPARE(QColor(image.pixel(onBody)), QColor(0, 0, 0));
    // The stretched slice: columns 16 and 17 are one column twice.
    for (int y = 0; y < 41; ++y)
        QCOMPARE(image.pixel(16, y), image.pixel(17, y));
    // Where Qt's own reader decodes the compression too, it agrees pixel for pixel.
    const QImage byQt = QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
    if (!byQt.isNull())
        QCOMPARE(byQt, image);
}

void TestBmpImage::decode_readsRunsLiteralsAndMoves()
{
    // Bottom row: a run of one pixel, then three literal pixels (padded to four bytes); end of
    // line; a move two pixels right; a run of two; end of bitmap.
    const QByteArray bitmap =
        tinyBitmap(runs({1, 1, 0, 3, 0, 1, 0, 0, 0, 0, 0, 2, 2, 0, 2, 1, 0, 1}));
    QString error;
    const QImage image = bmpimage::decode(bitmap, &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    const QRgb white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    const QList<QRgb> bottom{white, black, white, black};
    const QList<QRgb> top{black, black, white, white};
    for (int x = 0; x < 4; ++x) {
        QCOMPARE(image.pixel(x, 1), bottom[x]);
        QCOMPARE(image.pixel(x, 0), top[x]);
    }
}

void TestBmpImage::damaged_isRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray button = resource(u"BUTTON2A"_s);
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header cut") << button.left(30);
    QTest::newRow("palette cut") << button.left(14 + 40 + 500);
    QTest::newRow("pixels cut in half") << button.left(button.size() / 2);
    QTest::newRow("end mark missing") << button.left(button.size() - 2);
    QByteArray notBmp = button;
    notBmp[0] = 'P';
    QTest::newRow("not a bitmap") << notBmp;
    QByteArray trueColour = button;
    trueColour[28] = 24;
    QTest::newRow("24 bits per pixel") << trueColour;
    QByteArray huge = button;
    putU32(huge, 18, 0x7FFFFFFF);
    QTest::newRow("absurd width") << huge;
    QByteArray farOffset = button;
    putU32(farOffset, 10, 0x7FFFFFF0);
    QTest::newRow("pixels past the end") << farOffset;
    QTest::newRow("run past the row") << tinyBitmap(runs({5, 1, 0, 1}));
    QTest::newRow("literal past the row") << tinyBitmap(runs({0, 5, 1, 1, 1, 1, 1, 0, 0, 1}));
    QTest::newRow("rows past the image") << tinyBitmap(runs({0, 0, 0, 0, 4, 1, 0, 1}));
    QTest::newRow("move past the image") << tinyBitmap(runs({0, 2, 9, 0, 0, 1}));
    QTest::newRow("colour outside the palette") << tinyBitmap(runs({2, 7, 0, 1}));
    QTest::newRow("literal ends early") << tinyBitmap(runs({0, 4, 1, 1}));
}

void TestBmpImage::damaged_isRefused()
{
    QFETCH(QByteArray, bytes);
    QString error;
    // A copy exactly as long as the data, so that a read past the end shows under the sanitizer.
    const std::unique_ptr<char[]> exact(new char[std::size_t(qMax<qsizetype>(bytes.size(), 1))]);
    std::copy(bytes.cbegin(), bytes.cend(), exact.get());
    const QImage image = bmpimage::decode(QByteArrayView(exact.get(), bytes.size()), &error);
    QVERIFY(image.isNull());
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestBmpImage)
#include "tst_bmpimage.moc"
