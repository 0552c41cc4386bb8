#include "propsheets/rackpropsdialog.h"

#include "toolkit/classbuilder.h"

namespace mox {

const TClassInfo& TFrmRProp::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TFrmRProp>("TFrmRProp", TForm::StaticClass()).Build();
    return info;
}

TFrmRProp::TFrmRProp(TComponent* owner, TCustomForm& palette) : TForm(owner), FPalette(palette) {
    SetName(QStringLiteral("FrmRProp"));
    SetCaption(QStringLiteral("Rack Properties"));
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(TBorderIcons{});
    SetClientSize(215, 396);

    auto* panel = new TPanel(this);
    panel->SetName(QStringLiteral("Panel1"));
    panel->SetCaption(QString());
    panel->SetBevelOuter(TBevelCut::bvLowered);
    panel->SetAlign(TAlign::alClient);
    panel->SetParent(this);

    auto* label = new TLabel(this);
    label->SetName(QStringLiteral("Label1"));
    label->SetCaption(QStringLiteral("Controls :"));
    label->SetParent(panel);
    label->SetLeft(8);
    label->SetTop(5);

    FControls = new TComboBox(this);
    FControls->SetName(QStringLiteral("CBControls"));
    FControls->SetStyle(TComboBoxStyle::csDropDownList);
    FControls->SetParent(panel);
    FControls->SetBounds(8, 20, 201, FControls->Height());

    FGrid = new TValueListEditor(this);
    FGrid->SetName(QStringLiteral("VLE"));
    FGrid->SetParent(panel);
    FGrid->SetBounds(2, 48, 211, 303);
    FGrid->Font()->SetColor(clNavy);

    FApply = new TButton(this);
    FApply->SetName(QStringLiteral("btnApply"));
    FApply->SetCaption(QStringLiteral("Apply"));
    FApply->SetParent(panel);
    FApply->SetBounds(128, 360, 75, 25);

    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFrmRProp::ShowControlList(const QStringList& names, int current) {
    TStrings* items = FControls->Items();
    items->BeginUpdate();
    items->Clear();
    for (const QString& name : names)
        items->Add(name);
    items->EndUpdate();
    FControls->SetItemIndex(current);
}

void TFrmRProp::FormShow(TObject*) {
    SetBounds(FPalette.Left(), FPalette.Top() + FPalette.Height(), Width(), Height());
}

}  // namespace mox
