#include "designer/dragfeedback.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

#include "toolkit/controls/wincontrol.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {
constexpr int kFrameWidth = 2;
// Pixels a pen may reach beyond an outline's rectangle.
constexpr int kPenReach = kFrameWidth;

const std::vector<TOutline> kNoOutlines;

void PaintOutline(TCanvas& canvas, const TOutline& outline) {
    TPen* pen = canvas.Pen();
    pen->SetMode(TPenMode::pmXor);
    if (outline.Kind == TOutlineKind::Frame) {
        pen->SetWidth(kFrameWidth);
        pen->SetStyle(TPenStyle::psSolid);
        pen->SetColor(clGray);
    } else {
        pen->SetWidth(1);
        pen->SetStyle(TPenStyle::psDot);
        pen->SetColor(clWhite);
    }
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(outline.Rect);
}
}  // namespace

// A see-through child window laid over the whole surface, above its children. Qt composes
// everything beneath it first, so an exclusive-or raster operation here combines with exactly
// what the surface shows, child windows included.
class TDragFeedback::TOverlay : public QWidget {
public:
    explicit TOverlay(QWidget* surface) : QWidget(surface) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

    std::vector<TOutline> Outlines;

    void Toggle(const TOutline& outline) {
        auto it = std::find(Outlines.begin(), Outlines.end(), outline);
        if (it != Outlines.end())
            Outlines.erase(it);
        else
            Outlines.push_back(outline);
        const TRect r = Normalized(outline.Rect);
        update(QRect(r.Left, r.Top, r.Width(), r.Height())
                   .adjusted(-kPenReach, -kPenReach, kPenReach, kPenReach));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        TCanvas canvas;
        canvas.BindPainter(&painter);
        for (const TOutline& o : Outlines)
            PaintOutline(canvas, o);
        canvas.UnbindPainter();
    }
};

TDragFeedback::TDragFeedback() = default;

TDragFeedback::~TDragFeedback() {
    delete FOverlay.data();
}

void TDragFeedback::DrawFrame(TWinControl* surface, const TRect& bounds) {
    Toggle(surface, {TOutlineKind::Frame,
                     Rect(bounds.Left + 1, bounds.Top + 1, bounds.Right, bounds.Bottom)});
}

void TDragFeedback::DrawBand(TWinControl* surface, TPoint anchor, TPoint corner) {
    Toggle(surface, {TOutlineKind::Band, Rect(anchor.X + 1, anchor.Y + 1, corner.X, corner.Y)});
}

void TDragFeedback::Toggle(TWinControl* surface, const TOutline& outline) {
    if (!surface) return;
    QWidget* window = surface->Handle();
    if (FOverlay && FOverlay->parentWidget() != window) Clear();
    if (!FOverlay) FOverlay = new TOverlay(window);
    FOverlay->setGeometry(window->rect());
    FOverlay->Toggle(outline);
    FOverlay->setVisible(!FOverlay->Outlines.empty());
    FOverlay->raise();
}

void TDragFeedback::Clear() {
    delete FOverlay.data();
}

const std::vector<TOutline>& TDragFeedback::Outlines() const {
    return FOverlay ? FOverlay->Outlines : kNoOutlines;
}

}  // namespace mox
