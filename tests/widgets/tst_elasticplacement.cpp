// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elasticplacement.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace elastic;

class TestElasticPlacement : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void placement_comesBackAsSaved();
    void damagedPlacement_isIgnoredWhole_data();
    void damagedPlacement_isIgnoredWhole();

private:
    SavedPlacement restored() const;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;
};

void TestElasticPlacement::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_file = m_dir->filePath(QStringLiteral("placement.ini"));
}

SavedPlacement TestElasticPlacement::restored() const
{
    SavedPlacement placement;
    placement.totalControls = 3;
    placement.fractions = QRectF(0.25, 0.125, 0.5, 0.75);
    placement.maxTrackWidth = 1280;
    placement.maxTrackHeight = -90;
    placement.visible = {true, false, true};
    placement.normalBounds = QRect(100, 50, 400, 300);
    return placement;
}

void TestElasticPlacement::placement_comesBackAsSaved()
{
    QSettings settings(m_file, QSettings::IniFormat);
    writePlacement(settings, QStringLiteral("Form1"), restored());
    const auto read = readPlacement(settings, QStringLiteral("Form1"), 3);
    QVERIFY(read);
    QCOMPARE(read->maximized, false);
    QCOMPARE(read->fractions, QRectF(0.25, 0.125, 0.5, 0.75));
    QCOMPARE(read->maxTrackWidth, 1280);
    QCOMPARE(read->maxTrackHeight, -90);
    QCOMPARE(read->visible, QList<bool>({true, false, true}));
    QCOMPARE(read->normalBounds, QRect(100, 50, 400, 300));
    QCOMPARE(settings.value(QStringLiteral("Form1/wp length ")).toInt(), 44);

    // Another form's section, or another number of controls, is none of this form's.
    QVERIFY(!readPlacement(settings, QStringLiteral("Form2"), 3));
    QVERIFY(!readPlacement(settings, QStringLiteral("Form1"), 4));

    SavedPlacement maximized = restored();
    maximized.maximized = true;
    maximized.fractions = {};
    writePlacement(settings, QStringLiteral("Form3"), maximized);
    QVERIFY(readPlacement(settings, QStringLiteral("Form3"), 3)->maximized);
}

void TestElasticPlacement::damagedPlacement_isIgnoredWhole_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("text for a count") << "Total Controls"
                                      << "three";
    QTest::newRow("text for a fraction") << "Left"
                                         << "left";
    QTest::newRow("fraction above one") << "Width"
                                        << "1.5";
    QTest::newRow("negative fraction") << "Top"
                                       << "-0.2";
    QTest::newRow("window of nothing") << "Height"
                                       << "0";
    QTest::newRow("unknown window state") << "Window State"
                                          << "7";
    QTest::newRow("absurd track size") << "MaxTrackWidth"
                                       << "99999";
    QTest::newRow("track share below a tenth") << "MaxTrackHeight"
                                               << "-3";
    QTest::newRow("text for a visibility") << "Visible 1"
                                           << "perhaps";
    QTest::newRow("absurd restored bounds") << "wp NormPosRight"
                                            << "4000000";
}

void TestElasticPlacement::damagedPlacement_isIgnoredWhole()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QSettings settings(m_file, QSettings::IniFormat);
    writePlacement(settings, QStringLiteral("Form1"), restored());
    QVERIFY(readPlacement(settings, QStringLiteral("Form1"), 3));
    settings.setValue(QStringLiteral("Form1/") + key, value);
    QVERIFY(!readPlacement(settings, QStringLiteral("Form1"), 3));
}

QTEST_GUILESS_MAIN(TestElasticPlacement)
#include "tst_elasticplacement.moc"
