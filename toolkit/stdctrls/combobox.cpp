#include "toolkit/stdctrls/combobox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <functional>
#include <limits>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

// The pop-up list acts on Enter, F4 and Alt+Down when Qt asks whether the key is a shortcut,
// which no message hook sees. Claiming those keys makes them arrive as ordinary key presses,
// which pass the hooks, and only those are handed on to the list.
class TPopupKeys : public QObject {
public:
    explicit TPopupKeys(QObject* list) : QObject(list), FList(list) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool override = event->type() == QEvent::ShortcutOverride;
        if (!override && event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!Chooses(*key)) return false;
        if (override) {
            event->accept();
            return true;
        }
        QKeyEvent asked(QEvent::ShortcutOverride, key->key(), key->modifiers(), key->text());
        return FList->eventFilter(watched, &asked);
    }

private:
    static bool Chooses(const QKeyEvent& key) {
        switch (key.key()) {
            case Qt::Key_Enter:
            case Qt::Key_Return:
            case Qt::Key_F4:
                return true;
            case Qt::Key_Down:
                return key.modifiers() & Qt::AltModifier;
            default:
                return false;
        }
    }

    QObject* FList;  // the pop-up window, which filters its view's events
};

// Tells the control when its list drops down and closes up. The list is a pop-up window of its
// own with a view, scrollers and a model view's machinery, some 25 KB; a rack holds many boxes
// whose lists are never opened, so the list is made when it first drops down.
class TComboWidget : public QComboBox {
public:
    explicit TComboWidget(QWidget* parent) : QComboBox(parent) {}
    std::function<void()> DroppingDown;
    std::function<void()> ClosedUp;

    // The list's view, or null while the list has not been made.
    QAbstractItemView* MadeList() const { return findChild<QAbstractItemView*>(); }

    void showPopup() override {
        if (DroppingDown) DroppingDown();
        const bool first = !FListReady;
        if (first) GiveListTheFont();
        QComboBox::showPopup();
        // Installed once the pop-up has set its own filters up, so that it sees the list's keys
        // before the pop-up window does.
        if (first) view()->installEventFilter(new TPopupKeys(view()->parentWidget()));
        FListReady = true;
    }
    void hidePopup() override {
        QComboBox::hidePopup();
        if (ClosedUp) ClosedUp();
    }

    // QComboBox::setEditable makes the list at once to set its scrollers up; an editor handed
    // over directly leaves the list to be made, with the scrollers its style wants, when it drops.
    void SetEditable(bool editable) {
        if (editable == isEditable()) return;
        if (!editable || MadeList()) {
            setEditable(editable);
            return;
        }
        auto* editor = new QLineEdit(this);
        editor->setPalette(palette());
        setLineEdit(editor);
    }

protected:
    void changeEvent(QEvent* event) override {
        // Qt hands a new font to the list at once, making it; a list not yet made takes the font
        // when it is.
        if (event->type() != QEvent::FontChange || MadeList()) {
            QComboBox::changeEvent(event);
            return;
        }
        QWidget::changeEvent(event);
        if (lineEdit()) {
            QResizeEvent fitEditor(size(), size());
            QComboBox::resizeEvent(&fitEditor);
        }
    }

private:
    // Makes the list if need be and gives it the box's font, as Qt does on every font change
    // once the list is made.
    void GiveListTheFont() {
        QEvent fontChanged(QEvent::FontChange);
        QComboBox::changeEvent(&fontChanged);
    }

    bool FListReady = false;  // the list has been dropped and has the pop-up keys
};

// Frame above and below the text line of the box.
constexpr int kFrameHeight = 8;

}  // namespace

