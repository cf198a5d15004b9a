// SPDX-FileCopyrightText: 2026 The Vocarra developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The gradient button's colour and font schemes, which a designer may start from.
#include "widgets/gradbtn.h"

#include <array>

namespace {

using colorvalue::kButtonHighlight;
using colorvalue::kButtonShadow;
using colorvalue::rgb;

struct Scheme {
    quint32 disabled, begin, end;
    const char *fontFamily;
    int fontPoints;
    quint32 fontColor;
    bool bold;
    TGradBtn::TGradientStyle gradient;
    TGradBtn::TShadeType shade;
    TGradBtn::TTextStyle text;
    quint32 txtHilite, txtShadow, btnHilite, btnShadow;
};

// One row per preset, in the order of TGradBtn::TPreset.
const std::array<Scheme, 6> kSchemes{{
    {rgb(128, 128, 128), rgb(0, 0, 128), rgb(0, 255, 255), "MS Sans Serif", 8, rgb(0, 0, 0), false,
     TGradBtn::gsVertCenter, TGradBtn::stLight, TGradBtn::tsRaised, kButtonHighlight, kButtonShadow,
     kButtonHighlight, kButtonShadow},
    {rgb(187, 187, 0), rgb(255, 255, 0), rgb(128, 128, 0), "Arial", 10, rgb(187, 187, 0), true,
     TGradBtn::gsVertical, TGradBtn::stHeavy, TGradBtn::tsRaised, rgb(255, 255, 191),
     rgb(113, 113, 0), rgb(255, 255, 179), rgb(97, 97, 97)},
    {rgb(128, 128, 0), rgb(0, 0, 0), rgb(0, 255, 0), "Courier", 8, rgb(0, 128, 0), false,
     TGradBtn::gsRectangle, TGradBtn::stLight, TGradBtn::tsRaised, rgb(172, 255, 172),
     rgb(0, 64, 0), kButtonHighlight, kButtonShadow},
    {rgb(128, 128, 128), rgb(206, 206, 206), rgb(95, 95, 95), "Times New Roman", 10, rgb(0, 0, 0),
     true, TGradBtn::gsVertical, TGradBtn::stHeavy, TGradBtn::tsInset, kButtonHighlight,
     kButtonShadow, rgb(255, 255, 255), rgb(0, 0, 0)},
    {rgb(128, 128, 128), rgb(255, 255, 0), rgb(255, 0, 0), "MS Sans Serif", 8, rgb(64, 0, 0), true,
     TGradBtn::gsHorizontal, TGradBtn::stHeavy, TGradBtn::tsRaised, rgb(230, 231, 207),
     rgb(176, 88, 0), kButtonHighlight, kButtonShadow},
    {rgb(128, 128, 0), rgb(255, 255, 206), rgb(194, 194, 146), "Verdana", 9, rgb(128, 0, 0), false,
     TGradBtn::gsElliptic, TGradBtn::stLight, TGradBtn::tsNormal, rgb(255, 255, 239),
     rgb(194, 194, 146), rgb(255, 255, 239), rgb(194, 194, 146)},
}};

} // namespace

void TGradBtn::applyPreset(TPreset preset)
{
    const Scheme &scheme = kSchemes.at(static_cast<std::size_t>(preset));
    m_disabledColor = scheme.disabled;
    m_beginColor = scheme.begin;
    m_endColor = scheme.end;
    QFont face(QString::fromLatin1(scheme.fontFamily));
    face.setPointSize(scheme.fontPoints);
    face.setBold(scheme.bold);
    setFont(face);
    QPalette colors = palette();
    colors.setColor(QPalette::ButtonText, colorvalue::rawRgb(scheme.fontColor));
    setPalette(colors);
    m_gradientStyle = scheme.gradient;
    m_textShadeType = scheme.shade;
    m_textStyle = scheme.text;
    m_txtHiliteClr = scheme.txtHilite;
    m_txtShadowClr = scheme.txtShadow;
    m_btnHiliteClr = scheme.btnHilite;
    m_btnShadowClr = scheme.btnShadow;
    // Only the last scheme keeps the gradient still while pressed.
    if (preset == BrassedOff)
        m_swapColors = false;
}
