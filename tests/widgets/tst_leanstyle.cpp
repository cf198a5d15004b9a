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

namespace {

bool imagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    const QByteArray mapped = maps.open(QIODevice::ReadOnly) ? maps.readAll() : QByteArray();
    return mapped.contains("/imageformats/") || mapped.contains("/iconengines/");
}

QImage groupRendered(QStyle *style, const QString &title, bool checkable, bool flat, int pixelSize,
                     QSize size)
{
    QGroupBox group(title);
    QFont font = group.font();
    font.setPixelSize(pixelSize);
    group.setFont(font);
    group.setCheckable(checkable);
    group.setFlat(flat);
    auto *choice = new QRadioButton(QStringLiteral("cosa"));
    (new QVBoxLayout(&group))->addWidget(choice);
    for (QWidget *widget : {static_cast<QWidget *>(&group), static_cast<QWidget *>(choice)})
        widget->setStyle(style);
    group.resize(size);
    return widgettesting::rendered(group);
}

} // namespace

class TestLeanStyle : public QObject
{
    Q_OBJECT

private slots:
    // Runs first, while nothing in this process has opened a style image by name.
    void windowWithMenuBarAndGroup_loadsNoImagePlugin()
    {
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("needs /proc/self/maps to see which libraries are loaded");
        QVERIFY(!imagePluginLoaded());
        QApplication::setStyle(new LeanStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("Levels"))->addAction(QStringLiteral("100 Words"));
        auto *group = new QGroupBox(QStringLiteral("Answer?"));
        (new QVBoxLayout(group))->addWidget(new QRadioButton(QStringLiteral("cosa")));
        window.setCentralWidget(group);
        window.resize(400, 300);
        QVERIFY(!widgettesting::rendered(window).isNull());
        QVERIFY(!imagePluginLoaded());
    }

    void groupFrame_matchesBaseStyle_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        QTest::addColumn<bool>("flat");
        QTest::addColumn<int>("pixelSize");
        QTest::addColumn<QSize>("size");
        QTest::newRow("the window's answer group")
            << "Fusion"
            << "Answer?" << false << false << 37 << QSize(640, 270);
        QTest::newRow("small title font") << "Fusion"
                                          << "Answer?" << false << false << 8 << QSize(200, 90);
        QTest::newRow("no title") << "Fusion"
                                  << "" << false << false << 20 << QSize(200, 90);
        QTest::newRow("checkable") << "Fusion"
                                   << "Answer?" << true << false << 20 << QSize(200, 90);
        QTest::newRow("checkable, no title") << "Fusion"
                                             << "" << true << false << 20 << QSize(200, 90);
        QTest::newRow("flat") << "Fusion"
                              << "Answer?" << false << true << 20 << QSize(200, 90);
        QTest::newRow("another style") << "Windows"
                                       << "Answer?" << false << false << 20 << QSize(200, 90);
    }

    void groupFrame_matchesBaseStyle()
    {
        QFETCH(QString, base);
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        QFETCH(bool, flat);
        QFETCH(int, pixelSize);
        QFETCH(QSize, size);
        const std::unique_ptr<QStyle> own(QStyleFactory::create(base));
        if (!own)
            QSKIP("that style is not built in here");
        const std::unique_ptr<QStyle> lean(new LeanStyle(QStyleFactory::create(base)));
        QCOMPARE(groupRendered(lean.get(), title, checkable, flat, pixelSize, size),
                 groupRendered(own.get(), title, checkable, flat, pixelSize, size));
    }

    void extensionArrows_matchBaseStyle()
    {
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        const std::unique_ptr<QStyle> lean(
            new LeanStyle(QStyleFactory::create(QStringLiteral("Fusion"))));
        for (const auto which : {QStyle::SP_ToolBarHorizontalExtensionButton,
                                 QStyle::SP_ToolBarVerticalExtensionButton}) {
            const QIcon expected = fusion->standardIcon(which);
            const QIcon deferred = lean->standardIcon(which);
            QVERIFY(!deferred.isNull());
            QCOMPARE(deferred.availableSizes(), expected.availableSizes());
            for (const int side : {8, 16, 32}) {
                QCOMPARE(deferred.pixmap(side).toImage(), expected.pixmap(side).toImage());
                QCOMPARE(deferred.pixmap(QSize(side, side), 2.0).toImage(),
                         expected.pixmap(QSize(side, side), 2.0).toImage());
            }
        }
    }
};

QTEST_MAIN(TestLeanStyle)
#include "tst_leanstyle.moc"
