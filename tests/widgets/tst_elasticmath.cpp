// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elasticmath.h"

#include <QTest>

using namespace elastic;

class TestElasticMath : public QObject
{
    Q_OBJECT

private slots:
    void roundings_data();
    void roundings();
    void extents_data();
    void extents();
    void screenOfAnotherSize_givesThePartsNumbers();
    void designScreen_fontsFollowTheSmallerRatio_data();
    void designScreen_fontsFollowTheSmallerRatio();
    void formBounds_data();
    void formBounds();
    void changesOfFivePixelsOrLess_areNoChange_data();
    void changesOfFivePixelsOrLess_areNoChange();
    void proportions_data();
    void proportions();
    void alignmentOrder_groupsAndSorts();
};

void TestElasticMath::roundings_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("round");
    QTest::addColumn<int>("halfDown");
    QTest::addColumn<int>("truncated");
    QTest::newRow("8.5") << 8.5 << 8 << 8 << 8;
    QTest::newRow("8.51") << 8.51 << 9 << 9 << 8;
    QTest::newRow("9.5") << 9.5 << 10 << 9 << 9;
    QTest::newRow("2.5") << 2.5 << 2 << 2 << 2;
    QTest::newRow("3.5") << 3.5 << 4 << 3 << 3;
    QTest::newRow("20.456") << 20.456 << 20 << 20 << 20;
    QTest::newRow("17.53") << 17.53 << 18 << 18 << 17;
    QTest::newRow("whole") << 12.0 << 12 << 12 << 12;
    QTest::newRow("negative half") << -2.5 << -2 << -2 << -2;
    QTest::newRow("negative, half down truncates") << -7.8 << -8 << -7 << -7;
}

void TestElasticMath::roundings()
{
    QFETCH(double, value);
    QFETCH(int, round);
    QFETCH(int, halfDown);
    QFETCH(int, truncated);
    QCOMPARE(roundHalfEven(value), round);
    QCOMPARE(roundHalfDown(value), halfDown);
    QCOMPARE(truncate(value), truncated);
}

void TestElasticMath::extents_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("extent");
    QTest::addColumn<int>("pixels");
    QTest::newRow("pixels") << 1280 << 1920 << 1280;
    QTest::newRow("not set") << 0 << 1920 << 0;
    QTest::newRow("half the screen") << -50 << 1032 << 516;
    QTest::newRow("share rounds half to even") << -25 << 750 << 188;
    QTest::newRow("the whole screen") << -100 << 748 << 748;
}

void TestElasticMath::extents()
{
    QFETCH(int, value);
    QFETCH(int, extent);
    QFETCH(int, pixels);
    QCOMPARE(resolveExtent(value, extent), pixels);
}

// The main window on a screen whose maximised window measures 1032 x 748.
void TestElasticMath::screenOfAnotherSize_givesThePartsNumbers()
{
    const auto scales = screenScales({1032, 748}, {808, 580});
    QVERIFY(scales);
    QCOMPARE(scales->x, 1032.0 / 808);
    QCOMPARE(scales->y, 748.0 / 580);
    const QRect client = scaledBounds({0, 0, 553, 357}, scales->x, scales->y);
    QCOMPARE(client.size(), QSize(706, 460));
    QCOMPARE(referenceFontSize(14, scales->y), 18);
    QCOMPARE(halve(-5), -2);
    QVERIFY(!screenScales({1032, 748}, {0, 580}));
    QVERIFY(!screenScales({0, 0}, {808, 580}));
}

void TestElasticMath::designScreen_fontsFollowTheSmallerRatio_data()
{
    QTest::addColumn<int>("reference");
    QTest::addColumn<int>("scaled");
    QTest::newRow("14") << 14 << 20;
    QTest::newRow("12") << 12 << 18;
    QTest::newRow("10") << 10 << 15;
    QTest::newRow("8, the form's own") << 8 << 12;
}

// The maximised main window on the design screen: 808 x 580 outside, form font 8.
void TestElasticMath::designScreen_fontsFollowTheSmallerRatio()
{
    QFETCH(int, reference);
    QFETCH(int, scaled);
    const double live = liveFontSize({808, 580}, 8, {553, 357});
    QCOMPARE(live, 808.0 * 8 / 553); // by width: 11.689, below 12.997 by height
    QCOMPARE(roundHalfEven(live), 12);
    const double fontScale = live / 8;
    QVERIFY(qAbs(fontScale - 1.4611) < 1e-4);
    QCOMPARE(scaledFontSize(reference, fontScale), scaled);
    // Equal sizes by height and width take the one by height; a reference of nothing gives none.
    QCOMPARE(liveFontSize({553, 357}, 8, {553, 357}), 8.0);
    QCOMPARE(liveFontSize({553, 357}, 0, {553, 357}), 0.0);
    QCOMPARE(liveFontSize({553, 357}, 8, {0, 357}), 0.0);
}

