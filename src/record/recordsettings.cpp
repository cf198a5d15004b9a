// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/recordsettings.h"

#include <QSettings>

namespace record {
namespace {

const QString kEnabledKey = QStringLiteral("record/enabled");

QSettings vocarraSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vocarra"),
                     QStringLiteral("vocarra"));
}

} // namespace

bool recordingEnabled() { return vocarraSettings().value(kEnabledKey, true).toBool(); }

void setRecordingEnabled(bool enabled) { vocarraSettings().setValue(kEnabledKey, enabled); }

} // namespace record
