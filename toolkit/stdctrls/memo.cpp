#include "toolkit/stdctrls/memo.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextOption>
#include <algorithm>
#include <limits>

#include "toolkit/core/classbuilder.h"

namespace mox {

namespace {

// Applies the memo's typing rules: what Enter does, the character case and the length limit
// (counted in the editor's characters, a line break being one).
class TMemoWidget : public QPlainTextEdit {
public:
    explicit TMemoWidget(QWidget* parent) : QPlainTextEdit(parent) {}
    bool WantReturns = true;
    TEditCharCase CharCase = TEditCharCase::ecNormal;
    int MaxLength = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const bool ctrl = event->modifiers() & Qt::ControlModifier;
        if (enter && !WantReturns && !ctrl) {
            event->ignore();  // for the form (its default button)
            return;
        }
        const QString typed = enter ? QStringLiteral("\n") : event->text();
        const bool types = !typed.isEmpty() && (enter || typed[0].isPrint());
        if (isReadOnly() || !types) {
            QPlainTextEdit::keyPressEvent(event);
            return;
        }
        event->accept();
        if (Room() < typed.size()) return;
        if (enter)
            textCursor().insertBlock();
        else
            textCursor().insertText(CharCased(typed, CharCase));
        ensureCursorVisible();
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText()) return;
        QString text = CharCased(source->text(), CharCase);
        text.truncate(std::max<qsizetype>(Room(), 0));
        textCursor().insertText(text);
        ensureCursorVisible();
    }

private:
    // How many characters may still be typed over the selection.
    qsizetype Room() const {
        if (MaxLength <= 0) return std::numeric_limits<qsizetype>::max();
        const qsizetype length = document()->characterCount() - 1;
        return MaxLength - (length - textCursor().selectedText().size());
    }
};

QString JoinLines(const TStrings& lines, QStringView separator) {
    QStringList list;
    list.reserve(lines.Count());
    for (int i = 0, n = lines.Count(); i < n; ++i)
        list.append(lines.Strings(i));
    return list.join(separator);
}

Qt::ScrollBarPolicy Policy(bool shown) {
    return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

}  // namespace

const TClassInfo& TMemo::StaticClass() {
    using C = TMemo;
    static const TClassInfo info =
        TClassBuilder<C>("TMemo", TCustomEdit::StaticClass())
            .Creatable()
            .Enumeration("Align", &C::Align, &C::SetAlign, TAlign::alNone)
            .Enumeration("Alignment", &C::Alignment, &C::SetAlignment, TAlignment::taLeftJustify)
            .Set("Anchors", &C::Anchors, &C::SetAnchors,
                 TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop})
            .Stored(&C::IsAnchorsStored)
            .Set("BevelEdges", &C::BevelEdges, &C::SetBevelEdges, AllBevelEdges)
            .Enumeration("BevelInner", &C::BevelInner, &C::SetBevelInner, TBevelCut::bvRaised)
            .Enumeration("BevelKind", &C::BevelKind, &C::SetBevelKind, TBevelKind::bkNone)
            .Enumeration("BevelOuter", &C::BevelOuter, &C::SetBevelOuter, TBevelCut::bvLowered)
            .Enumeration("BiDiMode", &C::BiDiMode, &C::SetBiDiMode)
            .Stored(&C::IsBiDiModeStored)
            .Enumeration("BorderStyle", &C::BorderStyle, &C::SetBorderStyle, TBorderStyle::bsSingle)
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
            .Object("Lines", &C::Lines, &C::SetLines)
            .Integer("MaxLength", &C::MaxLength, &C::SetMaxLength, 0)
            .Boolean("OEMConvert", &C::OEMConvert, &C::SetOEMConvert, false)
            .Boolean("ParentBiDiMode", &C::ParentBiDiMode, &C::SetParentBiDiMode, true)
            .Boolean("ParentColor", &C::ParentColor, &C::SetParentColor, false)
            .Boolean("ParentCtl3D", &C::ParentCtl3D, &C::SetParentCtl3D, true)
            .Boolean("ParentFont", &C::ParentFont, &C::SetParentFont, true)
            .Boolean("ParentShowHint", &C::ParentShowHint, &C::SetParentShowHint, true)
            .Component("PopupMenu", &C::PopupMenu, &C::SetPopupMenu)
            .Boolean("ReadOnly", &C::ReadOnly, &C::SetReadOnly, false)
            .Enumeration("ScrollBars", &C::ScrollBars, &C::SetScrollBars, TScrollStyle::ssNone)
            .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
            .Stored(&C::IsShowHintStored)
            .Integer("TabOrder", &C::TabOrder, &C::SetTabOrder, -1)
            .Boolean("Visible", &C::Visible, &C::SetVisible, true)
            .Boolean("WantReturns", &C::WantReturns, &C::SetWantReturns, true)
            .Boolean("WantTabs", &C::WantTabs, &C::SetWantTabs, false)
            .Boolean("WordWrap", &C::WordWrap, &C::SetWordWrap, true)
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

