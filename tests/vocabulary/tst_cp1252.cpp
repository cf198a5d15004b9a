// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testbytes.h"
#include "vocabulary/cp1252.h"

#include <QTest>

using namespace vocabulary;

class TestCp1252 : public QObject
{
    Q_OBJECT

private slots:
    void codePoint_hasItsByte_data();
    void codePoint_hasItsByte();
    void everyByte_decodesToACodePointThatEncodesBack();
    void utf8Text_convertsToCp1252_data();
    void utf8Text_convertsToCp1252();
};

void TestCp1252::codePoint_hasItsByte_data()
{
    QTest::addColumn<uint>("codePoint");
    QTest::addColumn<int>("byte"); // -1: the set cannot hold the code point

    QTest::newRow("a acute") << 0xE1u << 0xE1;
    QTest::newRow("e acute") << 0xE9u << 0xE9;
    QTest::newRow("i acute") << 0xEDu << 0xED;
    QTest::newRow("o acute") << 0xF3u << 0xF3;
    QTest::newRow("u acute") << 0xFAu << 0xFA;
    QTest::newRow("n tilde") << 0xF1u << 0xF1;
    QTest::newRow("plain letter") << uint('a') << int('a');
    // The row 0x80 to 0x9F is where Windows-1252 differs from Latin-1.
    QTest::newRow("euro sign") << 0x20ACu << 0x80;
    QTest::newRow("left double quote") << 0x201Cu << 0x93;
    QTest::newRow("right double quote") << 0x201Du << 0x94;
    QTest::newRow("Y diaeresis, last of the row") << 0x0178u << 0x9F;
    QTest::newRow("unassigned byte as its control") << 0x81u << 0x81;
    QTest::newRow("emoji") << 0x1F600u << -1;
    QTest::newRow("Greek alpha") << 0x03B1u << -1;
    QTest::newRow("A macron, just past Latin-1") << 0x0100u << -1;
    // Byte 0x80 is the euro sign, so the control U+0080 has no byte of its own.
    QTest::newRow("control U+0080") << 0x80u << -1;
}

void TestCp1252::codePoint_hasItsByte()
{
    QFETCH(uint, codePoint);
    QFETCH(int, byte);

    const auto encoded = encodeCp1252(codePoint);
    QCOMPARE(encoded ? int(*encoded) : -1, byte);
    if (byte >= 0)
        QCOMPARE(uint(decodeCp1252(static_cast<unsigned char>(byte))), codePoint);
}

// A slip in the 0x80-0x9F table (a code point typed twice, a byte shifted) shows up as a byte
// that does not come back.
void TestCp1252::everyByte_decodesToACodePointThatEncodesBack()
{
    for (int byte = 0; byte < 256; ++byte) {
        const auto back = encodeCp1252(decodeCp1252(static_cast<unsigned char>(byte)));
        QVERIFY2(back && int(*back) == byte, qPrintable(QString::number(byte, 16)));
    }
}

void TestCp1252::utf8Text_convertsToCp1252_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("cp1252");
    QTest::addColumn<bool>("lossless");

    QTest::newRow("every Spanish letter") << QByteArray("día áéíóúñ")
                                          << QByteArray("d\xED"
                                                        "a \xE1\xE9\xED\xF3\xFA\xF1")
                                          << true;
    QTest::newRow("euro and quotes") << QByteArray("“5 €”")
                                     << QByteArray("\x93"
                                                   "5 \x80\x94")
                                     << true;
    QTest::newRow("empty") << QByteArray() << QByteArray() << true;
    QTest::newRow("emoji between letters") << QByteArray("a😀b") << QByteArray("a?b") << false;
    QTest::newRow("Greek") << QByteArray("αβ") << QByteArray("??") << false;
    QTest::newRow("cut-off sequence") << QByteArray("a\xC3") << QByteArray("a?") << false;
    QTest::newRow("stray continuation byte") << QByteArray("\xA1"
                                                           "b")
                                             << QByteArray("?b") << false;
}

void TestCp1252::utf8Text_convertsToCp1252()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, cp1252);
    QFETCH(bool, lossless);

    QCOMPARE(bytesOf(utf8ToCp1252(utf8.toStdString())), cp1252);
    if (lossless)
        QCOMPARE(bytesOf(cp1252ToUtf8(cp1252.toStdString())), utf8);
}

QTEST_APPLESS_MAIN(TestCp1252)
#include "tst_cp1252.moc"
