#include "instruments/base/vrcontrols.h"

#include "instruments/base/vrcursor.h"
#include "instruments/base/vrdraw.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

// Locks both canvases of a paint (window first) and lends the window canvas the painter; undone
// in the opposite order also when Paint fails.
class TPaintLocks {
public:
    TPaintLocks(TCanvas& window, TCanvas& image, QPainter* painter)
        : FWindow(window), FImage(image) {
        FWindow.Lock();
        FImage.Lock();
        FWindow.BindPainter(painter);
    }
    ~TPaintLocks() {
        FWindow.UnbindPainter();
        FImage.Unlock();
        FWindow.Unlock();
    }
    TPaintLocks(const TPaintLocks&) = delete;
    TPaintLocks& operator=(const TPaintLocks&) = delete;

private:
    TCanvas& FWindow;
    TCanvas& FImage;
};

// Copies the whole of `image` to `canvas` at (0, 0), plainly.
void CopyImage(TCanvas& canvas, const TBitmap& image) {
    const TRect whole = BitmapRect(image);
    if (whole.IsEmpty()) return;
    canvas.SetCopyMode(cmSrcCopy);
    canvas.CopyRect(whole, *image.Canvas(), whole);
}

// Brings `image` to the control's size. A resize leaves the image alone (its differing size is
// what marks it stale); the pixels are made here, when someone is about to draw or read them.
TBitmap& FollowSize(TBitmap& image, const TControl& control) {
    image.SetSize(control.Width(), control.Height());
    return image;
}

}  // namespace

// --- TVrCustomControl ---------------------------------------------------------------------

const TClassInfo& TVrCustomControl::StaticClass() {
    using C = TVrCustomControl;
    static const TClassInfo info =
        TClassBuilder<C>("TVrCustomControl", TCustomControl::StaticClass())
            .String("Version", &C::Version, &C::SetVersion)
            .NotStored()
            .Build();
    return info;
}

TVrCustomControl::TVrCustomControl(TComponent* owner) : TCustomControl(owner) {
    EnsureHandCursor();
}

void TVrCustomControl::RedrawControl() {
    if (Loading()) return;
    Repaint();
}

void TVrCustomControl::DoMouseEnter() {
    OnMouseEnter(this);
}
void TVrCustomControl::DoMouseLeave() {
    OnMouseLeave(this);
}
void TVrCustomControl::DoFontChanged() {
    OnFontChanged(this);
}
void TVrCustomControl::DoTextChanged() {
    OnTextChanged(this);
}

void TVrCustomControl::WndProc(TMessage& message) {
    TCustomControl::WndProc(message);
    switch (message.Msg) {
        case CM_MOUSEENTER:
            DoMouseEnter();
            break;
        case CM_MOUSELEAVE:
            DoMouseLeave();
            break;
        case CM_FONTCHANGED:
            DoFontChanged();
            break;
        case CM_TEXTCHANGED:
            DoTextChanged();
            break;
        default:
            break;
    }
}

// --- TVrCustomImageControl ----------------------------------------------------------------

const TClassInfo& TVrCustomImageControl::StaticClass() {
    static const TClassInfo info = TClassBuilder<TVrCustomImageControl>(
                                       "TVrCustomImageControl", TVrCustomControl::StaticClass())
                                       .Build();
    return info;
}

TVrCustomImageControl::TVrCustomImageControl(TComponent* owner)
    : TVrCustomControl(owner), FImage(std::make_unique<TBitmap>()) {}

TVrCustomImageControl::~TVrCustomImageControl() = default;

TBitmap& TVrCustomImageControl::SizedImage() const {
    return FollowSize(*FImage, *this);
}

void TVrCustomImageControl::PrepareImage() {
    TBitmap& image = SizedImage();
    TCanvas& canvas = *image.Canvas();
    canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(BitmapRect(image));
}

void TVrCustomImageControl::Paint() {
    CopyImage(*Canvas(), SizedImage());
}

// --- TVrGraphicControl --------------------------------------------------------------------

const TClassInfo& TVrGraphicControl::StaticClass() {
    using C = TVrGraphicControl;
    static const TClassInfo info =
        TClassBuilder<C>("TVrGraphicControl", TGraphicControl::StaticClass())
            .String("Version", &C::Version, &C::SetVersion)
            .NotStored()
            .Build();
    return info;
}

TVrGraphicControl::TVrGraphicControl(TComponent* owner) : TGraphicControl(owner) {
    EnsureHandCursor();
}

void TVrGraphicControl::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    ApplyAutoSize();
}

void TVrGraphicControl::RedrawControl() {
    if (Loading()) return;
    Repaint();
}

void TVrGraphicControl::ApplyAutoSize() {
    const TAlign align = Align();
    const bool free = align == TAlign::alNone || align == TAlign::alTop ||
                      align == TAlign::alBottom || align == TAlign::alLeft ||
                      align == TAlign::alRight;
    if (FAutoSize && free)
        ReapplyBounds();
    else
        RedrawControl();
}

void TVrGraphicControl::ReapplyBounds() {
    if (Loading()) return;
    const TRect before = BoundsRect();
    SetBounds(Left(), Top(), Width(), Height());
    if (BoundsRect() == before) RedrawControl();
}

