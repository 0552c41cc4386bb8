#include "propsheets/propertysheet.h"

#include "designer/formdesigner.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TPropertySheet::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPropertySheet>("TPropertySheet", TForm::StaticClass()).Build();
    return info;
}

TPropertySheet::TPropertySheet(TComponent* owner, const TSheetHost& host, const QString& name,
                               const QString& caption, TSheetDefinition definition)
    : TForm(owner), FHost(host), FDefinition(std::move(definition)) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(TBorderIcons{});
    SetClientSize(215, 348);

    auto* panel = new TPanel(this);
    panel->SetName(QStringLiteral("Panel1"));
    panel->SetCaption(QString());
    panel->SetBevelOuter(TBevelCut::bvLowered);
    panel->SetAlign(TAlign::alClient);
    panel->SetParent(this);

    FGrid = new TValueListEditor(this);
    FGrid->SetName(QStringLiteral("VLE"));
    FGrid->SetParent(panel);
    FGrid->SetBounds(2, 2, 211, 303);
    FGrid->SetDefaultRowHeight(16);
    FGrid->SetColWidths(0, 94);
    FGrid->SetColWidths(1, 111);
    FGrid->OnEditButtonClick = [this](TObject*, int) { EditCurrentRow(); };

    FApply = new TButton(this);
    FApply->SetName(QStringLiteral("btnApply"));
    FApply->SetCaption(QStringLiteral("Apply"));
    FApply->SetParent(panel);
    FApply->SetBounds(128, 312, 75, 25);
    FApply->OnClick = [this](TObject*) { Apply(); };

    FColorDialog = new TColorDialog(this);
    FColorDialog->SetName(QStringLiteral("ColorDialog1"));
    FFontDialog = new TFontDialog(this);
    FFontDialog->SetName(QStringLiteral("FontDialog1"));
    FOpenDialog = new TOpenDialog(this);
    FOpenDialog->SetName(QStringLiteral("OpenDialog1"));
    FOpenDialog->SetDefaultExt(QStringLiteral("bmp"));
    FOpenDialog->SetFilter(QStringLiteral("Bitmap image|*.bmp"));
}

void TPropertySheet::Follow(TControl* control) {
    if (FControl == control) return;
    if (FControl) RemoveFreeNotification(FControl);
    FControl = control;
    if (control) FreeNotification(control);
}

void TPropertySheet::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != TOperation::opRemove || component != FControl) return;
    // The control has already unlinked this sheet from its listeners.
    FControl = nullptr;
    if (IsDestroying()) return;
    FGrid->Strings()->Clear();
    Hide();
}

void TPropertySheet::Fill(TControl& control) {
    SetBounds(FHost.Palette.Left(), FHost.Palette.Top() + FHost.Palette.Height(), Width(),
              Height());
    Follow(&control);
    FGrid->Strings()->Clear();
    FGrid->InsertRow(QStringLiteral("Name"), control.Name(), true);
    if (FDefinition.OnFill) FDefinition.OnFill(control, *this);
    for (const TSheetRow& row : FDefinition.Rows) {
        switch (row.Kind) {
            case TSheetRowKind::Text:
                FGrid->InsertRow(row.Key, row.Read(control), true);
                break;
            case TSheetRowKind::Dialog: {
                const int at = FGrid->InsertRow(row.Key, FDefinition.DialogText, true);
                FGrid->ItemProps(at)->SetEditStyle(TEditStyle::esEllipsis);
                FGrid->ItemProps(at)->SetReadOnly(true);
                break;
            }
            case TSheetRowKind::Pick: {
                const QStringList entries = row.EntriesOf ? row.EntriesOf(FHost.Rack) : row.Entries;
                QString shown = row.Read(control);
                if (row.EntriesOf && !entries.contains(shown)) shown.clear();
                const int at =
                    FGrid->InsertRow(row.Key, shown.isEmpty() ? kUnsetPickText : shown, true);
                TItemProp* props = FGrid->ItemProps(at);
                props->SetEditStyle(TEditStyle::esPickList);
                for (const QString& entry : entries)
                    props->PickList()->Add(entry);
                break;
            }
        }
    }
}

void TPropertySheet::Apply() {
    TControl* control = EditedControl();
    if (!control || FGrid->RowCount() == 0) return;
    try {
        if (FDefinition.CheckBeforeApply) {
            const QString refusal = FDefinition.CheckBeforeApply([this](const QString& key) {
                for (std::size_t i = 0; i < FDefinition.Rows.size(); ++i)
                    if (FDefinition.Rows[i].Key == key)
                        return FGrid->Value(static_cast<int>(i) + 1);
                return QString();
            });
            if (!refusal.isEmpty()) {
                ShowMessage(refusal);
                return;
            }
        }
        control->SetName(FGrid->Value(0));
        const auto applyRow = [&](std::size_t index) {
            const TSheetRow& row = FDefinition.Rows[index];
            const QString value = FGrid->Value(static_cast<int>(index) + 1);
            if (row.Kind == TSheetRowKind::Text)
                row.Write(*control, value);
            else if (row.Kind == TSheetRowKind::Pick &&
                     (row.EntriesOf ? value != kUnsetPickText : row.Entries.contains(value)))
                row.Write(*control, value);
        };
        if (FDefinition.ApplyOrder.isEmpty()) {
            for (std::size_t i = 0; i < FDefinition.Rows.size(); ++i)
                applyRow(i);
        } else {
            for (const QString& key : FDefinition.ApplyOrder)
                for (std::size_t i = 0; i < FDefinition.Rows.size(); ++i)
                    if (FDefinition.Rows[i].Key == key) applyRow(i);
        }
    } catch (const std::exception&) {
        ShowMessage(QStringLiteral("Please check properties !"));
    }
    if (FDefinition.AfterApply) FDefinition.AfterApply(*control);
    if (FDefinition.ReselectAfterApply) Reselect(*control);
}

void TPropertySheet::EditCurrentRow() {
    TControl* control = EditedControl();
    if (!control || FGrid->Row() < 0) return;
    const QString key = FGrid->Keys(FGrid->Row());
    for (const TSheetRow& row : FDefinition.Rows) {
        if (row.Kind != TSheetRowKind::Dialog || row.Key != key) continue;
        row.Edit(*control, *this);
        if (row.ReselectAfterEdit) Reselect(*control);
        return;
    }
}

void TPropertySheet::Reselect(TControl& control) {
    FHost.Designer.SetControl(nullptr);
    FHost.Designer.SetControl(&control);
}

}  // namespace mox
