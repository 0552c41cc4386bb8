#include "instruments/base/vrcomponent.h"

#include <algorithm>

#include "instruments/base/vrcursor.h"
#include "toolkit/core/classbuilder.h"

namespace mox {

const TClassInfo& TVrPersistent::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrPersistent>("TVrPersistent", TPersistent::StaticClass()).Build();
    return info;
}

void TVrPersistent::Changed() {
    if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TVrPersistent::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    Changed();
}

const TClassInfo& TVrComponent::StaticClass() {
    using C = TVrComponent;
    static const TClassInfo info = TClassBuilder<C>("TVrComponent", TComponent::StaticClass())
                                       .String("Version", &C::Version, &C::SetVersion)
                                       .NotStored()
                                       .Build();
    return info;
}

TVrComponent::TVrComponent(TComponent* owner) : TComponent(owner) {
    EnsureHandCursor();
}

TVrChangeLink::~TVrChangeLink() {
    if (FSender) FSender->RemoveLink(this);
}

void TVrChangeLink::Change() {
    if (OnChange) OnChange(FSender);
}

const TClassInfo& TVrSharedComponent::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TVrSharedComponent>("TVrSharedComponent", TVrComponent::StaticClass())
            .Build();
    return info;
}

TVrSharedComponent::TVrSharedComponent(TComponent* owner) : TVrComponent(owner) {}

TVrSharedComponent::~TVrSharedComponent() {
    while (!FLinks.empty())
        RemoveLink(FLinks.back());
}

void TVrSharedComponent::InsertLink(TVrChangeLink* link) {
    if (!link) return;
    // A link belongs to one shared component at a time, and appears in its list once.
    if (link->FSender && link->FSender != this) link->FSender->RemoveLink(link);
    link->FSender = this;
    if (std::find(FLinks.begin(), FLinks.end(), link) == FLinks.end()) FLinks.push_back(link);
}

void TVrSharedComponent::RemoveLink(TVrChangeLink* link) {
    const auto it = std::find(FLinks.begin(), FLinks.end(), link);
    if (it == FLinks.end()) return;
    FLinks.erase(it);
    link->FSender = nullptr;
}

void TVrSharedComponent::NotifyClients() {
    const std::vector<TVrChangeLink*> snapshot = FLinks;
    for (TVrChangeLink* link : snapshot)
        if (std::find(FLinks.begin(), FLinks.end(), link) != FLinks.end()) link->Change();
}

}  // namespace mox
