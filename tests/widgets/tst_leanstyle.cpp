// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lean style draws what its base style draws, pixel for pixel, without loading an image-format
// plugin for a window with a menu bar and a group.
#include "widgets/leanstyle.h"
#include "widgettesting.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMainWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class TestLeanStyle : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, while nothing in this process has opened a style image by name.
    void windowWithMenuBarAndGroup_loadsNoImagePlugin();
    void groupFrame_matchesBaseStyle_data();
    void groupFrame_matchesBaseStyle();
    void extensionArrow_matchesBaseStyle();
    void otherBaseStyle_drawsItsOwnFrame();

private:
    static QImage groupRendered(QStyle *style, const QString &title, bool checkable, bool flat,
                                int pixelSize, QSize size);
};

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    const QByteArray mapped = maps.readAll();
    return mapped.contains("/imageformats/") || mapped.contains("/iconengines/");
}

} // namespace

QImage TestLeanStyle::groupRendered(QStyle *style, const QString &title, bool checkable, bool flat,
                                    int pixelSize, QSize size)
{
    QGroupBox group;
    group.setStyle(style);
    QFont font = group.font();
    font.setPixelSize(pixelSize);
    group.setFont(font);
    group.setTitle(title);
    group.setCheckable(checkable);
    group.setFlat(flat);
    auto *column = new QVBoxLayout(&group);
    auto *choice = new QRadioButton(QStringLiteral("cosa"), &group);
    choice->setStyle(style);
    column->addWidget(choice);
    group.resize(size);
    return widgettesting::rendered(group);
}

void TestLeanStyle::windowWithMenuBarAndGroup_loadsNoImagePlugin()
{
    if (!QFile::exists(QStringLiteral("/proc/self/maps")))
        QSKIP("needs /proc/self/maps to see which libraries are loaded");
    QVERIFY(!imagePluginLoaded());
    QApplication::setStyle(new LeanStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Levels"))->addAction(QStringLiteral("100 Words"));
    auto *group = new QGroupBox(QStringLiteral("Answer?"));
    new QVBoxLayout(group);
    group->layout()->addWidget(new QRadioButton(QStringLiteral("cosa")));
    window.setCentralWidget(group);
    window.resize(400, 300);
    const QImage drawn = widgettesting::rendered(window);
    QVERIFY(!drawn.isNull());
    QVERIFY(!imagePluginLoaded());
}

void TestLeanStyle::groupFrame_matchesBaseStyle_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("flat");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QSize>("size");
    QTest::newRow("the window's answer group")
        << "Answer?" << false << false << 37 << QSize(640, 270);
    QTest::newRow("at its design size") << "Answer?" << false << false << 16 << QSize(305, 113);
    QTest::newRow("small title font") << "Answer?" << false << false << 8 << QSize(200, 90);
    QTest::newRow("no title") << "" << false << false << 20 << QSize(200, 90);
    QTest::newRow("checkable") << "Answer?" << true << false << 20 << QSize(200, 90);
    QTest::newRow("checkable without title") << "" << true << false << 20 << QSize(200, 90);
    QTest::newRow("flat") << "Answer?" << false << true << 20 << QSize(200, 90);
    QTest::newRow("smaller than its corners") << "A" << false << false << 12 << QSize(10, 8);
}

void TestLeanStyle::groupFrame_matchesBaseStyle()
{
    QFETCH(QString, title);
    QFETCH(bool, checkable);
    QFETCH(bool, flat);
    QFETCH(int, pixelSize);
    QFETCH(QSize, size);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> lean(
        new LeanStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    QCOMPARE(groupRendered(lean.get(), title, checkable, flat, pixelSize, size),
             groupRendered(fusion.get(), title, checkable, flat, pixelSize, size));
}

void TestLeanStyle::extensionArrow_matchesBaseStyle()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const std::unique_ptr<QStyle> lean(
        new LeanStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon expected = fusion->standardIcon(which);
        const QIcon deferred = lean->standardIcon(which);
        QVERIFY(!deferred.isNull());
        QCOMPARE(deferred.availableSizes(), expected.availableSizes());
        for (const int side : {8, 16, 32})
            QCOMPARE(deferred.pixmap(side).toImage(), expected.pixmap(side).toImage());
    }
}

void TestLeanStyle::otherBaseStyle_drawsItsOwnFrame()
{
    const std::unique_ptr<QStyle> windows(QStyleFactory::create(QStringLiteral("Windows")));
    if (!windows)
        QSKIP("the Windows style is not built in here");
    const std::unique_ptr<QStyle> lean(
        new LeanStyle(QStyleFactory::create(QStringLiteral("Windows"))));
    QCOMPARE(groupRendered(lean.get(), QStringLiteral("Answer?"), false, false, 20, {200, 90}),
             groupRendered(windows.get(), QStringLiteral("Answer?"), false, false, 20, {200, 90}));
}

QTEST_MAIN(TestLeanStyle)
#include "tst_leanstyle.moc"
