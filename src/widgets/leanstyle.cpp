// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/leanstyle.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace {

// An icon of the base style that is asked of it the first time it is needed.
class DeferredStyleIcon final : public QIconEngine
{
public:
    DeferredStyleIcon(QStyle *style, QStyle::StandardPixmap which, const QWidget *widget)
        : m_style(style)
        , m_which(which)
        , m_widget(widget)
    {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    // `size` is in device pixels; QIcon::pixmap takes the size before `scale`.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return loaded().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }
    QString iconName() override { return loaded().name(); }
    QIconEngine *clone() const override { return new DeferredStyleIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredStyleIcon"); }
    // The extension arrows are always there; saying so must not read them.
    bool isNull() override { return false; }

private:
    const QIcon &loaded()
    {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;
    bool m_loaded = false;
    QIcon m_icon;
};

bool isExtensionArrow(QStyle::StandardPixmap icon)
{
    return icon == QStyle::SP_ToolBarHorizontalExtensionButton ||
           icon == QStyle::SP_ToolBarVerticalExtensionButton;
}

// Fusion's measures for a group's frame: the room above it for the title (or for the check box of
// a group that can be switched off), and the width of the frame image's corners.
constexpr int kFusionGroupTopMargin = 3;
constexpr int kFusionGroupFrameCorner = 6;

} // namespace

LeanStyle::LeanStyle(QStyle *base)
    : QProxyStyle(base)
    , m_baseIsFusion(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
{}

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                              const QWidget *widget) const
{
    // An option carries a layout direction of its own, which the deferred icon could not keep.
    if (!isExtensionArrow(icon) || option)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new DeferredStyleIcon(baseStyle(), icon, widget));
}

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameGroupBox && m_baseIsFusion &&
        drawFusionGroupFrame(option, painter, widget))
        return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

bool LeanStyle::drawFusionGroupFrame(const QStyleOption *option, QPainter *painter,
                                     const QWidget *widget) const
{
    const auto *frame = qstyleoption_cast<const QStyleOptionFrame *>(option);
    if (!frame || (frame->features & QStyleOptionFrame::Flat))
        return false;
    if (!m_groupFrameRead) {
        m_groupFrameRead = true;
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            QByteArrayLiteral("png"));
        reader.setAutoDetectImageFormat(false);
        m_groupFrame = QPixmap::fromImage(reader.read());
    }
    // Without the image (a Qt that ships another), Fusion draws the frame itself.
    if (m_groupFrame.isNull())
        return false;
    const auto *group = qobject_cast<const QGroupBox *>(widget);
    const bool titled = !group || group->isCheckable() || !group->title().isEmpty();
    const int topMargin =
        kFusionGroupTopMargin +
        (titled ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) : 0);
    const QMargins corners(kFusionGroupFrameCorner, kFusionGroupFrameCorner,
                           kFusionGroupFrameCorner, kFusionGroupFrameCorner);
    qDrawBorderPixmap(painter, option->rect.adjusted(0, topMargin, 0, 0), corners, m_groupFrame);
    return true;
}
