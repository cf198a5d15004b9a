// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elasticcontrols.h"

#include <QLabel>
#include <QLayout>
#include <QMetaProperty>

namespace elastic {

double fontSize(const QFont &font)
{
    return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF();
}

void setFontSize(QFont &font, int size, bool inPixels)
{
    if (size <= 0)
        return;
    if (inPixels)
        font.setPixelSize(size);
    else
        font.setPointSize(size);
}

Align alignOf(const QWidget *control)
{
    const QString align = control->property("Align").toString().toLower();
    if (align == u"top")
        return Align::Top;
    if (align == u"bottom")
        return Align::Bottom;
    if (align == u"left")
        return Align::Left;
    if (align == u"right")
        return Align::Right;
    if (align == u"client")
        return Align::Client;
    return Align::None;
}

namespace {

void collectControls(QWidget *parent, std::vector<QWidget *> &found)
{
    for (QObject *child : parent->children()) {
        auto *control = qobject_cast<QWidget *>(child);
        // Windows of their own are not part of the form; "qt_" children are the insides of Qt's
        // own widgets (scroll-area viewports and the like).
        if (!control || control->isWindow() || control->objectName().startsWith(u"qt_"))
            continue;
        // A control placed by its parent's layout follows that layout, which already tracks the
        // parent's size; moving it here would fight the layout.
        const QLayout *layout = parent->layout();
        const bool inLayout = layout && layout->indexOf(control) >= 0;
        if (!control->objectName().isEmpty() && !inLayout)
            found.push_back(control);
        collectControls(control, found);
    }
}

} // namespace

void ElasticControls::build(QWidget *client)
{
    std::vector<QWidget *> found;
    collectControls(client, found);
    std::vector<AlignedControl> aligned;
    for (QWidget *control : found)
        aligned.push_back({alignOf(control), control->x(), control->y()});
    for (int index : alignmentOrder(aligned)) {
        QWidget *control = found[static_cast<std::size_t>(index)];
        Frame frame;
        frame.control = control;
        frame.design = control->geometry();
        m_frames.push_back(frame);
    }
}

QList<QWidget *> ElasticControls::controls() const
{
    QList<QWidget *> controls;
    for (const Frame &frame : m_frames)
        controls << frame.control.data();
    return controls;
}

QList<bool> ElasticControls::visibility() const
{
    QList<bool> visible;
    for (const Frame &frame : m_frames)
        visible << (frame.control && !frame.control->isHidden());
    return visible;
}

void ElasticControls::setVisibility(const QList<bool> &visible)
{
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i].control->setVisible(visible.at(static_cast<qsizetype>(i)));
}

void ElasticControls::rememberVisibility()
{
    for (Frame &frame : m_frames)
        if (frame.control)
            frame.savedVisible = !frame.control->isHidden();
}

void ElasticControls::capture(Scales scales, bool lookForExtraFonts)
{
    for (Frame &frame : m_frames) {
        QWidget *control = frame.control;
        if (!control)
            continue;
        frame.reference = scaledBounds(frame.design, scales.x, scales.y);
        frame.fontInPixels = control->font().pixelSize() > 0;
        frame.referenceFont = referenceFontSize(fontSize(control->font()), scales.y);
        if (!lookForExtraFonts)
            continue;
        // Fonts held in other font-typed properties follow the same scale.
        const QMetaObject *meta = control->metaObject();
        for (int i = 0; i < meta->propertyCount(); ++i) {
            const QMetaProperty property = meta->property(i);
            if (property.metaType().id() != QMetaType::QFont ||
                qstricmp(property.name(), "font") == 0 || !property.isWritable())
                continue;
            const QFont extra = property.read(control).value<QFont>();
            frame.extraFonts.push_back(
                {property.name(), referenceFontSize(fontSize(extra), scales.y)});
        }
    }
}

void ElasticControls::layOut(const LayoutRatios &ratios, const QWidget *client)
{
    for (Frame &frame : m_frames)
        ResizeControl(frame, ratios, client);
}

void ElasticControls::ResizeControl(Frame &frame, const LayoutRatios &ratios,
                                    const QWidget *client) const
{
    QWidget *control = frame.control;
    // A control deleted or moved out of the form since the capture is no longer ours to place.
    if (!control || !client->isAncestorOf(control))
        return;
    if (!frame.active) {
        control->setGeometry(frame.reference);
        return;
    }
    if (ratios.font) {
        QFont font = control->font();
        setFontSize(font, scaledFontSize(frame.referenceFont, ratios.fontScale),
                    frame.fontInPixels);
        if (font != control->font())
            control->setFont(font);
        for (const ExtraFont &extra : frame.extraFonts) {
            QFont other = control->property(extra.property.constData()).value<QFont>();
            setFontSize(other, scaledFontSize(extra.reference, ratios.fontScale),
                        other.pixelSize() > 0);
            control->setProperty(extra.property.constData(), other);
        }
    }
    const QSize area = ratios.client;
    const double rx = ratios.horizontal ? double(area.width()) / ratios.refClient.width() : 1.0;
    const double ry = ratios.vertical ? double(area.height()) / ratios.refClient.height() : 1.0;
    QRect bounds = scaledBounds(frame.reference, rx, ry);
    // A fixed-size label grows to fit its text at the new font, but never below its bounds.
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QSize fitted = label->sizeHint();
        if (label->wordWrap())
            fitted.setHeight(label->heightForWidth(bounds.width()));
        bounds.setSize(grownLabelSize(bounds.size(), fitted));
    }
    // One operation per control. (Qt widgets have no auto-size switch to toggle afterwards.)
    control->setGeometry(bounds);
}

void ElasticControls::HideChildren(QWidget *client)
{
    if (m_childrenHidden)
        return;
    rememberVisibility();
    // Qt repaints lazily, so it is enough to hold the client area's painting while the controls
    // move: hiding them would take the keyboard focus from the learner and send every control a
    // hide and a show. The area paints once when ShowChildren lets it go.
    client->setUpdatesEnabled(false);
    m_childrenHidden = true;
}

void ElasticControls::ShowChildren(QWidget *client)
{
    for (Frame &frame : m_frames) {
        QWidget *control = frame.control;
        if (control && control->parentWidget() == client &&
            control->isHidden() == frame.savedVisible)
            control->setVisible(frame.savedVisible);
    }
    client->setUpdatesEnabled(true);
    m_childrenHidden = false;
}

void ElasticControls::focusControl(const QString &name) const
{
    for (const Frame &frame : m_frames)
        if (frame.control && frame.control->objectName() == name) {
            frame.control->setFocus();
            return;
        }
}

} // namespace elastic