void TestElasticMath::formBounds_data()
{
    QTest::addColumn<QSize>("maximized");
    QTest::addColumn<bool>("startsMaximized");
    QTest::addColumn<int>("maximizedPosX");
    QTest::addColumn<QRect>("bounds");
    QTest::newRow("maximised, design screen")
        << QSize(808, 580) << true << 0 << QRect(0, 0, 808, 580);
    QTest::newRow("maximised, 1032 x 748")
        << QSize(1032, 748) << true << 0 << QRect(0, 0, 1032, 748);
    // A tenth of the width in from the left would reach past the right edge: centred instead.
    QTest::newRow("maximised a tenth in")
        << QSize(808, 580) << true << -10 << QRect(0, 0, 808, 580);
    // 581 + 561 reaches past 808, so the window is centred across instead.
    QTest::newRow("restored, design screen")
        << QSize(808, 580) << false << 0 << QRect(123, 136, 561, 424);
    QTest::newRow("restored, 1032 x 748")
        << QSize(1032, 748) << false << 0 << QRect(157, 175, 717, 547);
    QTest::newRow("restored, half-size screen")
        << QSize(404, 290) << false << 0 << QRect(62, 68, 280, 212);
}

void TestElasticMath::formBounds()
{
    QFETCH(QSize, maximized);
    QFETCH(bool, startsMaximized);
    QFETCH(int, maximizedPosX);
    QFETCH(QRect, bounds);
    const FormDesign design{{808, 580}, {581, 136, 561, 424}, {553, 357}};
    FormPlacementRules rules;
    rules.maximized = startsMaximized;
    rules.maximizedPosX = maximizedPosX;
    QCOMPARE(preparedFormBounds(design, rules, maximized).value_or(QRect()), bounds);

    rules.borderless = true;
    if (!startsMaximized)
        QCOMPARE(preparedFormBounds(design, rules, {808, 580})->size(), QSize(553, 357));
    QVERIFY(!preparedFormBounds({{0, 580}, {581, 136, 561, 424}, {553, 357}}, rules, maximized));
}

void TestElasticMath::changesOfFivePixelsOrLess_areNoChange_data()
{
    QTest::addColumn<QSize>("now");
    QTest::addColumn<bool>("differs");
    QTest::newRow("same") << QSize(800, 600) << false;
    QTest::newRow("5 wider, 5 lower") << QSize(805, 595) << false;
    QTest::newRow("5 narrower") << QSize(795, 600) << false;
    QTest::newRow("6 wider") << QSize(806, 600) << true;
    QTest::newRow("6 lower") << QSize(800, 594) << true;
}

void TestElasticMath::changesOfFivePixelsOrLess_areNoChange()
{
    QFETCH(QSize, now);
    QFETCH(bool, differs);
    QCOMPARE(sizeDiffers(now, {800, 600}), differs);
}

void TestElasticMath::proportions_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QSize>("dragged");
    QTest::addColumn<QSize>("kept");
    // Aspect 2:1 throughout.
    QTest::newRow("grew wider: height follows")
        << QSize(400, 200) << QSize(500, 220) << QSize(500, 250);
    QTest::newRow("grew taller: width follows")
        << QSize(400, 200) << QSize(410, 300) << QSize(600, 300);
    QTest::newRow("shrank narrower: height follows")
        << QSize(400, 200) << QSize(300, 190) << QSize(300, 150);
    QTest::newRow("shrank lower: width follows")
        << QSize(400, 200) << QSize(390, 100) << QSize(200, 100);
}

void TestElasticMath::proportions()
{
    QFETCH(QSize, start);
    QFETCH(QSize, dragged);
    QFETCH(QSize, kept);
    QCOMPARE(keepAspect(start, dragged), kept);
    // The track size keeps the design aspect within the screen, less the frame's margin.
    QCOMPARE(proportionalTrackSize({561, 424}, {808, 580}), QSize(761, 575));
    QCOMPARE(proportionalTrackSize({800, 200}, {808, 580}), QSize(802, 200));
}

void TestElasticMath::alignmentOrder_groupsAndSorts()
{
    const std::vector<AlignedControl> walk{
        {Align::None, 0, 0},     // 0
        {Align::Bottom, 0, 300}, // 1
        {Align::Top, 0, 40},     // 2
        {Align::Client, 20, 0},  // 3
        {Align::Top, 0, 0},      // 4
        {Align::Right, 500, 0},  // 5
        {Align::Left, 0, 0},     // 6
        {Align::Bottom, 0, 350}, // 7
        {Align::Right, 600, 0},  // 8
        {Align::None, 9, 9},     // 9
        {Align::Top, 0, 40},     // 10: same top as 2, later in walk order, so first
    };
    const std::vector<int> expected{4, 10, 2, 7, 1, 6, 8, 5, 3, 0, 9};
    QCOMPARE(alignmentOrder(walk), expected);
}

QTEST_APPLESS_MAIN(TestElasticMath)
#include "tst_elasticmath.moc"
