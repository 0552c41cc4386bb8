// The control catalogue, the class registry and the rack control list: plain tables and lists.
#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "app/catalogueclasses.h"
#include "app/controlnaming.h"
#include "propsheets/rackcontrollist.h"
#include "toolkit/core/component.h"

namespace mox {
namespace {

TEST(CatalogueTest, KindsAreNumberedInOrderAndEachSitsOnItsToolbarOnce) {
    const auto kinds = ControlCatalogue();
    ASSERT_EQ(kinds.size(), 22u);
    std::multiset<int> placed;
    for (TControlToolbar bar : {TControlToolbar::Output, TControlToolbar::Input})
        for (int kind : ToolbarOrder(bar)) {
            if (kind == kToolbarSeparator) continue;
            placed.insert(kind);
            EXPECT_EQ(FindControlKind(kind)->Toolbar, bar) << kind;
        }
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(kinds[static_cast<std::size_t>(i)].Kind, i);
        EXPECT_EQ(placed.count(i), 1u) << i;
    }
    EXPECT_EQ(FindControlKind(22), nullptr);
    EXPECT_EQ(FindControlKind(-1), nullptr);
}

TEST(CatalogueTest, ToolbarsFollowTheirOwnOrderNotKindOrder) {
    const auto output = ToolbarOrder(TControlToolbar::Output);
    EXPECT_EQ(std::vector<int>(output.begin(), output.end()),
              (std::vector<int>{0, 1, 20, kToolbarSeparator, 2, 3, 4, 5, 6, 7, 8, 9, 18, 10}));
    EXPECT_EQ(FindControlKind(20)->Caption, "Image");
    EXPECT_EQ(FindControlKind(21)->Prefix, "ddown");
    EXPECT_EQ(FindControlKindByClass(u"TVrMeter")->Prefix, "ameter");
    EXPECT_EQ(FindControlKindByClass(u"tvrmeter"), nullptr);  // class names match exactly
}

TEST(CatalogueTest, RegistryHoldsOnlyCatalogueClasses) {
    const TClassRegistry& registry = CatalogueClasses();
    for (const TClassInfo* cls : registry.Classes())
        EXPECT_NE(FindControlKindByClass(cls->ClassName()), nullptr)
            << qPrintable(cls->ClassName());
    for (const char16_t* name : {u"TLabel", u"TEdit", u"TMemo", u"TImage", u"TComboBox"})
        EXPECT_NE(registry.FindClass(QStringView(name)), nullptr);
    EXPECT_EQ(registry.FindClass(u"TForm"), nullptr);
    EXPECT_EQ(registry.FindClass(u"TButton"), nullptr);
}

TEST(RackControlListTest, NamesStaySortedWithoutRegardToCaseAndTheCurrentEntryFollowsItsName) {
    TRackControlList list;
    int changes = 0;
    list.OnChange = [&](TObject*) { ++changes; };
    list.Add(QStringLiteral("label2"));
    list.Add(QStringLiteral("Edit1"));
    list.SetItemIndex(1);
    list.Add(QStringLiteral("ameter1"));
    list.Add(QStringLiteral("LABEL1"));
    EXPECT_EQ(list.Names(), (QStringList{"ameter1", "Edit1", "LABEL1", "label2"}));
    EXPECT_EQ(list.Text(), "label2");
    EXPECT_EQ(list.IndexOf(QStringLiteral("label1")), 2);
    EXPECT_EQ(changes, 5);

    list.Remove(QStringLiteral("label2"));
    EXPECT_EQ(list.ItemIndex(), -1);
    list.SetItemIndex(0);
    list.Remove(QStringLiteral("Edit1"));
    EXPECT_EQ(list.Text(), "ameter1");
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1);

    list.Assign({"b", "C", "a"});
    EXPECT_EQ(list.Names(), (QStringList{"a", "b", "C"}));
    EXPECT_EQ(list.ItemIndex(), -1);
}

TEST(ControlNamingTest, LowestFreeNumberWinsAndNamesCompareWithoutCase) {
    TComponent owner(nullptr);
    const auto add = [&](const char* name) {
        auto* c = new TComponent(&owner);
        c->SetName(QString::fromLatin1(name));
        return c;
    };
    EXPECT_EQ(LowestFreeName(owner, QStringLiteral("border")), "border1");
    add("border1");
    TComponent* second = add("BORDER2");
    add("border3");
    EXPECT_EQ(LowestFreeName(owner, QStringLiteral("border")), "border4");
    delete second;
    EXPECT_EQ(LowestFreeName(owner, QStringLiteral("border")), "border2");
    // Another prefix that happens to share the start does not take numbers.
    add("borders1");
    EXPECT_EQ(LowestFreeName(owner, QStringLiteral("borders")), "borders2");
}

TEST(ControlNamingTest, NumbersGoUpTo32768AndNoFurther) {
    const auto upTo = [](int last) {
        return [last](const QString& candidate) { return candidate.mid(3).toInt() <= last; };
    };
    EXPECT_EQ(LowestFreeName(QStringLiteral("led"), upTo(kMaxNameNumber - 1)), "led32768");
    EXPECT_TRUE(LowestFreeName(QStringLiteral("led"), upTo(kMaxNameNumber)).isEmpty());
}

}  // namespace
}  // namespace mox
