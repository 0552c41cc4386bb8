#pragma once
// The floating alignment palette: a small tool window with ten buttons that align or space the
// designer's selection, and a menu to keep it on top, show hints or hide it. Its designer makes
// it hidden and owns it; without a designer the buttons do nothing.

#include "designer/designerenums.h"
#include "toolkit/controls/form.h"

namespace mox {

class TCustomFormDesigner;
class TMenuItem;
class TPopupMenu;
class TSpeedButton;

class TfrmAlignmentPalette : public TForm {
    MOX_CLASS
public:
    explicit TfrmAlignmentPalette(TComponent* owner);

    // Switches the flat look of every speed button on the palette.
    void SetFlatButtons(bool flat);
    // Makes the palette a stay-on-top window or a normal one.
    void SetStayOnTop(bool stayOnTop);
    bool StayOnTop() const { return FormStyle() == TFormStyle::fsStayOnTop; }

    void SetVisible(bool value) override;

    // The buttons and menu, named as their tags and captions say.
    TSpeedButton* sbtLeft = nullptr;
    TSpeedButton* sbtHorCenter = nullptr;
    TSpeedButton* sbtHorWinCenter = nullptr;
    TSpeedButton* sbtHorSpace = nullptr;
    TSpeedButton* sbtRight = nullptr;
    TSpeedButton* sbtTop = nullptr;
    TSpeedButton* sbtVerCenter = nullptr;
    TSpeedButton* sbtVerWinCenter = nullptr;
    TSpeedButton* sbtVerSpace = nullptr;
    TSpeedButton* sbtBottom = nullptr;
    TPopupMenu* pmnMain = nullptr;
    TMenuItem* mniStayOnTop = nullptr;
    TMenuItem* mniShowHints = nullptr;
    TMenuItem* mniHide = nullptr;

    // Handlers, public so that tests and the menu reach them alike.
    void sbtHorClick(TObject* sender);
    void sbtVerClick(TObject* sender);
    void pmnMainPopup(TObject* sender);
    void mniStayOnTopClick(TObject* sender);
    void mniShowHintsClick(TObject* sender);
    void mniHideClick(TObject* sender);

protected:
    void InitWidget(QWidget* widget) override;

private:
    TCustomFormDesigner* Designer() const;
    void BuildButtons();
    void BuildMenu();
    TMenuItem* AddMenuItem(const QString& name, const QString& caption, QStringView handler);
    void Bind(TNotifyEvent& event, QStringView handler);
    // Aligns the designer's selection as the tag of `sender` says, along one direction.
    void AlignBy(TObject* sender, bool horizontal);
    // Adds `option` to the designer's palette options, or removes it.
    void SetDesignerOption(TAlignmentPaletteOption option, bool on);
    void KeepPosition();

    bool FHasBeenShown = false;
};

}  // namespace mox
