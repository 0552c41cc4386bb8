#pragma once
// Components: named objects in an ownership tree. An owner destroys what it owns; anything that
// holds a reference to a component is told when it goes (Notification for components, TRef for
// everything else), so a reference never outlives its target.

#include <QHash>
#include <QString>
#include <vector>

#include "toolkit/core/persistent.h"

namespace mox {

MOX_ENUM(TComponentStateFlag, csLoading, csReading, csWriting, csDestroying, csDesigning,
         csAncestor, csUpdating, csFixups, csFreeNotification, csInline, csDesignInstance)
using TComponentState = TSet<TComponentStateFlag>;

MOX_ENUM(TOperation, opInsert, opRemove)

class TComponent;

namespace detail {
// The part of a TRef the target knows about: it is cleared when the target is destroyed.
class TRefBase {
public:
    TComponent* Get() const { return FTarget; }

protected:
    TRefBase() = default;
    ~TRefBase();
    void Attach(TComponent* target);

private:
    friend class ::mox::TComponent;
    TComponent* FTarget = nullptr;
};
}  // namespace detail

// A reference to a component that becomes null when the component is destroyed. Use it for every
// pointer to a component that the holder does not own.
template <class T>
class TRef : public detail::TRefBase {
public:
    TRef() = default;
    TRef(T* target) { Attach(target); }  // NOLINT: a TRef stands in for a plain pointer
    TRef(const TRef& other) : TRefBase() { Attach(other.Get()); }
    TRef& operator=(const TRef& other) {
        Attach(other.Get());
        return *this;
    }
    TRef& operator=(T* target) {
        Attach(target);
        return *this;
    }
    ~TRef() = default;

    T* get() const { return static_cast<T*>(Get()); }
    T* operator->() const { return get(); }
    T& operator*() const { return *get(); }
    operator T*() const { return get(); }  // NOLINT
    explicit operator bool() const { return Get() != nullptr; }
};

class TComponent : public TPersistent {
    MOX_CLASS
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const;  // EListError when out of range
    int ComponentIndex() const;               // position in the owner's list, -1 without owner
    TComponent* FindComponent(QStringView name) const;  // case-insensitive, none for ""

    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    void DestroyComponents();

    QString Name() const { return FName; }
    // A valid identifier or empty, unique among the owner's components (case-insensitive);
    // EComponentError otherwise.
    virtual void SetName(const QString& value);
    int Tag() const { return FTag; }
    void SetTag(int value) { FTag = value; }

    TComponentState ComponentState() const { return FComponentState; }
    bool Designing() const { return FComponentState.Contains(TComponentStateFlag::csDesigning); }
    bool Loading() const { return FComponentState.Contains(TComponentStateFlag::csLoading); }
    bool IsDestroying() const {
        return FComponentState.Contains(TComponentStateFlag::csDestroying);
    }
    // Switches design mode on or off for this component and everything it owns.
    void SetDesigning(bool value, bool setChildren = true);
    // Called by the stream reader: loading starts, then ends with Loaded().
    void BeginLoading();
    virtual void Loaded();
    // Marks the component as being destroyed, before its destructor runs.
    void Destroying();

    // Asks `component` to call this->Notification(component, opRemove) when it is destroyed
    // (and the other way round); RemoveFreeNotification cancels it.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    static bool IsValidIdent(QStringView name);

protected:
    // Told when this component inserts or removes a component it owns, and when a component
    // registered with FreeNotification is destroyed. Owned components are not told about their
    // siblings: a reference to another component registers with FreeNotification, so the cost of
    // an insert or a removal does not grow with the number of components an owner holds.
    virtual void Notification(TComponent* component, TOperation operation);
    virtual void ValidateRename(TComponent* component, const QString& curName,
                                const QString& newName);
    virtual void ChangeName(const QString& newName) { FName = newName; }

private:
    friend class detail::TRefBase;
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotifier(TComponent* component);
    static QString NameKey(QStringView name) { return name.toString().toCaseFolded(); }

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;  // owned, in insertion order
    // The named ones among them by case-folded name: names are unique within an owner, and
    // loading a rack looks every new name up.
    QHash<QString, TComponent*> FNamed;
    std::vector<TComponent*> FFreeNotifies;  // told when this component is destroyed
    std::vector<detail::TRefBase*> FRefs;    // cleared when this component is destroyed
    QString FName;
    int FTag = 0;
    TComponentState FComponentState;
};

}  // namespace mox
