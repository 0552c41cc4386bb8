#include "toolkit/stdctrls/edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScopedValueRollback>
#include <limits>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

// Selects its text when the focus arrives from the keyboard or the program, as AutoSelect asks;
// Qt selects on Tab by itself, which AutoSelect False undoes.
class TEditWidget : public QLineEdit {
public:
    explicit TEditWidget(QWidget* parent) : QLineEdit(parent), Rules(new TTypingValidator(this)) {
        setValidator(Rules);
    }
    TTypingValidator* Rules;  // owned as a child
    bool AutoSelect = true;
    // The one-pixel border of a flat edit, drawn here rather than by a style sheet, which would
    // give every edit on a rack a style object of its own; invalid for none.
    QColor FlatBorder;

protected:
    void paintEvent(QPaintEvent* event) override {
        QLineEdit::paintEvent(event);
        if (!FlatBorder.isValid()) return;
        QPainter painter(this);
        painter.setPen(FlatBorder);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        if (event->reason() == Qt::MouseFocusReason || event->reason() == Qt::PopupFocusReason)
            return;
        if (AutoSelect)
            selectAll();
        else
            deselect();
    }
};

// Frame height above and below the text line of an auto-sized edit: a 3D frame is two pixels
// deeper than a flat one.
constexpr int kFrame3D = 8;
constexpr int kFrameFlat = 6;

}  // namespace

QValidator::State TTypingValidator::validate(QString& input, int&) const {
    const QString cased = CharCased(input, CharCase);
    if (MaxLength > 0 && cased.size() > MaxLength) return Invalid;
    input = cased;
    return Acceptable;
}

// ---- TCustomEdit

const TClassInfo& TCustomEdit::StaticClass() {
    using C = TCustomEdit;
    static const TClassInfo info = TClassBuilder<C>("TCustomEdit", TWinControl::StaticClass())
                                       .Boolean("TabStop", &C::TabStop, &C::SetTabStop, true)
                                       .Build();
    return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    // Qt already sends every move to the pressed widget until the release; a grab of our own
    // would outlive the editor's drag-selection.
    TControlStyle style = ControlStyle();
    style.Exclude(TControlStyleFlag::csCaptureMouse);
    style.Include(TControlStyleFlag::csFixedHeight);
    SetControlStyle(style);
    SetTabStop(true);
    SetParentColor(false);
}

TCustomEdit::~TCustomEdit() = default;

void TCustomEdit::SetAutoSelect(bool value) {
    if (value == FAutoSelect) return;
    FAutoSelect = value;
    SettingsChanged();
}

void TCustomEdit::SetAutoSize(bool value) {
    if (value == FAutoSize) return;
    FAutoSize = value;
    TControlStyle style = ControlStyle();
    if (value)
        style.Include(TControlStyleFlag::csFixedHeight);
    else
        style.Exclude(TControlStyleFlag::csFixedHeight);
    SetControlStyle(style);
    AdjustHeight();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == FBorderStyle) return;
    FBorderStyle = value;
    SettingsChanged();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    if (value == FCharCase) return;
    FCharCase = value;
    SetText(CharCased(Text(), value));
    SettingsChanged();
}

void TCustomEdit::SetHideSelection(bool value) {
    if (value == FHideSelection) return;
    FHideSelection = value;
    SettingsChanged();
}

void TCustomEdit::SetImeMode(TImeMode value) {
    if (value == FImeMode) return;
    FImeMode = value;
    SettingsChanged();
}

void TCustomEdit::SetImeName(const QString& value) {
    if (value == FImeName) return;
    FImeName = value;
}

void TCustomEdit::SetMaxLength(int value) {
    if (value == FMaxLength) return;
    FMaxLength = value;
    SettingsChanged();
}

void TCustomEdit::SetOEMConvert(bool value) {
    if (value == FOEMConvert) return;
    FOEMConvert = value;
}

void TCustomEdit::SetPasswordChar(QChar value) {
    if (value == FPasswordChar) return;
    FPasswordChar = value;
    SettingsChanged();
}

void TCustomEdit::SetReadOnly(bool value) {
    if (value == FReadOnly) return;
    FReadOnly = value;
    SettingsChanged();
}

