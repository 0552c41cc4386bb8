#include "toolkit/stdctrls/toolbar.h"

#include <QAction>
#include <QEvent>
#include <QLayout>
#include <QScopedValueRollback>
#include <QToolBar>

#include "toolkit/controls/application.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/dialogs/dialogs.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/drawtext.h"
#include "toolkit/graphics/glyph.h"

namespace mox {

namespace {

// A tool bar fixed in its row. It watches its buttons' tool tip events, so hints show only
// while its control asks for them.
class TToolBarWidget : public QToolBar {
public:
    TToolBarWidget(QWidget* parent, const TToolBar& control) : QToolBar(parent), FControl(control) {
        setMovable(false);
        setFloatable(false);
        // Three rows share a palette window less than 80 pixels high.
        setContentsMargins(0, 0, 0, 0);
        layout()->setContentsMargins(2, 1, 2, 1);
        // Buttons have captions and no images yet: no room is kept for an icon.
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ToolTip && !FControl.HintsShown()) return true;
        return QToolBar::eventFilter(watched, event);
    }

private:
    const TToolBar& FControl;
};

}  // namespace

// ---- TToolButton

const TClassInfo& TToolButton::StaticClass() {
    using C = TToolButton;
    static const TClassInfo info =
        TClassBuilder<C>("TToolButton", TComponent::StaticClass())
            .Creatable()
            .String("Caption", &C::Caption, &C::SetCaption)
            .Boolean("Down", &C::Down, &C::SetDown, false)
            .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
            .String("Hint", &C::Hint, &C::SetHint)
            .Enumeration("Style", &C::Style, &C::SetStyle, TToolButtonStyle::tbsButton)
            .Event("OnClick", &C::OnClick)
            .Build();
    return info;
}

TToolButton::TToolButton(TComponent* owner)
    : TComponent(owner), FGlyph(std::make_unique<TBitmap>()) {}

TToolButton::~TToolButton() {
    Destroying();
    SetToolBar(nullptr);
}

void TToolButton::SetToolBar(TToolBar* toolBar) {
    if (toolBar == FToolBar) return;
    if (FToolBar) FToolBar->Remove(this);
    if (toolBar) toolBar->Insert(this);
}

void TToolButton::SetCaption(const QString& value) {
    if (value == FCaption) return;
    FCaption = value;
    ApplyToAction();
    if (FToolBar) FToolBar->Relayout();
}

void TToolButton::SetGlyph(const TBitmap* value) {
    FGlyph->Assign(value);
    ApplyToAction();
}

void TToolButton::SetHint(const QString& value) {
    FHint = value;
    ApplyToAction();
}

void TToolButton::SetStyle(TToolButtonStyle value) {
    if (value == FStyle) return;
    FStyle = value;
    if (FStyle != TToolButtonStyle::tbsCheck) FDown = false;
    ApplyToAction();
    if (FToolBar) FToolBar->Relayout();
}

void TToolButton::SetEnabled(bool value) {
    if (value == FEnabled) return;
    FEnabled = value;
    ApplyToAction();
}

void TToolButton::SetDown(bool value) {
    if (FStyle != TToolButtonStyle::tbsCheck) value = false;
    if (value == FDown) return;
    FDown = value;
    ApplyToAction();
}

void TToolButton::Click() {
    if (FStyle == TToolButtonStyle::tbsCheck) SetDown(!FDown);
    OnClick(this);
}

void TToolButton::AddAction(QToolBar* bar) {
    FAction = new QAction(bar);
    bar->addAction(FAction);
    QObject::connect(FAction, &QAction::triggered, FAction, [this] { Triggered(); });
    if (QWidget* widget = bar->widgetForAction(FAction)) widget->installEventFilter(bar);
    ApplyToAction();
}

void TToolButton::ApplyToAction() {
    if (!FAction) return;
    const QString shown = ResolvePrefixes(FCaption).Text;
    FAction->setSeparator(FStyle == TToolButtonStyle::tbsSeparator);
    FAction->setText(FCaption);
    FAction->setIcon(FGlyph->Empty() ? QIcon() : QIcon(GlyphPixmap(*FGlyph, 0, 1)));
    FAction->setToolTip(FHint.isEmpty() ? shown : FHint);
    FAction->setEnabled(FEnabled);
    FAction->setCheckable(FStyle == TToolButtonStyle::tbsCheck);
    FAction->setChecked(FDown);
    if (auto* bar = qobject_cast<QToolBar*>(FAction->parent()))
        if (QWidget* widget = bar->widgetForAction(FAction)) widget->setAccessibleName(shown);
}

