// The alignment palette is built from one table of its buttons; the buttons' tags are the
// alignment modes the designer's AlignSelection takes.
#include "designer/alignmentpalette.h"

#include <QWidget>
#include <QWindow>
#include <array>
#include <optional>

#include "designer/formdesigner.h"
#include "resources/builtinresources.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/stdctrls/menus.h"
#include "toolkit/stdctrls/speedbutton.h"

namespace mox {

namespace {

constexpr int kButtonSize = 30;
constexpr int kColumns = 5;
constexpr int kRows = 2;
// Up, disabled and pressed images side by side, 24 × 24 each.
constexpr int kGlyphImages = 3;

// The top row aligns along the width, the bottom row along the height.
enum class TDirection { Horizontal, Vertical };

struct TButtonRow {
    TSpeedButton* TfrmAlignmentPalette::*Field;
    const char16_t* Name;
    TAlignMode Mode;
    TDirection Direction;
    int Column;
    const char16_t* Hint;
    const char16_t* Glyph;  // the built-in bitmap, without its "ALIGN_" prefix
};

using C = TfrmAlignmentPalette;
using enum TAlignMode;
using enum TDirection;
const std::array<TButtonRow, kColumns * kRows> kButtons{{
    {&C::sbtLeft, u"sbtLeft", LowEdges, Horizontal, 0, u"Align left edges", u"LEFT"},
    {&C::sbtHorCenter, u"sbtHorCenter", Centres, Horizontal, 1, u"Align horizontal centers",
     u"HORCENTER"},
    {&C::sbtHorWinCenter, u"sbtHorWinCenter", CentreInWindow, Horizontal, 2,
     u"Center horizontally in window", u"HORWINCENTER"},
    {&C::sbtHorSpace, u"sbtHorSpace", SpaceEqually, Horizontal, 3, u"Space equally, horizontally",
     u"HORSPACE"},
    {&C::sbtRight, u"sbtRight", HighEdges, Horizontal, 4, u"Align right edges", u"RIGHT"},
    {&C::sbtTop, u"sbtTop", LowEdges, Vertical, 0, u"Align tops", u"TOP"},
    {&C::sbtVerCenter, u"sbtVerCenter", Centres, Vertical, 1, u"Align vertical centers",
     u"VERCENTER"},
    {&C::sbtVerWinCenter, u"sbtVerWinCenter", CentreInWindow, Vertical, 2,
     u"Center vertically in window", u"VERWINCENTER"},
    {&C::sbtVerSpace, u"sbtVerSpace", SpaceEqually, Vertical, 3, u"Space equally, vertically",
     u"VERSPACE"},
    {&C::sbtBottom, u"sbtBottom", HighEdges, Vertical, 4, u"Align bottoms", u"BOTTOM"},
}};

// The alignment a tag names; none for a tag no button carries.
std::optional<TAlignMode> AlignModeOfTag(int tag) {
    if (tag < static_cast<int>(LowEdges) || tag > static_cast<int>(CentreInWindow))
        return std::nullopt;
    return static_cast<TAlignMode>(tag);
}

QString FromUtf16(const char16_t* text) {
    return QString::fromUtf16(text);
}

}  // namespace

const TClassInfo& TfrmAlignmentPalette::StaticClass() {
    static const TClassInfo info = TClassBuilder<C>("TfrmAlignmentPalette", TForm::StaticClass())
                                       .Method("sbtHorClick", &C::sbtHorClick)
                                       .Method("sbtVerClick", &C::sbtVerClick)
                                       .Method("pmnMainPopup", &C::pmnMainPopup)
                                       .Method("mniStayOnTopClick", &C::mniStayOnTopClick)
                                       .Method("mniShowHintsClick", &C::mniShowHintsClick)
                                       .Method("mniHideClick", &C::mniHideClick)
                                       .Build();
    return info;
}

TfrmAlignmentPalette::TfrmAlignmentPalette(TComponent* owner) : TForm(owner) {
    SetCaption(QStringLiteral("Align"));
    SetBorderStyle(TFormBorderStyle::bsToolWindow);
    // A tool window has a close button and nothing else.
    SetBorderIcons(TBorderIcons{TBorderIcon::biSystemMenu});
    SetPosition(TPosition::poDefault);
    SetClientSize(kColumns * kButtonSize, kRows * kButtonSize);
    BuildButtons();
    BuildMenu();
}

void TfrmAlignmentPalette::BuildButtons() {
    InitBuiltinResources();
    for (const TButtonRow& row : kButtons) {
        auto* b = new TSpeedButton(this);
        b->SetName(FromUtf16(row.Name));
        b->SetTag(static_cast<int>(row.Mode));
        b->SetBounds(row.Column * kButtonSize, row.Direction == Horizontal ? 0 : kButtonSize,
                     kButtonSize, kButtonSize);
        // Set before the button has a window: a button without a caption is known to
        // accessibility tools by its hint.
        b->SetHint(FromUtf16(row.Hint));
        TBitmap glyph;
        glyph.LoadFromResourceName(QStringLiteral("ALIGN_") + FromUtf16(row.Glyph));
        b->SetNumGlyphs(kGlyphImages);
        b->SetGlyph(&glyph);
        Bind(b->OnClick, row.Direction == Horizontal ? u"sbtHorClick" : u"sbtVerClick");
        b->SetParent(this);
        this->*row.Field = b;
    }
}

void TfrmAlignmentPalette::BuildMenu() {
    pmnMain = new TPopupMenu(this);
    pmnMain->SetName(QStringLiteral("pmnMain"));
    Bind(pmnMain->OnPopup, u"pmnMainPopup");
    SetPopupMenu(pmnMain);
    mniStayOnTop = AddMenuItem(QStringLiteral("mniStayOnTop"), QStringLiteral("&Stay on top"),
                               u"mniStayOnTopClick");
    mniShowHints = AddMenuItem(QStringLiteral("mniShowHints"), QStringLiteral("Sho&w hints"),
                               u"mniShowHintsClick");
    mniHide = AddMenuItem(QStringLiteral("mniHide"), QStringLiteral("Hide"), u"mniHideClick");
}

TMenuItem* TfrmAlignmentPalette::AddMenuItem(const QString& name, const QString& caption,
                                             QStringView handler) {
    auto* item = new TMenuItem(this);
    item->SetName(name);
    item->SetCaption(caption);
    Bind(item->OnClick, handler);
    pmnMain->Add(item);
    return item;
}

// Bound by name, as a stored form binds them, so the binding says which handler it is.
void TfrmAlignmentPalette::Bind(TNotifyEvent& event, QStringView handler) {
    if (const TPublishedMethod* method = StaticClass().FindMethod(handler))
        event.BindPublished(this, *method);
}

TCustomFormDesigner* TfrmAlignmentPalette::Designer() const {
    return dynamic_cast<TCustomFormDesigner*>(Owner());
}

void TfrmAlignmentPalette::InitWidget(QWidget* widget) {
    TForm::InitWidget(widget);
    // Not placed by the program: the window system chooses where the palette first appears.
    if (Position() == TPosition::poDefault && !FHasBeenShown)
        widget->setAttribute(Qt::WA_Moved, false);
    // A right click anywhere on the palette, buttons included, opens its menu.
    widget->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(widget, &QWidget::customContextMenuRequested, widget,
                     [this, widget](const QPoint& at) {
                         const QPoint screen = widget->mapToGlobal(at);
                         RunReportingErrors([&] { pmnMain->Popup(screen.x(), screen.y()); });
                     });
}

void TfrmAlignmentPalette::SetVisible(bool value) {
    if (value && !Visible()) KeepPosition();
    TForm::SetVisible(value);
    if (value) FHasBeenShown = true;
}

// Once the palette has been on screen it is put back where it was, which is where the user
// left it. Until the program names a position, the window system may place the window anew
// each time it reappears or becomes a new window (as a change to or from stay-on-top makes
// it); naming the one it has is enough, and Qt ignores a move to where a window already is.
void TfrmAlignmentPalette::KeepPosition() {
    if (!FHasBeenShown || !HandleAllocated()) return;
    QWidget* w = WindowHandle();
    w->setAttribute(Qt::WA_Moved);
    if (QWindow* window = w->windowHandle()) window->setGeometry(window->geometry());
}

void TfrmAlignmentPalette::SetFlatButtons(bool flat) {
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* b = dynamic_cast<TSpeedButton*>(Controls(i))) b->SetFlat(flat);
}

