#include "instruments/output/vrscope.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "instruments/base/vrexceptions.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {

constexpr int kInitialWidth = 249;
constexpr int kInitialHeight = 137;
constexpr std::uint32_t kInitialInterval = 100;
// A scope ticking faster than the screen can show repaints once a frame; the samples of the
// ticks in between are all drawn by the next paint.
constexpr std::chrono::milliseconds kFramePeriod{16};

}  // namespace

// --- TVrChannel ------------------------------------------------------------------------------

const TClassInfo& TVrChannel::StaticClass() {
    using C = TVrChannel;
    static const TClassInfo info =
        TClassBuilder<C>("TVrChannel", TCollectionItem::StaticClass())
            .Color("Color", &C::Color, &C::SetColor, clYellow)
            .Integer("Width", &C::Width, &C::SetWidth, 1)
            .Enumeration("Style", &C::Style, &C::SetStyle, TGraphStyle::gsLine)
            .Build();
    return info;
}

template <class T>
void TVrChannel::SetValue(T& field, T value) {
    if (field == value) return;
    field = value;
    Changed();
}

void TVrChannel::SetColor(TColor value) {
    SetValue(FColor, value);
}
void TVrChannel::SetWidth(int value) {
    SetValue(FWidth, value);
}
void TVrChannel::SetStyle(TGraphStyle value) {
    SetValue(FStyle, value);
}

void TVrChannel::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TVrChannel*>(source);
    if (!other) {
        TCollectionItem::Assign(source);
        return;
    }
    if (!Collection()) {
        FColor = other->FColor;
        FWidth = other->FWidth;
        FStyle = other->FStyle;
        return;
    }
    TCollectionUpdate bracket(*Collection());
    SetColor(other->FColor);
    SetWidth(other->FWidth);
    SetStyle(other->FStyle);
}

// --- TVrChannels -----------------------------------------------------------------------------

TVrChannels::TVrChannels(TVrScope* scope) : TCollection(scope), FScope(scope) {}

std::unique_ptr<TCollectionItem> TVrChannels::NewItem() const {
    return std::make_unique<TVrChannel>();
}

void TVrChannels::Update(TCollectionItem*) {
    FScope->RedrawControl();
}

// --- TVrScope --------------------------------------------------------------------------------

