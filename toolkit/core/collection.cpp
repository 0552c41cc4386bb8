#include "toolkit/core/collection.h"

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/exceptions.h"

namespace mox {

const TClassInfo& TCollectionItem::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCollectionItem>("TCollectionItem", TPersistent::StaticClass()).Build();
    return info;
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    for (int i = 0; i < FCollection->Count(); ++i)
        if (FCollection->FItems[static_cast<std::size_t>(i)].get() == this) return i;
    return -1;
}

void TCollectionItem::Changed() {
    if (FCollection) FCollection->Changed(this);
}

const TClassInfo& TCollection::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TCollection>("TCollection", TPersistent::StaticClass()).Build();
    return info;
}

TCollection::~TCollection() {
    // Items going away with the collection report nothing to an owner that is going too.
    ++FUpdateCount;
    FItems.clear();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FItems[static_cast<std::size_t>(index)].get();
}

TCollectionItem* TCollection::Add() {
    std::unique_ptr<TCollectionItem> item = NewItem();
    item->FCollection = this;
    FItems.push_back(std::move(item));
    Changed();
    return FItems.back().get();
}

void TCollection::Delete(int index) {
    Items(index);  // checks the index
    FItems.erase(FItems.begin() + index);
    Changed();
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    FItems.clear();
    Changed();
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0 && FChangedInUpdate) {
        FChangedInUpdate = false;
        Update(nullptr);
    }
}

void TCollection::Assign(const TPersistent* source) {
    const auto* other = dynamic_cast<const TCollection*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this) return;
    TCollectionUpdate bracket(*this);
    Clear();
    for (const auto& item : other->FItems)
        Add()->Assign(item.get());
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed(TCollectionItem* item) {
    if (FUpdateCount > 0) {
        FChangedInUpdate = true;
        return;
    }
    Update(item);
}

}  // namespace mox