const TClassInfo& TComboBox::StaticClass() {
    using C = TComboBox;
    static const TClassInfo info =
        TClassBuilder<C>("TComboBox", TWinControl::StaticClass())
            .Creatable()
            .Boolean("AutoComplete", &C::AutoComplete, &C::SetAutoComplete, true)
            .Boolean("AutoDropDown", &C::AutoDropDown, &C::SetAutoDropDown, false)
            .Set("BevelEdges", &C::BevelEdges, &C::SetBevelEdges, AllBevelEdges)
            .Enumeration("BevelInner", &C::BevelInner, &C::SetBevelInner, TBevelCut::bvRaised)
            .Enumeration("BevelKind", &C::BevelKind, &C::SetBevelKind, TBevelKind::bkNone)
            .Enumeration("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, TBevelCut::bvLowered)
            .Enumeration("Style", &C::Style, &C::SetStyle, TComboBoxStyle::csDropDown)
            .Set("Anchors", &C::Anchors, &C::SetAnchors,
                 TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
            .Stored(&C::IsAnchorsStored)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Enumeration("CharCase", &C::CharCase, &C::SetCharCase, TEditCharCase::ecNormal)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Boolean("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Stored(&C::IsCtl3DStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Integer("DropDownCount", &C::DropDownCount, &C::SetDropDownCount, 8)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Enumeration("ImeMode", &C::ImeMode, &C::SetImeMode, TImeMode::imDontCare)
            .String("ImeName", &C::ImeName, &C::SetImeName)
            .Integer("ItemHeight", &C::ItemHeight, &C::SetItemHeight)
            .Integer("ItemIndex", &C::ItemIndex, &C::SetItemIndex, -1)
            .Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Boolean("Sorted", &C::Sorted, &C::SetSorted, false)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("TabStop", &C::TabStop, &C::SetTabStop, true)
            .String("Text", &C::Text, &C::SetText)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Object("Items", &C::Items, &C::SetItems)
            .Event("OnChange", &C::OnChange)
            .Event("OnClick", &C::OnClick)
            .Event("OnCloseUp", &C::OnCloseUp)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnDropDown", &C::OnDropDown)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnSelect", &C::OnSelect)
            .Build();
    return info;
}

TComboBox::TComboBox(TComponent* owner)
    : TWinControl(owner), FItems(std::make_unique<TStringList>()) {
    // Qt already sends every move to the pressed widget until the release, and the pop-up list
    // takes the mouse while it is open: a grab of our own would outlive it.
    TControlStyle style = ControlStyle();
    style.Exclude(TControlStyleFlag::csCaptureMouse);
    style.Include(TControlStyleFlag::csFixedHeight);
    SetControlStyle(style);
    FItems->OnChanging = [this](TObject*) { ItemsChanging(); };
    FItems->OnChange = [this](TObject*) { ItemsChanged(); };
    SetTabStop(true);
    SetParentColor(false);
    SetBounds(0, 0, 145, FixedHeight());
}

TComboBox::~TComboBox() = default;

QComboBox* TComboBox::Combo() const {
    return HandleAllocated() ? static_cast<QComboBox*>(WindowHandle()) : nullptr;
}

bool TComboBox::Editable() const {
    return FStyle == TComboBoxStyle::csDropDown || FStyle == TComboBoxStyle::csSimple;
}

int TComboBox::FixedHeight() const {
    return Font()->Metric().Height() + kFrameHeight;
}

void TComboBox::SetBounds(int left, int top, int width, int) {
    TWinControl::SetBounds(left, top, width, FixedHeight());
}

void TComboBox::SetAutoComplete(bool value) {
    if (value == FAutoComplete) return;
    FAutoComplete = value;
    if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

void TComboBox::SetAutoDropDown(bool value) {
    if (value == FAutoDropDown) return;
    FAutoDropDown = value;
}

void TComboBox::SetStyle(TComboBoxStyle value) {
    if (value == FStyle) return;
    const QString text = Text();
    FStyle = value;
    // A list style shows the selected item; an editor keeps the text it had.
    if (Editable()) TWinControl::SetTextValue(text);
    if (QComboBox* combo = Combo()) ApplyAll(*combo);
    Invalidate();
}

void TComboBox::SetCharCase(TEditCharCase value) {
    if (value == FCharCase) return;
    FCharCase = value;
    if (Editable()) SetText(CharCased(Text(), value));
    if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

void TComboBox::SetDropDownCount(int value) {
    if (value == FDropDownCount) return;
    FDropDownCount = value;
    if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

void TComboBox::SetImeMode(TImeMode value) {
    if (value == FImeMode) return;
    FImeMode = value;
    if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

void TComboBox::SetImeName(const QString& value) {
    if (value == FImeName) return;
    FImeName = value;
}

int TComboBox::ItemHeight() const {
    if (FStyle == TComboBoxStyle::csOwnerDrawFixed || FStyle == TComboBoxStyle::csOwnerDrawVariable)
        return FItemHeight;
    return Font()->Metric().Height();
}

void TComboBox::SetItemHeight(int value) {
    if (value <= 0 || value == FItemHeight) return;
    FItemHeight = value;
    Invalidate();
}

void TComboBox::SetItemIndex(int value) {
    // A rack file stores the index before the items: keep it until they are there.
    if (Loading()) {
        FItemIndex = value;
        return;
    }
    if (value < 0 || value >= FItems->Count()) value = -1;
    if (value == FItemIndex) return;
    FItemIndex = value;
    if (Editable()) TWinControl::SetTextValue(value < 0 ? QString() : FItems->Strings(value));
    if (QComboBox* combo = Combo()) {
        const QScopedValueRollback<bool> guard(FSyncing, true);
        combo->setCurrentIndex(FItemIndex);
        if (Editable()) combo->setEditText(TWinControl::GetText());
    }
    Perform(CM_TEXTCHANGED);
}

void TComboBox::SetMaxLength(int value) {
    if (value == FMaxLength) return;
    FMaxLength = value;
    if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

void TComboBox::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu.get()) return;
    FPopupMenu = value;
}

void TComboBox::SetSorted(bool value) {
    if (value == FSorted) return;
    FSorted = value;
    FItems->SetSorted(value);
}

bool TComboBox::DroppedDown() const {
    const auto* combo = static_cast<const TComboWidget*>(Combo());
    const QAbstractItemView* list = combo ? combo->MadeList() : nullptr;
    return list && list->isVisible();
}

void TComboBox::SetDroppedDown(bool value) {
    if (value == DroppedDown()) return;
    QComboBox* combo = value ? static_cast<QComboBox*>(Handle()) : Combo();
    if (value)
        combo->showPopup();
    else
        combo->hidePopup();
}

void TComboBox::Loaded() {
    TWinControl::Loaded();
    int wanted = FItemIndex;
    if (wanted < 0 && !FLoadedText.isEmpty()) wanted = FItems->IndexOf(FLoadedText);
    FLoadedText.clear();
    FItemIndex = -1;
    SetItemIndex(wanted);
}

QString TComboBox::GetText() const {
    return Editable() ? TWinControl::GetText() : SelectedItem();
}

void TComboBox::SetTextValue(const QString& value) {
    if (!Editable()) {
        // A rack file stores a list's text after its index but before its items: looking the
        // text up now would find nothing and drop the index read just before.
        if (Loading()) {
            FLoadedText = value;
            return;
        }
        // A list can only show one of its items.
        SetItemIndex(FItems->IndexOf(value));
        return;
    }
    const QString text = CharCased(value, FCharCase);
    TWinControl::SetTextValue(text);
    if (QComboBox* combo = Combo()) {
        const QScopedValueRollback<bool> guard(FSyncing, true);
        combo->setEditText(text);
    }
}

void TComboBox::ItemsChanging() {
    FSelectedBeforeChange = SelectedItem();
}

QString TComboBox::SelectedItem() const {
    // While loading, the index may still wait for its items.
    return FItemIndex >= 0 && FItemIndex < FItems->Count() ? FItems->Strings(FItemIndex)
                                                           : QString();
}

void TComboBox::ItemsChanged() {
    // The selection stays with its item wherever the change moved it.
    if (!Loading() && FItemIndex >= 0 &&
        (FItemIndex >= FItems->Count() || FItems->Strings(FItemIndex) != FSelectedBeforeChange))
        FItemIndex = FItems->IndexOf(FSelectedBeforeChange);
    if (QComboBox* combo = Combo()) ApplyItems(*combo);
}

QWidget* TComboBox::CreateWidget(QWidget* parentWidget) {
    auto* combo = new TComboWidget(parentWidget);
    combo->DroppingDown = [this] { OnDropDown(this); };
    combo->ClosedUp = [this] { OnCloseUp(this); };
    // The control decides what the items are; the widget must never add typed text to them.
    combo->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [this](int index) { WidgetIndexChanged(index); });
    QObject::connect(combo, &QComboBox::editTextChanged, combo,
                     [this](const QString& text) { WidgetTextChanged(text); });
    QObject::connect(combo, &QComboBox::activated, combo, [this](int) { WidgetActivated(); });
    return combo;
}

void TComboBox::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    ApplyAll(*static_cast<QComboBox*>(widget));
}

void TComboBox::ApplyAll(QComboBox& combo) {
    const QScopedValueRollback<bool> guard(FSyncing, true);
    static_cast<TComboWidget&>(combo).SetEditable(Editable());
    // Each new editor (Qt makes one whenever the box becomes editable) gets the typing rules.
    QLineEdit* editor = combo.lineEdit();
    if (editor && editor != FEditor) {
        FEditor = editor;
        // The control's copy of the text is the one that counts; the editor must never cut it.
        editor->setMaxLength(std::numeric_limits<int>::max());
        FRules = new TTypingValidator(editor);
        editor->setValidator(FRules);
        QObject::connect(editor, &QLineEdit::textEdited, editor, [this] { UserTyped(); });
    }
    ApplySettings(combo);
    ApplyItems(combo);
}

void TComboBox::ApplySettings(QComboBox& combo) {
    combo.setFont(Font()->ToQFont());
    QPalette palette = QApplication::palette(&combo);
    palette.setColor(QPalette::Base, ToQColor(Color()));
    palette.setColor(QPalette::Text, ToQColor(Font()->Color()));
    combo.setPalette(palette);
    combo.setMaxVisibleItems(FDropDownCount);
    combo.setAttribute(Qt::WA_InputMethodEnabled, FImeMode != TImeMode::imDisable);
    if (!combo.lineEdit()) return;
    if (FRules) {
        FRules->CharCase = FCharCase;
        FRules->MaxLength = FMaxLength;
    }
    if (FAutoComplete && !combo.completer()) {
        auto* completer = new QCompleter(combo.model(), &combo);
        completer->setCompletionMode(QCompleter::InlineCompletion);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        combo.setCompleter(completer);
    } else if (!FAutoComplete && combo.completer()) {
        combo.setCompleter(nullptr);
    }
}

void TComboBox::ApplyItems(QComboBox& combo) {
    const QScopedValueRollback<bool> guard(FSyncing, true);
    QStringList items;
    items.reserve(FItems->Count());
    for (int i = 0, n = FItems->Count(); i < n; ++i)
        items.append(FItems->Strings(i));
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(Loading() ? -1 : FItemIndex);
    if (Editable()) combo.setEditText(TWinControl::GetText());
}

void TComboBox::WidgetIndexChanged(int index) {
    if (FSyncing) return;
    FItemIndex = index;
}

void TComboBox::WidgetTextChanged(const QString& text) {
    if (FSyncing || !Editable()) return;
    TWinControl::SetTextValue(text);
}

void TComboBox::WidgetActivated() {
    if (FSyncing) return;
    if (OnSelect)
        OnSelect(this);
    else
        OnChange(this);
}

void TComboBox::UserTyped() {
    OnChange(this);
    if (FAutoDropDown && !DroppedDown()) SetDroppedDown(true);
}

void TComboBox::KeyPress(QChar& key) {
    TWinControl::KeyPress(key);
    if (!key.isNull() && FAutoDropDown && !DroppedDown()) SetDroppedDown(true);
}

void TComboBox::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_FONTCHANGED) SetBounds(Left(), Top(), Width(), Height());
    if (message.Msg == CM_FONTCHANGED || message.Msg == CM_COLORCHANGED)
        if (QComboBox* combo = Combo()) ApplySettings(*combo);
}

}  // namespace mox
