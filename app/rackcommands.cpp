#include "app/rackcommands.h"

#include <QFileInfo>
#include <QScopeGuard>

#include "app/catalogue.h"
#include "app/palette.h"
#include "app/rack.h"
#include "app/shell.h"
#include "designer/alignmentpalette.h"
#include "designer/formdesigner.h"
#include "instruments/input/vrslider.h"
#include "propsheets/propertysheet.h"
#include "propsheets/rackpropsdialog.h"
#include "rackfile/rackio.h"
#include "toolkit/stdctrls/image.h"

namespace mox {

namespace {

bool IsGrabHandle(const TControl* control) {
    return control->ClassName() == u"TGrabHandle";
}

// Kinds that take the keyboard focus by Tab once loaded, whatever the file says.
bool TakesTabStop(QStringView className) {
    for (const char16_t* name : {u"TVrSlider", u"TVrSwitch", u"TVrPowerButton", u"TEdit",
                                 u"TVrCheckLed", u"TVrTrackBar", u"TMemo", u"TComboBox"})
        if (className == QStringView(name)) return true;
    return false;
}

// The images whose picture is read from the file named in their hint. Only plain images: an LCD
// panel keeps its picture in the rack file.
TImage* PictureFromHint(TControl& control) {
    return control.ClassName() == u"TImage" ? dynamic_cast<TImage*>(&control) : nullptr;
}

}  // namespace

void ReloadImageFromHint(TControl& control) {
    TImage* image = PictureFromHint(control);
    if (!image) return;
    try {
        image->Picture()->LoadFromFile(image->Hint());
    } catch (const std::exception&) {
        // The image shows no picture; the rack is still usable.
    }
}

TRackCommands::TRackCommands(TShell& shell) : FShell(shell) {
    BindCommands();
}

void TRackCommands::BindCommands() {
    TfrmPalette& p = FShell.Palette();
    const auto onClick = [&](QStringView name, void (TRackCommands::*command)()) {
        if (TToolButton* b = p.Button(name))
            b->OnClick = [this, command](TObject*) { (this->*command)(); };
        if (TMenuItem* item = p.MenuItem(name))
            item->OnClick = [this, command](TObject*) { (this->*command)(); };
    };
    onClick(u"sbtProperties", &TRackCommands::Properties);
    onClick(u"Properties1", &TRackCommands::Properties);
    onClick(u"sbtDelete", &TRackCommands::Delete);
    onClick(u"mniDelete", &TRackCommands::Delete);
    onClick(u"sbtAlignToGrid", &TRackCommands::AlignToGrid);
    onClick(u"mniAlignToGrid", &TRackCommands::AlignToGrid);
    onClick(u"sbtSelectAll", &TRackCommands::SelectAll);
    onClick(u"mniSendToBack", &TRackCommands::SendToBack);
    onClick(u"mniAlignmentPalette", &TRackCommands::ShowAlignmentPalette);
    onClick(u"sbtSetup", &TRackCommands::RackProperties);
    onClick(u"sbtLoadRack", &TRackCommands::LoadRack);
    onClick(u"sbtSaveRack", &TRackCommands::SaveRack);
    onClick(u"sbtSaveRackAs", &TRackCommands::SaveRackAs);
    p.OnCloseQuery = [this](TObject*, bool& canClose) { canClose = CanClose(); };
}

bool TRackCommands::RackHoldsControls() const {
    // The designer's grab handles are children of the rack too, but not placed controls.
    const TfrmRack& rack = FShell.Rack();
    for (int i = 0; i < rack.ControlCount(); ++i)
        if (!IsGrabHandle(rack.Controls(i))) return true;
    return false;
}

void TRackCommands::CloseAllSheets() {
    FShell.RackProperties().Hide();
    for (TPropertySheet* sheet : FShell.SheetTable())
        sheet->Hide();
}

void TRackCommands::Properties() {
    TfrmRack& rack = FShell.Rack();
    TControl* current = rack.Designer()->Control();
    // Only the rack's own children have sheets; a control inside a container has none.
    if (current && current->Parent() == &rack) {
        if (TPropertySheet* sheet = FShell.SheetForClass(current->ClassName())) {
            CloseAllSheets();
            sheet->Fill(*current);
            sheet->Show();
        }
    }
    FShell.Palette().SetActiveControl(nullptr);
}

void TRackCommands::Delete() {
    TfrmPalette& palette = FShell.Palette();
    TfrmRack& rack = FShell.Rack();
    if (!palette.Button(u"sbtDelete")->Enabled()) return;
    TFormDesigner& designer = *rack.Designer();
    TRackControlList& list = rack.ControlList();
    while (designer.ControlCount() > 0) {
        TControl* control = designer.Controls(0);
        list.Remove(control->Name());
        list.SetItemIndex(list.Count() > 0 ? 0 : -1);
        control->SetParent(nullptr);
        delete control;
    }
    palette.UpdateSelectionCommands(designer.ControlCount() > 0);
    CloseAllSheets();
    FShell.RackProperties().Show();
}

void TRackCommands::AlignToGrid() {
    TFormDesigner& designer = *FShell.Rack().Designer();
    const int count = designer.ControlCount();
    for (int i = 0; i < count; ++i) {
        TControl* control = designer.Controls(i);
        if (!designer.IsLocked(control)) designer.AlignToGrid(control);
    }
}

void TRackCommands::SelectAll() {
    FShell.Rack().Designer()->SelectAll();
}

void TRackCommands::ShowAlignmentPalette() {
    FShell.Rack().Designer()->AlignmentPaletteWindow()->Show();
}

void TRackCommands::SendToBack() {
    TFormDesigner& designer = *FShell.Rack().Designer();
    // From the last to the current one, so the current control ends up backmost.
    for (int i = designer.ControlCount() - 1; i >= 0; --i)
        designer.Controls(i)->SendToBack();
    designer.Update();
}

void TRackCommands::RackProperties() {
    CloseAllSheets();
    FShell.RackProperties().Show();
}

void TRackCommands::RemoveControls() {
    TfrmRack& rack = FShell.Rack();
    for (bool found = true; found;) {
        found = false;
        for (int i = 0; i < rack.ControlCount() && !found; ++i) {
            TControl* child = rack.Controls(i);
            if (IsGrabHandle(child)) continue;
            child->SetParent(nullptr);
            delete child;
            found = true;
        }
    }
}

void TRackCommands::LoadRack() {
    if (RackHoldsControls() &&
        MessageDlg(QStringLiteral("This will clear existing rack.  Continue?"),
                   TMsgDlgType::mtConfirmation,
                   TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrNo)
        return;
    TOpenDialog* dialog = FShell.Palette().OpenDialog();
    dialog->SetInitialDir(TApplication::Instance().ExeDir());
    // The rack is cleared only once there is a file to replace it: a cancelled dialog keeps
    // the controls, and with them whatever the current file name still refers to.
    if (!dialog->Execute()) return;
    RemoveControls();
    try {
        ReadRack(dialog->FileName());
    } catch (const std::exception&) {
        // What was read stays on the rack, but it is not that file's rack any more: saving
        // must ask for a name rather than overwrite the file that failed to load, or the file
        // the rack came from before.
        TfrmRack& rack = FShell.Rack();
        rack.SetBorderStyle(TFormBorderStyle::bsSizeable);
        rack.SetBorderIcons(TBorderIcons{});
        FShell.Palette().SetRackFileName(QString());
        ShowFileName(QStringLiteral("untitled.res"));
        MessageBox(QStringLiteral("Error loading rack !"), QString(), MB_OK);
    }
    CloseAllSheets();
    FShell.RackProperties().Show();
}

void TRackCommands::ReadRack(const QString& path) {
    TfrmRack& rack = FShell.Rack();
    rack::LoadRackFile(path, rack, FShell.Registry());
    AfterLoad();
    rack.SetBorderStyle(TFormBorderStyle::bsSizeable);
    rack.SetBorderIcons(TBorderIcons{});
    ShowFileName(path);
    FShell.Palette().SetRackFileName(path);
}

void TRackCommands::AfterLoad() {
    TfrmRack& rack = FShell.Rack();
    TRackControlList& list = rack.ControlList();
    const int count = rack.ControlCount();
    for (int i = 0; i < count; ++i) {
        TControl* child = rack.Controls(i);
        if (IsGrabHandle(child)) continue;
        list.Add(child->Name());
        if (TakesTabStop(child->ClassName()))
            if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->SetTabStop(true);
        if (auto* slider = dynamic_cast<TVrSlider*>(child)) {
            slider->SetKeyIncrement(1);
            slider->RedrawControl();
        }
        ReloadImageFromHint(*child);
    }
    if (list.Count() == 0) return;
    list.SetItemIndex(0);
    for (int i = 0; i < rack.ControlCount(); ++i)
        if (rack.Controls(i)->Name() == list.Text()) {
            rack.Designer()->SetControl(rack.Controls(i));
            break;
        }
}

void TRackCommands::SaveSequence(const QString& path) {
    TfrmRack& rack = FShell.Rack();
    // No window handler of the rack goes into the file.
    const TNotifyEvent onActivate = rack.OnActivate, onClick = rack.OnClick,
                       onCreate = rack.OnCreate, onShow = rack.OnShow;
    rack.OnActivate.Clear();
    rack.OnClick.Clear();
    rack.OnCreate.Clear();
    rack.OnShow.Clear();
    std::vector<TImage*> images;
    for (int i = 0; i < rack.ControlCount(); ++i)
        if (TImage* image = PictureFromHint(*rack.Controls(i))) images.push_back(image);
    // Whether or not the write succeeds, the window looks and behaves as before, and the
    // images show their pictures again.
    const auto restore = qScopeGuard([&] {
        for (TImage* image : images)
            ReloadImageFromHint(*image);
        rack.SetBorderStyle(TFormBorderStyle::bsSizeable);
        rack.SetBorderIcons(TBorderIcons{});
        rack.OnActivate = onActivate;
        rack.OnClick = onClick;
        rack.OnCreate = onCreate;
        rack.OnShow = onShow;
    });
    // The file keeps a fixed-size window and no picture data: images are read from their hint.
    rack.SetBorderStyle(TFormBorderStyle::bsSingle);
    rack.SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    for (TImage* image : images)
        image->Picture()->Assign(nullptr);
    rack.Designer()->SaveToFile(path, rack::kRackFileFormat);
}

void TRackCommands::SaveRackAs() {
    TSaveDialog* dialog = FShell.Palette().SaveDialog();
    dialog->SetInitialDir(TApplication::Instance().ExeDir());
    if (!dialog->Execute()) return;
    const QString path = dialog->FileName();
    try {
        SaveSequence(path);
        FShell.Palette().SetRackFileName(path);
        ShowFileName(path);
    } catch (const std::exception&) {
        MessageBox(QStringLiteral("Error saving rack !"), QString(), MB_OK);
    }
}

void TRackCommands::SaveRack() {
    TfrmPalette& palette = FShell.Palette();
    // A rack never saved shows untitled.res, and so does one saved under that name: both ask.
    if (palette.Caption().contains(u"untitled.res")) {
        SaveRackAs();
        return;
    }
    try {
        SaveSequence(palette.RackFileName());
        ShowFileName(palette.RackFileName());
    } catch (const std::exception&) {
        MessageBox(QStringLiteral("Error saving rack !"), QString(), MB_OK);
    }
}

void TRackCommands::ShowFileName(const QString& path) {
    FShell.Palette().SetCaption(QStringLiteral("Moxbench - ") + QFileInfo(path).fileName());
}

bool TRackCommands::CanClose() {
    if (!RackHoldsControls()) return true;
    return MessageDlg(QStringLiteral("Rack contains control(s).  Exit now?"),
                      TMsgDlgType::mtConfirmation,
                      TMsgDlgButtons{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo}) == mrYes;
}

}  // namespace mox
