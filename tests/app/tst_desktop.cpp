// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program as the desktop sees it: the desktop entry and metadata agree with the program, the
// icon is built in, and menus never come out in a monospaced face.
#include "app/desktopintegration.h"
#include "quiz/messages.h"
#include "version.h"

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
    const QIcon icon = applicationIcon();
    for (int size : {16, 32, 48, 256}) {
        const QPixmap pixmap = icon.pixmap(size, size);
        QCOMPARE(pixmap.size(), QSize(size, size));
        // Drawn, not blank: the tile's blue fills the middle of its left edge.
        const QColor edge = pixmap.toImage().pixelColor(size / 8, size / 2);
        QVERIFY2(edge.alpha() == 255 && edge.blue() > edge.red(), qPrintable(edge.name()));
    }
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
