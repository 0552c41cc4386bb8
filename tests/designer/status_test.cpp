// The status lists: listed names, children modes and inverse flags over a parent chain.
#include <gtest/gtest.h>

#include "designer/statuslists.h"
#include "support/designertesting.h"

using namespace mox;
using namespace mox::test;

namespace {
// form > panel > inner > leaf, and a sibling directly on the form; no windows needed.
struct StatusTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = new TForm(&Owner);
    TContainer* Panel = Make<TContainer>("panel", Form);
    TContainer* Inner = Make<TContainer>("inner", Panel);
    TGlyph* Leaf = Make<TGlyph>("leaf", Inner);
    TGlyph* Sibling = Make<TGlyph>("sibling", Form);
    TStatusList List;

    template <class T>
    T* Make(const QString& name, TWinControl* parent) {
        auto* c = new T(&Owner);
        c->SetName(name);
        c->SetParent(parent);
        return c;
    }
};
}  // namespace

TEST_F(StatusTest, NoneIsNeverAndTheFormAlwaysHasTheStatus) {
    List.SetInverse(true);
    EXPECT_FALSE(List.Test(nullptr, Form));
    List.SetInverse(false);
    EXPECT_TRUE(List.Test(Form, Form));
}

TEST_F(StatusTest, ListedNamesCompareWithoutCase) {
    List.Names().Add(QStringLiteral("PANEL"));
    EXPECT_TRUE(List.Test(Panel, Form));
    EXPECT_FALSE(List.Test(Sibling, Form));
}

TEST_F(StatusTest, ChildrenModesReachDownTheChain) {
    List.Names().Add(QStringLiteral("panel"));
    List.SetChildren(TChildrenMode::cmNone);
    EXPECT_FALSE(List.Test(Inner, Form));
    List.SetChildren(TChildrenMode::cmNormal);
    EXPECT_TRUE(List.Test(Inner, Form));
    EXPECT_FALSE(List.Test(Leaf, Form));  // a grandparent is out of reach
    List.SetChildren(TChildrenMode::cmRecurse);
    EXPECT_TRUE(List.Test(Leaf, Form));
    EXPECT_FALSE(List.Test(Sibling, Form));
}

TEST_F(StatusTest, RecursionStopsBelowTheFormButNormalModeSeesIt) {
    List.Names().Add(Form->Name().isEmpty() ? QStringLiteral("rack") : Form->Name());
    Form->SetName(QStringLiteral("rack"));
    List.SetChildren(TChildrenMode::cmRecurse);
    EXPECT_FALSE(List.Test(Sibling, Form));
    EXPECT_FALSE(List.Test(Leaf, Form));
    List.SetChildren(TChildrenMode::cmNormal);
    EXPECT_TRUE(List.Test(Sibling, Form));  // its parent, the form, is listed
}

TEST_F(StatusTest, InverseTurnsEveryUnlistedControlOn) {
    List.Names().Add(QStringLiteral("sibling"));
    List.SetInverse(true);
    EXPECT_FALSE(List.Test(Sibling, Form));
    EXPECT_TRUE(List.Test(Panel, Form));
    EXPECT_TRUE(List.Test(Leaf, Form));
}
