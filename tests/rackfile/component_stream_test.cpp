// Components to stream records and back: what a rack window and its controls write, in which
// order, and how a record is read back into an existing form.
#include <gtest/gtest.h>

#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "toolkit/controls/form.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/core/strings.h"

using namespace mox;
using namespace mox::rack;

namespace {

// A small control with one property of each kind the reader must accept.
class TProbe : public TGraphicControl {
    MOX_CLASS
public:
    explicit TProbe(TComponent* owner) : TGraphicControl(owner) {
        FLines->OnChange = [this](TObject*) { ++LinesChanged; };
        SetBounds(0, 0, 20, 10);
    }
    double Level() const { return FLevel; }
    void SetLevel(double v) { FLevel = v; }
    TProbe* Partner() const { return FPartner; }
    void SetPartner(TProbe* p) { FPartner = p; }
    TStrings* Lines() const { return FLines.get(); }
    bool Flag() const { return FFlag; }
    void SetFlag(bool v) { FFlag = v; }
    int LinesChanged = 0;
    int LoadedCalls = 0;
    void Loaded() override {
        TGraphicControl::Loaded();
        ++LoadedCalls;
    }

private:
    double FLevel = 0;
    TRef<TProbe> FPartner;
    std::unique_ptr<TStringList> FLines = std::make_unique<TStringList>();
    bool FFlag = false;
};

class TBox : public TCustomControl {
    MOX_CLASS
public:
    explicit TBox(TComponent* owner) : TCustomControl(owner) {
        SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csAcceptsControls});
        SetBounds(0, 0, 50, 50);
    }
};

const TClassInfo& TProbe::StaticClass() {
    using C = TProbe;
    static const TClassInfo info = TClassBuilder<C>("TProbe", TGraphicControl::StaticClass())
                                       .Creatable()
                                       .String("Caption", &C::Caption, &C::SetCaption)
                                       .Color("Color", &C::Color, &C::SetColor)
                                       .Boolean("Flag", &C::Flag, &C::SetFlag, false)
                                       .Float("Level", &C::Level, &C::SetLevel, TFloatType::Double)
                                       .Component("Partner", &C::Partner, &C::SetPartner)
                                       .Object("Lines", &C::Lines)
                                       .Build();
    return info;
}

const TClassInfo& TBox::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TBox>("TBox", TCustomControl::StaticClass()).Creatable().Build();
    return info;
}

QStringList Names(const std::vector<TStreamProperty>& props) {
    QStringList names;
    for (const TStreamProperty& p : props)
        names << p.Name;
    return names;
}

const TStreamProperty* Find(const std::vector<TStreamProperty>& props, QStringView name) {
    for (const TStreamProperty& p : props)
        if (p.Name == name) return &p;
    return nullptr;
}

TClassRegistry Registry() {
    TClassRegistry r;
    r.RegisterClass(TProbe::StaticClass());
    r.RegisterClass(TBox::StaticClass());
    return r;
}

// A form set up like a fresh rack at save time.
struct RackForm {
    TForm Form{nullptr};
    RackForm() {
        Form.SetName(QStringLiteral("frmRack"));
        Form.SetCaption(QStringLiteral("My Rack"));
        Form.SetBounds(271, 175, 442, 266);
        Form.SetAutoScroll(false);
        Form.SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
        Form.SetBorderStyle(TFormBorderStyle::bsSingle);
        Form.SetOldCreateOrder(true);
        Form.SetVisible(true);
        Form.SetBounds(271, 175, 442, 266);
    }
};

}  // namespace

