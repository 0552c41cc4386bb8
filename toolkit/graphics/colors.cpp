#include "toolkit/graphics/colors.h"

#include <QGuiApplication>
#include <QPalette>
#include <iterator>
#include <map>
#include <vector>

namespace mox {

namespace {

constexpr TIdentMapEntry kColors[] = {
    {clBlack, u"clBlack"},
    {clMaroon, u"clMaroon"},
    {clGreen, u"clGreen"},
    {clOlive, u"clOlive"},
    {clNavy, u"clNavy"},
    {clPurple, u"clPurple"},
    {clTeal, u"clTeal"},
    {clGray, u"clGray"},
    {clSilver, u"clSilver"},
    {clRed, u"clRed"},
    {clLime, u"clLime"},
    {clYellow, u"clYellow"},
    {clBlue, u"clBlue"},
    {clFuchsia, u"clFuchsia"},
    {clAqua, u"clAqua"},
    {clWhite, u"clWhite"},
    {clMoneyGreen, u"clMoneyGreen"},
    {clSkyBlue, u"clSkyBlue"},
    {clCream, u"clCream"},
    {clMedGray, u"clMedGray"},
    {clActiveBorder, u"clActiveBorder"},
    {clActiveCaption, u"clActiveCaption"},
    {clAppWorkSpace, u"clAppWorkSpace"},
    {clBackground, u"clBackground"},
    {clBtnFace, u"clBtnFace"},
    {clBtnHighlight, u"clBtnHighlight"},
    {clBtnShadow, u"clBtnShadow"},
    {clBtnText, u"clBtnText"},
    {clCaptionText, u"clCaptionText"},
    {clDefault, u"clDefault"},
    {clGradientActiveCaption, u"clGradientActiveCaption"},
    {clGradientInactiveCaption, u"clGradientInactiveCaption"},
    {clGrayText, u"clGrayText"},
    {clHighlight, u"clHighlight"},
    {clHighlightText, u"clHighlightText"},
    {clInactiveBorder, u"clInactiveBorder"},
    {clInactiveCaption, u"clInactiveCaption"},
    {clInactiveCaptionText, u"clInactiveCaptionText"},
    {clInfoBk, u"clInfoBk"},
    {clInfoText, u"clInfoText"},
    {clMenu, u"clMenu"},
    {clMenuText, u"clMenuText"},
    {clNone, u"clNone"},
    {clScrollBar, u"clScrollBar"},
    {cl3DDkShadow, u"cl3DDkShadow"},
    {cl3DLight, u"cl3DLight"},
    {clWindow, u"clWindow"},
    {clWindowFrame, u"clWindowFrame"},
    {clWindowText, u"clWindowText"},
};

// Where each system colour comes from: the desktop palette when there is a GUI, otherwise the
// classic desktop's default scheme. Indexed by system-colour number; NoRole marks a number that
// names no colour.
struct TSysColorSource {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
    TColor Classic;
};

constexpr QPalette::ColorGroup kActive = QPalette::Active;

constexpr TSysColorSource kSysColors[] = {
    {kActive, QPalette::Midlight, 0xC0C0C0},               // 0 ScrollBar
    {kActive, QPalette::Dark, 0x808000},                   // 1 Background
    {kActive, QPalette::Highlight, 0x800000},              // 2 ActiveCaption
    {QPalette::Inactive, QPalette::Highlight, 0x808080},   // 3 InactiveCaption
    {kActive, QPalette::Window, 0xC0C0C0},                 // 4 Menu
    {kActive, QPalette::Base, 0xFFFFFF},                   // 5 Window
    {kActive, QPalette::Shadow, 0x000000},                 // 6 WindowFrame
    {kActive, QPalette::WindowText, 0x000000},             // 7 MenuText
    {kActive, QPalette::Text, 0x000000},                   // 8 WindowText
    {kActive, QPalette::HighlightedText, 0xFFFFFF},        // 9 CaptionText
    {kActive, QPalette::Window, 0xC0C0C0},                 // 10 ActiveBorder
    {kActive, QPalette::Window, 0xC0C0C0},                 // 11 InactiveBorder
    {kActive, QPalette::Mid, 0x808080},                    // 12 AppWorkSpace
    {kActive, QPalette::Highlight, 0x800000},              // 13 Highlight
    {kActive, QPalette::HighlightedText, 0xFFFFFF},        // 14 HighlightText
    {kActive, QPalette::Button, 0xC0C0C0},                 // 15 BtnFace
    {kActive, QPalette::Dark, 0x808080},                   // 16 BtnShadow
    {QPalette::Disabled, QPalette::Text, 0x808080},        // 17 GrayText
    {kActive, QPalette::ButtonText, 0x000000},             // 18 BtnText
    {QPalette::Disabled, QPalette::WindowText, 0xC0C0C0},  // 19 InactiveCaptionText
    {kActive, QPalette::Light, 0xFFFFFF},                  // 20 BtnHighlight
    {kActive, QPalette::Shadow, 0x000000},                 // 21 3DDkShadow
    {kActive, QPalette::Midlight, 0xC0C0C0},               // 22 3DLight
    {kActive, QPalette::ToolTipText, 0x000000},            // 23 InfoText
    {kActive, QPalette::ToolTipBase, 0xE1FFFF},            // 24 InfoBk
    {kActive, QPalette::NoRole, 0x000000},                 // 25 (unused)
    {kActive, QPalette::Link, 0x800000},                   // 26 HotLight
    {kActive, QPalette::Highlight, 0xD08410},              // 27 GradientActiveCaption
    {QPalette::Inactive, QPalette::Highlight, 0xC0C0C0},   // 28 GradientInactiveCaption
    {kActive, QPalette::Highlight, 0x800000},              // 29 MenuHighlight
    {kActive, QPalette::Window, 0xC0C0C0},                 // 30 MenuBar
};

struct TListeners {
    int NextId = 1;
    std::map<int, std::function<void()>> Items;
};

TListeners& Listeners() {
    static TListeners listeners;
    return listeners;
}

}  // namespace

TIdentMap ColorIdents() {
    return kColors;
}

std::optional<QString> ColorToIdent(TColor color) {
    return IntToIdent(ColorIdents(), color);
}

std::optional<TColor> IdentToColor(QStringView name) {
    return IdentToInt(ColorIdents(), name);
}

TColor GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(std::size(kSysColors))) return clBlack;
    const TSysColorSource& source = kSysColors[index];
    if (source.Role == QPalette::NoRole) return clBlack;
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return source.Classic;
    return FromQColor(QGuiApplication::palette().color(source.Group, source.Role));
}

TColor ColorToRGB(TColor color) {
    return color < 0 ? GetSysColor(color & 0xFF) : color;
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

int AddSystemColorsListener(std::function<void()> listener) {
    TListeners& listeners = Listeners();
    const int id = listeners.NextId++;
    listeners.Items.emplace(id, std::move(listener));
    return id;
}

void RemoveSystemColorsListener(int id) {
    Listeners().Items.erase(id);
}

void NotifySystemColorsChanged() {
    TListeners& listeners = Listeners();
    // Listeners may add or remove listeners (themselves included) while being told: walk a list
    // of the ids taken beforehand and call a copy, so that removal cannot destroy the callee.
    std::vector<int> ids;
    ids.reserve(listeners.Items.size());
    for (const auto& item : listeners.Items)
        ids.push_back(item.first);
    for (int id : ids) {
        const auto it = listeners.Items.find(id);
        if (it == listeners.Items.end() || !it->second) continue;
        const std::function<void()> listener = it->second;
        listener();
    }
}

}  // namespace mox
