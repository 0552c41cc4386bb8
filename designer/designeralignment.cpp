// Aligning and spacing the selection, and the alignment palette the designer carries for it.
#include "designer/alignmentgeometry.h"
#include "designer/alignmentpalette.h"
#include "designer/formdesigner.h"
#include "designer/grabhandles.h"
#include "toolkit/controls/form.h"

namespace mox {

namespace {

std::vector<TSpan> Spans(const std::vector<TControl*>& controls, bool horizontal) {
    std::vector<TSpan> spans;
    spans.reserve(controls.size());
    for (const TControl* c : controls)
        spans.push_back(horizontal ? TSpan{c->Left(), c->Width()} : TSpan{c->Top(), c->Height()});
    return spans;
}

}  // namespace

void TCustomFormDesigner::AlignSelection(TAlignMode horizontal, TAlignMode vertical) {
    if (!FActive || ControlCount() == 0) return;
    PruneSelection();
    // Pruning leaves the current control and its unlocked siblings.
    const std::vector<TControl*> selected = FSelection;
    const TControl* parent = Control()->Parent();
    const std::vector<int> lefts =
        AlignedStarts(horizontal, Spans(selected, true), parent ? parent->Width() : 0);
    const std::vector<int> tops =
        AlignedStarts(vertical, Spans(selected, false), parent ? parent->Height() : 0);
    for (std::size_t i = 0; i < selected.size(); ++i) {
        TControl* c = selected[i];
        if (c->Left() != lefts[i] || c->Top() != tops[i])
            c->SetBounds(lefts[i], tops[i], c->Width(), c->Height());
    }
    if (ControlCount() < 2) {
        Control()->Repaint();
        if (FGrabHandles) FGrabHandles->Refresh(false);
    } else {
        PaintAllMarks();
    }
    TApplication::Instance().ProcessMessages();
    if (!OnMoveSizeControl) return;
    // Handlers may change the selection: each control is asked about while it is still there.
    for (std::size_t i = 0; i < FSelection.size(); ++i)
        OnMoveSizeControl(this, FSelection[i]);
}

void TCustomFormDesigner::SetAlignmentPalette(TAlignmentPaletteOptions value) {
    FAlignmentPalette = value;
    FPalette->SetStayOnTop(value.Contains(TAlignmentPaletteOption::apStayOnTop));
    FPalette->SetShowHint(value.Contains(TAlignmentPaletteOption::apShowHints));
    FPalette->SetFlatButtons(value.Contains(TAlignmentPaletteOption::apFlatButtons));
}

}  // namespace mox
