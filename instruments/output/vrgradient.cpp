#include "instruments/output/vrgradient.h"

#include <QImage>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "instruments/base/vrdraw.h"
#include "toolkit/controls/application.h"
#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

constexpr int kDefaultSize = 150;

QRgb ToPixel(TColor rgb) {
    return qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// Every pixel of `image` in the colour of its place on the gradient. The colours along the
// direction's axis are worked out once; each row is then a run of one colour or a copy from
// that ramp, so the cost follows the pixels, whatever the band width.
void FillGradient(QImage& image, TColor color1, TColor color2, const TGradientSettings& s) {
    const int w = image.width(), h = image.height();
    const TGradientAxis axis = GradientAxisOf(s.Direction);
    const auto length = static_cast<std::size_t>(AxisLength(axis, w, h));
    if (length == 0) return;
    std::vector<QRgb> ramp(length);
    for (std::size_t p = 0; p < length; ++p)
        ramp[p] =
            ToPixel(GradientColor(color1, color2, GradientStepAt(s, static_cast<std::int64_t>(p))));
    const auto width = static_cast<std::ptrdiff_t>(w);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto from = static_cast<std::ptrdiff_t>(AxisPosition(axis, h, 0, y));
        if (axis == TGradientAxis::Rows)
            std::fill(row, row + width, ramp[static_cast<std::size_t>(from)]);
        else
            std::copy(ramp.begin() + from, ramp.begin() + from + width, row);
    }
}

}  // namespace

const TClassInfo& TVrCustomGradient::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrCustomGradient>("TVrCustomGradient", TVrGraphicImageControl::StaticClass())
            .Build();
    return info;
}

TVrCustomGradient::TVrCustomGradient(TComponent* owner) : TVrGraphicImageControl(owner) {
    SetBounds(Left(), Top(), kDefaultSize, kDefaultSize);
    SetControlStyle(ControlStyle() +
                    TControlStyle{TControlStyleFlag::csOpaque, TControlStyleFlag::csReplicatable});
}

void TVrCustomGradient::SetColorWidth(int value) {
    if (value < 1) return;
    SetLook(FColorWidth, value);
}

TGradientSettings TVrCustomGradient::Settings() const {
    return {
        .Direction = FDirection, .Width = Width(), .Height = Height(), .BandWidth = FColorWidth};
}

void TVrCustomGradient::Paint() {
    // The gradient covers every pixel, so the image is not prepared first.
    TBitmap& image = SizedImage();
    const TColor start = ColorToRGB(FStartColor), end = ColorToRGB(FEndColor);
    if (FSwapColors)
        FillGradient(image.Image(), end, start, Settings());
    else
        FillGradient(image.Image(), start, end, Settings());
    TVrGraphicImageControl::Paint();
}

void TVrCustomGradient::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TVrGraphicImageControl::MouseDown(button, shift, x, y);
    if (button == TMouseButton::mbLeft && FFormDrag && !Designing()) StartFormDrag();
}

void TVrCustomGradient::StartFormDrag() {
    // The window manager takes the mouse from here until the button is released.
    TApplication::Instance().ReleaseCapture();
    if (TWinControl* window = TopWindowedOwner(this)) window->Perform(WM_SYSCOMMAND, SC_DRAGMOVE);
}

// --- TVrGradient ----------------------------------------------------------------------------

const TClassInfo& TVrGradient::StaticClass() {
    using C = TVrGradient;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrGradient", TVrCustomGradient::StaticClass())
            .Creatable()
            .Color("StartColor", &C::StartColor, &C::SetStartColor, clLime)
            .Color("EndColor", &C::EndColor, &C::SetEndColor, clBlack)
            .Integer("ColorWidth", &C::ColorWidth, &C::SetColorWidth, 1)
            .Enumeration("Direction", &C::Direction, &C::SetDirection, TVrGradDirection::gdUpDown)
            .Boolean("FormDrag", &C::FormDrag, &C::SetFormDrag, false)
            .Boolean("SwapColors", &C::SwapColors, &C::SetSwapColors, false)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .String("Hint", &C::Hint, &C::SetHint)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

}  // namespace mox
