#include "toolkit/stdctrls/menus.h"

#include <QAction>
#include <QMenu>
#include <utility>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/dialogs/dialogs.h"

namespace mox {

// ---- TMenuItem

const TClassInfo& TMenuItem::StaticClass() {
    using C = TMenuItem;
    static const TClassInfo info = TClassBuilder<C>("TMenuItem", TComponent::StaticClass())
                                       .Creatable()
                                       .String("Caption", &C::Caption, &C::SetCaption)
                                       .Boolean("Checked", &C::Checked, &C::SetChecked, false)
                                       .Boolean("Enabled", &C::Enabled, &C::SetEnabled, true)
                                       .Boolean("Visible", &C::Visible, &C::SetVisible, true)
                                       .Event("OnClick", &C::OnClick)
                                       .Build();
    return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    Destroying();
    if (FMenu) FMenu->Remove(this);
}

void TMenuItem::Click() {
    OnClick(this);
}

// ---- TPopupMenu

const TClassInfo& TPopupMenu::StaticClass() {
    using C = TPopupMenu;
    static const TClassInfo info = TClassBuilder<C>("TPopupMenu", TComponent::StaticClass())
                                       .Creatable()
                                       .Event("OnPopup", &C::OnPopup)
                                       .Build();
    return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
    Destroying();
    for (TMenuItem* item : FItems)
        item->FMenu = nullptr;
}

TMenuItem* TPopupMenu::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<std::size_t>(index)];
}

void TPopupMenu::Add(TMenuItem* item) {
    if (item->FMenu) item->FMenu->Remove(item);
    item->FMenu = this;
    FItems.push_back(item);
}

void TPopupMenu::Remove(TMenuItem* item) {
    if (item->FMenu != this) return;
    std::erase(FItems, item);
    item->FMenu = nullptr;
}

void TPopupMenu::Popup(int x, int y) {
    // Runs first, so the handler can check and enable items for this showing.
    OnPopup(this);
    // The menu is built afresh from the items for each showing: they are what counts.
    QMenu menu;
    std::vector<std::pair<QAction*, TRef<TMenuItem>>> actions;
    for (TMenuItem* item : FItems) {
        if (!item->Visible()) continue;
        if (item->IsLine()) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(item->Caption());
        action->setEnabled(item->Enabled());
        action->setCheckable(item->Checked());
        action->setChecked(item->Checked());
        actions.emplace_back(action, item);
    }
    if (actions.empty()) return;
    QAction* chosen = menu.exec(QPoint(x, y));
    for (const auto& [action, item] : actions)
        if (action == chosen && item) RunReportingErrors([&item] { item->Click(); });
}

}  // namespace mox
