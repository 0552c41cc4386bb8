#include "toolkit/core/component.h"

#include <algorithm>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/vectors.h"

namespace mox {

namespace detail {

TRefBase::~TRefBase() {
    Attach(nullptr);
}

void TRefBase::Attach(TComponent* target) {
    if (target == FTarget) return;
    if (FTarget) std::erase(FTarget->FRefs, this);
    FTarget = target;
    if (FTarget) FTarget->FRefs.push_back(this);
}

}  // namespace detail

const TClassInfo& TComponent::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TComponent>("TComponent", TPersistent::StaticClass())
            .Creatable()
            .String("Name", &TComponent::Name, &TComponent::SetName)
            .NotStored()
            .Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0)
            .Build();
    return info;
}

TComponent::TComponent(TComponent* owner) {
    if (owner) owner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    for (detail::TRefBase* ref : FRefs)
        ref->FTarget = nullptr;
    FRefs.clear();
    // Each listener is unlinked before it hears of the destruction, so a listener that frees
    // something in its Notification cannot come back to this list.
    while (!FFreeNotifies.empty()) {
        TComponent* listener = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        std::erase(listener->FFreeNotifies, this);
        listener->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    auto it = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
    return static_cast<int>(it - FOwner->FComponents.begin());
}

TComponent* TComponent::FindComponent(QStringView name) const {
    if (name.isEmpty()) return nullptr;
    return FNamed.value(NameKey(name), nullptr);
}

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner == this) return;
    ValidateRename(component, QString(), component->FName);
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    Insert(component);
    if (Designing()) component->SetDesigning(true);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (component->FOwner != this) return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
    if (!component->FName.isEmpty()) FNamed.insert(NameKey(component->FName), component);
}

void TComponent::Remove(TComponent* component) {
    // From the back: an owner going away removes what it owns last first.
    EraseLast(FComponents, component);
    component->FOwner = nullptr;
    if (!component->FName.isEmpty()) FNamed.remove(NameKey(component->FName));
}

void TComponent::DestroyComponents() {
    // Last created goes first, so later components never outlive what they were built on.
    while (!FComponents.empty()) {
        TComponent* component = FComponents.back();
        Remove(component);
        component->Destroying();
        delete component;
    }
}

void TComponent::SetName(const QString& value) {
    if (value == FName) return;
    if (!value.isEmpty() && !IsValidIdent(value))
        throw EComponentError(QStringLiteral("'%1' is not a valid component name").arg(value));
    if (FOwner)
        FOwner->ValidateRename(this, FName, value);
    else
        ValidateRename(nullptr, FName, value);
    const QString old = FName;
    ChangeName(value);
    if (FOwner && FName != old) {
        if (!old.isEmpty()) FOwner->FNamed.remove(NameKey(old));
        if (!FName.isEmpty()) FOwner->FNamed.insert(NameKey(FName), this);
    }
}

void TComponent::ValidateRename(TComponent* component, const QString& curName,
                                const QString& newName) {
    if (!component || curName.compare(newName, Qt::CaseInsensitive) == 0) return;
    TComponent* holder = FindComponent(newName);
    if (holder && holder != component)
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(newName));
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    if (value)
        FComponentState.Include(TComponentStateFlag::csDesigning);
    else
        FComponentState.Exclude(TComponentStateFlag::csDesigning);
    if (setChildren)
        for (TComponent* c : FComponents)
            c->SetDesigning(value);
}

void TComponent::BeginLoading() {
    FComponentState.Include(TComponentStateFlag::csLoading);
}

void TComponent::Loaded() {
    FComponentState.Exclude(TComponentStateFlag::csLoading);
}

void TComponent::Destroying() {
    FComponentState.Include(TComponentStateFlag::csDestroying);
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end())
        FFreeNotifies.push_back(component);
    if (std::find(component->FFreeNotifies.begin(), component->FFreeNotifies.end(), this) ==
        component->FFreeNotifies.end())
        component->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    if (!component) return;
    RemoveNotifier(component);
    component->RemoveNotifier(this);
}

void TComponent::RemoveNotifier(TComponent* component) {
    std::erase(FFreeNotifies, component);
}

void TComponent::Notification(TComponent*, TOperation) {}

bool TComponent::IsValidIdent(QStringView name) {
    if (name.isEmpty()) return false;
    auto isAlpha = [](QChar c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u'_';
    };
    if (!isAlpha(name[0])) return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](QChar c) { return isAlpha(c) || (c >= u'0' && c <= u'9'); });
}

}  // namespace mox
