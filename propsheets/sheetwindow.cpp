#include "propsheets/sheetwindow.h"

#include "toolkit/classbuilder.h"

namespace mox {

const TClassInfo& TPropertySheetWindow::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPropertySheetWindow>("TPropertySheetWindow", TForm::StaticClass()).Build();
    return info;
}

TPropertySheetWindow::TPropertySheetWindow(TComponent* owner, const QString& name,
                                           const QString& caption)
    : TForm(owner) {
    SetName(name);
    SetCaption(caption);
    SetBorderStyle(TFormBorderStyle::bsSingle);
    SetBorderIcons(TBorderIcons{});
    SetClientSize(215, 348);

    FPanel = new TPanel(this);
    FPanel->SetName(QStringLiteral("Panel1"));
    FPanel->SetCaption(QString());
    FPanel->SetBevelOuter(TBevelCut::bvLowered);
    FPanel->SetAlign(TAlign::alClient);
    FPanel->SetParent(this);

    FGrid = new TValueListEditor(this);
    FGrid->SetName(QStringLiteral("VLE"));
    FGrid->SetParent(FPanel);
    FGrid->SetBounds(2, 2, 211, 303);
    FGrid->SetDefaultRowHeight(16);
    FGrid->SetColWidths(0, 94);
    FGrid->SetColWidths(1, 111);

    FApply = new TButton(this);
    FApply->SetName(QStringLiteral("btnApply"));
    FApply->SetCaption(QStringLiteral("Apply"));
    FApply->SetParent(FPanel);
    FApply->SetBounds(128, 312, 75, 25);
}

}  // namespace mox
