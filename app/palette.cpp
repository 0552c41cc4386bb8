#include "app/palette.h"

#include "app/catalogue.h"
#include "app/rack.h"
#include "designer/formdesigner.h"
#include "resources/builtinresources.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/bitmap.h"

namespace mox {

const TClassInfo& TfrmPalette::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TfrmPalette>("TfrmPalette", TForm::StaticClass())
            .Method("sbtControlButtonClick", &TfrmPalette::sbtControlButtonClick)
            .Build();
    return info;
}

TfrmPalette::TfrmPalette(TComponent* owner) : TForm(owner) {
    SetName(QStringLiteral("frmPalette"));
    SetCaption(QStringLiteral("Moxbench - untitled.res"));
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    SetBounds(3, 3, 792, 106);
    // Neither larger nor smaller: the tracking limits follow the window's own size.
    Constraints()->SetMinWidth(Width());
    Constraints()->SetMaxWidth(Width());
    Constraints()->SetMinHeight(Height());
    Constraints()->SetMaxHeight(Height());
    SetShowHint(true);
    BuildToolbars();
    BuildMenu();
    BuildDialogs();
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

namespace {

// The built-in picture of a palette button.
void SetGlyph(TToolButton& button, const QString& name) {
    InitBuiltinResources();
    TBitmap glyph;
    glyph.LoadFromResourceName(QStringLiteral("TB_") + name);
    button.SetGlyph(&glyph);
}

}  // namespace

void TfrmPalette::BuildToolbars() {
    auto* dock = new TToolBarDock(this);
    dock->SetName(QStringLiteral("dckTop"));
    dock->SetAlign(TAlign::alTop);
    dock->SetParent(this);
    const auto bar = [&](const QString& name, const QString& caption) {
        auto* b = new TToolBar(this);
        b->SetName(name);
        b->SetCaption(caption);
        b->SetParent(dock);
        return b;
    };
    FPropertiesBar = bar(QStringLiteral("tbrProperties"), QStringLiteral("Properties"));
    FOutputBar = bar(QStringLiteral("tbrOutput"), QStringLiteral("Output Controls"));
    FInputBar = bar(QStringLiteral("tbrInput"), QStringLiteral("Input controls"));

    AddButton(FPropertiesBar, QStringLiteral("sbtProperties"), QStringLiteral("Properties"),
              QStringLiteral("Properties"));
    AddButton(FPropertiesBar, QStringLiteral("sbtDelete"), QStringLiteral("Delete"),
              QStringLiteral("Delete control"));
    AddButton(FPropertiesBar, QStringLiteral("sbtAlignToGrid"), QStringLiteral("Align"),
              QStringLiteral("Align to grid"));
    AddSeparator(FPropertiesBar);
    AddButton(FPropertiesBar, QStringLiteral("sbtSelectAll"), QStringLiteral("Select All"));
    AddSeparator(FPropertiesBar);
    AddButton(FPropertiesBar, QStringLiteral("sbtSetup"), QStringLiteral("Rack properties"));
    AddButton(FPropertiesBar, QStringLiteral("sbtLoadRack"), QStringLiteral("Load rack"));
    AddButton(FPropertiesBar, QStringLiteral("sbtSaveRack"), QStringLiteral("Save rack"));
    AddButton(FPropertiesBar, QStringLiteral("sbtSaveRackAs"), QStringLiteral("Save rack as"));
    // Select All and Rack properties stay words: they have no picture that says more.
    for (const auto& [name, glyph] :
         {std::pair{u"sbtProperties", u"PROPERTIES"}, std::pair{u"sbtDelete", u"DELETE"},
          std::pair{u"sbtAlignToGrid", u"ALIGNTOGRID"}, std::pair{u"sbtLoadRack", u"LOADRACK"},
          std::pair{u"sbtSaveRack", u"SAVERACK"}, std::pair{u"sbtSaveRackAs", u"SAVERACKAS"}})
        SetGlyph(*Button(QStringView(name)), QString::fromUtf16(glyph));
    UpdateSelectionCommands(false);
    // The kinds are told apart by their pictures; the caption is the hint.
    FOutputBar->SetShowCaptions(false);
    FInputBar->SetShowCaptions(false);

    const TPublishedMethod* handler = StaticClass().FindMethod(u"sbtControlButtonClick");
    for (TControlToolbar which : {TControlToolbar::Output, TControlToolbar::Input}) {
        TToolBar* target = which == TControlToolbar::Output ? FOutputBar : FInputBar;
        for (int kind : ToolbarOrder(which)) {
            if (kind == kToolbarSeparator) {
                AddSeparator(target);
                continue;
            }
            const TControlKind& k = *FindControlKind(kind);
            TToolButton* b =
                AddButton(target, QStringLiteral("sbt") + QString(k.Caption).remove(u' '),
                          k.Caption, k.Caption);
            b->SetStyle(TToolButtonStyle::tbsCheck);
            b->SetTag(kind);
            SetGlyph(*b, k.Prefix.toUpper());
            b->OnClick.BindPublished(this, *handler);
        }
    }
}

TToolButton* TfrmPalette::AddButton(TToolBar* bar, const QString& name, const QString& caption,
                                    const QString& hint) {
    auto* b = new TToolButton(this);
    b->SetName(name);
    b->SetCaption(caption);
    b->SetHint(hint);
    b->SetToolBar(bar);
    return b;
}

void TfrmPalette::AddSeparator(TToolBar* bar) {
    auto* b = new TToolButton(this);
    b->SetName(QStringLiteral("ToolButton%1").arg(++FSeparators));
    b->SetStyle(TToolButtonStyle::tbsSeparator);
    b->SetToolBar(bar);
}

void TfrmPalette::BuildMenu() {
    FMainMenu = new TPopupMenu(this);
    FMainMenu->SetName(QStringLiteral("pmnMain"));
    AddMenuItem(QStringLiteral("Properties1"), QStringLiteral("Properties"));
    AddMenuItem(QStringLiteral("N1"), QStringLiteral("-"));
    AddMenuItem(QStringLiteral("mniDelete"), QStringLiteral("Delete"));
    AddMenuItem(QStringLiteral("N2"), QStringLiteral("-"));
    AddMenuItem(QStringLiteral("mniAlignToGrid"), QStringLiteral("Align to &Grid"));
    AddMenuItem(QStringLiteral("mniSendToBack"), QStringLiteral("Send To Back"));
    // The designer's alignment palette floats hidden until asked for.
    AddMenuItem(QStringLiteral("N3"), QStringLiteral("-"));
    AddMenuItem(QStringLiteral("mniAlignmentPalette"), QStringLiteral("Alignment &Palette"));
    UpdateSelectionCommands(false);
}

TMenuItem* TfrmPalette::AddMenuItem(const QString& name, const QString& caption) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    FMainMenu->Add(item);
    return item;
}

