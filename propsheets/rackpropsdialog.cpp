#include "propsheets/rackpropsdialog.h"

#include "designer/formdesigner.h"
#include "propsheets/numbertext.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

enum Row {
    rowCaption,
    rowBackground,
    rowGrid,
    rowGrabBorder,
    rowGrabFill,
    rowGrabSize,
    rowDisplayGrid,
    rowSnapToGrid,
    rowGridStep
};

QString YesNo(bool value) {
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

}  // namespace

const TClassInfo& TFrmRProp::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TFrmRProp>("TFrmRProp", TForm::StaticClass()).Build();
    return info;
}

TFrmRProp::TFrmRProp(TComponent* owner, const TSheetHost& host, TRackControlList& controls)
    : TForm(owner), FHost(host), FList(controls) {
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
    FControls->OnChange = [this](TObject*) { ControlPicked(); };

    FGrid = new TValueListEditor(this);
    FGrid->SetName(QStringLiteral("VLE"));
    FGrid->SetParent(panel);
    FGrid->SetBounds(2, 48, 211, 303);
    FGrid->Font()->SetColor(clNavy);
    FGrid->OnEditButtonClick = [this](TObject*, int) { EditCurrentRow(); };

    FApply = new TButton(this);
    FApply->SetName(QStringLiteral("btnApply"));
    FApply->SetCaption(QStringLiteral("Apply"));
    FApply->SetParent(panel);
    FApply->SetBounds(128, 360, 75, 25);
    FApply->OnClick = [this](TObject*) { Apply(); };
    SetActiveControl(FApply);

    FColorDialog = new TColorDialog(this);
    FColorDialog->SetName(QStringLiteral("ColorDialog1"));

    FList.OnChange = [this](TObject*) { ShowControlList(); };
    OnShow = [this](TObject* sender) { FormShow(sender); };
}

void TFrmRProp::ShowControlList() {
    TStrings* items = FControls->Items();
    QStringList shown;
    for (int i = 0; i < items->Count(); ++i)
        shown << items->Strings(i);
    // A pick only moves the current entry: the list the user is looking at stays as it is.
    if (shown != FList.Names()) {
        items->BeginUpdate();
        items->Clear();
        for (const QString& name : FList.Names())
            items->Add(name);
        items->EndUpdate();
    }
    FControls->SetItemIndex(FList.ItemIndex());
}

void TFrmRProp::FormShow(TObject*) {
    SetBounds(FHost.Palette.Left(), FHost.Palette.Top() + FHost.Palette.Height(), Width(),
              Height());
    QStringList names;
    for (int i = 0; i < FHost.Rack.ControlCount(); ++i) {
        const TControl* child = FHost.Rack.Controls(i);
        if (child->ClassName() != u"TGrabHandle") names << child->Name();
    }
    FList.Assign(names);
    if (FList.Count() > 0) FList.SetItemIndex(0);
    FillRows();
}

void TFrmRProp::FillRows() {
    const TCustomFormDesigner& d = FHost.Designer;
    FGrid->Strings()->Clear();
    const auto text = [&](const QString& key, const QString& value) {
        FGrid->InsertRow(key, value, true);
    };
    const auto dialog = [&](const QString& key) {
        const int row = FGrid->InsertRow(key, QStringLiteral("Click to change"), true);
        FGrid->ItemProps(row)->SetEditStyle(TEditStyle::esEllipsis);
        FGrid->ItemProps(row)->SetReadOnly(true);
    };
    const auto pick = [&](const QString& key, bool value) {
        const int row = FGrid->InsertRow(key, YesNo(value), true);
        FGrid->ItemProps(row)->SetEditStyle(TEditStyle::esPickList);
        FGrid->ItemProps(row)->PickList()->Add(QStringLiteral("yes"));
        FGrid->ItemProps(row)->PickList()->Add(QStringLiteral("no"));
    };
    text(QStringLiteral("Caption"), FHost.Rack.Caption());
    dialog(QStringLiteral("Background color"));
    dialog(QStringLiteral("Grid color"));
    dialog(QStringLiteral("Grabs border color"));
    dialog(QStringLiteral("Grabs fill color"));
    text(QStringLiteral("Grabs handle size"), QString::number(d.GrabSize()));
    pick(QStringLiteral("Display grid"), d.DisplayGrid());
    pick(QStringLiteral("Snap to grid"), d.SnapToGrid());
    text(QStringLiteral("Grid step"), QString::number(d.GridStep()));
}

void TFrmRProp::Apply() {
    TCustomFormDesigner& d = FHost.Designer;
    try {
        FHost.Rack.SetCaption(FGrid->Value(rowCaption));
        d.SetGrabSize(StrToIntStrict(FGrid->Value(rowGrabSize)));
        d.SetGridStep(StrToIntStrict(FGrid->Value(rowGridStep)));
        d.SetDisplayGrid(FGrid->Value(rowDisplayGrid) == u"yes");
        d.SetSnapToGrid(FGrid->Value(rowSnapToGrid) == u"yes");
    } catch (const std::exception&) {
        ShowMessage(QStringLiteral("Please check properties."));
    }
    FHost.Rack.Invalidate();
}

void TFrmRProp::EditCurrentRow() {
    TCustomFormDesigner& d = FHost.Designer;
    const int row = FGrid->Row();
    const auto choose = [&](TColor initial) -> std::optional<TColor> {
        FColorDialog->SetColor(initial);
        if (!FColorDialog->Execute()) return std::nullopt;
        return FColorDialog->Color();
    };
    switch (row) {
        case rowBackground:
            if (const auto color = choose(d.DesignerColor())) d.SetDesignerColor(*color);
            // Whatever the answer, the rack takes the designer's colour and the grid is built
            // again and shown.
            FHost.Rack.SetColor(d.DesignerColor());
            d.SetDisplayGrid(false);
            d.SetDisplayGrid(true);
            FHost.Rack.Invalidate();
            break;
        case rowGrid:
            if (const auto color = choose(d.GridColor())) {
                d.SetGridColor(*color);
                FHost.Rack.Invalidate();
            }
            break;
        case rowGrabBorder:
            if (const auto color = choose(d.NormalGrabBorder())) d.SetNormalGrabBorder(*color);
            break;
        case rowGrabFill:
            if (const auto color = choose(d.NormalGrabFill())) d.SetNormalGrabFill(*color);
            break;
        default:
            break;
    }
}

void TFrmRProp::ControlPicked() {
    const int index = FControls->ItemIndex();
    FList.SetItemIndex(index);
    const QString name = FControls->Text();
    for (int i = 0; i < FHost.Rack.ControlCount(); ++i) {
        TControl* child = FHost.Rack.Controls(i);
        if (child->Name() == name) {
            FHost.Designer.SetControl(child);
            return;
        }
    }
}

}  // namespace mox
