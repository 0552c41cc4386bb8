// Ownership, names and the notifications that keep references from dangling.
#include "toolkit/core/component.h"

#include <gtest/gtest.h>

#include "toolkit/core/classregistry.h"
#include "toolkit/core/exceptions.h"

using namespace mox;

namespace {

// Records what it hears and counts its own destruction.
class Probe : public TComponent {
public:
    explicit Probe(TComponent* owner, int* destroyed = nullptr)
        : TComponent(owner), FDestroyed(destroyed) {}
    ~Probe() override {
        if (FDestroyed) ++*FDestroyed;
    }
    std::vector<std::pair<TComponent*, TOperation>> Heard;
    TComponent* Watched = nullptr;

protected:
    void Notification(TComponent* c, TOperation op) override {
        TComponent::Notification(c, op);
        Heard.emplace_back(c, op);
        if (op == TOperation::opRemove && c == Watched) Watched = nullptr;
    }

private:
    int* FDestroyed;
};

}  // namespace

TEST(Component, OwnerDestroysOwnedInReverseCreationOrder) {
    int destroyed = 0;
    auto* owner = new TComponent(nullptr);
    auto* a = new Probe(owner, &destroyed);
    auto* b = new Probe(owner, &destroyed);
    auto* grandchild = new Probe(a, &destroyed);
    ASSERT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->Components(0), a);
    EXPECT_EQ(owner->Components(1), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    EXPECT_EQ(grandchild->Owner(), a);
    EXPECT_THROW(owner->Components(2), EListError);
    delete owner;
    EXPECT_EQ(destroyed, 3);
}

TEST(Component, DeletingOwnedComponentRemovesItFromOwner) {
    TComponent owner(nullptr);
    auto* a = new Probe(&owner);
    a->SetName(QStringLiteral("a"));
    delete a;
    EXPECT_EQ(owner.ComponentCount(), 0);
    EXPECT_EQ(owner.FindComponent(u"a"), nullptr);
}

TEST(Component, RefIsClearedWhenTargetDies) {
    TRef<TComponent> ref;
    {
        TComponent target(nullptr);
        ref = &target;
        TRef<TComponent> copy = ref;
        EXPECT_EQ(copy.get(), &target);
        EXPECT_TRUE(ref);
    }
    EXPECT_FALSE(ref);
    EXPECT_EQ(ref.get(), nullptr);
}

TEST(Component, RefOutlivedByTargetDetachesCleanly) {
    TComponent target(nullptr);
    {
        TRef<TComponent> a(&target);
        TRef<TComponent> b(&target);
        b = nullptr;
    }
    // Destroying the target must not touch the references that are already gone (ASan checks).
}

TEST(Component, FreeNotificationTellsHolderOnce) {
    Probe holder(nullptr);
    auto* target = new TComponent(nullptr);
    holder.Watched = target;
    holder.FreeNotification(target);
    holder.FreeNotification(target);  // registering twice is one registration
    delete target;
    EXPECT_EQ(holder.Watched, nullptr);
    ASSERT_EQ(holder.Heard.size(), 1u);
    EXPECT_EQ(holder.Heard[0].second, TOperation::opRemove);
}

TEST(Component, FreeNotificationIsMutualAndCancellable) {
    auto* a = new Probe(nullptr);
    auto* b = new Probe(nullptr);
    a->FreeNotification(b);
    delete a;  // b must not keep a pointer back to a
    EXPECT_EQ(b->Heard.size(), 1u);
    auto* c = new Probe(nullptr);
    b->FreeNotification(c);
    b->RemoveFreeNotification(c);
    delete c;
    EXPECT_EQ(b->Heard.size(), 1u);
    delete b;
}

TEST(Component, OwnerHearsInsertAndRemoveAndSiblingsOnlyWhatTheyWatch) {
    Probe owner(nullptr);
    auto* sibling = new Probe(&owner);
    auto* added = new TComponent(&owner);
    ASSERT_FALSE(owner.Heard.empty());
    EXPECT_EQ(owner.Heard.back(), std::make_pair(added, TOperation::opInsert));
    // Siblings are not told about each other: a rack of many controls would tell each of them
    // about every other one.
    EXPECT_TRUE(sibling->Heard.empty());
    auto* watched = new TComponent(&owner);
    sibling->FreeNotification(watched);
    delete watched;
    EXPECT_EQ(sibling->Heard, (std::vector{std::make_pair(watched, TOperation::opRemove)}));
    owner.RemoveComponent(added);
    EXPECT_EQ(owner.Heard.back(), std::make_pair(added, TOperation::opRemove));
    EXPECT_EQ(added->Owner(), nullptr);
    delete added;
}

