#pragma once
// The program's windows, created once in start-up order and alive until the program ends: the
// palette (the main window), the rack, one property sheet per control kind and the rack
// properties dialog (created visible; every other window but the palette starts hidden), and
// the rack commands that work on them.

#include <memory>
#include <vector>

#include "toolkit/core/component.h"

namespace mox {

class TClassRegistry;
class TFrmRProp;
class TPropertySheet;
class TRackCommands;
class TfrmPalette;
class TfrmRack;

class TShell {
public:
    explicit TShell(const TClassRegistry& registry);
    ~TShell();
    TShell(const TShell&) = delete;
    TShell& operator=(const TShell&) = delete;

    const TClassRegistry& Registry() const { return FRegistry; }
    TfrmPalette& Palette() const { return *FPalette; }
    TfrmRack& Rack() const { return *FRack; }
    TFrmRProp& RackProperties() const { return *FRackProperties; }
    TRackCommands& Commands() const { return *FCommands; }
    // The sheet for controls of class `className` (exact match); none outside the catalogue.
    TPropertySheet* SheetForClass(QStringView className) const;
    // Every sheet, in the sheet table's order (the order "close all sheets" hides them).
    const std::vector<TPropertySheet*>& SheetTable() const { return FSheetTable; }

private:
    const TClassRegistry& FRegistry;
    // Owns every window; destroying it closes them all.
    std::unique_ptr<TComponent> FWindows;
    TfrmPalette* FPalette = nullptr;
    TfrmRack* FRack = nullptr;
    TFrmRProp* FRackProperties = nullptr;
    std::vector<TPropertySheet*> FSheets;  // by catalogue kind
    std::vector<TPropertySheet*> FSheetTable;
    std::unique_ptr<TRackCommands> FCommands;
};

}  // namespace mox
