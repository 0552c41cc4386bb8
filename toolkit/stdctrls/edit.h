#pragma once
// Text boxes on Qt's editors: TCustomEdit holds what the single-line edit and the memo share
// (typing rules, frame, colours), TEdit is the single-line edit box on a QLineEdit.

#include <QValidator>

#include "toolkit/controls/wincontrol.h"
#include "toolkit/core/stdenums.h"
#include "toolkit/stdctrls/menus.h"

class QLineEdit;
class QPalette;

namespace mox {

// What an editor lets the user type: text in the character case asked for, no longer than the
// limit (0: none). Text the program sets is never cut, so nothing loaded from a rack is lost.
class TTypingValidator : public QValidator {
public:
    explicit TTypingValidator(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;

    TEditCharCase CharCase = TEditCharCase::ecNormal;
    int MaxLength = 0;
};

class TCustomEdit : public TWinControl {
    MOX_CLASS
public:
    explicit TCustomEdit(TComponent* owner);
    ~TCustomEdit() override;

    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool value);
    // The height follows the font.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Converts the text, and what the user types from then on.
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    // Whether the selection disappears while another control has the focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    TImeMode ImeMode() const { return FImeMode; }
    void SetImeMode(TImeMode value);
    QString ImeName() const { return FImeName; }
    void SetImeName(const QString& value);
    // The most characters the user can type; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    bool OEMConvert() const { return FOEMConvert; }
    void SetOEMConvert(bool value);
    // Shown instead of each character of the text; a null character shows the text.
    QChar PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(QChar value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value);

    void Invalidate() override;
    void Loaded() override;

    TNotifyEvent OnChange;

protected:
    void BevelChanged() override { SettingsChanged(); }
    bool NativeWidget() const override { return true; }
    void InitWidget(QWidget* widget) override;
    void WndProc(TMessage& message) override;
    // Pushes the settings onto the widget; descendants add what their editor needs.
    virtual void ApplySettings(QWidget* widget);
    // Re-applies the settings when the widget exists and repaints.
    void SettingsChanged();
    virtual void Change();

private:
    // Colours of the editor: Color behind the text, the font's colour for it.
    QPalette EditPalette(const QPalette& base) const;
    void AdjustHeight();

    bool FAutoSelect = true;
    bool FAutoSize = true;
    TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    bool FHideSelection = true;
    TImeMode FImeMode = TImeMode::imDontCare;
    QString FImeName;
    int FMaxLength = 0;
    bool FOEMConvert = false;
    QChar FPasswordChar;
    bool FReadOnly = false;
    TRef<TPopupMenu> FPopupMenu;
    bool FAppliedCtl3D = true;  // the Ctl3D the frame was last made for
};

class TEdit : public TCustomEdit {
    MOX_CLASS
public:
    explicit TEdit(TComponent* owner);
    ~TEdit() override;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void ApplySettings(QWidget* widget) override;
    void SetTextValue(const QString& value) override;

private:
    QLineEdit* Editor() const;
    void EditorTextChanged(const QString& text);

    bool FSettingText = false;  // the text change comes from the control, not the user
};

}  // namespace mox