void TCustomEdit::SetPopupMenu(TPopupMenu* value) {
    if (value == FPopupMenu.get()) return;
    FPopupMenu = value;
}

void TCustomEdit::Invalidate() {
    // Ctl3D has no change notification of its own, but every change of it repaints: bring the
    // frame and the height it decides up to date here.
    if (FAppliedCtl3D != Ctl3D()) {
        FAppliedCtl3D = Ctl3D();
        AdjustHeight();
        if (HandleAllocated()) ApplySettings(WindowHandle());
    }
    TWinControl::Invalidate();
}

void TCustomEdit::Loaded() {
    TWinControl::Loaded();
    AdjustHeight();
}

void TCustomEdit::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    FAppliedCtl3D = Ctl3D();
    ApplySettings(widget);
}

void TCustomEdit::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_FONTCHANGED) AdjustHeight();
    if (message.Msg == CM_FONTCHANGED || message.Msg == CM_COLORCHANGED) SettingsChanged();
}

void TCustomEdit::ApplySettings(QWidget* widget) {
    widget->setFont(Font()->ToQFont());
    widget->setPalette(EditPalette(QApplication::palette(widget)));
}

void TCustomEdit::SettingsChanged() {
    if (HandleAllocated()) ApplySettings(WindowHandle());
    Invalidate();
}

void TCustomEdit::Change() {
    OnChange(this);
}

QPalette TCustomEdit::EditPalette(const QPalette& base) const {
    QPalette palette = base;
    const QColor back = ToQColor(Color());
    const QColor text = ToQColor(Font()->Color());
    palette.setColor(QPalette::Base, back);
    palette.setColor(QPalette::Text, text);
    if (FHideSelection) {
        palette.setColor(QPalette::Inactive, QPalette::Highlight, back);
        palette.setColor(QPalette::Inactive, QPalette::HighlightedText, text);
    }
    return palette;
}

void TCustomEdit::AdjustHeight() {
    if (!FAutoSize || Loading()) return;
    const int line = Font()->Metric().Height();
    SetHeight(line + (Ctl3D() ? kFrame3D : kFrameFlat));
}

// ---- TEdit

const TClassInfo& TEdit::StaticClass() {
    using C = TEdit;
    static const TClassInfo info =
        TClassBuilder<C>("TEdit", TCustomEdit::StaticClass())
            .Creatable()
            .Set("Anchors", &C::Anchors, &C::SetAnchors,
                 TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
            .Stored(&C::IsAnchorsStored)
            .Boolean("AutoSelect", &C::AutoSelect, &C::SetAutoSelect, true)
            .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, true)
            .Set("BevelEdges", &C::BevelEdges, &C::SetBevelEdges, AllBevelEdges)
            .Enumeration("BevelInner", &C::BevelInner, &C::SetBevelInner, TBevelCut::bvRaised)
            .Enumeration("BevelKind", &C::BevelKind, &C::SetBevelKind, TBevelKind::bkNone)
            .Enumeration("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, TBevelCut::bvLowered)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Enumeration("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, TBorderStyle::bsSingle)
            .Enumeration("CharCase", &C::CharCase, &C::SetCharCase, TEditCharCase::ecNormal)
            .Color("Color", &C::Color, &C::SetColor, clWindow)
            .Stored(&C::IsColorStored)
            .Object("Constraints", &C::Constraints, &C::SetConstraints)
            .Boolean("Ctl3D", &C::Ctl3D, &C::SetCtl3D)
            .Stored(&C::IsCtl3DStored)
            .Cursor("DragCursor", &C::DragCursor, &C::SetDragCursor, crDrag)
            .Enumeration("DragKind", &C::DragKind, &C::SetDragKind, TDragKind::dkDrag)
            .Enumeration("DragMode", &C::DragMode, &C::SetDragMode, TDragMode::dmManual)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .Object("Font", &C::Font, &C::SetFont)
            .Stored(&C::IsFontStored)
            .Boolean("HideSelection", &C::HideSelection, &C::SetHideSelection, true)
            .Enumeration("ImeMode", &C::ImeMode, &C::SetImeMode, TImeMode::imDontCare)
            .String("ImeName", &C::ImeName, &C::SetImeName)
            .Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0)
            .Boolean("OEMConvert", &C::OEMConvert, &C::SetOEMConvert, false)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            // A character is stored the way rack files hold one: a string of that character,
            // written when there is one.
            .String(
                "PasswordChar",
                [](const C& c) {
                    return c.PasswordChar().isNull() ? QString() : QString(c.PasswordChar());
                },
                [](C& c, const QString& v) {
                    if (v.size() > 1)
                        throw EPropertyError(QStringLiteral("Invalid property value"));
                    c.SetPasswordChar(v.isEmpty() ? QChar() : v[0]);
                })
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .String("Text", &C::Text, &C::SetText)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Event("OnChange", &C::OnChange)
            .Event("OnClick", &C::OnClick)
            .Event("OnDblClick", &C::OnDblClick)
            .Event("OnEnter", &C::OnEnter)
            .Event("OnExit", &C::OnExit)
            .Event("OnKeyDown", &C::OnKeyDown)
            .Event("OnKeyPress", &C::OnKeyPress)
            .Event("OnKeyUp", &C::OnKeyUp)
            .Event("OnMouseDown", &C::OnMouseDown)
            .Event("OnMouseMove", &C::OnMouseMove)
            .Event("OnMouseUp", &C::OnMouseUp)
            .Build();
    return info;
}