void TToolButton::Triggered() {
    // Qt has toggled a check button already.
    if (FStyle == TToolButtonStyle::tbsCheck) FDown = FAction->isChecked();
    RunReportingErrors([this] { OnClick(this); });
}

// ---- TToolBar

const TClassInfo& TToolBar::StaticClass() {
    using C = TToolBar;
    static const TClassInfo info = TClassBuilder<C>("TToolBar", TWinControl::StaticClass())
                                       .Creatable()
                                       .String("Caption", &C::Caption, &C::SetCaption)
                                       .Boolean("ShowHint", &C::ShowHint, &C::SetShowHint)
                                       .Build();
    return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(ControlStyle() - TControlStyle{TControlStyleFlag::csSetCaption});
    StoreBounds(0, 0, 150, 29);
}

TToolBar::~TToolBar() {
    Destroying();
    // The actions go with the widget; the buttons belong to the window and stay.
    for (TToolButton* button : FButtons)
        button->FToolBar = nullptr;
    FButtons.clear();
}

TToolButton* TToolBar::Buttons(int index) const {
    if (index < 0 || index >= ButtonCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FButtons[static_cast<std::size_t>(index)];
}

void TToolBar::UncheckAll() {
    for (TToolButton* button : FButtons)
        button->SetDown(false);
}

int TToolBar::RowHeight() const {
    return HandleAllocated() ? WindowHandle()->sizeHint().height() : Height();
}

void TToolBar::SetShowCaptions(bool value) {
    if (value == FShowCaptions) return;
    FShowCaptions = value;
    if (HandleAllocated())
        Bar()->setToolButtonStyle(value ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    Relayout();
}

bool TToolBar::HintsShown() const {
    return ShowHint() && TApplication::Instance().ShowHint();
}

void TToolBar::Insert(TToolButton* button) {
    button->FToolBar = this;
    FButtons.push_back(button);
    if (HandleAllocated()) button->AddAction(Bar());
    Relayout();
}

void TToolBar::Remove(TToolButton* button) {
    std::erase(FButtons, button);
    button->FToolBar = nullptr;
    delete button->FAction.data();
    Relayout();
}

void TToolBar::Relayout() {
    if (Parent() && !IsDestroying() && !Parent()->IsDestroying()) Parent()->Realign();
}

QToolBar* TToolBar::Bar() const {
    return static_cast<QToolBar*>(WindowHandle());
}

QWidget* TToolBar::CreateWidget(QWidget* parentWidget) {
    return new TToolBarWidget(parentWidget, *this);
}

void TToolBar::InitWidget(QWidget* widget) {
    TWinControl::InitWidget(widget);
    widget->setFont(Font()->ToQFont());
    widget->setWindowTitle(Caption());
    widget->setAccessibleName(Caption());
    Bar()->setToolButtonStyle(FShowCaptions ? Qt::ToolButtonTextBesideIcon
                                            : Qt::ToolButtonIconOnly);
    for (TToolButton* button : FButtons)
        button->AddAction(Bar());
    Relayout();
}

void TToolBar::WndProc(TMessage& message) {
    TWinControl::WndProc(message);
    if (message.Msg == CM_VISIBLECHANGED) Relayout();
    if (!HandleAllocated()) return;
    if (message.Msg == CM_TEXTCHANGED) {
        WindowHandle()->setWindowTitle(Caption());
        WindowHandle()->setAccessibleName(Caption());
    }
    if (message.Msg == CM_FONTCHANGED) {
        WindowHandle()->setFont(Font()->ToQFont());
        Relayout();
    }
}

// ---- TToolBarDock

const TClassInfo& TToolBarDock::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TToolBarDock>("TToolBarDock", TWinControl::StaticClass()).Creatable().Build();
    return info;
}

TToolBarDock::TToolBarDock(TComponent* owner) : TWinControl(owner) {
    SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csAcceptsControls} -
                    TControlStyle{TControlStyleFlag::csSetCaption});
    StoreBounds(0, 0, 150, 0);
    SetAlign(TAlign::alTop);
}

void TToolBarDock::AlignControls(TRect& rect) {
    if (FAligning) return;  // fitting the height comes back here
    const QScopedValueRollback aligning(FAligning, true);
    int y = rect.Top;
    for (TWinControl* child : WindowedChildren()) {
        if (!child->Visible()) continue;
        const auto* bar = dynamic_cast<const TToolBar*>(child);
        const int height = bar ? bar->RowHeight() : child->Height();
        child->SetBounds(rect.Left, y, rect.Width(), height);
        y += height;
    }
    if (y != ClientHeight()) SetHeight(y);
}

}  // namespace mox
