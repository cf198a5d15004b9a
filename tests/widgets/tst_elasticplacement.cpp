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
    void editedPlacement_isTakenOrIgnoredWhole_data();
    void editedPlacement_isTakenOrIgnoredWhole();

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

void TestElasticPlacement::editedPlacement_isTakenOrIgnoredWhole_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("damaged");
    // A window at the screen's left or top edge is saved with a fraction of 0, which is a place.
    QTest::newRow("left at the screen's edge") << "Left"
                                               << "0" << false;
    QTest::newRow("top at the screen's edge") << "Top"
                                              << "0" << false;
    QTest::newRow("text for a count") << "Total Controls"
                                      << "three" << true;
    QTest::newRow("text for a fraction") << "Left"
                                         << "left" << true;
    QTest::newRow("fraction above one") << "Width"
                                        << "1.5" << true;
    QTest::newRow("negative fraction") << "Top"
                                       << "-0.2" << true;
    QTest::newRow("window of nothing") << "Height"
                                       << "0" << true;
    QTest::newRow("unknown window state") << "Window State"
                                          << "7" << true;
    QTest::newRow("absurd track size") << "MaxTrackWidth"
                                       << "99999" << true;
    QTest::newRow("track share below a tenth") << "MaxTrackHeight"
                                               << "-3" << true;
    QTest::newRow("text for a visibility") << "Visible 1"
                                           << "perhaps" << true;
    QTest::newRow("absurd restored bounds") << "wp NormPosRight"
                                            << "4000000" << true;
}

void TestElasticPlacement::editedPlacement_isTakenOrIgnoredWhole()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(bool, damaged);
    QSettings settings(m_file, QSettings::IniFormat);
    writePlacement(settings, QStringLiteral("Form1"), restored());
    QVERIFY(readPlacement(settings, QStringLiteral("Form1"), 3));
    settings.setValue(QStringLiteral("Form1/") + key, value);
    const auto read = readPlacement(settings, QStringLiteral("Form1"), 3);
    if (damaged) {
        QVERIFY(!read);
        return;
    }
    QVERIFY(read);
    const QRectF &fractions = read->fractions;
    const QHash<QString, qreal> fraction{{QStringLiteral("Left"), fractions.x()},
                                         {QStringLiteral("Top"), fractions.y()}};
    QCOMPARE(fraction.value(key, -1.0), value.toDouble());
}

QTEST_GUILESS_MAIN(TestElasticPlacement)
#include "tst_elasticplacement.moc"
