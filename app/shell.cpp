#include "app/shell.h"

#include <array>

#include "app/catalogue.h"
#include "app/palette.h"
#include "app/rack.h"
#include "propsheets/rackpropsdialog.h"
#include "propsheets/sheetwindow.h"

namespace mox {

namespace {

// The kinds whose property sheets the program creates, in creation order; the rack properties
// dialog comes between the track bar's sheet and the power meter's.
constexpr std::array kSheetOrder{0,  2,  3,  1,  14, 4,  5,  6,  7,  8,  9,
                                 10, 11, 12, 13, 15, 16, 17, 18, 19, 20, 21};
constexpr std::size_t kSheetsBeforeRackProperties = 18;

}  // namespace

TShell::TShell(const TClassRegistry& registry) : FWindows(std::make_unique<TComponent>(nullptr)) {
    FPalette = new TfrmPalette(FWindows.get());
    FRack = new TfrmRack(FWindows.get(), *FPalette, registry);
    FPalette->SetRack(FRack);
    for (std::size_t i = 0; i < kSheetOrder.size(); ++i) {
        if (i == kSheetsBeforeRackProperties) {
            FRackProperties = new TFrmRProp(FWindows.get(), *FPalette);
            FRackProperties->Show();
        }
        const TControlKind& kind = *FindControlKind(kSheetOrder[i]);
        // Window names drop the class's T: TFrmAMeter is FrmAMeter.
        FSheets.push_back(
            new TPropertySheetWindow(FWindows.get(), kind.SheetClass.mid(1), kind.SheetCaption));
    }
    TRackControlList& list = FRack->ControlList();
    list.OnChange = [this, &list](TObject*) {
        FRackProperties->ShowControlList(list.Names(), list.ItemIndex());
    };
}

TShell::~TShell() = default;

TPropertySheetWindow* TShell::Sheet(QStringView sheetClass) const {
    const QString name = sheetClass.mid(1).toString();
    for (TPropertySheetWindow* sheet : FSheets)
        if (sheet->Name() == name) return sheet;
    return nullptr;
}

}  // namespace mox