void TfrmPalette::BuildDialogs() {
    FOpenDialog = new TOpenDialog(this);
    FOpenDialog->SetName(QStringLiteral("dlgOpen"));
    FSaveDialog = new TSaveDialog(this);
    FSaveDialog->SetName(QStringLiteral("dlgSave"));
    for (TOpenDialog* d : {FOpenDialog, static_cast<TOpenDialog*>(FSaveDialog)}) {
        d->SetDefaultExt(QStringLiteral("res"));
        d->SetFilter(QStringLiteral("Rack files|*.res"));
    }
    FOpenDialog->SetOptions(FOpenDialog->Options() + TOpenOptions{TOpenOption::ofEnableSizing});
    FSaveDialog->SetOptions(FSaveDialog->Options() + TOpenOptions{TOpenOption::ofOverwritePrompt});
}

TToolButton* TfrmPalette::ControlButton(int kind) const {
    for (TToolBar* bar : {FOutputBar, FInputBar})
        for (int i = 0; i < bar->ButtonCount(); ++i) {
            TToolButton* b = bar->Buttons(i);
            if (b->Style() == TToolButtonStyle::tbsCheck && b->Tag() == kind) return b;
        }
    return nullptr;
}

TToolButton* TfrmPalette::Button(QStringView name) const {
    return dynamic_cast<TToolButton*>(FindComponent(name));
}

TMenuItem* TfrmPalette::MenuItem(QStringView name) const {
    return dynamic_cast<TMenuItem*>(FindComponent(name));
}

void TfrmPalette::sbtControlButtonClick(TObject* sender) {
    auto* button = dynamic_cast<TToolButton*>(sender);
    if (!button) return;
    UncheckControlButtons();
    button->SetDown(true);
    FPlacementMode = static_cast<std::uint8_t>(button->Tag() & 0xFF);
    // Choosing another kind before clicking on the rack only changes the kind.
    if (FRack && !FRack->Designer()->Suspended()) FRack->Designer()->Suspend();
}

void TfrmPalette::UncheckControlButtons() {
    FOutputBar->UncheckAll();
    FInputBar->UncheckAll();
}

void TfrmPalette::UpdateSelectionCommands(bool hasSelection) {
    for (const char16_t* name : {u"sbtProperties", u"sbtDelete", u"sbtAlignToGrid"})
        if (TToolButton* b = Button(QStringView(name))) b->SetEnabled(hasSelection);
    for (const char16_t* name : {u"mniDelete", u"mniAlignToGrid"})
        if (TMenuItem* item = MenuItem(QStringView(name))) item->SetEnabled(hasSelection);
}

void TfrmPalette::FormShow(TObject*) {
    if (FRack) FRack->Show();
}

}  // namespace mox
