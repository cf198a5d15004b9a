// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/glimbtn1.h"

#include "widgets/dialogkeys.h"

#include <QDialog>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {

const QColor kYellow(255, 255, 0);
const QColor kMarkGrey(128, 128, 128);

QImage loadImage(const char *name, QColor background)
{
    // Qt GUI reads BMP, run-length-encoded ones included, without a plugin. With detection by
    // content on, Qt's reader would first load every image-format plugin to ask whether it reads
    // the format; off, and with the format named, it goes straight to its own BMP reader.
    QImageReader reader(QStringLiteral(":/widgets/%1.bmp").arg(QLatin1StringView(name)), "BMP");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.size() != QSize(TGlimButton1::kImageWidth, TGlimButton1::kImageHeight)) {
        // Without its image the button still works, as a plain field of the background colour.
        qWarning("TGlimButton1: %s: %s", qPrintable(reader.fileName()),
                 qPrintable(image.isNull() ? reader.errorString()
                                           : QStringLiteral("not 37 x 41 pixels")));
        image = QImage(TGlimButton1::kImageWidth, TGlimButton1::kImageHeight, QImage::Format_RGB32);
        image.fill(background);
    }
    // Converted once here rather than from the palette at every paint.
    image.convertTo(QImage::Format_RGB32);
    return image;
}

} // namespace

TGlimButton1::TGlimButton1(QWidget *parent)
    : QAbstractButton(parent)
    , m_images{loadImage("BUTTON2A", QColor(189, 189, 189)),
               loadImage("BUTTON2B", QColor(189, 189, 189)), loadImage("BUTTON1A", Qt::white),
               loadImage("BUTTON1B", Qt::white)}
{
    resize(91, kImageHeight);
    // The images are 41 pixels high, so the button is too, whatever its bounds are set to.
    setFixedHeight(kImageHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QFont face(QStringLiteral("Arial"));
    face.setPointSize(13);
    face.setBold(true);
    setFont(face);
    QPalette palette = this->palette();
    palette.setColor(QPalette::ButtonText, kYellow);
    setPalette(palette);
}

TGlimButton1::~TGlimButton1() = default;

void TGlimButton1::setButtonStyle(TButtonStyle value)
{
    if (m_style == value)
        return;
    m_style = value;
    update();
}

void TGlimButton1::setStatus(TButtonState value)
{
    m_tracking = false;
    setLook(value);
}

void TGlimButton1::setLook(TButtonState look)
{
    if (m_status == look)
        return;
    m_status = look;
    update();
}

void TGlimButton1::setDefault(bool value)
{
    m_default = value;
    // Nothing on screen depends on it; the window's offer of Return reads it when Return comes.
    update();
}

QSize TGlimButton1::sizeHint() const
{
    // Measured as painted: an accelerator mark takes no room and && is one &.
    const int caption =
        fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width();
    return QSize(qMax(91, caption + 36), kImageHeight);
}

const QImage &TGlimButton1::currentImage() const
{
    const std::size_t pair = m_style == bsOnWhite ? 2 : 0;
    return m_images[pair + (m_status == bsOn ? 1 : 0)];
}

bool TGlimButton1::canTakeFocus() const
{
    // Shown within its window and enabled along with all its parents; whether the window itself is
    // on screen does not matter, as the window is where the key came from.
    return isEnabled() && isVisibleTo(window());
}

// Inside includes the right and bottom border lines: a release there still clicks.
bool TGlimButton1::isInside(QPoint point) const
{
    return point.x() >= 0 && point.x() <= width() && point.y() >= 0 && point.y() <= height();
}

void TGlimButton1::clickOperation()
{
    QWidget *top = window();
    auto *dialog = qobject_cast<QDialog *>(top);
    if (dialog)
        dialog->setResult(m_modalResult);
    else if (top != this)
        top->setProperty(kModalResultProperty, m_modalResult);
    QPointer<QDialog> guard(dialog);
    click();
    // As in any dialog, a non-zero result ends it, unless the click's handler set it back to 0.
    if (guard && guard->result() != 0)
        guard->done(guard->result());
}

bool TGlimButton1::event(QEvent *event)
{
    if (event->type() == DialogKeyEvent::eventType()) {
        auto *key = static_cast<DialogKeyEvent *>(event);
        const bool takes = (key->isPlainReturn() && (m_focusFlag || m_default)) ||
                           (key->isPlainEscape() && m_cancel);
        if (takes && canTakeFocus()) {
            key->accept();
            clickOperation();
        }
        return true;
    }
    if (event->type() == QEvent::Shortcut) {
        if (canTakeFocus())
            clickOperation();
        return true;
    }
    return QAbstractButton::event(event);
}

void TGlimButton1::paintEvent(QPaintEvent *)
{
    const int w = width();
    const int h = height();
    const QImage &image = currentImage();
    QPainter painter(this);

    // Left end, a middle slice stretched by plain pixel replication, right end.
    painter.drawImage(QPoint(0, 0), image, QRect(0, 0, 16, kImageHeight));
    const int middle = qMax(0, w - 36);
    if (middle > 0)
        painter.drawImage(QRect(16, 0, middle, kImageHeight), image, QRect(16, 0, 2, kImageHeight));
    painter.drawImage(QPoint(16 + middle, 0), image, QRect(18, 0, kImageWidth - 18, kImageHeight));
    // The right end is 20 columns wide and the image has 19 from column 18 on: the button's last
    // column repeats the image's last, so the shadow and background run on to the edge unbroken.
    painter.drawImage(QPoint(16 + middle + kImageWidth - 18, 0), image,
                      QRect(kImageWidth - 1, 0, 1, kImageHeight));

    QRect caption;
    if (m_status == bsOff) {
        if (m_focusFlag) {
            painter.fillRect(QRect(QPoint(7, 4), QPoint(w - 16, 4)), kMarkGrey);
            painter.fillRect(QRect(QPoint(7, 4), QPoint(7, h - 17)), kMarkGrey);
        }
        caption = QRect(QPoint(0, 0), QPoint(w - 9, h - 12));
    } else {
        if (m_focusFlag) {
            painter.fillRect(QRect(QPoint(12, 9), QPoint(w - 11, 9)), kMarkGrey);
            painter.fillRect(QRect(QPoint(12, 9), QPoint(12, h - 12)), kMarkGrey);
        }
        caption = QRect(QPoint(5, 5), QPoint(w - 4, h - 7));
    }

    painter.setFont(font());
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText) : kYellow);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
}

void TGlimButton1::setFocusFlag(bool focused)
{
    if (m_focusFlag == focused)
        return;
    m_focusFlag = focused;
    update();
}

void TGlimButton1::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    setFocusFlag(hasFocus());
}

void TGlimButton1::focusOutEvent(QFocusEvent *event)
{
    QAbstractButton::focusOutEvent(event);
    setFocusFlag(hasFocus());
}

// No key of its own: a stock button would click on the space bar.
void TGlimButton1::keyPressEvent(QKeyEvent *event) { QWidget::keyPressEvent(event); }

void TGlimButton1::keyReleaseEvent(QKeyEvent *event) { QWidget::keyReleaseEvent(event); }

void TGlimButton1::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton) {
        setStatus(bsOn);
        m_tracking = true;
    }
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    event->accept();
}

void TGlimButton1::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    if (!m_tracking || !(event->buttons() & Qt::LeftButton))
        return;
    setLook(isInside(event->position().toPoint()) ? bsOn : bsOff);
}

void TGlimButton1::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_tracking)
        return;
    setStatus(bsOff);
    if (isInside(event->position().toPoint()))
        clickOperation();
}