const TClassInfo& TVrScope::StaticClass() {
    using C = TVrScope;
    using enum TAnchorKind;
    static const TClassInfo info =
        TClassBuilder<C>("TVrScope", TVrGraphicImageControl::StaticClass())
            .Creatable()
            .Integer("Interval", &C::Interval, &C::SetInterval)
            .Boolean("AnimateGrid", &C::AnimateGrid, &C::SetAnimateGrid, true)
            .Integer("MaxValue", &C::MaxValue, &C::SetMaxValue, 100)
            .Integer("MinValue", &C::MinValue, &C::SetMinValue, 0)
            .Collection("Channels", &C::Channels, &C::SetChannels)
            .Integer("GridSize", &C::GridSize, &C::SetGridSize, 16)
            .Integer("GridLineWidth", &C::GridLineWidth, &C::SetGridLineWidth, 1)
            .Color("GridColor", &C::GridColor, &C::SetGridColor, clGreen)
            .Integer("BaseOffset", &C::BaseOffset, &C::SetBaseOffset, 50)
            .Color("BaseColor", &C::BaseColor, &C::SetBaseColor, clLime)
            // The default is the value a new scope starts with, so that every other value,
            // 2 included, survives saving and loading.
            .Integer("Frequency", &C::Frequency, &C::SetFrequency, 1)
            .Integer("BufferSize", &C::BufferSize, &C::SetBufferSize, 999)
            .Boolean("Threaded", &C::Threaded, &C::SetThreaded)
            .Boolean("Active", &C::Active, &C::SetActive, false)
            .Event("OnNeedData", &C::OnNeedData)
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Set("Anchors", &C::Anchors, &C::SetAnchors, TAnchors{akLeft, akTop})
            .Stored(&C::IsAnchorsStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Color("Color", &C::Color, &C::SetColor, clBlack)
            .Stored(&C::IsColorStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .String("Hint", &C::Hint, &C::SetHint)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
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

TVrScope::TVrScope(TComponent* owner)
    : TVrGraphicImageControl(owner), FChannels(std::make_unique<TVrChannels>(this)) {
    TControlStyle style = ControlStyle();
    style.Include(TControlStyleFlag::csOpaque);
    SetControlStyle(style);
    FTimer = new TVrTimer(this);
    FTimer->SetEnabled(false);
    FTimer->SetInterval(kInitialInterval);
    FTimer->OnTimer = [this](TObject*) { Tick(); };
    SetColor(clBlack);
    SetParentColor(false);
    SetBounds(Left(), Top(), kInitialWidth, kInitialHeight);
}

TVrScope::~TVrScope() {
    // The timer would otherwise live until the component base frees what it owns, by which time
    // the channels are gone; a tick in between would sample into freed channels.
    delete FTimer;
    FTimer = nullptr;
}

// --- Properties ------------------------------------------------------------------------------

int TVrScope::Interval() const {
    return static_cast<int>(
        std::min<std::uint32_t>(FTimer->Interval(), std::numeric_limits<int>::max()));
}

void TVrScope::SetInterval(int value) {
    FTimer->SetInterval(static_cast<std::uint32_t>(std::max(value, 0)));
}

bool TVrScope::Threaded() const {
    return FTimer->TimerType() == TVrTimerType::ttThread;
}

void TVrScope::SetThreaded(bool value) {
    FTimer->SetTimerType(value ? TVrTimerType::ttThread : TVrTimerType::ttSystem);
}

void TVrScope::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    if (!Designing()) FTimer->SetEnabled(value);
    if (!value && FPaintOwed) RedrawControl();
}

// A file holds the maximum before the minimum, so while loading each bound is taken as it is:
// checked one by one, −10..−5 would reload as −10..100.
void TVrScope::SetMaxValue(int value) {
    if (value == FMaxValue) return;
    if (Loading()) {
        FMaxValue = value;
        return;
    }
    if (value <= FMinValue) return;
    SetRange(FMinValue, value);
}

void TVrScope::SetMinValue(int value) {
    if (value == FMinValue) return;
    if (Loading()) {
        FMinValue = value;
        return;
    }
    if (value >= FMaxValue) return;
    SetRange(value, FMaxValue);
}

void TVrScope::SetRange(int minValue, int maxValue) {
    if (minValue >= maxValue) throw EVrException(QStringLiteral("Value out of range."));
    if (minValue == FMinValue && maxValue == FMaxValue) return;
    FMinValue = minValue;
    FMaxValue = maxValue;
    ClearHistory();
    RedrawControl();
}

void TVrScope::SetGridSize(int value) {
    value = std::max(value, 1);
    if (value == FGridSize) return;
    FGridSize = value;
    RedrawControl();
}

void TVrScope::SetGridLineWidth(int value) {
    if (value == FGridLineWidth) return;
    FGridLineWidth = value;
    RedrawControl();
}

void TVrScope::SetGridColor(TColor value) {
    if (value == FGridColor) return;
    FGridColor = value;
    RedrawControl();
}

void TVrScope::SetBaseOffset(int value) {
    value = std::clamp(value, 0, 100);
    if (value == FBaseOffset) return;
    FBaseOffset = value;
    RedrawControl();
}

void TVrScope::SetBaseColor(TColor value) {
    if (value == FBaseColor) return;
    FBaseColor = value;
    RedrawControl();
}

void TVrScope::SetFrequency(int value) {
    value = std::max(value, 1);
    if (value == FFrequency) return;
    FFrequency = value;
    RedrawControl();
}

void TVrScope::Loaded() {
    TVrGraphicImageControl::Loaded();
    RedrawControl();
}

// --- Sampling --------------------------------------------------------------------------------

int TVrScope::SamplesKept() const {
    if (FBufferSize <= 0) return 0;
    return std::min(FBufferSize, ScopeSamplesShown(Width(), FFrequency));
}

void TVrScope::ClearHistory() {
    for (int i = 0; i < FChannels->Count(); ++i)
        FChannels->Items(i)->FHistory.clear();
}

void TVrScope::Tick() {
    if (FAnimateGrid) FGridPhase = NextGridPhase(FGridPhase, FFrequency, FGridSize);
    const auto kept = static_cast<std::size_t>(SamplesKept());
    for (int i = 0; i < FChannels->Count(); ++i) {
        int value = FMinValue;
        OnNeedData(this, i, value);
        // The handler may have changed the channels or the range.
        if (i >= FChannels->Count()) break;
        value = std::min(std::max(value, FMinValue), FMaxValue);
        TVrChannel& channel = *FChannels->Items(i);
        UpdateRows(channel);
        channel.FHistory.push_front(
            {value, ScopeSampleRow(value, FMinValue, FMaxValue, channel.FRowsHeight)});
        while (channel.FHistory.size() > kept)
            channel.FHistory.pop_back();
    }
    if (FPainting) return;
    const auto now = std::chrono::steady_clock::now();
    if (now - FLastTickPaint < kFramePeriod) {
        FPaintOwed = true;
        return;
    }
    FLastTickPaint = now;
    FPaintOwed = false;
    RedrawControl();
}

// --- Painting --------------------------------------------------------------------------------

void TVrScope::Paint() {
    FPainting = true;
    struct TPaintingFlag {
        bool& Flag;
        ~TPaintingFlag() { Flag = false; }
    } painting{FPainting};
    PrepareImage();
    if (!Image().Empty()) {
        TCanvas& canvas = *ImageCanvas();
        PaintGrid(canvas);
        for (int i = FChannels->Count() - 1; i >= 0; --i)
            PaintTrace(canvas, *FChannels->Items(i));
    }
    TVrGraphicImageControl::Paint();
}

void TVrScope::PaintGrid(TCanvas& canvas) {
    const int width = Width();
    const int height = Height();
    const int baseLine = BaseLine();
    TPen& pen = *canvas.Pen();
    pen.SetStyle(TPenStyle::psSolid);
    pen.SetMode(TPenMode::pmCopy);
    pen.SetColor(FGridColor);
    pen.SetWidth(FGridLineWidth);
    for (int x : ScopeVerticalLines(width, FGridSize, FGridPhase)) {
        canvas.MoveTo(x, 0);
        canvas.LineTo(x, height);
    }
    for (int y : ScopeHorizontalLines(height, FGridSize, baseLine)) {
        canvas.MoveTo(0, y);
        canvas.LineTo(width, y);
    }
    pen.SetColor(FBaseColor);
    canvas.MoveTo(0, baseLine);
    canvas.LineTo(width, baseLine);
}

void TVrScope::UpdateRows(TVrChannel& channel) const {
    const int height = Height();
    if (channel.FRowsHeight == height) return;
    channel.FRowsHeight = height;
    for (TVrScopeSample& sample : channel.FHistory)
        sample.Row = ScopeSampleRow(sample.Value, FMinValue, FMaxValue, height);
}

void TVrScope::PaintTrace(TCanvas& canvas, TVrChannel& channel) {
    UpdateRows(channel);
    const std::size_t shown = std::min<std::size_t>(
        channel.FHistory.size(), static_cast<std::size_t>(ScopeSamplesShown(Width(), FFrequency)));
    std::vector<int> rows(shown);
    for (std::size_t k = 0; k < shown; ++k)
        rows[k] = channel.FHistory[k].Row;
    const std::vector<TFarPoint> trace =
        ScopeTrace(Width(), FFrequency, BaseLine(), channel.Style(), rows);
    TPen& pen = *canvas.Pen();
    pen.SetColor(channel.Color());
    pen.SetWidth(channel.Width());
    pen.SetMode(TPenMode::pmCopy);
    std::vector<TPoint> points;
    points.reserve(trace.size());
    const auto near = [](const TFarPoint& p) {
        return std::abs(p.X) <= kCoordLimit && std::abs(p.Y) <= kCoordLimit;
    };
    if (std::all_of(trace.begin(), trace.end(), near)) {
        // The usual case: the whole trace is one polyline.
        for (const TFarPoint& p : trace)
            points.push_back({static_cast<int>(p.X), static_cast<int>(p.Y)});
        canvas.Polyline(points);
        return;
    }
    auto flush = [&] {
        if (points.size() > 1) canvas.Polyline(points);
        points.clear();
    };
    for (std::size_t i = 1; i < trace.size(); ++i) {
        const auto segment = SegmentWithinCoords(trace[i - 1], trace[i]);
        if (!segment) continue;
        // Runs of segments that need no clipping go to the canvas as one polyline.
        if (points.empty() || points.back() != segment->first) {
            flush();
            points.push_back(segment->first);
        }
        points.push_back(segment->second);
    }
    flush();
}

}  // namespace mox
