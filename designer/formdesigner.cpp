#include "designer/formdesigner.h"

#include <QScopeGuard>
#include <algorithm>

#include "designer/alignmentpalette.h"
#include "designer/grabhandles.h"
#include "designer/grid.h"
#include "rackfile/rackio.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/hintwindow.h"
#include "toolkit/controls/screen.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/brush.h"
#include "toolkit/graphics/canvas.h"

namespace mox {

namespace {
constexpr int kMinGrabSize = 3;
constexpr int kMaxGrabSize = 32;
}  // namespace

TCustomFormDesigner::TCustomFormDesigner(TComponent* owner)
    : TComponent(owner),
      FGridTile(std::make_unique<TBitmap>()),
      FNormalGrab(std::make_unique<TBitmap>()),
      FLockedGrab(std::make_unique<TBitmap>()) {
    FHintWindow = new THintWindow(this);
    // Made hidden; it follows the palette options only once they are assigned.
    FPalette = new TfrmAlignmentPalette(this);
    // Editing the locked or protected names in place changes what the handles show.
    FLocked.Names().OnChange = [this](TObject* sender) { WatchedListChanged(sender); };
    FProtected.Names().OnChange = [this](TObject* sender) { WatchedListChanged(sender); };
}

TCustomFormDesigner::~TCustomFormDesigner() {
    Destroying();
    SetActive(false);
}

TCustomForm* TCustomFormDesigner::Form() const {
    return dynamic_cast<TCustomForm*>(Owner());
}

// ---- Settings

void TCustomFormDesigner::SetMessageProcessor(TMessageProcessor value) {
    if (FActive)
        throw EFormDesigner(
            QStringLiteral("Cannot change message processor when TFormDesigner is activated"));
    FMessageProcessor = value;
}

TStrings* TCustomFormDesigner::LockedControls() const {
    return const_cast<TStringList*>(&FLocked.Names());
}
TStrings* TCustomFormDesigner::ProtectedControls() const {
    return const_cast<TStringList*>(&FProtected.Names());
}
TStrings* TCustomFormDesigner::TransparentControls() const {
    return const_cast<TStringList*>(&FTransparent.Names());
}

void TCustomFormDesigner::SetLockedControls(const TStrings* value) {
    FLocked.Names().Assign(value);
    StatusChanged(FLocked);
}
void TCustomFormDesigner::SetProtectedControls(const TStrings* value) {
    FProtected.Names().Assign(value);
    StatusChanged(FProtected);
}
void TCustomFormDesigner::SetTransparentControls(const TStrings* value) {
    FTransparent.Names().Assign(value);
    StatusChanged(FTransparent);
}

void TCustomFormDesigner::SetLockedInverse(bool value) {
    if (value == FLocked.Inverse()) return;
    FLocked.SetInverse(value);
    StatusChanged(FLocked);
}
void TCustomFormDesigner::SetProtectedInverse(bool value) {
    if (value == FProtected.Inverse()) return;
    FProtected.SetInverse(value);
    StatusChanged(FProtected);
}
void TCustomFormDesigner::SetTransparentInverse(bool value) {
    if (value == FTransparent.Inverse()) return;
    FTransparent.SetInverse(value);
    StatusChanged(FTransparent);
}

void TCustomFormDesigner::SetLockChildren(TChildrenMode value) {
    if (value == FLocked.Children()) return;
    FLocked.SetChildren(value);
    StatusChanged(FLocked);
}
void TCustomFormDesigner::SetProtectChildren(TChildrenMode value) {
    if (value == FProtected.Children()) return;
    FProtected.SetChildren(value);
    StatusChanged(FProtected);
}
void TCustomFormDesigner::SetTransparentChildren(TChildrenMode value) {
    if (value == FTransparent.Children()) return;
    FTransparent.SetChildren(value);
    StatusChanged(FTransparent);
}

// A current control that has just gained the status can no longer be designed.
void TCustomFormDesigner::StatusChanged(TStatusList& list) {
    if (FActive && list.Test(Control(), Form())) SetControl(nullptr);
}

void TCustomFormDesigner::WatchedListChanged(TObject*) {
    if (!FActive) return;
    try {
        Update();
    } catch (const std::exception&) {
        // A list edited in place must not fail because of what a repaint ran into.
    }
}

void TCustomFormDesigner::SetProtectMode(TProtectMode value) {
    if (value == FProtectMode) return;
    FProtectMode = value;
    const TCustomForm* form = Form();
    if (FActive && value == TProtectMode::pmUnselect && form && form->ActiveControl())
        SetControl(nullptr);
}

void TCustomFormDesigner::SetGridStep(int value) {
    value = ClampGridStep(value);
    if (value == FGridStep) return;
    FGridStep = value;
    UpdateGrid();
}

void TCustomFormDesigner::SetDisplayGrid(bool value) {
    if (value == FDisplayGrid) return;
    FDisplayGrid = value;
    UpdateGrid();
}

void TCustomFormDesigner::SetDesignerColor(TColor value) {
    if (value == FDesignerColor) return;
    FDesignerColor = value;
    UpdateGrid();
}

void TCustomFormDesigner::SetGridColor(TColor value) {
    if (value == FGridColor) return;
    FGridColor = value;
    UpdateGrid();
}

void TCustomFormDesigner::SetShowMoveSizeHint(bool value) {
    if (value == FShowMoveSizeHint) return;
    FShowMoveSizeHint = value;
    if (!value) HideHint();
}

void TCustomFormDesigner::SetGrabSize(int value) {
    value = std::clamp(value, kMinGrabSize, kMaxGrabSize);
    if (value == FGrabSize) return;
    FGrabSize = value;
    UpdateGrabs();
}

void TCustomFormDesigner::SetNormalGrabBorder(TColor value) {
    if (value == FNormalGrabBorder) return;
    FNormalGrabBorder = value;
    UpdateGrabs();
}
void TCustomFormDesigner::SetNormalGrabFill(TColor value) {
    if (value == FNormalGrabFill) return;
    FNormalGrabFill = value;
    UpdateGrabs();
}
void TCustomFormDesigner::SetLockedGrabBorder(TColor value) {
    if (value == FLockedGrabBorder) return;
    FLockedGrabBorder = value;
    UpdateGrabs();
}
void TCustomFormDesigner::SetLockedGrabFill(TColor value) {
    if (value == FLockedGrabFill) return;
    FLockedGrabFill = value;
    UpdateGrabs();
}

// ---- Status

bool TCustomFormDesigner::IsLocked(const TControl* control) const {
    return FLocked.Test(control, Form());
}
bool TCustomFormDesigner::IsProtected(const TControl* control) const {
    return FProtected.Test(control, Form());
}
bool TCustomFormDesigner::IsTransparent(const TControl* control) const {
    return FTransparent.Test(control, Form());
}

// ---- Switching on and off

void TCustomFormDesigner::SetActive(bool value) {
    if (value == FActive) return;
    if (value)
        Activate();
    else
        Deactivate();
}

void TCustomFormDesigner::Activate() {
    if (!Owner()) throw EFormDesigner(QStringLiteral("TFormDesigner has no parent window."));
    TCustomForm* form = Form();
    if (!form)
        throw EFormDesigner(
            QStringLiteral("Owner of TFormDesigner must be TCustomForm descendant."));
    FGrabHandles = new TGrabHandles(this);
    FFollowPosted = false;  // a request posted before deactivation never reached the designer
    SetControl(nullptr);
    UpdateGrabs();
    if (!IsProtected(form->ActiveControl())) ClearFocus();
    InstallProcessor();
    FSavedBrush = std::make_unique<TBrush>();
    FSavedBrush->Assign(form->Brush());
    form->Brush()->SetBitmap(FGridTile.get());
    Update();
    if (FAlignmentPalette.Contains(TAlignmentPaletteOption::apAutoShow)) FPalette->Show();
    FActive = true;
    form->Invalidate();
    OnActivate(this);
}

void TCustomFormDesigner::Deactivate() {
    RemoveProcessor();
    TApplication& app = TApplication::Instance();
    TCustomForm* form = Form();
    // A form that is going away takes its controls and handles with it: touch none of them.
    const bool formAlive = form && !form->IsDestroying();
    if (!IsDestroying()) FPalette->Hide();
    if (!IsDestroying() && formAlive) {
        CancelDrag();
        form->Brush()->Assign(FSavedBrush.get());
        form->Brush()->SetColor(form->Color());
        SetControl(nullptr);
    } else if (FDragState != TDragState::None) {
        // Never leave the pointer held by a designer that no longer exists.
        app.ReleaseCapture();
        app.FreeCursor();
        FDragState = TDragState::None;
    }
    if (FHoldingPress) app.ReleaseCapture();
    FHoldingPress = false;
    FFeedback.Clear();
    FMarks.Clear();
    if (!IsDestroying()) delete FGrabHandles.get();
    FSavedBrush.reset();
    // The cursor override is the designer's while it is active.
    TScreen::Instance().SetCursor(crDefault);
    FActive = false;
    if (formAlive) form->Invalidate();
    OnDeactivate(this);
}

// ---- Suspension

void TCustomFormDesigner::Suspend() {
    ++FSuspendCount;
}

void TCustomFormDesigner::Resume() {
    if (FSuspendCount > 0) --FSuspendCount;
    ReleaseMouse();
}

// ---- Grid and grab images

void TCustomFormDesigner::BuildGridTile() {
    const TCustomForm* form = Form();
    const TColor fill = FDesignerColor == clNone ? form->Color() : FDesignerColor;
    const TColor dot = FGridColor == clNone ? form->Font()->Color() : FGridColor;
    PaintGridTile(*FGridTile, FGridStep, fill, dot, FDisplayGrid);
}

void TCustomFormDesigner::UpdateGrid() {
    TCustomForm* form = Form();
    if (!form) return;
    BuildGridTile();
    if (!FActive) return;
    form->Brush()->SetBitmap(nullptr);
    form->Brush()->SetBitmap(FGridTile.get());
    form->Invalidate();
}

void TCustomFormDesigner::UpdateGrabs() {
    for (TBitmap* image : {FNormalGrab.get(), FLockedGrab.get()}) {
        image->SetSize(FGrabSize, FGrabSize);
        DrawGrab(image->Canvas(), Rect(0, 0, FGrabSize, FGrabSize), image == FLockedGrab.get());
    }
    if (FGrabHandles && FGrabHandles->Visible()) FGrabHandles->Refresh(true);
}

void TCustomFormDesigner::DrawGrab(TCanvas* canvas, const TRect& rect, bool locked) {
    canvas->Pen()->SetColor(locked ? FLockedGrabBorder : FNormalGrabBorder);
    canvas->Brush()->SetColor(locked ? FLockedGrabFill : FNormalGrabFill);
    canvas->Rectangle(rect);
}

const TBitmap& TCustomFormDesigner::GrabImage(bool locked) const {
    return locked ? *FLockedGrab : *FNormalGrab;
}

void TCustomFormDesigner::Update() {
    UpdateGrid();
    UpdateGrabs();
    if (ControlCount() >= 2) PaintAllMarks();
}

// ---- Grid alignment

void TCustomFormDesigner::AlignToGrid(TControl* control) {
    if (!FActive || !control || IsLocked(control) || IsTransparent(control) || IsProtected(control))
        return;
    control->SetBounds(AlignToGridLine(control->Left(), FGridStep),
                       AlignToGridLine(control->Top(), FGridStep), control->Width(),
                       control->Height());
    if (FGrabHandles) FGrabHandles->Refresh(false);
    if (ControlCount() >= 2 && IndexOf(control) >= 0) PaintMarks(control);
}

// ---- Saving

void TCustomFormDesigner::SaveToFile(const QString& fileName, int format) {
    TCustomForm* form = Form();
    if (!form) return;
    // The designer and its settings are never part of a stored form.
    form->RemoveComponent(this);
    const auto restore = qScopeGuard([this, form] { form->InsertComponent(this); });
    rack::SaveRackFile(*form, fileName, format);
}

}  // namespace mox
