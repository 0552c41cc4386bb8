#pragma once
// The palette window, the program's main window: one dock with the rack commands and a check
// button per control kind, the context menu the rack's designer shows on controls, and the
// open and save dialogs of the rack commands. Choosing a kind suspends the rack's designer so
// that the next click on the rack places a control of that kind.

#include <cstdint>

#include "toolkit/controls/form.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/stdctrls/menus.h"
#include "toolkit/stdctrls/toolbar.h"

namespace mox {

class TfrmRack;

class TfrmPalette : public TForm {
    MOX_CLASS
public:
    explicit TfrmPalette(TComponent* owner);

    // The rack whose designer the control buttons suspend, and which showing the palette shows.
    TfrmRack* Rack() const { return FRack; }
    void SetRack(TfrmRack* rack) { FRack = rack; }

    // The kind the next placement click creates.
    std::uint8_t PlacementMode() const { return FPlacementMode; }
    // The rack file last loaded or saved; empty while the rack has none.
    QString RackFileName() const { return FRackFileName; }
    void SetRackFileName(const QString& value) { FRackFileName = value; }

    TToolBar* PropertiesToolbar() const { return FPropertiesBar; }
    TToolBar* OutputToolbar() const { return FOutputBar; }
    TToolBar* InputToolbar() const { return FInputBar; }
    // The palette button of catalogue kind `kind`; none outside the catalogue.
    TToolButton* ControlButton(int kind) const;
    // A button or menu item by its name (sbtDelete, mniAlignToGrid...).
    TToolButton* Button(QStringView name) const;
    TMenuItem* MenuItem(QStringView name) const;
    TPopupMenu* MainMenu() const { return FMainMenu; }
    TOpenDialog* OpenDialog() const { return FOpenDialog; }
    TSaveDialog* SaveDialog() const { return FSaveDialog; }

    // The handler of every control button: checks it alone and starts placing its kind.
    void sbtControlButtonClick(TObject* sender);
    // Lets every control button up.
    void UncheckControlButtons();
    // Properties, Delete and Align work on the selection: enabled only when there is one.
    void UpdateSelectionCommands(bool hasSelection);

private:
    void BuildToolbars();
    void BuildMenu();
    void BuildDialogs();
    TToolButton* AddButton(TToolBar* bar, const QString& name, const QString& caption,
                           const QString& hint = {});
    void AddSeparator(TToolBar* bar);
    TMenuItem* AddMenuItem(const QString& name, const QString& caption);
    void FormShow(TObject*);

    TfrmRack* FRack = nullptr;
    std::uint8_t FPlacementMode = 0;
    QString FRackFileName;
    TToolBar* FPropertiesBar = nullptr;
    TToolBar* FOutputBar = nullptr;
    TToolBar* FInputBar = nullptr;
    TPopupMenu* FMainMenu = nullptr;
    TOpenDialog* FOpenDialog = nullptr;
    TSaveDialog* FSaveDialog = nullptr;
    int FSeparators = 0;
};

}  // namespace mox
