// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/elastfrm.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <memory>
#include <stdexcept>

using namespace elastic;

bool TElasticForm::isMaximizedState(Qt::WindowStates state)
{
    // A full-screen window fills the screen as a maximised one does, and is taken as one.
    return state & (Qt::WindowMaximized | Qt::WindowFullScreen);
}

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
    m_handledAsMaximized = isMaximizedState(form->windowState());
    m_dragEndTimer.setSingleShot(true);
    m_dragEndTimer.setInterval(kSizingQuietMs);
    connect(&m_dragEndTimer, &QTimer::timeout, this, &TElasticForm::sizingEnded);
    m_stateChangeTimer.setSingleShot(true);
    m_stateChangeTimer.setInterval(kStateChangeAnswerMs);
    connect(&m_stateChangeTimer, &QTimer::timeout, this, [this] {
        if (m_phase == Phase::ChangingState)
            m_phase = Phase::Settled;
        // The window system has had time to frame the window for its new state.
        noteFrame();
        applyTrackSizes();
    });
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

void TElasticForm::prepareAndPlace()
{
    QWidget *area = client();
    if (area != m_form)
        area->installEventFilter(this);
    Prepare();
    if (m_phase == Phase::Disabled)
        return;
    HideChildren();
    if (m_savedPlacement && m_savedPlacement->maximized &&
        !isMaximizedState(m_form->windowState())) {
        if (m_savedPlacement->normalBounds.isValid())
            m_form->setGeometry(m_savedPlacement->normalBounds);
        m_form->setWindowState(m_form->windowState() | Qt::WindowMaximized);
    }
    // The window manager places and sizes a maximised window itself.
    if (!isMaximizedState(m_form->windowState()))
        setOuterBounds(m_computedBounds);
    ShowChildren();
}

void TElasticForm::Prepare()
{
    // Runs once: the form leaves the Preparing phase here.
    m_maximizedArea = maximizedWindowArea();
    if (!m_resolutionIndependence)
        m_designScreen = m_maximizedArea.size();
    m_controls.build(client());
    LoadPlacement();
    m_controls.rememberVisibility();
    m_phase = Phase::Capturing;

    FormPlacementRules rules;
    rules.maximized = isMaximizedState(m_form->windowState());
    rules.borderless = m_form->windowFlags() & Qt::FramelessWindowHint;
    rules.maximizedPosX = m_maximizedPosX;
    rules.maximizedPosY = m_maximizedPosY;
    rules.maintainProportions = m_maintainProportions;
    if (rules.maximized && m_maintainProportions)
        m_maximumTrack = proportionalTrackSize(m_designForm.size(), m_maximizedArea.size());
    const auto scales = screenScales(m_maximizedArea.size(), m_designScreen);
    const auto bounds = preparedFormBounds({m_designScreen, m_designForm, m_designClient}, rules,
                                           m_maximizedArea.size());
    const bool formSized =
        rules.maximized || (m_designForm.width() > 0 && m_designForm.height() > 0);
    if (!scales || !bounds || m_designClient.width() <= 0 || m_designClient.height() <= 0 ||
        !formSized) {
        // Every scale divides by a design value; without them the form keeps its design size.
        m_phase = Phase::Disabled;
        qWarning("TElasticForm: form \"%s\" has a design size of zero (screen %dx%d, form %dx%d, "
                 "client %dx%d); it is left unscaled",
                 qPrintable(m_form->objectName()), m_designScreen.width(), m_designScreen.height(),
                 m_designForm.width(), m_designForm.height(), m_designClient.width(),
                 m_designClient.height());
        return;
    }
    m_scales = *scales;
    m_scaledFormFontSize = roundHalfDown(fontSize(m_font) * m_scales.y);
    m_computedBounds = bounds->translated(m_maximizedArea.topLeft());
    if (m_savedPlacement && !m_savedPlacement->maximized) {
        const QRectF &f = m_savedPlacement->fractions;
        const QRect &area = m_maximizedArea;
        m_computedBounds = QRect(area.x() + roundHalfEven(f.x() * area.width()),
                                 area.y() + roundHalfEven(f.y() * area.height()),
                                 roundHalfEven(f.width() * area.width()),
                                 roundHalfEven(f.height() * area.height()));
    }
}

void TElasticForm::captureReferences()
{
    m_controls.capture(m_scales, m_lookForExtraFonts);
    if (m_scaledFormFontSize != 0)
        setFontSize(m_font, m_scaledFormFontSize, m_font.pixelSize() > 0);
    m_refClient = QSize(roundHalfEven(m_designClient.width() * m_scales.x),
                        roundHalfEven(m_designClient.height() * m_scales.y));
    m_refFontSize = static_cast<int>(fontSize(m_font));
    // The fonts were captured by the vertical screen scale, so the client size they are measured
    // against is scaled the same way. Measured against RefClientWidth instead, on a screen of
    // other proportions than the design screen's (1280 x 1024 against 808 x 580) every font would
    // outgrow its control's width by ScaleY / ScaleX and labels would run into their neighbours.
    m_refFontClient = QSize(roundHalfEven(m_designClient.width() * m_scales.y),
                            roundHalfEven(m_designClient.height() * m_scales.y));
    m_phase = Phase::Placed;
}

