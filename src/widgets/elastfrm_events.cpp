// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window events a scaled form receives, and the steps of the scaling each one leads to.
#include "widgets/elastfrm.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

using namespace elastic;

bool TElasticForm::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *area = client();
    if (watched == m_form)
        formEvent(event);
    if (watched == area) {
        if (event->type() == QEvent::Resize)
            sizeChanged();
        else if (event->type() == QEvent::Paint && m_background)
            paintBackground();
    }
    return QObject::eventFilter(watched, event);
}

void TElasticForm::formEvent(QEvent *event)
{
    // Nothing happens until the form is on screen; the first event then finds its place.
    if (m_phase == Phase::Preparing && m_form->isVisible())
        prepareAndPlace();
    switch (event->type()) {
    case QEvent::Resize:
        // A main window's client area follows at once or with its next layout pass; after that
        // the flag must not mark a later resize of the program's own.
        m_resizeFromWindowSystem = event->spontaneous();
        if (m_resizeFromWindowSystem)
            QTimer::singleShot(0, this, [this] { m_resizeFromWindowSystem = false; });
        break;
    case QEvent::Show:
        if (m_phase != Phase::Disabled && !m_pointerSeen)
            relayout();
        watchScreen();
        break;
    case QEvent::Enter: m_pointerSeen = true; break;
    case QEvent::WindowActivate:
        if (m_phase == Phase::Placed)
            m_phase = Phase::Activated;
        break;
    case QEvent::Move:
        // The first position change after an activation settles the window.
        if (m_phase == Phase::Activated)
            settle();
        // A window manager that changes the frame moves the client area within it.
        noteFrame();
        applyTrackSizes();
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

void TElasticForm::settle()
{
    if (m_phase == Phase::Placed || m_phase == Phase::Activated ||
        m_phase == Phase::ChangingState || m_phase == Phase::BorderDrag)
        m_phase = Phase::Settled;
}

void TElasticForm::sizeChanged()
{
    if (!prepared() || !m_form->isVisible())
        return;
    const bool fromWindowSystem = m_resizeFromWindowSystem;
    m_resizeFromWindowSystem = false;
    const Qt::WindowStates state = m_form->windowState();
    if (state & Qt::WindowMinimized)
        return;
    if (m_phase == Phase::BorderDrag) {
        m_dragEndTimer.start();
        return;
    }
    if (fromWindowSystem && !isMaximizedState(state) && m_phase == Phase::Settled) {
        // A step of a border drag: nothing moves until the size stays put.
        m_phase = Phase::BorderDrag;
        m_dragStartSize = m_laidOutSize;
        m_dragEndTimer.start();
        return;
    }
    sizeStep();
}

// The handling of a new size of the form, once it is known not to be a step of a border drag.
void TElasticForm::sizeStep()
{
    noteFrame();
    const bool maximized = isMaximizedState(m_form->windowState());
    // This size is the answer to a change of state, if one was awaited.
    if (m_phase == Phase::ChangingState)
        m_phase = Phase::Settled;
    // Becoming maximised settles the window (once the layout below has captured, if it must).
    const bool settles = maximized && !m_handledAsMaximized;
    if (settles) {
        m_handledAsMaximized = true;
        applyFormFont();
    } else if (!maximized && settled()) {
        if (m_handledAsMaximized && m_savedPlacement)
            m_savedPlacement->maximized = false;
        m_handledAsMaximized = false;
        applyFormFont();
    }
    // Until the window has settled, the window system's own sizing of it is undone, back to the
    // bounds computed for this screen. A window manager that insists wins after a few rounds.
    if (!maximized && !settled() && outerSize() != m_computedBounds.size() &&
        m_undoneWindowSizes < 3) {
        ++m_undoneWindowSizes;
        setOuterBounds(m_computedBounds);
    }
    applyTrackSizes();
    layOutIfResized();
    if (settles)
        settle();
    SavePlacement();
}

void TElasticForm::layOutIfResized()
{
    // The client area is compared as well: a maximised and a full-screen window can have one
    // outer size and client areas a title bar apart.
    if (sizeDiffers(outerSize(), m_laidOutSize) ||
        sizeDiffers(client()->size(), m_laidOutClientSize))
        relayoutAtPresentSize();
}

void TElasticForm::relayoutAtPresentSize()
{
    // No layout runs during a border drag; its end lays the form out.
    if (m_phase == Phase::BorderDrag)
        return;
    m_laidOutSize = outerSize();
    m_laidOutClientSize = client()->size();
    relayout();
}

void TElasticForm::sizingEnded()
{
    m_phase = Phase::Settled;
    // Minimised in mid-drag: the return from minimised lays the form out.
    if (m_form->windowState() & Qt::WindowMinimized)
        return;
    if (m_maintainProportions && !m_dragStartSize.isEmpty()) {
        const QSize kept = keepAspect(m_dragStartSize, outerSize());
        if (kept != outerSize())
            m_form->resize(kept - (outerSize() - m_form->size()));
    }
    // A drag that ends within 5 pixels of where it began changes nothing either.
    noteFrame();
    applyTrackSizes();
    layOutIfResized();
    m_handledAsMaximized = false;
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
    // (Before the window has settled no size is taken for a drag anyway.)
    if (m_phase == Phase::Settled)
        m_phase = Phase::ChangingState;
    m_stateChangeTimer.start();
    const bool minimized = state & Qt::WindowMinimized;
    const bool wasMinimized = oldState & Qt::WindowMinimized;
    if (minimized && !wasMinimized) {
        rememberActiveControl();
        SavePlacement();
        m_pointerSeen = true;
        m_handledAsMaximized = false;
        // A minimised window has no size of its own to lay out for, so whatever size it comes
        // back with differs from this one and is laid out, once.
        m_laidOutSize = QSize(0, 0);
        m_laidOutClientSize = QSize(0, 0);
    } else if (!minimized) {
        if (isMaximizedState(state) != isMaximizedState(oldState) || wasMinimized)
            rememberActiveControl();
        // The limits of the new state go to the window system at once, so that a maximised
        // window is fitted to them rather than to the limits of a normal one.
        applyTrackSizes();
        if (wasMinimized)
            cameBackFromMinimized();
    }
}

// Nothing is done while the form is minimised: sizes, states and display changes that reach it
// then are only noted by the window system. Back on screen, whatever changed meanwhile is
// handled now, by the same steps as if it had happened while the form was visible.
void TElasticForm::cameBackFromMinimized()
{
    if (!prepared() || !m_form->isVisible())
        return;
    displayChanged();
    // A border drag that was on when the form went away has ended by now.
    if (m_phase == Phase::BorderDrag) {
        m_dragEndTimer.stop();
        sizingEnded();
        return;
    }
    sizeStep();
}

void TElasticForm::watchScreen()
{
    QWindow *window = m_form->windowHandle();
    if (!window || m_watchedScreen == window->screen())
        return;
    if (m_watchedScreen)
        disconnect(m_watchedScreen, nullptr, this, nullptr);
    else
        connect(window, &QWindow::screenChanged, this, &TElasticForm::displayChanged);
    m_watchedScreen = window->screen();
    if (m_watchedScreen)
        connect(m_watchedScreen, &QScreen::availableGeometryChanged, this,
                &TElasticForm::displayChanged);
}

void TElasticForm::displayChanged()
{
    if (!prepared())
        return;
    watchScreen();
    // A minimised form meets the new display when it comes back (cameBackFromMinimized).
    if (m_form->windowState() & Qt::WindowMinimized)
        return;
    // The window's bounds were computed for the maximised window as last read, so they scale by
    // the change of that size (not by the design screen, which would grow the window by the
    // whole design ratio on the first change).
    const QRect before = m_maximizedArea;
    m_maximizedArea = maximizedWindowArea();
    if (before.isEmpty() || m_maximizedArea.isEmpty() || before.size() == m_maximizedArea.size())
        return;
    const double rx = double(m_maximizedArea.width()) / before.width();
    const double ry = double(m_maximizedArea.height()) / before.height();
    if (!isMaximizedState(m_form->windowState())) {
        const QRect frame = m_form->frameGeometry();
        m_computedBounds =
            QRect(roundHalfEven(frame.x() * rx), roundHalfEven(frame.y() * ry),
                  roundHalfEven(rx * frame.width()), roundHalfEven(ry * frame.height()));
        setOuterBounds(m_computedBounds);
    }
    relayoutAtPresentSize();
}