TEST(ComponentStream, RackRootRecordHoldsExactlyTheStoredProperties) {
    RackForm rack;
    const TObjectRecord r = WriteComponentTree(rack.Form);
    EXPECT_EQ(r.ClassName, "TForm");
    EXPECT_EQ(r.Name, "frmRack");
    EXPECT_EQ(Names(r.Properties),
              QStringList({"Left", "Top", "BorderIcons", "BorderStyle", "Caption", "ClientHeight",
                           "ClientWidth", "Color", "Font.Charset", "Font.Color", "Font.Height",
                           "Font.Name", "Font.Style", "OldCreateOrder", "Visible", "PixelsPerInch",
                           "TextHeight"}));
    const auto& p = r.Properties;
    EXPECT_EQ(p[0].Value.Type, TValueType::vaInt16);
    EXPECT_EQ(p[0].Value.Integer, 271);
    EXPECT_EQ(p[2].Value.SetMembers, QStringList({"biSystemMenu", "biMinimize"}));
    EXPECT_EQ(p[3].Value.Text, "bsSingle");
    EXPECT_EQ(p[4].Value.Type, TValueType::vaString);
    EXPECT_EQ(p[5].Value.Integer, 266);
    EXPECT_EQ(p[6].Value.Integer, 442);
    EXPECT_EQ(p[7].Value.Text, "clBtnFace");
    EXPECT_EQ(p[8].Value.Text, "DEFAULT_CHARSET");
    EXPECT_EQ(p[9].Value.Text, "clWindowText");
    EXPECT_EQ(p[10].Value.Integer, -11);
    EXPECT_EQ(p[11].Value.Text, "MS Sans Serif");
    EXPECT_TRUE(p[12].Value.SetMembers.isEmpty());
    EXPECT_EQ(p[12].Value.Type, TValueType::vaSet);
    EXPECT_EQ(p[13].Value.Type, TValueType::vaTrue);
    EXPECT_EQ(p[15].Value.Integer, 96);
    EXPECT_EQ(p[16].Value.Integer, 13);
    EXPECT_TRUE(r.Children.empty());
}

TEST(ComponentStream, ScrollingFormStoresWidthAndHeightInsteadOfClientSize) {
    RackForm rack;
    rack.Form.SetAutoScroll(true);
    const QStringList names = Names(WriteComponentTree(rack.Form).Properties);
    EXPECT_EQ(names.mid(0, 4), QStringList({"Left", "Top", "Width", "Height"}));
    EXPECT_FALSE(names.contains("ClientWidth"));
    EXPECT_FALSE(names.contains("ClientHeight"));
}

TEST(ComponentStream, ChildrenAreWrittenNonWindowedFirstAndOnlyWhatTheRootOwns) {
    RackForm rack;
    auto* box = new TBox(&rack.Form);
    box->SetName(QStringLiteral("box1"));
    box->SetParent(&rack.Form);
    auto* probe = new TProbe(&rack.Form);
    probe->SetName(QStringLiteral("probe1"));
    probe->SetParent(&rack.Form);
    auto* inner = new TProbe(&rack.Form);
    inner->SetName(QStringLiteral("probe2"));
    inner->SetParent(box);
    TComponent stranger(nullptr);
    auto* handle = new TBox(&stranger);  // like a grab handle: on the form, owned elsewhere
    handle->SetParent(&rack.Form);
    auto* helper = new TComponent(&rack.Form);
    helper->SetName(QStringLiteral("helper"));

    const TObjectRecord r = WriteComponentTree(rack.Form);
    ASSERT_EQ(r.Children.size(), 3u);
    EXPECT_EQ(r.Children[0].Name, "probe1");
    EXPECT_EQ(r.Children[1].Name, "box1");
    ASSERT_EQ(r.Children[1].Children.size(), 1u);
    EXPECT_EQ(r.Children[1].Children[0].Name, "probe2");
    EXPECT_EQ(r.Children[2].Name, "helper");
    delete handle;
}