void TVrGraphicControl::DoMouseEnter() {
    OnMouseEnter(this);
}
void TVrGraphicControl::DoMouseLeave() {
    OnMouseLeave(this);
}
void TVrGraphicControl::DoFontChanged() {
    OnFontChanged(this);
}
void TVrGraphicControl::DoTextChanged() {
    OnTextChanged(this);
}

void TVrGraphicControl::WndProc(TMessage& message) {
    TGraphicControl::WndProc(message);
    switch (message.Msg) {
        case CM_MOUSEENTER:
            DoMouseEnter();
            break;
        case CM_MOUSELEAVE:
            DoMouseLeave();
            break;
        case CM_FONTCHANGED:
            DoFontChanged();
            break;
        case CM_TEXTCHANGED:
            DoTextChanged();
            break;
        default:
            break;
    }
}

// --- TVrGraphicImageControl ---------------------------------------------------------------

const TClassInfo& TVrGraphicImageControl::StaticClass() {
    static const TClassInfo info = TClassBuilder<TVrGraphicImageControl>(
                                       "TVrGraphicImageControl", TVrGraphicControl::StaticClass())
                                       .Build();
    return info;
}

TVrGraphicImageControl::TVrGraphicImageControl(TComponent* owner)
    : TVrGraphicControl(owner),
      FBackground(std::make_unique<TBitmap>()),
      FImage(std::make_unique<TBitmap>()) {}

TVrGraphicImageControl::~TVrGraphicImageControl() = default;

void TVrGraphicImageControl::SetTransparent(bool value) {
    if (value == FTransparent) return;
    FTransparent = value;
    TControlStyle style = ControlStyle();
    if (value)
        style.Exclude(TControlStyleFlag::csOpaque);
    else
        style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    BackdropChanged();
    if (Designing())
        Invalidate();
    else
        RedrawControl();
}

void TVrGraphicImageControl::RedrawControl() {
    if (Loading()) return;
    const bool reuse = !Designing() && FTransparent && !FBackground->Empty() &&
                       FBackground->Width() == Width() && FBackground->Height() == Height();
    if (!reuse) {
        TVrGraphicControl::RedrawControl();
        return;
    }
    // The repaint is synchronous, so the snapshot is reused exactly for this one paint; if no
    // paint happens (a hidden window), the next one still takes a fresh snapshot.
    const TControlStyle style = ControlStyle();
    FGrabBackground = false;
    SetControlStyle(style + TControlStyle{TControlStyleFlag::csOpaque});
    try {
        TVrGraphicControl::RedrawControl();
    } catch (...) {
        FGrabBackground = true;
        SetControlStyle(style);
        throw;
    }
    FGrabBackground = true;
    SetControlStyle(style);
}

bool TVrGraphicImageControl::SnapshotDue() const {
    return FGrabBackground || FBackground->Width() != Width() || FBackground->Height() != Height();
}

void TVrGraphicImageControl::TakeSnapshot() {
    FollowSize(*FBackground, *this);
    // Always the whole control, not only the part being painted: a later property-driven paint
    // reuses all of it.
    const TRect whole = BitmapRect(*FBackground);
    if (Parent() && !whole.IsEmpty()) Parent()->PaintBehind(*this, FBackground->Image(), whole);
}

TBitmap& TVrGraphicImageControl::SizedImage() const {
    return FollowSize(*FImage, *this);
}

void TVrGraphicImageControl::PrepareImage() {
    TBitmap& image = SizedImage();
    TCanvas& canvas = *image.Canvas();
    const TRect whole = BitmapRect(image);
    if (!FTransparent) {
        canvas.Brush()->SetStyle(TBrushStyle::bsSolid);
        canvas.Brush()->SetColor(Color());
        canvas.FillRect(whole);
        return;
    }
    if (SnapshotDue()) TakeSnapshot();
    canvas.SetCopyMode(cmSrcCopy);
    if (!whole.IsEmpty()) canvas.CopyRect(whole, *FBackground->Canvas(), whole);
}

void TVrGraphicImageControl::Paint() {
    CopyImage(*Canvas(), SizedImage());
    if (FTransparent) {
        FGrabBackground = true;
        TControlStyle style = ControlStyle();
        style.Exclude(TControlStyleFlag::csOpaque);
        SetControlStyle(style);
    }
}

void TVrGraphicImageControl::PaintInParent(QPainter& painter) {
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(&painter));
}

void TVrGraphicImageControl::PaintMessage(TMessage& message) {
    // Without a device context there is nowhere to paint.
    if (message.WParam == 0) return;
    TPaintLocks locks(*Canvas(), *FImage->Canvas(), reinterpret_cast<QPainter*>(message.WParam));
    Canvas()->SetFont(Font());
    if (FTransparent && SnapshotDue()) BackdropChanged();
    Paint();
}

void TVrGraphicImageControl::WndProc(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintMessage(message);
        return;
    }
    // Before the repaint the colour change asks for, which the base class requests.
    if (message.Msg == CM_COLORCHANGED || message.Msg == CM_SYSCOLORCHANGE) BackdropChanged();
    TVrGraphicControl::WndProc(message);
}

}  // namespace mox
