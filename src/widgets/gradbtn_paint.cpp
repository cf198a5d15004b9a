// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient button's face: gradient, frame rings, caption copies and focus rectangle, drawn
// into the off-screen image that paintEvent copies to the screen.
#include "widgets/gradbtn.h"

#include <QPainter>

namespace {

struct Channels {
    int red, green, blue;
};

Channels channelsOf(quint32 value)
{
    return {int(value & 0xFF), int(value >> 8 & 0xFF), int(value >> 16 & 0xFF)};
}

// Step i of n between two colours; integer division truncates toward zero, so step 0 is the
// begin colour and step n the end colour exactly.
QColor stepColor(Channels begin, Channels end, int i, int n)
{
    auto channel = [i, n](int from, int to) { return (from + (i * (to - from)) / n) & 0xFF; };
    return QColor(channel(begin.red, end.red), channel(begin.green, end.green),
                  channel(begin.blue, end.blue));
}

// The classic focus rectangle: every other pixel of the outline inverted, so that it shows on any
// gradient. (Some styles draw no focus frame at all after a mouse click; this one always shows.)
void invertDotted(QImage &image, QRect logical)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect r(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
                  QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)));
    const QRect inside = r & image.rect();
    if (inside.isEmpty())
        return;
    auto invert = [&image](int x, int y) {
        if ((x + y) % 2 == 0) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            line[x] ^= 0x00FFFFFF;
        }
    };
    for (int x = inside.left(); x <= inside.right(); ++x) {
        if (r.top() == inside.top())
            invert(x, r.top());
        if (r.bottom() == inside.bottom() && r.bottom() != r.top())
            invert(x, r.bottom());
    }
    for (int y = inside.top() + 1; y < inside.bottom(); ++y) {
        if (r.left() == inside.left())
            invert(r.left(), y);
        if (r.right() == inside.right() && r.right() != r.left())
            invert(r.right(), y);
    }
}

} // namespace

QString TGradBtn::displayText(const QString &caption)
{
    // Every character but the last is kept unless it is an accelerator mark (an & not followed by
    // a second &); the last is always kept, so a caption ending in & shows it.
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const bool last = i == caption.size() - 1;
        if (!last && caption[i] == u'&' && caption[i + 1] != u'&')
            continue;
        if (!last && caption[i] == u'&')
            ++i; // && shows one &
        shown += caption[i];
    }
    return shown;
}

void TGradBtn::paintEvent(QPaintEvent *)
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!m_faceValid || m_face.size() != pixels || m_faceCaption != text() ||
        m_faceDown != isDown()) {
        if (m_face.size() != pixels) {
            m_face = QImage(pixels, QImage::Format_RGB32);
            m_face.setDevicePixelRatio(ratio);
        }
        renderFace();
        m_faceValid = true;
        m_faceCaption = text();
        m_faceDown = isDown();
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_face);
}

void TGradBtn::renderFace()
{
    const int w = width();
    const int h = height();
    {
        QPainter painter(&m_face);
        painter.setFont(font());
        fillGradient(painter, w, h);
        drawFrame(painter, w, h);
        drawCaption(painter, w, h);
    }
    if (!m_designing && m_showFocus && hasFocus())
        invertDotted(m_face, QRect(QPoint(2, 2), QPoint(w - 3, h - 3)));
}

