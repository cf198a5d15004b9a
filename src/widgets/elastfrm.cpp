// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elastfrm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMetaProperty>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <memory>
#include <stdexcept>

using namespace elastic;

namespace {

// A font's size in the unit it was given in: pixels when it was set by pixels, else points.
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

// Qt widgets carry no alignment of their own; a control may name one in its dynamic property
// "Align" (Top, Bottom, Left, Right or Client).
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

bool isMaximizedState(Qt::WindowStates state)
{
    return state & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

} // namespace

TElasticForm::TElasticForm(QObject *owner)
    : QObject(owner)
{
    auto *form = qobject_cast<QWidget *>(owner);
    if (!form || !form->isWindow())
        throw std::invalid_argument("Owner of TElasticForm component must be a form");
    if (owner->findChildren<TElasticForm *>(Qt::FindDirectChildrenOnly).size() > 1)
        throw std::invalid_argument("A TElasticForm component already exists in " +
                                    owner->objectName().toStdString());
    m_form = form;
    m_font = client()->font();
    if (QWidget *focus = form->focusWidget())
        m_activeControl = focus->objectName();
    m_maximizedFlag = isMaximizedState(form->windowState());
    m_sizingEnd.setSingleShot(true);
    m_sizingEnd.setInterval(kSizingQuietMs);
    connect(&m_sizingEnd, &QTimer::timeout, this, &TElasticForm::sizingEnded);
    form->installEventFilter(this);
}

// The filters go with the form and this component; Qt removes them itself.
TElasticForm::~TElasticForm() = default;

QWidget *TElasticForm::client() const
{
    if (auto *window = qobject_cast<QMainWindow *>(m_form); window && window->centralWidget())
        return window->centralWidget();
    return m_form;
}

QSize TElasticForm::outerSize() const { return m_form->frameGeometry().size(); }

void TElasticForm::setOuterBounds(const QRect &bounds)
{
    const QSize frame = m_form->frameGeometry().size() - m_form->size();
    m_form->move(bounds.topLeft());
    m_form->resize(bounds.size() - frame);
}

QRect TElasticForm::maximizedWindowArea() const
{
    const QScreen *screen = m_form->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QList<QWidget *> TElasticForm::managedControls() const
{
    QList<QWidget *> controls;
    for (const Frame &frame : m_frames)
        controls << frame.control.data();
    return controls;
}

void TElasticForm::setFont(const QFont &font)
{
    m_font = font;
    applyFormFont();
    client()->update();
}

void TElasticForm::setBkGrndImage(QLabel *image)
{
    if (m_background == image)
        return;
    m_background = image;
    if (image)
        image->hide();
    client()->update();
}

bool TElasticForm::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *area = client();
    if (watched == m_form) {
        // Nothing happens until the form is on screen; the first event then finds its place.
        if (m_preparePending && !m_disabled && m_form->isVisible())
            prepareAndPlace();
        switch (event->type()) {
        case QEvent::Resize:
            // A main window's client area follows at once or with its next layout pass; after
            // that the flag must not mark a later resize of the program's own.
            m_formResizeSpontaneous = event->spontaneous();
            if (m_formResizeSpontaneous)
                QTimer::singleShot(0, this, [this] { m_formResizeSpontaneous = false; });
            break;
        case QEvent::Show:
            if (!m_disabled && !m_pointerSeen)
                relayout();
            watchScreen();
            break;
        case QEvent::Enter: m_pointerSeen = true; break;
        case QEvent::WindowActivate: m_positionChanges = 10000; break;
        case QEvent::Move:
            // The first position change after an activation settles the window.
            if (++m_positionChanges > 9999)
                m_settled = true;
            break;
        case QEvent::WindowStateChange:
            windowStateChanged(static_cast<QWindowStateChangeEvent *>(event)->oldState());
            break;
        case QEvent::Close:
            SavePlacement();
            m_pointerSeen = true;
            break;
        default: break;
        }
    }
    if (watched == area) {
        if (event->type() == QEvent::Resize)
            sizeChanged();
        else if (event->type() == QEvent::Paint && m_background)
            paintBackground();
    }
    return QObject::eventFilter(watched, event);
}

void TElasticForm::prepareAndPlace()
{
    QWidget *area = client();
    if (area != m_form)
        area->installEventFilter(this);
    Prepare();
    if (m_disabled)
        return;
    HideChildren();
    if (m_saved && m_saved->maximized && !isMaximizedState(m_form->windowState())) {
        if (m_saved->normalBounds.isValid())
            m_form->setGeometry(m_saved->normalBounds);
        m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
    }
    // The window manager places and sizes a maximised window itself.
    if (!isMaximizedState(m_form->windowState()))
        setOuterBounds(m_bounds);
    ShowChildren();
}

void TElasticForm::Prepare()
{
    m_maximized = maximizedWindowArea();
    if (!m_resolutionIndependence)
        m_designScreen = m_maximized.size();
    if (!m_framesBuilt) {
        m_framesBuilt = true;
        std::vector<QWidget *> found;
        collectControls(client(), found);
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
        LoadPlacement();
        for (Frame &frame : m_frames)
            frame.savedVisible = !frame.control->isHidden();
    }
    m_preparePending = false;
    m_positionChanges = 0;

    FormPlacementRules rules;
    rules.maximized = isMaximizedState(m_form->windowState());
    rules.borderless = m_form->windowFlags() & Qt::FramelessWindowHint;
    rules.maximizedPosX = m_maximizedPosX;
    rules.maximizedPosY = m_maximizedPosY;
    rules.maintainProportions = m_maintainProportions;
    if (rules.maximized && m_maintainProportions)
        m_maximumTrack = proportionalTrackSize(m_designForm.size(), m_maximized.size());
    const auto scales = screenScales(m_maximized.size(), m_designScreen);
    const auto bounds = preparedFormBounds({m_designScreen, m_designForm, m_designClient}, rules,
                                           m_maximized.size());
    const bool formSized =
        rules.maximized || (m_designForm.width() > 0 && m_designForm.height() > 0);
    if (!scales || !bounds || m_designClient.width() <= 0 || m_designClient.height() <= 0 ||
        !formSized) {
        // Every scale divides by a design value; without them the form keeps its design size.
        m_disabled = true;
        qWarning("TElasticForm: form \"%s\" has a design size of zero (screen %dx%d, form %dx%d, "
                 "client %dx%d); it is left unscaled",
                 qPrintable(m_form->objectName()), m_designScreen.width(), m_designScreen.height(),
                 m_designForm.width(), m_designForm.height(), m_designClient.width(),
                 m_designClient.height());
        return;
    }
    m_scales = *scales;
    m_scaledFormFont = roundHalfDown(fontSize(m_font) * m_scales.y);
    m_bounds = bounds->translated(m_maximized.topLeft());
    if (m_saved && !m_saved->maximized) {
        const QRectF &f = m_saved->fractions;
        m_bounds = QRect(m_maximized.x() + roundHalfEven(f.x() * m_maximized.width()),
                         m_maximized.y() + roundHalfEven(f.y() * m_maximized.height()),
                         roundHalfEven(f.width() * m_maximized.width()),
                         roundHalfEven(f.height() * m_maximized.height()));
    }
}

void TElasticForm::collectControls(QWidget *parent, std::vector<QWidget *> &found) const
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

void TElasticForm::capture()
{
    for (Frame &frame : m_frames) {
        QWidget *control = frame.control;
        if (!control)
            continue;
        frame.reference = scaledBounds(frame.design, m_scales.x, m_scales.y);
        frame.fontInPixels = control->font().pixelSize() > 0;
        frame.referenceFont = referenceFontSize(fontSize(control->font()), m_scales.y);
        if (m_lookForExtraFonts) {
            // Fonts held in other font-typed properties follow the same scale.
            const QMetaObject *meta = control->metaObject();
            for (int i = 0; i < meta->propertyCount(); ++i) {
                const QMetaProperty property = meta->property(i);
                if (property.metaType().id() != QMetaType::QFont ||
                    qstricmp(property.name(), "font") == 0 || !property.isWritable())
                    continue;
                const QFont extra = property.read(control).value<QFont>();
                frame.extraFonts.push_back(
                    {property.name(), referenceFontSize(fontSize(extra), m_scales.y)});
            }
        }
    }
    if (m_scaledFormFont != 0)
        setFontSize(m_font, m_scaledFormFont, m_font.pixelSize() > 0);
    m_refClient = QSize(roundHalfEven(m_designClient.width() * m_scales.x),
                        roundHalfEven(m_designClient.height() * m_scales.y));
    m_refFontSize = static_cast<int>(fontSize(m_font));
    // The fonts were captured by the vertical screen scale, so the client size they are measured
    // against is scaled the same way. Measured against RefClientWidth instead, on a screen of
    // other proportions than the design screen's (1280 x 1024 against 808 x 580) every font would
    // outgrow its control's width by ScaleY / ScaleX and labels would run into their neighbours.
    m_refFontClient = QSize(roundHalfEven(m_designClient.width() * m_scales.y),
                            roundHalfEven(m_designClient.height() * m_scales.y));
    m_capturePending = false;
}

void TElasticForm::Layout()
{
    if (m_disabled)
        return;
    if (m_preparePending) {
        Prepare();
        if (m_disabled)
            return;
        HideChildren();
    }
    if (m_sizing)
        return;
    requestFocus();
    if (m_capturePending)
        capture();

    const QSize clientSize = client()->size();
    // A client area of nothing (a form not yet shown or folded away) can't give ratios.
    if (!clientSize.isEmpty()) {
        const double live = liveFontSize(outerSize(), m_refFontSize, m_refFontClient);
        if (live > 0) {
            if (m_elasticFont)
                setFontSize(m_font, roundHalfEven(live), m_font.pixelSize() > 0);
            m_fontScale = live / m_refFontSize;
        }
        for (Frame &frame : m_frames)
            ResizeControl(frame, clientSize);
        applyFormFont();
        applyTrackSizes();
    }
    if (m_firstShowPending) {
        m_firstShowPending = false;
        ShowChildren();
    }
    AfterResize();
}

void TElasticForm::ResizeControl(Frame &frame, QSize clientSize)
{
    QWidget *control = frame.control;
    // A control deleted or moved out of the form since the capture is no longer ours to place.
    if (!control || !client()->isAncestorOf(control))
        return;
    if (!frame.active) {
        control->setGeometry(frame.reference);
        return;
    }
    if (m_elasticFont) {
        QFont font = control->font();
        setFontSize(font, scaledFontSize(frame.referenceFont, m_fontScale), frame.fontInPixels);
        if (font != control->font())
            control->setFont(font);
        for (const ExtraFont &extra : frame.extraFonts) {
            QFont other = control->property(extra.property.constData()).value<QFont>();
            setFontSize(other, scaledFontSize(extra.reference, m_fontScale), other.pixelSize() > 0);
            control->setProperty(extra.property.constData(), other);
        }
    }
    const double rx = m_elasticHorizontal ? double(clientSize.width()) / m_refClient.width() : 1.0;
    const double ry = m_elasticVertical ? double(clientSize.height()) / m_refClient.height() : 1.0;
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

void TElasticForm::HideChildren()
{
    if (m_childrenHidden)
        return;
    for (Frame &frame : m_frames)
        if (frame.control)
            frame.savedVisible = !frame.control->isHidden();
    // Qt repaints lazily, so it is enough to hold the client area's painting while the controls
    // move: hiding them would take the keyboard focus from the learner and send every control a
    // hide and a show. The area paints once when ShowChildren lets it go.
    client()->setUpdatesEnabled(false);
    m_childrenHidden = true;
}

void TElasticForm::ShowChildren()
{
    QWidget *area = client();
    for (Frame &frame : m_frames) {
        QWidget *control = frame.control;
        if (control && control->parentWidget() == area && control->isHidden() == frame.savedVisible)
            control->setVisible(frame.savedVisible);
    }
    area->setUpdatesEnabled(true);
    m_childrenHidden = false;
    if (!m_activeControl.isEmpty() && !m_form->focusWidget()) {
        for (Frame &frame : m_frames)
            if (frame.control && frame.control->objectName() == m_activeControl) {
                frame.control->setFocus();
                break;
            }
    }
}

void TElasticForm::relayout()
{
    HideChildren();
    Layout();
    ShowChildren();
}

void TElasticForm::requestFocus()
{
    if (m_activeControl.isEmpty() || !m_focusPending)
        return;
    for (Frame &frame : m_frames)
        if (frame.control && frame.control->objectName() == m_activeControl) {
            frame.control->setFocus();
            break;
        }
    // The request stays while the form has no focused control yet.
    if (m_form->focusWidget())
        m_focusPending = false;
}

void TElasticForm::sizeChanged()
{
    if (m_disabled || m_preparePending || !m_form->isVisible())
        return;
    const bool spontaneous = m_formResizeSpontaneous;
    m_formResizeSpontaneous = false;
    const Qt::WindowStates state = m_form->windowState();
    if (state & Qt::WindowMinimized)
        return;
    if (m_sizing) {
        m_sizingEnd.start();
        return;
    }
    const bool maximized = isMaximizedState(state);
    if (spontaneous && !maximized && m_settled && !m_stateChanging && !m_capturePending) {
        // A step of a border drag: nothing moves until the size stays put.
        m_sizing = true;
        m_sizedDuringDrag = true;
        m_dragStart = m_last;
        m_sizingEnd.start();
        return;
    }
    m_stateChanging = false;
    if (maximized && !m_maximizedFlag) {
        m_settled = true;
        m_maximizedFlag = true;
        applyFormFont();
    } else if (!maximized && m_settled) {
        if (m_maximizedFlag && m_saved)
            m_saved->maximized = false;
        m_maximizedFlag = false;
        applyFormFont();
    }
    // Until the window has settled, the window system's own sizing of it is undone, back to the
    // bounds computed for this screen. A window manager that insists wins after a few rounds.
    if (!maximized && !m_settled && outerSize() != m_bounds.size() && m_undoneSizes < 3) {
        ++m_undoneSizes;
        setOuterBounds(m_bounds);
    }
    if (sizeDiffers(outerSize(), m_last)) {
        m_last = outerSize();
        relayout();
    }
    SavePlacement();
}

void TElasticForm::sizingEnded()
{
    m_settled = true;
    m_sizing = false;
    if (m_sizedDuringDrag) {
        m_sizedDuringDrag = false;
        if (m_maintainProportions && !m_dragStart.isEmpty()) {
            const QSize kept = keepAspect(m_dragStart, outerSize());
            if (kept != outerSize())
                m_form->resize(kept - (outerSize() - m_form->size()));
        }
        // A drag that ends within 5 pixels of where it began changes nothing either.
        if (sizeDiffers(outerSize(), m_last)) {
            m_last = outerSize();
            relayout();
        }
    }
    m_maximizedFlag = false;
    SavePlacement();
}

void TElasticForm::windowStateChanged(Qt::WindowStates oldState)
{
    const Qt::WindowStates state = m_form->windowState();
    // Activation is part of the window state in Qt; only a change of size type matters here.
    const Qt::WindowStates sizeTypes =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if ((state & sizeTypes) == (oldState & sizeTypes))
        return;
    // The size that follows a change of state is the window system's answer to it, not a drag.
    m_stateChanging = true;
    QTimer::singleShot(500, this, [this] { m_stateChanging = false; });
    if (state & Qt::WindowMinimized) {
        rememberActiveControl();
        SavePlacement();
        m_pointerSeen = true;
        m_maximizedFlag = false;
        m_last = outerSize();
    } else if (isMaximizedState(state) != isMaximizedState(oldState) ||
               (oldState & Qt::WindowMinimized)) {
        rememberActiveControl();
    }
}

void TElasticForm::rememberActiveControl()
{
    if (QWidget *focus = m_form->focusWidget())
        m_activeControl = focus->objectName();
}

void TElasticForm::applyFormFont()
{
    QWidget *area = client();
    if (area->font() != m_font)
        area->setFont(m_font);
}

void TElasticForm::applyTrackSizes()
{
    if (m_capturePending)
        return;
    // The track sizes are outer sizes; Qt's minimum and maximum sizes leave the frame out.
    const QSize frame = outerSize() - m_form->size();
    const QSize screen = m_maximized.size();
    const int minimumWidth = resolveExtent(m_minimumTrack.width(), screen.width());
    const int minimumHeight = resolveExtent(m_minimumTrack.height(), screen.height());
    const int maximumWidth = resolveExtent(m_maximumTrack.width(), screen.width());
    const int maximumHeight = resolveExtent(m_maximumTrack.height(), screen.height());
    const QSize minimum(minimumWidth > 0 ? std::max(minimumWidth - frame.width(), 0) : 0,
                        minimumHeight > 0 ? std::max(minimumHeight - frame.height(), 0) : 0);
    const QSize maximum(
        maximumWidth > 0 ? std::max(maximumWidth - frame.width(), 1) : QWIDGETSIZE_MAX,
        maximumHeight > 0 ? std::max(maximumHeight - frame.height(), 1) : QWIDGETSIZE_MAX);
    if (m_form->minimumSize() != minimum && !minimum.isNull())
        m_form->setMinimumSize(minimum);
    if (m_form->maximumSize() != maximum)
        m_form->setMaximumSize(maximum);
}

void TElasticForm::watchScreen()
{
    QWindow *window = m_form->windowHandle();
    if (!window || m_screen == window->screen())
        return;
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    else
        connect(window, &QWindow::screenChanged, this, &TElasticForm::displayChanged);
    m_screen = window->screen();
    if (m_screen)
        connect(m_screen, &QScreen::availableGeometryChanged, this, &TElasticForm::displayChanged);
}

void TElasticForm::displayChanged()
{
    if (m_disabled || m_preparePending)
        return;
    watchScreen();
    // The window's bounds were computed for the maximised window as last read, so they scale by
    // the change of that size (not by the design screen, which would grow the window by the
    // whole design ratio on the first change).
    const QRect before = m_maximized;
    m_maximized = maximizedWindowArea();
    if (before.isEmpty() || m_maximized.isEmpty() || before.size() == m_maximized.size())
        return;
    const double rx = double(m_maximized.width()) / before.width();
    const double ry = double(m_maximized.height()) / before.height();
    if (!isMaximizedState(m_form->windowState())) {
        const QRect frame = m_form->frameGeometry();
        m_bounds = QRect(roundHalfEven(frame.x() * rx), roundHalfEven(frame.y() * ry),
                         roundHalfEven(rx * frame.width()), roundHalfEven(ry * frame.height()));
        setOuterBounds(m_bounds);
    }
    m_last = outerSize();
    relayout();
}

void TElasticForm::AfterResize() { emit OnAfterResize(this); }

namespace {

// The user's own settings, in an ini file named by the key ("organisation/application"), so that
// no other program's settings are ever touched.
std::unique_ptr<QSettings> placementSettings(const QString &key)
{
    const qsizetype slash = key.lastIndexOf(u'/');
    if (slash < 0)
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, key);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, key.left(slash),
                                       key.mid(slash + 1));
}

} // namespace

