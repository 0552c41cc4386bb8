#pragma once
// The palette's commands on the rack and its selection: property sheets, delete, align, select
// all, send to back, the rack properties dialog, loading and saving rack files, and the
// question asked before the program closes with controls on the rack.

#include <QString>

namespace mox {

class TShell;
class TControl;

class TRackCommands {
public:
    // Binds the palette's buttons, menu items and close question to the commands.
    explicit TRackCommands(TShell& shell);

    void Properties();
    void Delete();
    void AlignToGrid();
    void SelectAll();
    void ShowAlignmentPalette();
    void SendToBack();
    void RackProperties();
    void LoadRack();
    void SaveRack();
    void SaveRackAs();
    // Reads a rack file into the rack with the fix-ups a load makes (tab stops, images from
    // their hint, the control list, the first control selected, the caption); raises the
    // reader's error for a file that cannot be read.
    void ReadRack(const QString& path);
    // Whether the palette may close: asks first when the rack holds controls.
    bool CanClose();

    // Hides the rack properties dialog, then every sheet in the sheet table's order.
    void CloseAllSheets();
    bool RackHoldsControls() const;

private:
    void BindCommands();
    // Writes the rack to `path` with the look and content a rack file keeps, and puts the
    // window back as it was afterwards, also when writing failed.
    void SaveSequence(const QString& path);
    void RemoveControls();
    void AfterLoad();
    void ShowFileName(const QString& path);

    TShell& FShell;
};

// Reads an image control's picture again from the bitmap file named in its hint; a missing or
// unreadable file leaves it without a picture.
void ReloadImageFromHint(TControl& control);

}  // namespace mox
