#pragma once
// The roots of the instrument framework that are not controls: nested property objects that tell
// their owner when they change (TVrPersistent), non-visual instrument components (TVrComponent),
// and components several instruments share, each user holding a TVrChangeLink to hear about it.

#include <QString>
#include <vector>

#include "instruments/base/vrtypes.h"
#include "toolkit/core/component.h"

namespace mox {

class TVrPersistent : public TPersistent {
    MOX_CLASS
public:
    TVrPersistent() = default;

    // Calls OnChange(this) unless an update bracket is open.
    void Changed();
    void BeginUpdate() { ++FUpdateCount; }
    // Closes a bracket (never below 0) and reports the change.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Installed by the owner of the nested object; not published.
    TNotifyEvent OnChange;

protected:
    // The common setter: an equal value does nothing, a new one is stored and reported.
    template <class T>
    void SetValue(T& field, const T& value) {
        if (field == value) return;
        field = value;
        Changed();
    }

private:
    int FUpdateCount = 0;
};

// An update bracket that also closes when the copying inside it fails.
class TVrUpdateBracket {
public:
    explicit TVrUpdateBracket(TVrPersistent& target) : FTarget(target) { FTarget.BeginUpdate(); }
    ~TVrUpdateBracket() { FTarget.EndUpdate(); }
    TVrUpdateBracket(const TVrUpdateBracket&) = delete;
    TVrUpdateBracket& operator=(const TVrUpdateBracket&) = delete;

private:
    TVrPersistent& FTarget;
};

class TVrComponent : public TComponent {
    MOX_CLASS
public:
    explicit TVrComponent(TComponent* owner);

    // Published so that the property list shows it, but never stored; what a file says is ignored.
    TVrVersion Version() const { return QString::fromLatin1(kVrVersion); }
    void SetVersion(const TVrVersion&) {}
};

class TVrSharedComponent;

// One client's subscription to a shared component.
class TVrChangeLink {
public:
    TVrChangeLink() = default;
    TVrChangeLink(const TVrChangeLink&) = delete;
    TVrChangeLink& operator=(const TVrChangeLink&) = delete;
    // A link freed while registered leaves its shared component.
    virtual ~TVrChangeLink();

    TVrSharedComponent* Sender() const { return FSender; }
    // Calls OnChange(Sender) when a handler is assigned.
    virtual void Change();

    TNotifyEvent OnChange;

private:
    friend class TVrSharedComponent;
    TVrSharedComponent* FSender = nullptr;
};

class TVrSharedComponent : public TVrComponent {
    MOX_CLASS
public:
    explicit TVrSharedComponent(TComponent* owner);
    // Lets every client go, the last one first, so no link keeps a dangling sender.
    ~TVrSharedComponent() override;

    void InsertLink(TVrChangeLink* link);
    void RemoveLink(TVrChangeLink* link);
    // Calls Change on every link in list order. A client may insert or remove links from its
    // handler: links removed before their turn are skipped, links added are told next time.
    void NotifyClients();
    int LinkCount() const { return static_cast<int>(FLinks.size()); }

private:
    std::vector<TVrChangeLink*> FLinks;  // not owned
};

// Points `client`'s reference `field` at the shared component `value`: `link` leaves the old one
// and joins the new one, and `client` is told when the new one goes (its Notification then
// clears `field`). False when `value` is already the one.
template <class Shared>
bool ReplaceSharedComponent(TComponent& client, Shared*& field, Shared* value,
                            TVrChangeLink& link) {
    if (value == field) return false;
    if (field) {
        field->RemoveLink(&link);
        client.RemoveFreeNotification(field);
    }
    field = value;
    if (value) {
        value->InsertLink(&link);
        client.FreeNotification(value);
    }
    return true;
}

}  // namespace mox