void TElasticForm::LoadPlacement()
{
    if (m_iniFile.isEmpty())
        return;
    const auto settings = placementSettings(m_iniFile);
    m_saved = readPlacement(*settings, m_form->objectName(), static_cast<int>(m_frames.size()));
    if (!m_saved)
        return;
    m_maximumTrack = {m_saved->maxTrackWidth, m_saved->maxTrackHeight};
    for (std::size_t i = 0; i < m_frames.size(); ++i)
        m_frames[i].control->setVisible(m_saved->visible.at(static_cast<qsizetype>(i)));
}

void TElasticForm::SavePlacement()
{
    if (m_iniFile.isEmpty() || m_preparePending || m_maximized.isEmpty())
        return;
    SavedPlacement placement;
    placement.totalControls = static_cast<int>(m_frames.size());
    placement.maximized = isMaximizedState(m_form->windowState());
    const QRect outer = m_form->frameGeometry();
    const double width = m_maximized.width();
    const double height = m_maximized.height();
    if (placement.maximized) {
        // A maximised window kept smaller than the screen saves its share as its maximum.
        const auto share = [](int size, double screen) {
            const int percent = -roundHalfEven(size / screen * 100.0);
            return percent <= -100 ? 0 : percent;
        };
        m_maximumTrack = {share(outer.width(), width), share(outer.height(), height)};
        placement.showCommand = 3;
    } else {
        placement.fractions =
            QRectF((outer.x() - m_maximized.x()) / width, (outer.y() - m_maximized.y()) / height,
                   outer.width() / width, outer.height() / height);
        placement.showCommand = (m_form->windowState() & Qt::WindowMinimized) ? 2 : 1;
    }
    placement.maxTrackWidth = m_maximumTrack.width();
    placement.maxTrackHeight = m_maximumTrack.height();
    for (const Frame &frame : m_frames)
        placement.visible << (frame.control && !frame.control->isHidden());
    placement.normalBounds = m_form->normalGeometry();
    const auto settings = placementSettings(m_iniFile);
    writePlacement(*settings, m_form->objectName(), placement);
}

void TElasticForm::paintBackground()
{
    const QPixmap picture = m_background->pixmap();
    if (picture.isNull())
        return;
    QWidget *area = client();
    QPainter painter(area);
    if (alignOf(m_background) == Align::Client) {
        painter.drawPixmap(QRect(QPoint(0, 0), outerSize()), picture);
        return;
    }
    // Tiles overlap by one pixel, each starting one pixel left of and above the previous one's end.
    const int columns = area->width() / picture.width() + 1;
    const int rows = area->height() / picture.height() + 1;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            painter.drawPixmap(column * (picture.width() - 1), row * (picture.height() - 1),
                               picture);
}
