// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>

// The answer clips are read back from the resources, exactly where the program plays them from, so
// a clip that was never linked into the static library fails here instead of staying silent.
// Every header field is checked against fixed numbers: a player that meets one unexpected value
// refuses the whole file, and the generator writes the header by hand.

namespace {

// "RIFF" + size + "WAVE", then "fmt " (8 + 16 bytes), "fact" (8 + 4) and the "data" header (8).
constexpr qsizetype DataOffset = 56;

quint16 le16(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

quint32 le32(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

QByteArray readClip(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Samples as fractions of full scale, 0 being silence: 8-bit PCM is unsigned around 128, 16-bit
// PCM is signed.
QList<double> samplesOf(const QByteArray &bytes, int bitsPerSample)
{
    QList<double> samples;
    if (bitsPerSample == 8) {
        for (qsizetype i = DataOffset; i < bytes.size(); ++i)
            samples.append((quint8(bytes.at(i)) - 128) / 128.0);
    } else {
        for (qsizetype i = DataOffset; i + 1 < bytes.size(); i += 2)
            samples.append(qFromLittleEndian<qint16>(bytes.constData() + i) / 32768.0);
    }
    return samples;
}

double peakOf(const QList<double> &samples)
{
    double peak = 0.0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    return peak;
}

} // namespace

class TestSounds : public QObject
{
    Q_OBJECT

private slots:
    void header_describesMonoPcmClip_data() { addClipRows(); }
    void header_describesMonoPcmClip();
    void samples_audibleWithoutClicks_data() { addClipRows(); }
    void samples_audibleWithoutClicks();

private:
    static void addClipRows();
};

void TestSounds::addClipRows()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<quint32>("sampleRate");
    QTest::addColumn<quint32>("byteRate");
    QTest::addColumn<quint16>("blockAlign");
    QTest::addColumn<quint16>("bitsPerSample");
    QTest::addColumn<quint32>("sampleCount");
    QTest::addColumn<quint32>("dataSize");

    QTest::newRow("right answer, 16-bit") << QStringLiteral(":/sounds/right.wav") << 22050u
                                          << 44100u << quint16(2) << quint16(16) << 1258u << 2516u;
    QTest::newRow("wrong answer, 8-bit") << QStringLiteral(":/sounds/wrong.wav") << 11025u << 11025u
                                         << quint16(1) << quint16(8) << 2152u << 2152u;
}

void TestSounds::header_describesMonoPcmClip()
{
    QFETCH(QString, path);
    QFETCH(quint32, sampleRate);
    QFETCH(quint32, byteRate);
    QFETCH(quint16, blockAlign);
    QFETCH(quint16, bitsPerSample);
    QFETCH(quint32, sampleCount);
    QFETCH(quint32, dataSize);

    const QByteArray bytes = readClip(path);
    QVERIFY2(bytes.size() >= DataOffset, qPrintable(path + QStringLiteral(" is missing or short")));

    QCOMPARE(bytes.mid(0, 4), QByteArray("RIFF"));
    QCOMPARE(le32(bytes, 4), quint32(bytes.size() - 8));
    QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));

    QCOMPARE(bytes.mid(12, 4), QByteArray("fmt "));
    QCOMPARE(le32(bytes, 16), 16u);
    QCOMPARE(le16(bytes, 20), quint16(1)); // PCM
    QCOMPARE(le16(bytes, 22), quint16(1)); // mono
    QCOMPARE(le32(bytes, 24), sampleRate);
    QCOMPARE(le32(bytes, 28), byteRate);
    QCOMPARE(le16(bytes, 32), blockAlign);
    QCOMPARE(le16(bytes, 34), bitsPerSample);

    QCOMPARE(bytes.mid(36, 4), QByteArray("fact"));
    QCOMPARE(le32(bytes, 40), 4u);
    QCOMPARE(le32(bytes, 44), sampleCount);

    QCOMPARE(bytes.mid(48, 4), QByteArray("data"));
    QCOMPARE(le32(bytes, 52), dataSize);
    // Nothing may follow the samples: no padding, no trailing chunk.
    QCOMPARE(bytes.size(), DataOffset + qsizetype(dataSize));
}

void TestSounds::samples_audibleWithoutClicks()
{
    QFETCH(QString, path);
    QFETCH(quint32, sampleRate);
    QFETCH(quint16, bitsPerSample);
    QFETCH(quint32, sampleCount);

    const QList<double> samples = samplesOf(readClip(path), bitsPerSample);
    QCOMPARE(samples.size(), qsizetype(sampleCount));

    // Loud enough to hear over a quiet room (above -12 dBFS), with headroom so it never clips or
    // startles (below -3 dBFS).
    const double peak = peakOf(samples);
    QVERIFY2(peak > 0.25, qPrintable(QStringLiteral("peak %1").arg(peak)));
    QVERIFY2(peak < 0.71, qPrintable(QStringLiteral("peak %1").arg(peak)));

    // A clip that starts or stops away from silence clicks. Over the first and last half
    // millisecond a faded clip stays below -26 dBFS; an unfaded tone is far louder by then.
    const qsizetype edge = sampleRate / 2000;
    const double quiet = 0.05;
    QVERIFY2(peakOf(samples.first(edge)) < quiet, "clip starts with a click");
    QVERIFY2(peakOf(samples.last(edge)) < quiet, "clip ends with a click");
    QCOMPARE_LE(std::abs(samples.first()), 1.0 / 128);
    QCOMPARE_LE(std::abs(samples.last()), 1.0 / 128);
}

QTEST_GUILESS_MAIN(TestSounds)
#include "tst_sounds.moc"
