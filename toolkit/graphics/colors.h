#pragma once
// TColor: plain colours are 0x00BBGGRR; 0x80000000 plus an index names a system colour, resolved
// from the desktop palette only when drawing (ColorToRGB).

#include <QColor>
#include <cstdint>
#include <functional>

#include "toolkit/core/identmap.h"

namespace mox {

using TColor = std::int32_t;

constexpr TColor SystemColorFlag = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColor(int index) {
    return SystemColorFlag | index;
}

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0, clLtGray = clSilver, clDkGray = clGray;

constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1),
                 clActiveCaption = SystemColor(2), clInactiveCaption = SystemColor(3),
                 clMenu = SystemColor(4), clWindow = SystemColor(5), clWindowFrame = SystemColor(6),
                 clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                 clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                 clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                 clHighlight = SystemColor(13), clHighlightText = SystemColor(14),
                 clBtnFace = SystemColor(15), clBtnShadow = SystemColor(16),
                 clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                 clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                 cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22),
                 clInfoText = SystemColor(23), clInfoBk = SystemColor(24),
                 clGradientActiveCaption = SystemColor(27),
                 clGradientInactiveCaption = SystemColor(28);

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// The stream names of colours, in first-match order.
TIdentMap ColorIdents();
std::optional<QString> ColorToIdent(TColor color);
std::optional<TColor> IdentToColor(QStringView name);

// The plain RGB value of a colour: a system colour is looked up in the current desktop palette.
TColor ColorToRGB(TColor color);
TColor GetSysColor(int index);

// Conversions between plain colours and Qt colours (system colours are resolved first).
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);
constexpr TColor RGB(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}
constexpr int GetRValue(TColor c) {
    return c & 0xFF;
}
constexpr int GetGValue(TColor c) {
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c) {
    return (c >> 16) & 0xFF;
}

// Told whenever the desktop's system colours change; returns an id for removal.
int AddSystemColorsListener(std::function<void()> listener);
void RemoveSystemColorsListener(int id);
// Called by the application when the desktop palette changed.
void NotifySystemColorsChanged();

}  // namespace mox
