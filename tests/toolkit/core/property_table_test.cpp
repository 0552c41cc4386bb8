// Property tables: order along the class chain, redeclaration, defaults, stored conditions and
// typed access through TValue.
#include <gtest/gtest.h>

#include "toolkit/core/classbuilder.h"
#include "toolkit/core/component.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/colors.h"
#include "toolkit/graphics/font.h"

using namespace mox;

namespace {

MOX_ENUM(TGaugeStyle, gsFlat, gsRaised, gsSunken)
MOX_ENUM(TGaugeOption, goTicks, goLabels, goNeedle)
using TGaugeOptions = TSet<TGaugeOption>;

class TGaugeBase : public TComponent {
    MOX_CLASS
public:
    using TComponent::TComponent;
    TColor Color() const { return FColor; }
    void SetColor(TColor c) { FColor = c; }
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool v) { FParentColor = v; }
    int Width() const { return FWidth; }
    void SetWidth(int v) { FWidth = v; }
    bool IsColorStored() const { return !FParentColor; }

private:
    TColor FColor = clBtnFace;
    bool FParentColor = true;
    int FWidth = 10;
};

class TGauge : public TGaugeBase {
    MOX_CLASS
public:
    using TGaugeBase::TGaugeBase;
    TGaugeStyle Style() const { return FStyle; }
    void SetStyle(TGaugeStyle s) { FStyle = s; }
    TGaugeOptions Options() const { return FOptions; }
    void SetOptions(TGaugeOptions o) { FOptions = o; }
    double Value() const { return FValue; }
    void SetValue(double v) { FValue = v; }
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& c) { FCaption = c; }
    TFont* Font() const { return FFont.get(); }
    TGauge* Buddy() const { return FBuddy; }
    void SetBuddy(TGauge* b) { FBuddy = b; }
    void Clicked(TObject* sender) { LastSender = sender; }

    TNotifyEvent OnChange;
    TObject* LastSender = nullptr;

private:
    TGaugeStyle FStyle = TGaugeStyle::gsRaised;
    TGaugeOptions FOptions{TGaugeOption::goNeedle};
    double FValue = 0;
    QString FCaption;
    std::unique_ptr<TFont> FFont = std::make_unique<TFont>();
    TRef<TGauge> FBuddy;
};

const TClassInfo& TGaugeBase::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGaugeBase>("TGaugeBase", TComponent::StaticClass())
            .Integer("Width", &TGaugeBase::Width, &TGaugeBase::SetWidth)
            .Color("Color", &TGaugeBase::Color, &TGaugeBase::SetColor)
            .Stored(&TGaugeBase::IsColorStored)
            .Boolean("ParentColor", &TGaugeBase::ParentColor, &TGaugeBase::SetParentColor, true)
            .Build();
    return info;
}

const TClassInfo& TGauge::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TGauge>("TGauge", TGaugeBase::StaticClass())
            .Creatable()
            .Enumeration("Style", &TGauge::Style, &TGauge::SetStyle, TGaugeStyle::gsRaised)
            .Set("Options", &TGauge::Options, &TGauge::SetOptions,
                 TGaugeOptions{TGaugeOption::goNeedle})
            .Redeclare(u"Color", clWindow)
            .Float("Value", &TGauge::Value, &TGauge::SetValue, TFloatType::Double)
            .String("Caption", &TGauge::Caption, &TGauge::SetCaption)
            .Object("Font", &TGauge::Font)
            .Component("Buddy", &TGauge::Buddy, &TGauge::SetBuddy)
            .Event("OnChange", &TGauge::OnChange)
            .Method("Clicked", &TGauge::Clicked)
            .Build();
    return info;
}

QStringList Names(const TClassInfo& cls) {
    QStringList names;
    for (const TPropInfo& p : cls.Properties())
        names << p.Name;
    return names;
}

}  // namespace

TEST(PropertyTable, AncestorsFirstAndRedeclaredPropertiesKeepTheirPlace) {
    EXPECT_EQ(Names(TGauge::StaticClass()),
              QStringList({"Name", "Tag", "Width", "Color", "ParentColor", "Style", "Options",
                           "Value", "Caption", "Font", "Buddy", "OnChange"}));
    const TPropInfo* base = TGaugeBase::StaticClass().FindProperty(u"color");
    const TPropInfo* derived = TGauge::StaticClass().FindProperty(u"COLOR");
    ASSERT_TRUE(base && derived);
    EXPECT_FALSE(base->Default.has_value());
    EXPECT_EQ(derived->Default, clWindow);
    // The redeclared property keeps its stored condition.
    TGauge g(nullptr);
    EXPECT_FALSE(derived->IsStored(g));
    g.SetParentColor(false);
    EXPECT_TRUE(derived->IsStored(g));
}