TEdit::TEdit(TComponent* owner) : TCustomEdit(owner) {
    SetBounds(0, 0, 121, 21);
}

TEdit::~TEdit() = default;

QLineEdit* TEdit::Editor() const {
    return HandleAllocated() ? static_cast<QLineEdit*>(WindowHandle()) : nullptr;
}

QWidget* TEdit::CreateWidget(QWidget* parentWidget) {
    auto* editor = new TEditWidget(parentWidget);
    // The control's copy of the text is the one that counts; the editor must never cut it.
    editor->setMaxLength(std::numeric_limits<int>::max());
    editor->setText(Text());
    QObject::connect(editor, &QLineEdit::textChanged, editor,
                     [this](const QString& text) { EditorTextChanged(text); });
    return editor;
}

void TEdit::ApplySettings(QWidget* widget) {
    TCustomEdit::ApplySettings(widget);
    auto* editor = static_cast<TEditWidget*>(widget);
    editor->AutoSelect = AutoSelect();
    editor->setReadOnly(ReadOnly());
    const bool bordered = BorderStyle() == TBorderStyle::bsSingle;
    editor->setFrame(bordered && Ctl3D());
    editor->FlatBorder = bordered && !Ctl3D() ? ToQColor(clWindowFrame) : QColor();
    editor->setTextMargins(editor->FlatBorder.isValid() ? QMargins(1, 1, 1, 1) : QMargins());
    editor->update();
    editor->setEchoMode(PasswordChar().isNull() ? QLineEdit::Normal : QLineEdit::Password);
    const QString sheet = PasswordChar().isNull()
                              ? QString()
                              : QStringLiteral("QLineEdit { lineedit-password-character: %1; }")
                                    .arg(PasswordChar().unicode());
    if (editor->styleSheet() != sheet) editor->setStyleSheet(sheet);
    editor->Rules->CharCase = CharCase();
    editor->Rules->MaxLength = MaxLength();
    // Set last: Qt's read-only and echo settings switch input methods on and off themselves.
    editor->setAttribute(Qt::WA_InputMethodEnabled, ImeMode() != TImeMode::imDisable &&
                                                        !ReadOnly() && PasswordChar().isNull());
}

void TEdit::SetTextValue(const QString& value) {
    const QString text = CharCased(value, CharCase());
    if (text == TCustomEdit::GetText()) return;
    TCustomEdit::SetTextValue(text);
    if (QLineEdit* editor = Editor()) {
        const QScopedValueRollback<bool> guard(FSettingText, true);
        editor->setText(text);
    }
    Change();
}

void TEdit::EditorTextChanged(const QString& text) {
    if (FSettingText) return;
    TCustomEdit::SetTextValue(text);
    Change();
}

}  // namespace mox