TMemo::TMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TStringList>()) {
    FLines->OnChange = [this](TObject*) { LinesChanged(); };
    SetAutoSize(false);
    SetBounds(0, 0, 185, 89);
}

TMemo::~TMemo() = default;

QPlainTextEdit* TMemo::Editor() const {
    return HandleAllocated() ? static_cast<QPlainTextEdit*>(WindowHandle()) : nullptr;
}

void TMemo::SetAlignment(TAlignment value) {
    if (value == FAlignment) return;
    FAlignment = value;
    SettingsChanged();
}

void TMemo::SetScrollBars(TScrollStyle value) {
    if (value == FScrollBars) return;
    FScrollBars = value;
    SettingsChanged();
}

void TMemo::SetWantReturns(bool value) {
    if (value == FWantReturns) return;
    FWantReturns = value;
    SettingsChanged();
}

void TMemo::SetWantTabs(bool value) {
    if (value == FWantTabs) return;
    FWantTabs = value;
    SettingsChanged();
}

void TMemo::SetWordWrap(bool value) {
    if (value == FWordWrap) return;
    FWordWrap = value;
    SettingsChanged();
}

QWidget* TMemo::CreateWidget(QWidget* parentWidget) {
    auto* editor = new TMemoWidget(parentWidget);
    editor->setPlainText(JoinLines(*FLines, u"\n"));
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor, [this] { EditorTextChanged(); });
    return editor;
}

void TMemo::ApplySettings(QWidget* widget) {
    TCustomEdit::ApplySettings(widget);
    auto* editor = static_cast<TMemoWidget*>(widget);
    editor->WantReturns = FWantReturns;
    editor->CharCase = CharCase();
    editor->MaxLength = MaxLength();
    editor->setReadOnly(ReadOnly());
    editor->setTabChangesFocus(!FWantTabs);
    editor->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(
        Policy(FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth));
    editor->setVerticalScrollBarPolicy(
        Policy(FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth));
    if (BorderStyle() == TBorderStyle::bsNone)
        editor->setFrameStyle(QFrame::NoFrame);
    else if (Ctl3D())
        editor->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    else
        editor->setFrameStyle(QFrame::Box | QFrame::Plain);
    QTextOption option = editor->document()->defaultTextOption();
    option.setAlignment(FAlignment == TAlignment::taRightJustify ? Qt::AlignRight
                        : FAlignment == TAlignment::taCenter     ? Qt::AlignHCenter
                                                                 : Qt::AlignLeft);
    editor->document()->setDefaultTextOption(option);
    // Set last: Qt's read-only setting switches input methods on and off itself.
    editor->setAttribute(Qt::WA_InputMethodEnabled,
                         ImeMode() != TImeMode::imDisable && !ReadOnly());
}

QString TMemo::GetText() const {
    return JoinLines(*FLines, u"\r\n");
}

void TMemo::SetTextValue(const QString& value) {
    FLines->SetText(CharCased(value, CharCase()));
}

void TMemo::LinesChanged() {
    if (QPlainTextEdit* editor = Editor(); editor && !FReadingEditor) {
        const QScopedValueRollback<bool> guard(FWritingEditor, true);
        editor->setPlainText(JoinLines(*FLines, u"\n"));
    }
    Change();
}

void TMemo::EditorTextChanged() {
    if (FWritingEditor) return;
    const QScopedValueRollback<bool> guard(FReadingEditor, true);
    const QString text = Editor()->toPlainText();
    FLines->BeginUpdate();
    FLines->Clear();
    if (!text.isEmpty())
        for (const QString& line : text.split(u'\n'))
            FLines->Add(line);
    FLines->EndUpdate();
}

}  // namespace mox
