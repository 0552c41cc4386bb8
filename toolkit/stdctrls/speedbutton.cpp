#include "toolkit/stdctrls/speedbutton.h"

#include <QIcon>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

#include "toolkit/core/classbuilder.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/graphics/drawtext.h"
#include "toolkit/graphics/glyph.h"

namespace mox {

const TClassInfo& TSpeedButton::StaticClass() {
    using C = TSpeedButton;
    static const TClassInfo info =
        TClassBuilder<C>("TSpeedButton", TWinControl::StaticClass())
            .Creatable()
            .Boolean("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp, false)
            .Integer("GroupIndex", &C::GroupIndex, &C::SetGroupIndex, 0)
            .Boolean("Down", &C::Down, &C::SetDown, false)
            .String("Caption", &C::Caption, &C::SetCaption)
            .Boolean("Flat", &C::Flat, &C::SetFlat, false)
            .Object("Glyph", &C::Glyph, &C::SetGlyph)
            .Integer("NumGlyphs", &C::NumGlyphs, &C::SetNumGlyphs, 1)
            .Event("OnClick", &C::OnClick)
            .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner)
    : TWinControl(owner), FGlyph(std::make_unique<TBitmap>()) {
    // Clicks come from Qt's clicked signal; Qt also holds the mouse while the button is pressed.
    SetControlStyle(TControlStyle{TControlStyleFlag::csDoubleClicks});
    StoreBounds(0, 0, 23, 22);
    FGlyph->OnChange = [this](TObject*) { ApplyLook(); };
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetFlat(bool value) {
    if (value == FFlat) return;
    FFlat = value;
    ApplyLook();
}

void TSpeedButton::SetNumGlyphs(int value) {
    value = std::clamp(value, 1, 4);
    if (value == FNumGlyphs) return;
    FNumGlyphs = value;
    ApplyLook();
}

void TSpeedButton::SetGroupIndex(int value) {
    if (value == FGroupIndex) return;
    FGroupIndex = value;
    if (FGroupIndex == 0) FDown = false;
    ApplyLook();
}

void TSpeedButton::SetAllowAllUp(bool value) {
    FAllowAllUp = value;
    for (TSpeedButton* mate : GroupMates())
        mate->FAllowAllUp = value;
}

void TSpeedButton::SetDown(bool value) {
    if (FGroupIndex == 0) value = false;
    if (value == FDown) return;
    if (!value && !FAllowAllUp) return;
    FDown = value;
    if (value)
        for (TSpeedButton* mate : GroupMates())
            if (mate->FDown) {
                mate->FDown = false;
                mate->ApplyDown();
            }
    ApplyDown();
}

void TSpeedButton::Click() {
    if (FGroupIndex != 0) {
        if (!FDown)
            SetDown(true);
        else if (FAllowAllUp)
            SetDown(false);
    }
    TWinControl::Click();
}

std::vector<TSpeedButton*> TSpeedButton::GroupMates() const {
    std::vector<TSpeedButton*> mates;
    if (!Parent() || FGroupIndex == 0) return mates;
    for (TWinControl* c : Parent()->WindowedChildren())
        if (auto* b = dynamic_cast<TSpeedButton*>(c);
            b && b != this && b->FGroupIndex == FGroupIndex)
            mates.push_back(b);
    return mates;
}

QWidget* TSpeedButton::CreateWidget(QWidget* parentWidget) {
    auto* button = new QToolButton(parentWidget);
    QObject::connect(button, &QToolButton::clicked, button, [this] {
        TRef<TSpeedButton> self(this);
        RunReportingErrors([this] { Click(); });
        // Qt toggled its own check state; the button's Down is what counts.
        if (self) self->ApplyDown();
    });
    QObject::connect(button, &QToolButton::pressed, button,
                     [this, button] { button->setIcon(GlyphIcon(true)); });
    QObject::connect(button, &QToolButton::released, button,
                     [this, button] { button->setIcon(GlyphIcon(false)); });
    return button;
}

void TSpeedButton::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    widget->setFocusPolicy(Qt::NoFocus);
    ApplyLook();
}

QToolButton* TSpeedButton::Button() const {
    return static_cast<QToolButton*>(WindowHandle());
}

QIcon TSpeedButton::GlyphIcon(bool pressed) const {
    if (FGlyph->Empty()) return {};
    const auto image = [&](int index) { return GlyphPixmap(*FGlyph, index, FNumGlyphs); };
    QIcon icon;
    const int downImage = FNumGlyphs >= 4 ? 3 : 2;
    icon.addPixmap(image(pressed && FNumGlyphs >= 3 ? 2 : 0), QIcon::Normal, QIcon::Off);
    icon.addPixmap(image(FNumGlyphs >= 3 ? downImage : 0), QIcon::Normal, QIcon::On);
    if (FNumGlyphs >= 2) {
        icon.addPixmap(image(1), QIcon::Disabled, QIcon::Off);
        icon.addPixmap(image(1), QIcon::Disabled, QIcon::On);
    }
    return icon;
}

void TSpeedButton::ApplyLook() {
    if (!HandleAllocated()) return;
    QToolButton* button = Button();
    button->setFont(Font()->ToQFont());
    button->setAutoRaise(FFlat);
    button->setText(Caption());
    const QIcon icon = GlyphIcon(false);
    button->setIcon(icon);
    if (!FGlyph->Empty())
        button->setIconSize(QSize(FGlyph->Width() / FNumGlyphs, FGlyph->Height()));
    button->setToolButtonStyle(icon.isNull()         ? Qt::ToolButtonTextOnly
                               : Caption().isEmpty() ? Qt::ToolButtonIconOnly
                                                     : Qt::ToolButtonTextBesideIcon);
    const QString caption = ResolvePrefixes(Caption()).Text;
    button->setAccessibleName(caption.isEmpty() ? Hint() : caption);
    ApplyDown();
}

void TSpeedButton::ApplyDown() {
    if (!HandleAllocated()) return;
    Button()->setCheckable(FGroupIndex != 0);
    Button()->setChecked(FDown);
}

void TSpeedButton::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_TEXTCHANGED || message.Msg == CM_FONTCHANGED) ApplyLook();
}

}  // namespace mox