void TElasticForm::Layout()
{
    if (m_phase == Phase::Disabled)
        return;
    if (m_phase == Phase::Preparing) {
        Prepare();
        if (m_phase == Phase::Disabled)
            return;
        HideChildren();
    }
    if (m_phase == Phase::BorderDrag)
        return;
    requestFocus();
    const bool first = m_phase == Phase::Capturing;
    if (first)
        captureReferences();

    const QSize clientSize = client()->size();
    // A client area of nothing (a form not yet shown or folded away) can't give ratios.
    if (!clientSize.isEmpty()) {
        const double live = liveFontSize(outerSize(), m_refFontSize, m_refFontClient);
        if (live > 0) {
            if (m_elasticFont)
                setFontSize(m_font, roundHalfEven(live), m_font.pixelSize() > 0);
            m_fontScale = live / m_refFontSize;
        }
        m_controls.layOut({clientSize, m_refClient, m_fontScale, m_elasticHorizontal,
                           m_elasticVertical, m_elasticFont},
                          client());
        applyFormFont();
        applyTrackSizes();
    }
    // The controls were held back since the form was prepared; the first layout lets them show.
    if (first)
        ShowChildren();
    AfterResize();
}

void TElasticForm::HideChildren() { m_controls.HideChildren(client()); }

void TElasticForm::ShowChildren()
{
    m_controls.ShowChildren(client());
    if (!m_activeControl.isEmpty() && !m_form->focusWidget())
        m_controls.focusControl(m_activeControl);
}

void TElasticForm::relayout()
{
    HideChildren();
    Layout();
    ShowChildren();
}

void TElasticForm::requestFocus()
{
    if (m_activeControl.isEmpty() || !m_focusRequestPending)
        return;
    m_controls.focusControl(m_activeControl);
    // The request stays while the form has no focused control yet.
    if (m_form->focusWidget())
        m_focusRequestPending = false;
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

// The track sizes are the window's outer sizes whatever its state; Qt's minimum and maximum sizes
// leave the frame out. The frame depends on the state (a window manager may take the borders off
// a maximised window) and, while the state changes, Qt may still report the frame of the state
// before. So the limits for a state are derived from the frame noted in that state: a hint that
// followed the frame of the moment would bound a normal window by a maximised window's frame, or
// shrink a maximised window's limit below its size and cost it its maximised state.
void TElasticForm::applyTrackSizes()
{
    const Qt::WindowStates state = m_form->windowState();
    if (!prepared() || m_phase == Phase::Capturing || (state & Qt::WindowMinimized))
        return;
    const QSize frame = frameInState(isMaximizedState(state));
    const QSize screen = m_maximizedArea.size();
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
    if (m_form->maximumSize() == maximum)
        return;
    // QWidget::setMaximumSize resizes a window larger than its new maximum, and a window manager
    // takes a program's resize of a maximised window for the end of its maximised state. The hint
    // alone lets the window manager fit the maximised window to it; the widget's own maximum
    // follows once the window is no larger.
    QWindow *window = m_form->windowHandle();
    const bool larger = m_form->width() > maximum.width() || m_form->height() > maximum.height();
    if (window && larger && isMaximizedState(state))
        window->setMaximumSize(maximum);
    else
        m_form->setMaximumSize(maximum);
}

QSize TElasticForm::frameInState(bool maximized) const
{
    const QSize &own = maximized ? m_maximizedFrame : m_normalFrame;
    const QSize &other = maximized ? m_normalFrame : m_maximizedFrame;
    if (own.isValid())
        return own;
    if (other.isValid())
        return other;
    return outerSize() - m_form->size();
}

void TElasticForm::noteFrame()
{
    const Qt::WindowStates state = m_form->windowState();
    // Right after a change of state the frame may still be the old state's. A full-screen window
    // has no frame to note, and a window not yet on screen has none yet.
    if (m_stateChangeTimer.isActive() || (state & (Qt::WindowMinimized | Qt::WindowFullScreen)))
        return;
    const QWindow *window = m_form->windowHandle();
    const QSize frame = outerSize() - m_form->size();
    if (!window || (!window->isExposed() && frame.isNull()))
        return;
    (state & Qt::WindowMaximized ? m_maximizedFrame : m_normalFrame) = frame;
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
    m_savedPlacement = readPlacement(*settings, m_form->objectName(), m_controls.count());
    if (!m_savedPlacement)
        return;
    m_maximumTrack = {m_savedPlacement->maxTrackWidth, m_savedPlacement->maxTrackHeight};
    m_controls.setVisibility(m_savedPlacement->visible);
}

void TElasticForm::SavePlacement()
{
    if (m_iniFile.isEmpty() || m_phase == Phase::Preparing || m_maximizedArea.isEmpty())
        return;
    SavedPlacement placement;
    placement.totalControls = m_controls.count();
    placement.maximized = isMaximizedState(m_form->windowState());
    const QRect outer = m_form->frameGeometry();
    const QRect &area = m_maximizedArea;
    const double width = area.width();
    const double height = area.height();
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
            QRectF((outer.x() - area.x()) / width, (outer.y() - area.y()) / height,
                   outer.width() / width, outer.height() / height);
        placement.showCommand = (m_form->windowState() & Qt::WindowMinimized) ? 2 : 1;
    }
    placement.maxTrackWidth = m_maximumTrack.width();
    placement.maxTrackHeight = m_maximumTrack.height();
    placement.visible = m_controls.visibility();
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
