// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elasticplacement.h"

#include <QSettings>

namespace elastic {

namespace {

// Far beyond any screen, but small enough that no sum of two of them overflows.
constexpr int kLargestPixels = 16384;

QString visibleKey(int index) { return QStringLiteral("Visible ") + QString::number(index); }

// Reads values of one settings group, remembering whether any of them was damaged.
class Reader
{
public:
    explicit Reader(QSettings &settings)
        : m_settings(settings)
    {}

    bool damaged() const { return m_damaged; }

    int integer(const QString &key, int fallback, int lowest, int highest)
    {
        if (!m_settings.contains(key))
            return fallback;
        bool ok = false;
        const int value = m_settings.value(key).toString().trimmed().toInt(&ok);
        if (!ok || value < lowest || value > highest)
            m_damaged = true;
        return value;
    }

    double fraction(const QString &key)
    {
        bool ok = false;
        const double value = m_settings.value(key).toString().trimmed().toDouble(&ok);
        if (!ok || !(value >= 0.0 && value <= 1.0))
            m_damaged = true;
        return value;
    }

    bool flag(const QString &key, bool fallback)
    {
        if (!m_settings.contains(key))
            return fallback;
        const QString text = m_settings.value(key).toString().trimmed().toLower();
        if (text == u"true" || text == u"1")
            return true;
        if (text != u"false" && text != u"0")
            m_damaged = true;
        return false;
    }

    // A track size: 0 (not set), a share of the screen from a tenth to all of it, or pixels
    // enough for a window.
    int trackSize(const QString &key)
    {
        const int value = integer(key, 0, -100, kLargestPixels);
        if ((value < 0 && value > -10) || (value > 0 && value < 100))
            m_damaged = true;
        return value;
    }

private:
    QSettings &m_settings;
    bool m_damaged = false;
};

// The values of the current group, or nothing when any of them is damaged.
std::optional<SavedPlacement> parseGroup(QSettings &settings, int controlCount)
{
    Reader read(settings);
    SavedPlacement placement;
    placement.totalControls = read.integer(QStringLiteral("Total Controls"), -1, 0, 1 << 20);
    if (read.damaged() || placement.totalControls != controlCount)
        return std::nullopt;
    // 0 and 2 are the only states ever written.
    const int state = read.integer(QStringLiteral("Window State"), 0, 0, 2);
    if (state == 1)
        return std::nullopt;
    placement.maximized = state == 2;
    if (!placement.maximized) {
        placement.fractions =
            QRectF(read.fraction(QStringLiteral("Left")), read.fraction(QStringLiteral("Top")),
                   read.fraction(QStringLiteral("Width")), read.fraction(QStringLiteral("Height")));
        // A window must keep a tenth of the screen in each direction to be found again.
        if (placement.fractions.width() < 0.1 || placement.fractions.height() < 0.1)
            return std::nullopt;
    }
    placement.maxTrackWidth = read.trackSize(QStringLiteral("MaxTrackWidth"));
    placement.maxTrackHeight = read.trackSize(QStringLiteral("MaxTrackHeight"));
    for (int i = 0; i < controlCount; ++i)
        placement.visible << read.flag(visibleKey(i), true);
    placement.showCommand = read.integer(QStringLiteral("wp showCmd"), 1, 0, 11);
    const auto pixels = [&read](const char *key) {
        return read.integer(QString::fromLatin1(key), 0, -kLargestPixels, kLargestPixels);
    };
    const int left = pixels("wp NormPosLeft");
    const int top = pixels("wp NormPosTop");
    const int right = pixels("wp NormPosRight");
    const int bottom = pixels("wp NormPosBottom");
    if (right > left && bottom > top)
        placement.normalBounds = QRect(left, top, right - left, bottom - top);
    if (read.damaged())
        return std::nullopt;
    return placement;
}

} // namespace

void writePlacement(QSettings &settings, const QString &section, const SavedPlacement &placement)
{
    settings.beginGroup(section);
    settings.setValue(QStringLiteral("Total Controls"), placement.totalControls);
    settings.setValue(QStringLiteral("Window State"), placement.maximized ? 2 : 0);
    if (!placement.maximized) {
        settings.setValue(QStringLiteral("Left"), placement.fractions.x());
        settings.setValue(QStringLiteral("Top"), placement.fractions.y());
        settings.setValue(QStringLiteral("Width"), placement.fractions.width());
        settings.setValue(QStringLiteral("Height"), placement.fractions.height());
    }
    settings.setValue(QStringLiteral("MaxTrackWidth"), placement.maxTrackWidth);
    settings.setValue(QStringLiteral("MaxTrackHeight"), placement.maxTrackHeight);
    for (int i = 0; i < placement.visible.size(); ++i)
        settings.setValue(visibleKey(i), placement.visible[i]);
    // The window placement record: its length is fixed, the minimised and maximised positions are
    // the system's own (-1).
    settings.setValue(QStringLiteral("wp length "), 44);
    settings.setValue(QStringLiteral("wp flags"), 0);
    settings.setValue(QStringLiteral("wp showCmd"), placement.showCommand);
    settings.setValue(QStringLiteral("wp MinPosX"), -1);
    settings.setValue(QStringLiteral("wp MinPosY"), -1);
    settings.setValue(QStringLiteral("wp MaxPosX"), -1);
    settings.setValue(QStringLiteral("wp MaxPosY"), -1);
    const QRect &normal = placement.normalBounds;
    settings.setValue(QStringLiteral("wp NormPosLeft"), normal.left());
    settings.setValue(QStringLiteral("wp NormPosTop"), normal.top());
    settings.setValue(QStringLiteral("wp NormPosRight"), normal.left() + normal.width());
    settings.setValue(QStringLiteral("wp NormPosBottom"), normal.top() + normal.height());
    settings.endGroup();
}

std::optional<SavedPlacement> readPlacement(QSettings &settings, const QString &section,
                                            int controlCount)
{
    if (!settings.childGroups().contains(section))
        return std::nullopt;
    settings.beginGroup(section);
    auto placement = parseGroup(settings, controlCount);
    settings.endGroup();
    return placement;
}

} // namespace elastic
