#include "app/rack.h"

#include "app/catalogue.h"
#include "app/controlcreation.h"
#include "app/controlnaming.h"
#include "app/palette.h"
#include "designer/formdesigner.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/memo.h"

namespace mox {

const TClassInfo& TfrmRack::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TfrmRack>("TfrmRack", TForm::StaticClass()).Build();
    return info;
}

TfrmRack::TfrmRack(TComponent* owner, TfrmPalette& palette, const TClassRegistry& registry)
    : TForm(owner), FPalette(palette), FRegistry(registry) {
    SetName(QStringLiteral("frmRack"));
    SetCaption(QStringLiteral("My Rack"));
    SetBorderIcons(TBorderIcons{});
    SetBorderStyle(TFormBorderStyle::bsSizeable);
    SetAutoScroll(false);
    SetColor(clBtnFace);
    TFont* font = Font();
    font->SetName(QStringLiteral("MS Sans Serif"));
    font->SetHeight(-11);
    font->SetColor(clWindowText);
    font->SetCharset(DEFAULT_CHARSET);
    SetLeft(271);
    SetTop(175);
    SetClientSize(442, 266);
    SetOldCreateOrder(true);
    SetUpDesigner();
    OnShow = [this](TObject* sender) { FormShow(sender); };
    OnActivate = [this](TObject* sender) { FormActivate(sender); };
    OnClick = [this](TObject* sender) { FormClick(sender); };
    // Right clicks on controls show the palette's context menu.
    FDesigner->SetPopupMenu(FPalette.MainMenu());
}

void TfrmRack::SetUpDesigner() {
    FDesigner = new TFormDesigner(this);
    FDesigner->SetName(QStringLiteral("cmpFormDesigner"));
    FDesigner->SetClearBeforeLoad(true);
    FDesigner->SetMessageProcessor(TMessageProcessor::mpEvent);
    FDesigner->SetGridStep(8);
    FDesigner->SetSnapToGrid(true);
    FDesigner->SetDisplayGrid(true);
    FDesigner->SetDesignerColor(clNone);
    FDesigner->SetGridColor(clBlack);
    FDesigner->SetShowMoveSizeHint(true);
    FDesigner->SetGrabSize(5);
    FDesigner->SetAlignmentPalette(TAlignmentPaletteOptions{TAlignmentPaletteOption::apStayOnTop,
                                                            TAlignmentPaletteOption::apShowHints});
    FDesigner->SetNormalGrabBorder(clBlack);
    FDesigner->SetNormalGrabFill(clBlack);
    FDesigner->SetLockedGrabBorder(clBlack);
    FDesigner->SetLockedGrabFill(clGray);
    FDesigner->SetLockChildren(TChildrenMode::cmNone);
    FDesigner->SetProtectChildren(TChildrenMode::cmNone);
    FDesigner->SetTransparentChildren(TChildrenMode::cmNone);
    FDesigner->SetProtectMode(TProtectMode::pmLockKeyboard);
    FDesigner->SetLockedInverse(false);
    FDesigner->SetProtectedInverse(false);
    FDesigner->SetTransparentInverse(false);
    FDesigner->OnSelectControl = [this](TObject* sender, TControl* control) {
        DesignerSelectControl(sender, control);
    };
    FDesigner->OnMessage = [this](TObject*, TMsg& msg) { PlaceOnClick(msg); };
}

void TfrmRack::FormShow(TObject*) {
    FDesigner->SetActive(true);
}

void TfrmRack::FormActivate(TObject*) {
    SetActiveControl(nullptr);
    FDesigner->Update();
}

void TfrmRack::FormClick(TObject*) {
    FPalette.UpdateSelectionCommands(FDesigner->ControlCount() > 0);
}

void TfrmRack::DesignerSelectControl(TObject*, TControl* control) {
    FPalette.UpdateSelectionCommands(FDesigner->ControlCount() > 0);
    if (control && FDesigner->Control())
        FControlList.SetItemIndex(FControlList.IndexOf(FDesigner->Control()->Name()));
}

TControl* TfrmRack::CreateControl(int kind) {
    return CreateControlOfKind(kind, *this, FRegistry);
}

bool TfrmRack::NameControl(TControl* control, const QString& prefix) {
    if (!control->Name().isEmpty() && !FindComponent(control->Name())) return false;
    const QString name = LowestFreeName(*this, prefix);
    if (name.isEmpty()) return false;
    // A control whose text mirrors its name takes the new name as its text (a label reads
    // label1); the kinds below start with no text at all.
    control->SetName(name);
    FControlList.Add(name);
    if (FControlList.Count() > 0) FControlList.SetItemIndex(0);
    const QString className = control->ClassName();
    if (auto* memo = dynamic_cast<TMemo*>(control)) {
        memo->SetText(QString());
        memo->SetCtl3D(false);
        memo->SetWantReturns(true);
        memo->SetWantTabs(true);
    } else if (className == u"TVrPowerMeter" || className == u"TVrCheckLed" ||
               dynamic_cast<TEdit*>(control) || dynamic_cast<TComboBox*>(control)) {
        control->SetText(QString());
    }
    return true;
}

bool TfrmRack::Contains(const TWinControl* control) const {
    while (control && control != this)
        control = control->Parent();
    return control != nullptr;
}

TWinControl* TfrmRack::ContainerAt(HWND window) {
    if (window == WindowHandle()) return this;
    for (TWinControl* c = FDesigner->FindWinControl(window); c; c = c->Parent())
        if (c->ControlStyle().Contains(TControlStyleFlag::csAcceptsControls)) return c;
    return nullptr;
}

void TfrmRack::PlaceOnClick(TMsg& msg) {
    if (msg.message != WM_LBUTTONDOWN) return;
    TWinControl* target = TApplication::Instance().WindowControl(msg.hwnd);
    // Clicks on the palette or any other window leave the designer suspended.
    if (!Contains(target)) return;
    msg.message = WM_NULL;
    if (TWinControl* container = ContainerAt(msg.hwnd)) {
        const TPoint click{LoWord(msg.lParam), HiWord(msg.lParam)};
        PlaceControl(*container, container->ScreenToClient(target->ClientToScreen(click)));
    }
    FPalette.UncheckControlButtons();
    FDesigner->Resume();
}

void TfrmRack::PlaceControl(TWinControl& container, TPoint at) {
    const std::uint8_t kind = FPalette.PlacementMode();
    TControl* control = CreateControl(kind);
    if (!control) return;
    control->SetLeft(at.X);
    control->SetTop(at.Y);
    if (FDesigner->SnapToGrid()) FDesigner->AlignToGrid(control);
    if (!NameControl(control, FindControlKind(kind)->Prefix)) {
        delete control;
        return;
    }
    control->SetParent(&container);
    FDesigner->SetControl(control);
}

}  // namespace mox
