// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/desktopintegration.h"

#include "app/installedfonts.h"
#include "widgets/leanstyle.h"
#include "widgets/programiconengine.h"

#include <QApplication>
#include <QFontInfo>

QString applicationId() { return QStringLiteral(VOCARRA_APP_ID); }

QFont proportionalInterfaceFont(const QFont &general)
{
    if (!QFontInfo(general).fixedPitch())
        return general;
    QFont font(general);
    font.setFamilies(installedFamily({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}));
    font.setStyleHint(QFont::SansSerif);
    font.setFixedPitch(false);
    return font;
}

void integrateWithDesktop()
{
    QApplication::setStyle(new LeanStyle(QApplication::style()));
    QGuiApplication::setDesktopFileName(applicationId());
    QApplication::setWindowIcon(programIcon());
    QApplication::setFont(proportionalInterfaceFont(QApplication::font()));
}
