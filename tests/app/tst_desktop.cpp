// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: the desktop entry and metadata agree with the program, the
// icon is built in, and menus never come out in a monospaced face.
#include "app/desktopintegration.h"
#include "app/installedfonts.h"
#include "quiz/messages.h"
#include "version.h"
#include "widgets/programiconengine.h"

#include <QFile>
#include <QFontInfo>
#include <QSettings>
#include <QTest>

class TestDesktop : public QObject
{
    Q_OBJECT

private slots:
    void desktopEntry_namesTheProgramItsIconAndItsWindow();
    void metadata_pointsAtTheDesktopEntry();
    void icon_isBuiltInAtEverySize();
    void icon_givesEachAskedSizeWithoutGrowing_data();
    void icon_givesEachAskedSizeWithoutGrowing();
    void icon_showsTheThemePixels_data();
    void icon_showsTheThemePixels();
    void icon_givesNothingForABrokenSize_data();
    void icon_givesNothingForABrokenSize();
    void fontFamily_namesTheInstalledOne_data();
    void fontFamily_namesTheInstalledOne();
    void interfaceFont_isNeverMonospaced_data();
    void interfaceFont_isNeverMonospaced();
};

void TestDesktop::desktopEntry_namesTheProgramItsIconAndItsWindow()
{
    QSettings entry(QStringLiteral(VOCARRA_DESKTOP_FILE), QSettings::IniFormat);
    entry.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(entry.value(QStringLiteral("Exec")).toString(), QStringLiteral("vocarra"));
    QCOMPARE(entry.value(QStringLiteral("Icon")).toString(), applicationId());
    // On X11 the window's class is the application name, which the program sets to its title.
    QCOMPARE(entry.value(QStringLiteral("StartupWMClass")).toString(),
             QString::fromUtf8(quiz::kApplicationTitle));
    QCOMPARE(QFileInfo(QStringLiteral(VOCARRA_DESKTOP_FILE)).completeBaseName(), applicationId());
}

void TestDesktop::metadata_pointsAtTheDesktopEntry()
{
    QFile metadata(QStringLiteral(VOCARRA_METAINFO_FILE));
    QVERIFY(metadata.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(metadata.readAll());
    QVERIFY(text.contains(QStringLiteral("<id>%1</id>").arg(applicationId())));
    QVERIFY(text.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>")
                              .arg(applicationId())));
    QVERIFY(text.contains(QStringLiteral("<release version=\"" VOCARRA_VERSION "\"")));
}

void TestDesktop::icon_isBuiltInAtEverySize()
{
    const QIcon icon = programIcon();
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        QCOMPARE(pixmap.size(), QSize(size, size));
        // Drawn, not blank: the tile's blue fills the middle of its left edge.
        const QColor edge = pixmap.toImage().pixelColor(size / 8, size / 2);
        QVERIFY2(edge.alpha() == 255 && edge.blue() > edge.red(), qPrintable(edge.name()));
    }
}

void TestDesktop::icon_givesEachAskedSizeWithoutGrowing_data()
{
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("given");
    QTest::newRow("a shipped size") << 24 << 24;
    QTest::newRow("between two shipped sizes, from the larger") << 40 << 40;
    QTest::newRow("below the smallest") << 8 << 8;
    QTest::newRow("above the largest, the largest as it is") << 512 << 256;
}

void TestDesktop::icon_givesEachAskedSizeWithoutGrowing()
{
    QFETCH(int, asked);
    QFETCH(int, given);
    const QIcon icon = programIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.actualSize(QSize(asked, asked)), QSize(given, given));
    const QImage image = icon.pixmap(asked, asked).toImage();
    QCOMPARE(image.size(), QSize(given, given));
    // Drawn, not blank: the tile is opaque in its middle.
    QCOMPARE(image.pixelColor(given / 2, given / 2).alpha(), 255);
    // On a screen of twice the pixel density, half the size asked for takes as many pixels.
    QCOMPARE(icon.pixmap(QSize(asked, asked) / 2, 2.0).size(), QSize(given, given));
}

void TestDesktop::icon_showsTheThemePixels_data()
{
    QTest::addColumn<int>("side");
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d px", side) << side;
}

void TestDesktop::icon_showsTheThemePixels()
{
    // The window icon and the installed theme's PNG come from one rendering and must not drift.
    QFETCH(int, side);
    const QString png =
        QStringLiteral(VOCARRA_ICON_DIR "/%1x%1/apps/%2.png").arg(side).arg(applicationId());
    const QImage theme(png);
    QVERIFY2(!theme.isNull(), qPrintable(png));
    QCOMPARE(programIcon().pixmap(side, side).toImage(),
             theme.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestDesktop::icon_givesNothingForABrokenSize_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("whole pixels") << 2 << true;
    QTest::newRow("whole pixels, stored compressed") << 8 << true;
    QTest::newRow("one byte short") << 16 << false;
    QTest::newRow("one pixel too many") << 24 << false;
    QTest::newRow("missing") << 32 << false;
    QTest::newRow("between sizes, from a broken larger one") << 20 << false;
}

void TestDesktop::icon_givesNothingForABrokenSize()
{
    QFETCH(int, side);
    QFETCH(bool, drawn);
    const QIcon icon(
        new ProgramIconEngine(QStringLiteral(":/brokenicons/%1.argb"), {2, 8, 16, 24, 32}));
    const QImage image = icon.pixmap(side, side).toImage();
    QCOMPARE(!image.isNull(), drawn);
    if (drawn) {
        const QByteArray bits(reinterpret_cast<const char *>(image.constBits()),
                              image.sizeInBytes());
        QCOMPARE(bits, QByteArrayLiteral("0123").repeated(side * side));
    }
}

void TestDesktop::fontFamily_namesTheInstalledOne_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QStringList>("named");
    const QStringList arialFirst{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    QTest::newRow("the first wanted is installed")
        << arialFirst << QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")}
        << QStringList{QStringLiteral("Arial")};
    QTest::newRow("only its metric twin is")
        << arialFirst << QStringList{QStringLiteral("Liberation Sans")}
        << QStringList{QStringLiteral("Liberation Sans")};
    QTest::newRow("spelt as the database spells it")
        << arialFirst << QStringList{QStringLiteral("liberation sans")}
        << QStringList{QStringLiteral("liberation sans")};
    QTest::newRow("none installed: left to Qt's substitution")
        << arialFirst << QStringList{QStringLiteral("DejaVu Sans")} << arialFirst;
    QTest::newRow("an empty database") << arialFirst << QStringList{} << arialFirst;
}

void TestDesktop::fontFamily_namesTheInstalledOne()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, named);
    QCOMPARE(preferInstalledFamily(wanted, installed), named);
}

void TestDesktop::interfaceFont_isNeverMonospaced_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("a monospaced desktop font is replaced")
        << QStringLiteral("Liberation Mono") << true;
    QTest::newRow("a proportional one is kept") << QStringLiteral("Liberation Sans") << false;
}

void TestDesktop::interfaceFont_isNeverMonospaced()
{
    QFETCH(QString, family);
    QFETCH(bool, replaced);
    QFont general(family);
    general.setPointSizeF(9.5);
    const QFont chosen = proportionalInterfaceFont(general);
    QVERIFY(!QFontInfo(chosen).fixedPitch());
    QCOMPARE(chosen.pointSizeF(), 9.5);
    QCOMPARE(chosen == general, !replaced);
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
