#include "app/catalogue.h"

#include <array>

namespace mox {

namespace {

using enum TControlToolbar;

const std::array<TControlKind, kControlKindCount>& Kinds() {
    static const std::array<TControlKind, kControlKindCount> kinds{{
        {0, Output, "Border", "TVrBorder", "border", "TFrmBorder", "Border"},
        {1, Output, "Gradient", "TVrGradient", "gradient", "TFrmGradient", "Gradient"},
        {2, Output, "Analog meter", "TVrMeter", "ameter", "TFrmAMeter", "AMeter"},
        {3, Output, "Angular meter", "TVrAngularMeter", "angular", "TFrmAngular", "Angular Meter"},
        {4, Output, "Label", "TLabel", "label", "TFrmLabel", "Label"},
        {5, Output, "Lcd", "TLcd", "lcd", "TFrmDisplay", "Display"},
        {6, Output, "Led", "TVrLed", "led", "TFrmLed", "Led"},
        {7, Output, "Level bar", "TVrProgressBar", "lbar", "TFrmLBar", "Level Bar"},
        {8, Output, "Matrix led", "TVrMatrix", "matrix", "TFrmMatrix", "Matrix led"},
        {9, Output, "Numeric", "TVrNum", "num", "TFrmNum", "Numeric"},
        {10, Output, "Scope", "TVrScope", "scope", "TFrmScope", "Scope"},
        {11, Input, "CheckLed", "TVrCheckLed", "checkled", "TFrmCled", "CheckLed"},
        {12, Input, "Edit", "TEdit", "edit", "TFrmEdit", "Edit"},
        {13, Input, "Power button", "TVrPowerButton", "pbutton", "TFrmPButton", "Pbutton"},
        {14, Input, "Slider", "TVrSlider", "slider", "TFrmSlider", "Slider"},
        {15, Input, "Spinner", "TVrSpinner", "spinner", "TfrmSpinner", "Spinner"},
        {16, Input, "Switch", "TVrSwitch", "switch", "TFrmSwitch", "Switch"},
        {17, Input, "TrackBar", "TVrTrackBar", "tbar", "TFrmTBar", "Track Bar"},
        {18, Output, "Power meter", "TVrPowerMeter", "pmeter", "TFrmPMeter", "Power meter"},
        {19, Input, "Memo", "TMemo", "memo", "TFrmMemo", "Memo"},
        {20, Output, "Image", "TImage", "image", "TfrmImage", "Image"},
        {21, Input, "DropDown", "TComboBox", "ddown", "TfrmDropDown", "DropDown"},
    }};
    return kinds;
}

// Not kind order: the image sits with the panels, the power meter before the scope.
constexpr std::array kOutputOrder{0, 1, 20, kToolbarSeparator, 2, 3, 4, 5, 6, 7, 8, 9, 18, 10};
constexpr std::array kInputOrder{11, 12, 13, 14, 15, 16, 17, 19, 21};

}  // namespace

std::span<const TControlKind> ControlCatalogue() {
    return Kinds();
}

const TControlKind* FindControlKind(int kind) {
    if (kind < 0 || kind >= kControlKindCount) return nullptr;
    return &Kinds()[static_cast<std::size_t>(kind)];
}

const TControlKind* FindControlKindByClass(QStringView className) {
    for (const TControlKind& k : Kinds())
        if (k.ClassName == className) return &k;
    return nullptr;
}

std::span<const int> ToolbarOrder(TControlToolbar toolbar) {
    if (toolbar == Output) return kOutputOrder;
    return kInputOrder;
}

}  // namespace mox