void TGradBtn::fillGradient(QPainter &painter, int w, int h) const
{
    // Pressed with SwapColors on, the gradient runs the other way. The stored colours are never
    // exchanged, so they hold what was assigned whatever happens during a press.
    const bool swapped = isDown() && m_swapColors;
    const Channels begin = channelsOf(swapped ? m_endColor : m_beginColor);
    const Channels end = channelsOf(swapped ? m_beginColor : m_endColor);
    painter.setPen(Qt::NoPen);

    switch (m_gradientStyle) {
    case gsHorizontal:
        for (int i = 0; i < 256; ++i) {
            const int x0 = i * w / 256, x1 = (i + 1) * w / 256;
            if (x1 > x0)
                painter.fillRect(x0, 0, x1 - x0, h, stepColor(begin, end, i, 255));
        }
        break;
    case gsVertical:
        for (int i = 0; i < 256; ++i) {
            const int y0 = i * h / 256, y1 = (i + 1) * h / 256;
            if (y1 > y0)
                painter.fillRect(0, y0, w, y1 - y0, stepColor(begin, end, i, 255));
        }
        break;
    case gsElliptic: {
        // The first ellipse overhangs each side by a third, so it covers the corners.
        const int x0 = w / -3, x1 = w + w / 3, y0 = h / -3, y1 = h + h / 3;
        const int sx = x1 - x0, sy = y1 - y0;
        for (int i = 0; i <= 50; ++i) {
            const QRect box(QPoint(x0 + sx * i / 100, y0 + sy * i / 100),
                            QPoint(x1 - sx * i / 100 - 1, y1 - sy * i / 100 - 1));
            if (box.width() <= 0 || box.height() <= 0)
                break;
            painter.setBrush(stepColor(begin, end, i, 50));
            painter.drawEllipse(box);
        }
        break;
    }
    case gsRectangle: {
        double left = 0, top = 0, right = w + 2, bottom = h + 2;
        const double ax = w / 2.0 / 255, ay = h / 2.0 / 255;
        for (int i = 0; i < 256; ++i) {
            left += ax;
            top += ay;
            right -= ax;
            bottom -= ay;
            const QRect box(QPoint(int(left), int(top)), QPoint(int(right) - 1, int(bottom) - 1));
            if (box.isValid())
                painter.fillRect(box, stepColor(begin, end, i, 255));
        }
        break;
    }
    case gsVertCenter:
    case gsHorizCenter: {
        const bool rows = m_gradientStyle == gsVertCenter;
        const int extent = rows ? h : w;
        const int half = extent / 2;
        // Under two pixels there is no middle to run toward: the edge colour fills the face,
        // rather than dividing by a half that is zero.
        if (half == 0) {
            painter.fillRect(0, 0, w, h, stepColor(begin, end, 0, 1));
            break;
        }
        for (int i = 0; i <= half; ++i) {
            const QColor color = stepColor(begin, end, i, half);
            for (int line : {i, extent - 1 - i}) {
                if (rows)
                    painter.fillRect(0, line, w, 1, color);
                else
                    painter.fillRect(line, 0, 1, h, color);
            }
        }
        break;
    }
    }
}

void TGradBtn::drawFrame(QPainter &painter, int w, int h) const
{
    const QColor light = colorvalue::resolve(m_btnHiliteClr, palette());
    const QColor dark = colorvalue::resolve(m_btnShadowClr, palette());
    const QColor &topLeft = isDown() ? dark : light;
    const QColor &bottomRight = isDown() ? light : dark;
    for (int k = 0; k < m_btnFrameSize; ++k) {
        const int right = w - 1 - k, bottom = h - 1 - k;
        if (right < k || bottom < k)
            break;
        painter.fillRect(k, k, right - k, 1, topLeft);  // top, without its last pixel
        painter.fillRect(k, k, 1, bottom - k, topLeft); // left, without its last pixel
        painter.fillRect(right, k, 1, bottom - k + 1, bottomRight);
        painter.fillRect(k, bottom, right - k + 1, 1, bottomRight);
    }
}

void TGradBtn::drawCaption(QPainter &painter, int w, int h) const
{
    const QString caption = text();
    const QFontMetrics metrics(painter.font());
    const int p = isDown() ? 1 : 0;
    const int textHeight = metrics.height();
    const int textWidth = metrics.horizontalAdvance(displayText(caption));
    const int fy = (h - textHeight) / 2 + p;
    int fx = (w - textWidth) / 2 + p;
    Qt::Alignment align = Qt::AlignHCenter;
    if (m_justification == jLeft) {
        fx = 2 + p;
        align = Qt::AlignLeft;
    } else if (m_justification == jRight) {
        fx = w - textWidth - 2 + p;
        align = Qt::AlignRight;
    }
    const int flags = int(align) | Qt::AlignTop | Qt::TextShowMnemonic;

    // Each copy's box is measured from its origin rightward and down, then the caption is drawn
    // in that box by the justification (which moves only lines narrower than the widest).
    auto copyAt = [&](quint32 color, int x, int y) {
        const QRect box = metrics.boundingRect(
            QRect(x, y, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
        painter.setPen(colorvalue::resolve(color, palette()));
        painter.drawText(box, flags, caption);
    };

    const bool heavy = m_textShadeType == stHeavy;
    const TTextStyle style = isEnabled() ? m_textStyle : tsInset;
    if (style == tsRaised) {
        copyAt(m_txtHiliteClr, fx - 1, fy - 1);
        if (heavy)
            copyAt(m_txtShadowClr, fx + 1, fy + 1);
    } else if (style == tsInset) {
        if (heavy)
            copyAt(m_txtShadowClr, fx - 1, fy - 1);
        copyAt(m_txtHiliteClr, fx + 1, fy + 1);
    }
    const quint32 face = isEnabled() ? colorvalue::fromColor(palette().color(QPalette::ButtonText))
                                     : m_disabledColor;
    copyAt(face, fx, fy);
}
