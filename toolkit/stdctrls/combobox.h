#pragma once
// TComboBox: the drop-down list on a QComboBox. Items, ItemIndex and Text live in the control
// and are copied onto the widget, which may be destroyed and made again when the control moves
// to another parent. Input in the inner editor and in the pop-up list reaches the pre-dispatch
// handlers as messages of the combo box's window.

#include <memory>

#include "toolkit/core/strings.h"
#include "toolkit/stdctrls/edit.h"

class QComboBox;
class QLineEdit;

namespace mox {

class TComboBox : public TWinControl {
    MOX_CLASS
public:
    explicit TComboBox(TComponent* owner);
    ~TComboBox() override;

    // Editable styles complete typed text from the items.
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value);
    // Typing drops the list down.
    bool AutoDropDown() const { return FAutoDropDown; }
    void SetAutoDropDown(bool value);
    // csDropDown and csSimple have an editor; the list styles (csDropDownList and the owner-draw
    // ones) only choose among the items.
    TComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TComboBoxStyle value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int value);
    TImeMode ImeMode() const { return FImeMode; }
    void SetImeMode(TImeMode value);
    QString ImeName() const { return FImeName; }
    void SetImeName(const QString& value);
    // The height of a list line: the font's line height, or for the owner-draw styles the
    // height set here.
    int ItemHeight() const;
    void SetItemHeight(int value);
    // The selected item, -1 for none; an index outside the items selects none. While loading
    // the index waits for the items, which a rack file stores after it.
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int value);
    TStrings* Items() const { return FItems.get(); }
    void SetItems(const TStrings* value) { FItems->Assign(value); }
    // The most characters the user can type; 0 for no limit.
    int MaxLength() const { return FMaxLength; }
    void SetMaxLength(int value);
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    bool DroppedDown() const;
    void SetDroppedDown(bool value);
    bool Editable() const;

    // The height is the font's, whatever is asked.
    void SetBounds(int left, int top, int width, int height) override;
    void Loaded() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    TNotifyEvent OnSelect;

protected:
    bool NativeWidget() const override { return true; }
    QWidget* CreateWidget(QWidget* parentWidget) override;
    void InitWidget(QWidget* widget) override;
    void WndProc(TMessage& message) override;
    void KeyPress(QChar& key) override;
    // Editable styles: the editor's text; list styles: the selected item's.
    QString GetText() const override;
    void SetTextValue(const QString& value) override;

private:
    QComboBox* Combo() const;
    // Copies the whole state onto the widget.
    void ApplyAll(QComboBox& combo);
    void ApplySettings(QComboBox& combo);
    void ApplyItems(QComboBox& combo);
    QString SelectedItem() const;  // empty when none
    void ItemsChanging();
    void ItemsChanged();
    void WidgetIndexChanged(int index);
    void WidgetTextChanged(const QString& text);
    void WidgetActivated();
    void UserTyped();
    int FixedHeight() const;

    std::unique_ptr<TStringList> FItems;
    bool FAutoComplete = true;
    bool FAutoDropDown = false;
    TComboBoxStyle FStyle = TComboBoxStyle::csDropDown;
    TEditCharCase FCharCase = TEditCharCase::ecNormal;
    int FDropDownCount = 8;
    TImeMode FImeMode = TImeMode::imDontCare;
    QString FImeName;
    int FItemHeight = 16;
    int FItemIndex = -1;
    int FMaxLength = 0;
    TRef<TPopupMenu> FPopupMenu;
    bool FSorted = false;
    QPointer<QLineEdit> FEditor;        // the widget's editor, once given the typing rules
    QPointer<TTypingValidator> FRules;  // the rules it was given
    QString FSelectedBeforeChange;      // the selected item's text while the items change
    QString FLoadedText;                // a list's stored text, chosen once its items are read
    bool FSyncing = false;              // the widget is being brought up to the control's state
};

}  // namespace mox