TEST(ComponentStream, ValuesRoundTripThroughTheReader) {
    RackForm source;
    auto* a = new TProbe(&source.Form);
    a->SetName(QStringLiteral("a"));
    a->SetParent(&source.Form);
    a->SetBounds(5, 6, 70, 30);
    a->SetCaption(QStringLiteral("\u00b0C"));
    a->SetColor(clRed);
    a->SetFlag(true);
    a->SetLevel(2.5);
    a->Lines()->SetText(QStringLiteral("one\r\n\r\nthree"));
    auto* b = new TProbe(&source.Form);
    b->SetName(QStringLiteral("b"));
    b->SetParent(&source.Form);
    a->SetPartner(b);  // a reference to a control written after it

    const TObjectRecord r = WriteComponentTree(source.Form);
    const TStreamProperty* lines = Find(r.Children[0].Properties, u"Lines.Strings");
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->Value.List.size(), 3u);
    EXPECT_EQ(lines->Value.List[1].Type, TValueType::vaWString);  // the empty line
    EXPECT_EQ(Find(r.Children[0].Properties, u"Caption")->Value.Type, TValueType::vaUTF8String);
    EXPECT_EQ(Find(r.Children[0].Properties, u"Partner")->Value.Text, "b");

    TForm target(nullptr);
    const TReadResult result = ReadComponentTree(r, target, Registry());
    EXPECT_EQ(result.ObjectCount, 3);
    auto* a2 = dynamic_cast<TProbe*>(target.FindComponent(u"a"));
    auto* b2 = dynamic_cast<TProbe*>(target.FindComponent(u"b"));
    ASSERT_TRUE(a2 && b2);
    EXPECT_EQ(a2->Parent(), &target);
    EXPECT_EQ(a2->BoundsRect(), Bounds(5, 6, 70, 30));
    EXPECT_EQ(a2->Caption(), QStringLiteral("\u00b0C"));
    EXPECT_EQ(a2->Color(), clRed);
    EXPECT_TRUE(a2->Flag());
    EXPECT_EQ(a2->Level(), 2.5);
    EXPECT_EQ(a2->Lines()->Text(), QStringLiteral("one\r\n\r\nthree\r\n"));
    EXPECT_EQ(a2->LinesChanged, 1);  // read in one update bracket
    EXPECT_EQ(a2->Partner(), b2);
    EXPECT_EQ(a2->LoadedCalls, 1);
    EXPECT_FALSE(a2->Loading());
    EXPECT_EQ(target.Caption(), QStringLiteral("My Rack"));
    EXPECT_EQ(target.ClientWidth(), 442);
    EXPECT_EQ(target.BorderStyle(), TFormBorderStyle::bsSingle);
}

TEST(ComponentStream, StoredNameDoesNotBecomeTheCaptionWhileLoading) {
    RackForm source;
    auto* a = new TProbe(&source.Form);
    a->SetParent(&source.Form);
    a->SetName(QStringLiteral("meter1"));
    a->SetCaption(QString());
    TForm target(nullptr);
    ReadComponentTree(WriteComponentTree(source.Form), target, Registry());
    EXPECT_EQ(target.FindComponent(u"meter1")->ClassName(), "TProbe");
    EXPECT_EQ(static_cast<TControl*>(target.FindComponent(u"meter1"))->Caption(), QString());
}

TEST(ComponentStream, RootNameIsMadeUniqueAmongTopLevelWindows) {
    RackForm source;
    TObjectRecord r = WriteComponentTree(source.Form);
    TForm target(nullptr);
    target.SetName(QStringLiteral("frmRack"));
    ReadComponentTree(r, target, Registry());
    EXPECT_EQ(target.Name(), "frmRack_1");
    r.Name = target.Name();
    ReadComponentTree(r, target, Registry());
    EXPECT_EQ(target.Name(), "frmRack_1_1");
}

TEST(ComponentStream, StoredRootClassIsIgnored) {
    RackForm source;
    TObjectRecord r = WriteComponentTree(source.Form);
    r.ClassName = QStringLiteral("TSomeOtherRack");
    TForm target(nullptr);
    ReadComponentTree(r, target, Registry());
    EXPECT_EQ(target.Caption(), QStringLiteral("My Rack"));
}