void TfrmAlignmentPalette::SetStayOnTop(bool stayOnTop) {
    if (stayOnTop == StayOnTop()) return;
    KeepPosition();
    SetFormStyle(stayOnTop ? TFormStyle::fsStayOnTop : TFormStyle::fsNormal);
}

void TfrmAlignmentPalette::sbtHorClick(TObject* sender) {
    AlignBy(sender, true);
}

void TfrmAlignmentPalette::sbtVerClick(TObject* sender) {
    AlignBy(sender, false);
}

void TfrmAlignmentPalette::AlignBy(TObject* sender, bool horizontal) {
    TCustomFormDesigner* designer = Designer();
    const auto* button = dynamic_cast<const TComponent*>(sender);
    if (!designer || !button) return;
    const std::optional<TAlignMode> mode = AlignModeOfTag(button->Tag());
    if (!mode) return;
    if (horizontal)
        designer->AlignSelection(*mode, TAlignMode::None);
    else
        designer->AlignSelection(TAlignMode::None, *mode);
}

void TfrmAlignmentPalette::pmnMainPopup(TObject*) {
    mniStayOnTop->SetChecked(StayOnTop());
    mniShowHints->SetChecked(ShowHint());
}

// The toggles start from what the palette is, so a check left stale by a change made
// elsewhere cannot turn a click into no change.
void TfrmAlignmentPalette::mniStayOnTopClick(TObject*) {
    const bool on = !StayOnTop();
    mniStayOnTop->SetChecked(on);
    SetStayOnTop(on);
    SetDesignerOption(TAlignmentPaletteOption::apStayOnTop, on);
}

void TfrmAlignmentPalette::mniShowHintsClick(TObject*) {
    const bool on = !ShowHint();
    mniShowHints->SetChecked(on);
    SetShowHint(on);
    SetDesignerOption(TAlignmentPaletteOption::apShowHints, on);
}

void TfrmAlignmentPalette::mniHideClick(TObject*) {
    Hide();
}

void TfrmAlignmentPalette::SetDesignerOption(TAlignmentPaletteOption option, bool on) {
    TCustomFormDesigner* designer = Designer();
    if (!designer) return;
    TAlignmentPaletteOptions options = designer->AlignmentPalette();
    if (on)
        options.Include(option);
    else
        options.Exclude(option);
    designer->SetAlignmentPalette(options);
}

}  // namespace mox
