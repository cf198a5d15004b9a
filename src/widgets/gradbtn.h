// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/colorvalue.h"

#include <QAbstractButton>
#include <QImage>

// A push button whose face is a gradient between two colours in one of six shapes, with a 3-D
// frame, a caption drawn raised or sunk by a one-pixel copy in a lighter or darker colour, a focus
// rectangle, and a pressed look in which the frame and caption shift and the gradient reverses.
// It paints every pixel itself, through one off-screen image kept between paints.
//
// Its pressed look is QAbstractButton's down state, so isDown(), style options and the
// accessibility state say what the screen shows. Unlike a stock push button, the space bar never
// clicks it, a press of another mouse button only focuses it, and its click lets pending events
// run (so the up look is on screen) before clicked() is emitted.
class TGradBtn : public QAbstractButton
{
    Q_OBJECT
    Q_PROPERTY(quint32 DisabledColor READ DisabledColor WRITE setDisabledColor)
    Q_PROPERTY(quint32 BtnHiliteClr READ BtnHiliteClr WRITE setBtnHiliteClr)
    Q_PROPERTY(quint32 BtnShadowClr READ BtnShadowClr WRITE setBtnShadowClr)
    Q_PROPERTY(int BtnFrameSize READ BtnFrameSize WRITE setBtnFrameSize)
    Q_PROPERTY(quint32 TxtHiliteClr READ TxtHiliteClr WRITE setTxtHiliteClr)
    Q_PROPERTY(quint32 TxtShadowClr READ TxtShadowClr WRITE setTxtShadowClr)
    Q_PROPERTY(quint32 BeginColor READ BeginColor WRITE setBeginColor)
    Q_PROPERTY(quint32 EndColor READ EndColor WRITE setEndColor)
    Q_PROPERTY(bool SwapColors READ SwapColors WRITE setSwapColors)
    Q_PROPERTY(bool ShowFocus READ ShowFocus WRITE setShowFocus)
    Q_PROPERTY(TGradientStyle GradientStyle READ GradientStyle WRITE setGradientStyle)
    Q_PROPERTY(TTextStyle TextStyle READ TextStyle WRITE setTextStyle)
    Q_PROPERTY(TShadeType TextShadeType READ TextShadeType WRITE setTextShadeType)
    Q_PROPERTY(TPreset Presets READ Presets WRITE setPresets)
    Q_PROPERTY(TJustification Justification READ Justification WRITE setJustification)

public:
    enum TGradientStyle {
        gsHorizontal,
        gsVertical,
        gsElliptic,
        gsRectangle,
        gsVertCenter,
        gsHorizCenter
    };
    Q_ENUM(TGradientStyle)
    enum TTextStyle { tsNormal, tsRaised, tsInset };
    Q_ENUM(TTextStyle)
    enum TShadeType { stLight, stHeavy };
    Q_ENUM(TShadeType)
    enum TPreset { None, GoldCoast, LimeBox, Aluminum, SunRise, BrassedOff };
    Q_ENUM(TPreset)
    enum TJustification { jLeft, jCenter, jRight };
    Q_ENUM(TJustification)

    explicit TGradBtn(QWidget *parent = nullptr);
    ~TGradBtn() override;

