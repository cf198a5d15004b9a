// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient button's properties, its pressed state and its mouse and keyboard handling. The
// painting is in gradbtn_paint.cpp, the presets in gradbtn_presets.cpp.
#include "widgets/gradbtn.h"

#include "widgets/dialogkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

TGradBtn::TGradBtn(QWidget *parent)
    : QAbstractButton(parent)
{
    resize(75, 25);
    setFocusPolicy(Qt::StrongFocus);
    // Every pixel comes from the face image, so Qt need not erase anything first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette palette = this->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
}

TGradBtn::~TGradBtn() = default;

void TGradBtn::setBtnFrameSize(int value)
{
    // Division truncating toward zero, as C++ does, so that a tiny button accepts no frame at all.
    if (value > width() / 2 - 5 || value > height() / 2 - 5)
        return;
    assign(m_btnFrameSize, value);
}

void TGradBtn::setPresets(TPreset value)
{
    if (!m_designing || value < None || value > BrassedOff)
        return;
    applyPreset(value);
    m_preset = value;
    invalidate();
}

QSize TGradBtn::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    // The caption as painted: an accelerator mark takes no room and && is one &.
    const int caption = metrics.horizontalAdvance(displayText(text()));
    return QSize(qMax(75, caption + 16), qMax(25, metrics.height() + 8));
}

void TGradBtn::invalidate()
{
    m_faceValid = false;
    update();
}

void TGradBtn::clickOperation()
{
    if (isDown()) {
        setDown(false);
        m_clickMarker = true;
    }
    invalidate();
    // Show the up look before the click's handler runs, however long that takes. Events that are
    // waiting, a further click among them, run first; the guard covers one that deletes us.
    QPointer<TGradBtn> guard(this);
    QCoreApplication::processEvents();
    if (guard)
        click();
}

void TGradBtn::pressHandler(Qt::MouseButton button)
{
    if (isDown())
        return;
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    if (button == Qt::LeftButton)
        setDown(true);
    invalidate();
}

void TGradBtn::releaseHandler()
{
    if (m_clickMarker) {
        m_clickMarker = false;
        return;
    }
    setDown(false);
}

bool TGradBtn::event(QEvent *event)
{
    // The accelerator (Alt and the underlined letter) clicks at once, without the stock button's
    // animated press.
    if (event->type() == QEvent::Shortcut) {
        if (isEnabled())
            clickOperation();
        return true;
    }
    return QAbstractButton::event(event);
}

void TGradBtn::changeEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        // A button disabled while held down would never see its release: let it up now.
        if (!isEnabled()) {
            m_leftHeldFromPress = false;
            m_clickMarker = false;
            setDown(false);
        }
        invalidate();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
    case QEvent::StyleChange: invalidate(); break;
    default: break;
    }
    QAbstractButton::changeEvent(event);
}

void TGradBtn::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    if (!m_designing)
        invalidate();
}

// A press survives the loss of the focus (the window may move it while the mouse is held), so
// QAbstractButton's handler, which would let the button up, is passed over.
void TGradBtn::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (!m_designing)
        invalidate();
}

void TGradBtn::keyPressEvent(QKeyEvent *event)
{
    const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!isReturn ||
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        // The space bar and every other key do nothing here (a stock button clicks on space).
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // The window's default button, if it takes Return, comes first.
    if (dialogkeys::offer(window(), event->key(), event->modifiers()))
        return;
    clickOperation();
}

void TGradBtn::keyReleaseEvent(QKeyEvent *event) { QWidget::keyReleaseEvent(event); }

void TGradBtn::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        m_leftHeldFromPress = true;
        m_pointerInside = true;
    }
    pressHandler(event->button());
    event->accept();
}

// While the left button that pressed the button is held, the pressed look follows the pointer
// out of the button and back in. (Qt sends no leave or enter to a widget that holds the mouse, so
// the crossing is found here.)
void TGradBtn::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_leftHeldFromPress || !(event->buttons() & Qt::LeftButton))
        return;
    const bool inside = rect().contains(event->position().toPoint());
    if (inside == m_pointerInside)
        return;
    m_pointerInside = inside;
    if (inside) {
        pressHandler(Qt::LeftButton);
        emit mouseEntered();
    } else {
        releaseHandler();
        emit mouseLeft();
    }
}

void TGradBtn::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    const bool leftPressOnUs = event->button() == Qt::LeftButton && m_leftHeldFromPress;
    if (event->button() == Qt::LeftButton)
        m_leftHeldFromPress = false;
    if (leftPressOnUs && isDown() && rect().contains(event->position().toPoint())) {
        QPointer<TGradBtn> guard(this);
        clickOperation();
        if (!guard)
            return;
    }
    releaseHandler();
}

void TGradBtn::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (m_pointerInside)
        return;
    m_pointerInside = true;
    emit mouseEntered();
}

void TGradBtn::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    if (!m_pointerInside)
        return;
    m_pointerInside = false;
    emit mouseLeft();
}

void TGradBtn::resizeEvent(QResizeEvent *event)
{
    QAbstractButton::resizeEvent(event);
    m_faceValid = false;
}
