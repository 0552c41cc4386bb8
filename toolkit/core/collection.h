#pragma once
// A collection property: an owned, ordered list of items of one class, each with published
// properties of its own (a scope's channels). The collection tells its owner about every change
// through Update, once per update bracket; rack files store it as one value holding the items'
// properties in order.

#include <memory>
#include <vector>

#include "toolkit/core/persistent.h"

namespace mox {

class TCollection;

class TCollectionItem : public TPersistent {
    MOX_CLASS
public:
    TCollectionItem() = default;

    // The collection holding the item; null only while it is being made.
    TCollection* Collection() const { return FCollection; }
    // The item's place in its collection; -1 outside one.
    int Index() const;

protected:
    // Reports a change of this item to the collection.
    void Changed();

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
};

class TCollection : public TPersistent {
    MOX_CLASS
public:
    // `owner` is the object whose property the collection is; it is not owned.
    explicit TCollection(TPersistent* owner) : FOwner(owner) {}
    ~TCollection() override;

    TPersistent* Owner() const { return FOwner; }
    int Count() const { return static_cast<int>(FItems.size()); }
    // The item at `index`; EListError outside 0..Count − 1.
    TCollectionItem* Items(int index) const;

    // Appends a new item of the collection's class and returns it.
    TCollectionItem* Add();
    void Delete(int index);
    void Clear();

    // Changes inside a bracket are reported once, when the outermost one closes.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // Replaces the items with copies of the source collection's items.
    void Assign(const TPersistent* source) override;

protected:
    // A new, empty item of the collection's class.
    virtual std::unique_ptr<TCollectionItem> NewItem() const = 0;
    // One item changed, or (null) the collection as a whole: items added, removed or replaced.
    virtual void Update(TCollectionItem* item);
    void Changed(TCollectionItem* item = nullptr);

private:
    friend class TCollectionItem;

    TPersistent* FOwner;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FUpdateCount = 0;
    bool FChangedInUpdate = false;
};

// An update bracket that also closes when what runs inside it fails.
class TCollectionUpdate {
public:
    explicit TCollectionUpdate(TCollection& target) : FTarget(target) { FTarget.BeginUpdate(); }
    ~TCollectionUpdate() { FTarget.EndUpdate(); }
    TCollectionUpdate(const TCollectionUpdate&) = delete;
    TCollectionUpdate& operator=(const TCollectionUpdate&) = delete;

private:
    TCollection& FTarget;
};

}  // namespace mox