TEST(PropertyTable, NameIsPublishedButNeverStored) {
    TGauge g(nullptr);
    const TPropInfo* name = TGauge::StaticClass().FindProperty(u"Name");
    ASSERT_TRUE(name);
    EXPECT_FALSE(name->IsStored(g));
    name->Set(g, QStringLiteral("gauge1"));
    EXPECT_EQ(g.Name(), QStringLiteral("gauge1"));
    EXPECT_EQ(TGauge::StaticClass().FindProperty(u"Tag")->Default, 0);
}

TEST(PropertyTable, TypedAccessThroughValues) {
    TGauge g(nullptr);
    const TClassInfo& cls = g.ClassType();
    EXPECT_EQ(g.ClassName(), QStringLiteral("TGauge"));
    EXPECT_TRUE(g.InheritsFrom(TComponent::StaticClass()));

    const TPropInfo* style = cls.FindProperty(u"Style");
    EXPECT_EQ(style->Kind, TTypeKind::Enumeration);
    EXPECT_EQ(style->EnumType->NameOf(std::get<std::int64_t>(style->Get(g))), "gsRaised");
    style->Set(g, std::int64_t{style->EnumType->OrdinalOf(u"GSSUNKEN")});
    EXPECT_EQ(g.Style(), TGaugeStyle::gsSunken);

    const TPropInfo* options = cls.FindProperty(u"Options");
    EXPECT_EQ(options->Default, 1 << static_cast<int>(TGaugeOption::goNeedle));
    options->Set(g, std::int64_t{0b011});
    EXPECT_EQ(SetToString(*options->EnumType, std::get<std::int64_t>(options->Get(g))),
              "[goTicks, goLabels]");
    EXPECT_EQ(SetToString(*options->EnumType, 0), "[]");

    cls.FindProperty(u"Value")->Set(g, 2.5L);
    EXPECT_EQ(g.Value(), 2.5);
    EXPECT_EQ(cls.FindProperty(u"Value")->FloatType, TFloatType::Double);

    cls.FindProperty(u"Caption")->Set(g, QStringLiteral("\u00b0C"));
    EXPECT_EQ(g.Caption(), QStringLiteral("\u00b0C"));
}

TEST(PropertyTable, NestedObjectsExposeTheirOwnTable) {
    TGauge g(nullptr);
    const TPropInfo* font = g.ClassType().FindProperty(u"Font");
    EXPECT_EQ(font->Kind, TTypeKind::Object);
    EXPECT_EQ(&font->ObjectClass(), &TFont::StaticClass());
    EXPECT_FALSE(font->Set);  // read-only: streamed through the object itself
    auto* object = std::get<TPersistent*>(font->Get(g));
    ASSERT_EQ(object, g.Font());
    object->ClassType().FindProperty(u"Height")->Set(*object, std::int64_t{-13});
    EXPECT_EQ(g.Font()->Height(), -13);
}

TEST(PropertyTable, ComponentReferencesRefuseOtherClasses) {
    TComponent owner(nullptr);
    auto* a = new TGauge(&owner);
    auto* b = new TGauge(&owner);
    auto* plain = new TComponent(&owner);
    const TPropInfo* buddy = TGauge::StaticClass().FindProperty(u"Buddy");
    buddy->Set(*a, static_cast<TComponent*>(b));
    EXPECT_EQ(a->Buddy(), b);
    EXPECT_THROW(buddy->Set(*a, plain), EPropertyError);
    delete b;  // the reference clears itself
    EXPECT_EQ(a->Buddy(), nullptr);
    EXPECT_EQ(std::get<TComponent*>(buddy->Get(*a)), nullptr);
}

TEST(PropertyTable, EventsBindToPublishedMethodsByName) {
    TGauge form(nullptr);
    TGauge g(nullptr);
    const TPropInfo* onChange = TGauge::StaticClass().FindProperty(u"OnChange");
    EXPECT_EQ(std::get<TMethod>(onChange->Get(g)).Name, QString());

    onChange->Set(g, TMethod{&form, QStringLiteral("clicked")});
    ASSERT_TRUE(g.OnChange);
    g.OnChange(&g);
    EXPECT_EQ(form.LastSender, &g);
    EXPECT_EQ(std::get<TMethod>(onChange->Get(g)).Name, QStringLiteral("Clicked"));

    EXPECT_THROW(onChange->Set(g, TMethod{&form, QStringLiteral("Missing")}), EPropertyError);
    onChange->Set(g, TMethod{});
    EXPECT_FALSE(g.OnChange);
}

TEST(PropertyTable, FactoryCreatesWithOwner) {
    TComponent owner(nullptr);
    TComponent* made = TGauge::StaticClass().Create(&owner);
    EXPECT_EQ(made->ClassName(), QStringLiteral("TGauge"));
    EXPECT_EQ(made->Owner(), &owner);
    EXPECT_THROW(TGaugeBase::StaticClass().Create(&owner), EComponentError);
}

TEST(PropertyTable, RedeclaringAnUnknownPropertyIsAnError) {
    EXPECT_THROW(TClassBuilder<TGauge>("TBad", TComponent::StaticClass()).Redeclare(u"Nope", 0),
                 EPropertyError);
}