TEST(ComponentStream, RefusesWhatTheFormCannotHold) {
    RackForm source;
    auto* a = new TProbe(&source.Form);
    a->SetName(QStringLiteral("a"));
    a->SetParent(&source.Form);
    const TObjectRecord good = WriteComponentTree(source.Form);

    auto expectError = [](TObjectRecord r, const QString& fragment) {
        TForm target(nullptr);
        try {
            ReadComponentTree(r, target, Registry());
            ADD_FAILURE() << "accepted: " << fragment.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.Message().contains(fragment)) << e.Message().toStdString();
        }
    };
    TObjectRecord unknownClass = good;
    unknownClass.Children[0].ClassName = QStringLiteral("TVrNothing");
    expectError(unknownClass, QStringLiteral("Class TVrNothing not found"));

    TObjectRecord unknownProperty = good;
    unknownProperty.Children[0].Properties.push_back({"Wobble", TStreamValue::Int(1), 77});
    expectError(unknownProperty, QStringLiteral("Property Wobble does not exist"));
    expectError(unknownProperty, QStringLiteral("offset 77"));

    TObjectRecord wrongKind = good;
    wrongKind.Children[0].Properties.push_back({"Flag", TStreamValue::Int(1), 0});
    expectError(wrongKind, QStringLiteral("Invalid property value"));

    TObjectRecord badEnum = good;
    badEnum.Properties.push_back({"BorderStyle", TStreamValue::Ident("bsWobbly"), 0});
    expectError(badEnum, QStringLiteral("Invalid property value"));

    TObjectRecord duplicate = good;
    duplicate.Children.push_back(good.Children[0]);
    expectError(duplicate, QStringLiteral("A component named a already exists"));

    TObjectRecord badNested = good;
    badNested.Properties.push_back({"Font.Wobble", TStreamValue::Int(1), 0});
    expectError(badNested, QStringLiteral("Property Font.Wobble does not exist"));
}

TEST(ComponentStream, FailedLoadKeepsWhatWasCreatedInAUsableState) {
    RackForm source;
    for (const char* name : {"a", "b"}) {
        auto* p = new TProbe(&source.Form);
        p->SetName(QString::fromLatin1(name));
        p->SetParent(&source.Form);
    }
    TObjectRecord r = WriteComponentTree(source.Form);
    r.Children[1].ClassName = QStringLiteral("TMissing");
    TForm target(nullptr);
    EXPECT_THROW(ReadComponentTree(r, target, Registry()), EClassNotFound);
    auto* a = dynamic_cast<TProbe*>(target.FindComponent(u"a"));
    ASSERT_TRUE(a);
    EXPECT_FALSE(a->Loading());
    EXPECT_FALSE(target.Loading());
}

TEST(ComponentStream, ValueTagsAcceptedByPropertyType) {
    TForm target(nullptr);
    auto* p = new TProbe(&target);
    auto apply = [&](const char* prop, TStreamValue v) {
        TObjectRecord r;
        r.Name = QStringLiteral("f");
        TObjectRecord child;
        child.ClassName = QStringLiteral("TProbe");
        child.Name = QStringLiteral("x");
        child.Properties.push_back({QString::fromLatin1(prop), v, 0});
        r.Children.push_back(child);
        TForm form(nullptr);
        ReadComponentTree(r, form, Registry());
        return static_cast<TProbe*>(form.FindComponent(u"x"))->Color();
    };
    EXPECT_EQ(apply("Color", TStreamValue::Ident("CLSILVER")), clSilver);
    EXPECT_EQ(apply("Color", TStreamValue::Int(255)), clRed);
    EXPECT_THROW(apply("Color", TStreamValue::Str("red")), EReadError);
    TStreamValue big;
    big.Type = TValueType::vaInt64;
    big.Integer = 5;
    EXPECT_THROW(apply("Color", big), EReadError);  // an Integer property takes tags 2..4 only
    delete p;
}