TEST(Component, NameRules) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    auto* b = new TComponent(&owner);
    a->SetName(QStringLiteral("ameter1"));
    EXPECT_EQ(owner.FindComponent(u"AMETER1"), a);

    try {
        b->SetName(QStringLiteral("AMeter1"));
        FAIL() << "duplicate name accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("A component named AMeter1 already exists"));
    }
    try {
        b->SetName(QStringLiteral("1meter"));
        FAIL() << "invalid name accepted";
    } catch (const EComponentError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'1meter' is not a valid component name"));
    }
    EXPECT_THROW(b->SetName(QStringLiteral("a b")), EComponentError);
    EXPECT_THROW(b->SetName(QStringLiteral("m\u00e9ter")), EComponentError);
    EXPECT_EQ(b->Name(), QString());

    a->SetName(QStringLiteral("AMETER1"));  // a case change of its own name is allowed
    EXPECT_EQ(a->Name(), QStringLiteral("AMETER1"));
    b->SetName(QStringLiteral("_x9"));
    a->SetName(QString());  // empty names are allowed and never clash
    b->SetName(QString());
    EXPECT_EQ(owner.FindComponent(u""), nullptr);
}

TEST(Component, LookUpByNameFollowsRenamesAndOwnership) {
    TComponent owner(nullptr);
    TComponent other(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName(QStringLiteral("edit1"));
    a->SetName(QStringLiteral("Notes"));
    EXPECT_EQ(owner.FindComponent(u"edit1"), nullptr);
    EXPECT_EQ(owner.FindComponent(u"NOTES"), a);
    new TComponent(&owner);  // unnamed ones are never found
    EXPECT_EQ(owner.FindComponent(u""), nullptr);

    other.InsertComponent(a);
    EXPECT_EQ(owner.FindComponent(u"notes"), nullptr);
    EXPECT_EQ(other.FindComponent(u"notes"), a);
    auto* b = new TComponent(&owner);
    b->SetName(QStringLiteral("notes"));  // free again in the first owner
    EXPECT_EQ(owner.FindComponent(u"Notes"), b);
    delete b;
    EXPECT_EQ(owner.FindComponent(u"notes"), nullptr);
}

TEST(Component, InsertingAComponentWithATakenNameFails) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName(QStringLiteral("knob"));
    TComponent stray(nullptr);
    stray.SetName(QStringLiteral("Knob"));
    EXPECT_THROW(owner.InsertComponent(&stray), EComponentError);
    EXPECT_EQ(stray.Owner(), nullptr);
}

TEST(Component, DesigningAndLoadingFlags) {
    TComponent owner(nullptr);
    auto* early = new TComponent(&owner);
    owner.SetDesigning(true);
    auto* late = new TComponent(&owner);
    EXPECT_TRUE(early->Designing());
    EXPECT_TRUE(late->Designing());
    owner.SetDesigning(false);
    EXPECT_FALSE(late->Designing());

    early->BeginLoading();
    EXPECT_TRUE(early->Loading());
    early->Loaded();
    EXPECT_FALSE(early->Loading());
}

TEST(ClassRegistry, CreatesRegisteredClassesByName) {
    TClassRegistry registry;
    registry.RegisterClass(TComponent::StaticClass());
    registry.RegisterClass(TComponent::StaticClass());
    EXPECT_EQ(registry.Classes().size(), 1u);
    EXPECT_EQ(registry.FindClass(u"tcomponent"), &TComponent::StaticClass());

    TComponent owner(nullptr);
    TComponent* made = registry.CreateComponent(u"TComponent", &owner);
    EXPECT_EQ(made->Owner(), &owner);
    try {
        registry.CreateComponent(u"TVrNothing", &owner);
        FAIL();
    } catch (const EClassNotFound& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Class TVrNothing not found"));
    }
    EXPECT_THROW(registry.RegisterClass(TPersistent::StaticClass()), EComponentError);
}
