// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QImage>

#include <array>

// A push button drawn from stored images: a black body with a soft shadow, stretched to the
// button's width, and a bold caption centred on it. Pressed, it shows the body sunk down and to
// the right without its shadow. It can be its window's default button (Return from anywhere in the
// window clicks it) or cancel button (Escape), through the window's DialogKeyOffer; it carries a
// modal result for a dialog. Its height is always 41 pixels, the images' height.
//
// The space bar never clicks it, and it takes no key itself: Return and Escape reach it only as
// the window's offer.
class TGlimButton1 : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(TButtonStyle Style READ Style WRITE setButtonStyle)
    Q_PROPERTY(TButtonState Status READ Status WRITE setStatus)
    Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
    Q_PROPERTY(bool Default READ Default WRITE setDefault)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE setModalResult)

public:
    enum TButtonStyle { bsOnGray, bsOnWhite };
    Q_ENUM(TButtonStyle)
    enum TButtonState { bsOff, bsOn };
    Q_ENUM(TButtonState)

    static constexpr int kImageWidth = 37;
    static constexpr int kImageHeight = 41;

    explicit TGlimButton1(QWidget *parent = nullptr);
    ~TGlimButton1() override;

    TButtonStyle Style() const { return m_style; }
    // Not setStyle, which would hide QWidget::setStyle(QStyle *).
    void setButtonStyle(TButtonStyle value);
    TButtonState Status() const { return m_status; }
    // Also ends a mouse press in progress: later moves leave the look alone and the release does
    // not click.
    void setStatus(TButtonState value);
    bool Cancel() const { return m_cancel; }
    void setCancel(bool value) { m_cancel = value; }
    bool Default() const { return m_default; }
    void setDefault(bool value);
    int ModalResult() const { return m_modalResult; }
    void setModalResult(int value) { m_modalResult = value; }

    // The name under which a window that is not a dialog keeps the modal result of the last click.
    static constexpr const char *kModalResultProperty = "modalResult";

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The window's modal result, then clicked().
    void clickOperation();
    bool canTakeFocus() const;
    bool isInside(QPoint point) const;
    void setLook(TButtonState look);
    void setFocusFlag(bool focused);
    const QImage &currentImage() const;

    TButtonStyle m_style = bsOnGray;
    TButtonState m_status = bsOff;
    bool m_cancel = false;
    bool m_default = false;
    int m_modalResult = 0;
    bool m_focusFlag = false;
    bool m_tracking = false;
    // Up and pressed on grey, then up and pressed on white.
    std::array<QImage, 4> m_images;
};