    quint32 DisabledColor() const { return m_disabledColor; }
    void setDisabledColor(quint32 value) { assign(m_disabledColor, value); }
    quint32 BtnHiliteClr() const { return m_btnHiliteClr; }
    void setBtnHiliteClr(quint32 value) { assign(m_btnHiliteClr, value); }
    quint32 BtnShadowClr() const { return m_btnShadowClr; }
    void setBtnShadowClr(quint32 value) { assign(m_btnShadowClr, value); }
    int BtnFrameSize() const { return m_btnFrameSize; }
    // Accepted only if it leaves at least five pixels of face on every side of the centre;
    // otherwise ignored. Zero or less draws no frame.
    void setBtnFrameSize(int value);
    quint32 TxtHiliteClr() const { return m_txtHiliteClr; }
    void setTxtHiliteClr(quint32 value) { assign(m_txtHiliteClr, value); }
    quint32 TxtShadowClr() const { return m_txtShadowClr; }
    void setTxtShadowClr(quint32 value) { assign(m_txtShadowClr, value); }
    // The gradient takes the three low bytes of these as they stand: give RGB values.
    quint32 BeginColor() const { return m_beginColor; }
    void setBeginColor(quint32 value) { assign(m_beginColor, value); }
    quint32 EndColor() const { return m_endColor; }
    void setEndColor(quint32 value) { assign(m_endColor, value); }
    // Stored without a repaint: it shows at the next press.
    bool SwapColors() const { return m_swapColors; }
    void setSwapColors(bool value) { m_swapColors = value; }
    // Stored without a repaint: it shows at the next focus change.
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool value) { m_showFocus = value; }
    TGradientStyle GradientStyle() const { return m_gradientStyle; }
    void setGradientStyle(TGradientStyle value) { assign(m_gradientStyle, value); }
    TTextStyle TextStyle() const { return m_textStyle; }
    void setTextStyle(TTextStyle value) { assign(m_textStyle, value); }
    TShadeType TextShadeType() const { return m_textShadeType; }
    void setTextShadeType(TShadeType value) { assign(m_textShadeType, value); }
    TPreset Presets() const { return m_preset; }
    // A colour and font scheme for a designer to start from; ignored at run time.
    void setPresets(TPreset value);
    TJustification Justification() const { return m_justification; }
    void setJustification(TJustification value) { assign(m_justification, value); }

    // The caption as shown: accelerator marks removed, && as one &.
    static QString displayText(const QString &caption);

    QSize sizeHint() const override;

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    // Presets act only while the button is being designed. No designer runs this program, so
    // nothing sets this at run time; a designer plug-in would.
    void setDesigning(bool designing) { m_designing = designing; }

    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    template <typename T> void assign(T &stored, T value)
    {
        if (stored == value)
            return;
        stored = value;
        invalidate();
    }
    void invalidate();
    void applyPreset(TPreset preset);

    // The button's own click: pops it up if pressed, shows that, lets pending events run, then
    // emits clicked().
    void clickOperation();
    void pressHandler(Qt::MouseButton button);
    void releaseHandler();

    void renderFace();
    void fillGradient(QPainter &painter, int width, int height) const;
    void drawFrame(QPainter &painter, int width, int height) const;
    void drawCaption(QPainter &painter, int width, int height) const;

    quint32 m_disabledColor = colorvalue::kGrayText;
    quint32 m_btnHiliteClr = colorvalue::kButtonHighlight;
    quint32 m_btnShadowClr = colorvalue::kButtonShadow;
    int m_btnFrameSize = 1;
    quint32 m_txtHiliteClr = colorvalue::kButtonHighlight;
    quint32 m_txtShadowClr = colorvalue::kButtonShadow;
    quint32 m_beginColor = colorvalue::rgb(0, 0, 128);
    quint32 m_endColor = colorvalue::rgb(0, 255, 255);
    bool m_swapColors = true;
    bool m_showFocus = true;
    TGradientStyle m_gradientStyle = gsVertCenter;
    TTextStyle m_textStyle = tsRaised;
    TShadeType m_textShadeType = stLight;
    TPreset m_preset = None;
    TJustification m_justification = jCenter;

    bool m_designing = false;
    bool m_clickMarker =
        false; // the click already popped the button up; the release has nothing to do
    bool m_leftHeldFromPress = false; // a left press on the button is still held
    bool m_pointerInside = false;

    // The face as last painted, with what it was painted for; redrawn only when that changes.
    // The down state is part of the key because setDown() is not ours to hook.
    QImage m_face;
    bool m_faceValid = false;
    QString m_faceCaption;
    bool m_faceDown = false;
};
