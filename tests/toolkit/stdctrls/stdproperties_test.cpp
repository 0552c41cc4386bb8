// What the standard controls store in a rack file: their published properties in order with
// kinds and defaults, the stored conditions, and what a control as the rack makes it writes.
#include <gtest/gtest.h>

#include "support/testwindows.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

using namespace mox;
using namespace mox::test;

namespace {

using K = TTypeKind;
using Default = std::optional<std::int64_t>;

struct Row {
    QString Name;
    K Kind;
    Default Def;
};

template <class E>
Default Ord(E value) {
    return static_cast<std::int64_t>(value);
}
template <class E>
Default Bits(TSet<E> value) {
    return static_cast<std::int64_t>(value.Bits());
}

const Default kNone;
const Default kAnchors = Bits(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
const Default kEdges = Bits(AllBevelEdges);

// Tag to HelpContext head every control's list.
std::vector<Row> Head() {
    return {{"Tag", K::Integer, 0},
            {"Left", K::Integer, kNone},
            {"Top", K::Integer, kNone},
            {"Width", K::Integer, kNone},
            {"Height", K::Integer, kNone},
            {"Cursor", K::Cursor, 0},
            {"Hint", K::String, kNone},
            {"HelpType", K::Enumeration, Ord(THelpType::htContext)},
            {"HelpKeyword", K::String, kNone},
            {"HelpContext", K::Integer, 0}};
}

std::vector<Row> With(std::vector<Row> rows) {
    std::vector<Row> all = Head();
    all.insert(all.end(), rows.begin(), rows.end());
    return all;
}

const Row kDragCursor{"DragCursor", K::Cursor, crDrag};
const Row kDragKind{"DragKind", K::Enumeration, Ord(TDragKind::dkDrag)};
const Row kDragMode{"DragMode", K::Enumeration, Ord(TDragMode::dmManual)};
const Row kBevelEdges{"BevelEdges", K::Set, kEdges};
const Row kBevelInner{"BevelInner", K::Enumeration, Ord(TBevelCut::bvRaised)};
const Row kBevelKind{"BevelKind", K::Enumeration, Ord(TBevelKind::bkNone)};
const Row kBevelOuter{"BevelOuter", K::Enumeration, Ord(TBevelCut::bvLowered)};
const Row kImeMode{"ImeMode", K::Enumeration, Ord(TImeMode::imDontCare)};

const std::vector<Row> kLabel = With({
    {"Align", K::Enumeration, Ord(TAlign::alNone)},
    {"Alignment", K::Enumeration, Ord(TAlignment::taLeftJustify)},
    {"Anchors", K::Set, kAnchors},
    {"AutoSize", K::Boolean, 1},
    {"BiDiMode", K::Enumeration, kNone},
    {"Caption", K::String, kNone},
    {"Color", K::Color, clWindow},
    {"Constraints", K::Object, kNone},
    kDragCursor,
    kDragKind,
    kDragMode,
    {"Enabled", K::Boolean, 1},
    {"FocusControl", K::Component, kNone},
    {"Font", K::Object, kNone},
    {"ParentBiDiMode", K::Boolean, 1},
    {"ParentColor", K::Boolean, 1},
    {"ParentFont", K::Boolean, 1},
    {"ParentShowHint", K::Boolean, 1},
    {"PopupMenu", K::Component, kNone},
    {"ShowAccelChar", K::Boolean, 1},
    {"ShowHint", K::Boolean, kNone},
    {"Transparent", K::Boolean, 0},
    {"Layout", K::Enumeration, Ord(TTextLayout::tlTop)},
    {"Visible", K::Boolean, 1},
    {"WordWrap", K::Boolean, 0},
});

const std::vector<Row> kEdit = With({
    {"TabStop", K::Boolean, 1},
    {"Anchors", K::Set, kAnchors},
    {"AutoSelect", K::Boolean, 1},
    {"AutoSize", K::Boolean, 1},
    kBevelEdges,
    kBevelInner,
    kBevelKind,
    kBevelOuter,
    {"BiDiMode", K::Enumeration, kNone},
    {"BorderStyle", K::Enumeration, Ord(TBorderStyle::bsSingle)},
    {"CharCase", K::Enumeration, Ord(TEditCharCase::ecNormal)},
    {"Color", K::Color, clWindow},
    {"Constraints", K::Object, kNone},
    {"Ctl3D", K::Boolean, kNone},
    kDragCursor,
    kDragKind,
    kDragMode,
    {"Enabled", K::Boolean, 1},
    {"Font", K::Object, kNone},
    {"HideSelection", K::Boolean, 1},
    kImeMode,
    {"ImeName", K::String, kNone},
    {"MaxLength", K::Integer, 0},
    {"OEMConvert", K::Boolean, 0},
    {"ParentBiDiMode", K::Boolean, 1},
    {"ParentColor", K::Boolean, 0},
    {"ParentCtl3D", K::Boolean, 1},
    {"ParentFont", K::Boolean, 1},
    {"ParentShowHint", K::Boolean, 1},
    {"PasswordChar", K::String, kNone},  // a character is stored as a one-character string
    {"PopupMenu", K::Component, kNone},
    {"ReadOnly", K::Boolean, 0},
    {"ShowHint", K::Boolean, kNone},
    {"TabOrder", K::Integer, -1},
    {"Text", K::String, kNone},
    {"Visible", K::Boolean, 1},
});

const std::vector<Row> kMemo = With({
    {"TabStop", K::Boolean, 1},
    {"Align", K::Enumeration, Ord(TAlign::alNone)},
    {"Alignment", K::Enumeration, Ord(TAlignment::taLeftJustify)},
    {"Anchors", K::Set, kAnchors},
    kBevelEdges,
    kBevelInner,
    kBevelKind,
    kBevelOuter,
    {"BiDiMode", K::Enumeration, kNone},
    {"BorderStyle", K::Enumeration, Ord(TBorderStyle::bsSingle)},
    {"Color", K::Color, clWindow},
    {"Constraints", K::Object, kNone},
    {"Ctl3D", K::Boolean, kNone},
    kDragCursor,
    kDragKind,
    kDragMode,
    {"Enabled", K::Boolean, 1},
    {"Font", K::Object, kNone},
    {"HideSelection", K::Boolean, 1},
    kImeMode,
    {"ImeName", K::String, kNone},
    {"Lines", K::Object, kNone},
    {"MaxLength", K::Integer, 0},
    {"OEMConvert", K::Boolean, 0},
    {"ParentBiDiMode", K::Boolean, 1},
    {"ParentColor", K::Boolean, 0},
    {"ParentCtl3D", K::Boolean, 1},
    {"ParentFont", K::Boolean, 1},
    {"ParentShowHint", K::Boolean, 1},
    {"PopupMenu", K::Component, kNone},
    {"ReadOnly", K::Boolean, 0},
    {"ScrollBars", K::Enumeration, Ord(TScrollStyle::ssNone)},
    {"ShowHint", K::Boolean, kNone},
    {"TabOrder", K::Integer, -1},
    {"Visible", K::Boolean, 1},
    {"WantReturns", K::Boolean, 1},
    {"WantTabs", K::Boolean, 0},
    {"WordWrap", K::Boolean, 1},
});

const std::vector<Row> kImage = With({
    {"Align", K::Enumeration, Ord(TAlign::alNone)},
    {"Anchors", K::Set, kAnchors},
    {"AutoSize", K::Boolean, 0},
    {"Center", K::Boolean, 0},
    {"Constraints", K::Object, kNone},
    kDragCursor,
    kDragKind,
    kDragMode,
    {"Enabled", K::Boolean, 1},
    {"IncrementalDisplay", K::Boolean, 0},
    {"ParentShowHint", K::Boolean, 1},
    {"Picture", K::Object, kNone},
    {"PopupMenu", K::Component, kNone},
    {"Proportional", K::Boolean, 0},
    {"ShowHint", K::Boolean, kNone},
    {"Stretch", K::Boolean, 0},
    {"Transparent", K::Boolean, 0},
    {"Visible", K::Boolean, 1},
});

const std::vector<Row> kComboBox = With({
    {"AutoComplete", K::Boolean, 1},
    {"AutoDropDown", K::Boolean, 0},
    kBevelEdges,
    kBevelInner,
    kBevelKind,
    kBevelOuter,
    {"Style", K::Enumeration, Ord(TComboBoxStyle::csDropDown)},
    {"Anchors", K::Set, kAnchors},
    {"BiDiMode", K::Enumeration, kNone},
    {"CharCase", K::Enumeration, Ord(TEditCharCase::ecNormal)},
    {"Color", K::Color, clWindow},
    {"Constraints", K::Object, kNone},
    {"Ctl3D", K::Boolean, kNone},
    kDragCursor,
    kDragKind,
    kDragMode,
    {"DropDownCount", K::Integer, 8},
    {"Enabled", K::Boolean, 1},
    {"Font", K::Object, kNone},
    kImeMode,
    {"ImeName", K::String, kNone},
    {"ItemHeight", K::Integer, kNone},
    {"ItemIndex", K::Integer, -1},
    {"MaxLength", K::Integer, 0},
    {"ParentBiDiMode", K::Boolean, 1},
    {"ParentColor", K::Boolean, 0},
    {"ParentCtl3D", K::Boolean, 1},
    {"ParentFont", K::Boolean, 1},
    {"ParentShowHint", K::Boolean, 1},
    {"PopupMenu", K::Component, kNone},
    {"ShowHint", K::Boolean, kNone},
    {"Sorted", K::Boolean, 0},
    {"TabOrder", K::Integer, -1},
    {"TabStop", K::Boolean, 1},
    {"Text", K::String, kNone},
    {"Visible", K::Boolean, 1},
    {"Items", K::Object, kNone},
});

void ExpectTable(const TClassInfo& cls, const std::vector<Row>& rows) {
    std::vector<const TPropInfo*> props;
    for (const TPropInfo& p : cls.Properties())
        if (p.Kind != K::Method && p.Name != QStringLiteral("Name")) props.push_back(&p);
    QStringList names, expected;
    for (const TPropInfo* p : props)
        names << p->Name;
    for (const Row& r : rows)
        expected << r.Name;
    ASSERT_EQ(names, expected) << cls.ClassName().toStdString();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].Name.toStdString());
        EXPECT_EQ(props[i]->Kind, rows[i].Kind);
        EXPECT_EQ(props[i]->Default, rows[i].Def);
        EXPECT_TRUE(props[i]->Set) << "not writable";
    }
    EXPECT_EQ(cls.Properties().front().Name, QStringLiteral("Name"));
    EXPECT_TRUE(cls.Creatable());
}

// The custom-streamed properties of an object that have something to write.
class TDefinedWithData : public TFiler {
public:
    void DefineProperty(const QString& name, std::function<void(TReader&)>,
                        std::function<void(TWriter&)>, bool hasData) override {
        if (hasData) Names << name;
    }
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)>,
                              std::function<void(QByteArray&)>, bool hasData) override {
        if (hasData) Names << name;
    }
    QStringList Names;
};

// What a rack file would hold for `object`, in order, nested properties under dotted names.
QStringList Written(TObject& object, const QString& prefix = {}) {
    QStringList out;
    for (const TPropInfo& p : object.ClassType().Properties()) {
        if (p.Kind == K::Method || !p.IsStored(object)) continue;
        const TValue value = p.Get(object);
        const QString name = prefix + p.Name;
        bool differs = false;
        if (p.IsOrdinal()) {
            differs = !p.Default || std::get<std::int64_t>(value) != *p.Default;
        } else if (p.Kind == K::String) {
            differs = !std::get<QString>(value).isEmpty();
        } else if (p.Kind == K::Float) {
            differs = std::get<long double>(value) != 0;
        } else if (p.Kind == K::Component) {
            differs = std::get<TComponent*>(value) != nullptr;
        } else if (p.Kind == K::Object) {
            if (TPersistent* nested = std::get<TPersistent*>(value))
                out << Written(*nested, name + u'.');
        }
        if (differs) out << name;
    }
    if (auto* persistent = dynamic_cast<TPersistent*>(&object)) {
        TDefinedWithData filer;
        persistent->DefineProperties(filer);
        for (const QString& custom : filer.Names)
            out << prefix + custom;
    }
    return out;
}

struct StdPropertiesTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner, 300, 200);

    // A control as the rack places it: parented, then named.
    template <class T>
    T* Place(const QString& name) {
        auto* c = new T(&Owner);
        c->SetParent(Form);
        c->SetBounds(16, 24, c->Width(), c->Height());
        c->SetName(name);
        return c;
    }
};

}  // namespace

TEST(StdProperties, LabelTable) {
    ExpectTable(TLabel::StaticClass(), kLabel);
}
TEST(StdProperties, EditTable) {
    ExpectTable(TEdit::StaticClass(), kEdit);
}
TEST(StdProperties, MemoTable) {
    ExpectTable(TMemo::StaticClass(), kMemo);
}
TEST(StdProperties, ImageTable) {
    ExpectTable(TImage::StaticClass(), kImage);
}
TEST(StdProperties, ComboBoxTable) {
    ExpectTable(TComboBox::StaticClass(), kComboBox);
}

TEST(StdProperties, NestedObjectsAreTheirClasses) {
    const TClassInfo& memo = TMemo::StaticClass();
    EXPECT_EQ(&memo.FindProperty(u"Lines")->ObjectClass(), &TStrings::StaticClass());
    EXPECT_EQ(&memo.FindProperty(u"Font")->ObjectClass(), &TFont::StaticClass());
    EXPECT_EQ(&memo.FindProperty(u"Constraints")->ObjectClass(), &TSizeConstraints::StaticClass());
    EXPECT_EQ(&memo.FindProperty(u"PopupMenu")->ObjectClass(), &TPopupMenu::StaticClass());
    EXPECT_EQ(&TComboBox::StaticClass().FindProperty(u"Items")->ObjectClass(),
              &TStrings::StaticClass());
    EXPECT_EQ(&TImage::StaticClass().FindProperty(u"Picture")->ObjectClass(),
              &TPicture::StaticClass());
    EXPECT_EQ(&TLabel::StaticClass().FindProperty(u"FocusControl")->ObjectClass(),
              &TWinControl::StaticClass());
}

TEST_F(StdPropertiesTest, NewLabelOnTheRackWritesItsBoundsCaptionAndTransparent) {
    auto* label = Place<TLabel>(QStringLiteral("label1"));
    label->SetTransparent(true);
    EXPECT_EQ(Written(*label),
              QStringList({"Left", "Top", "Width", "Height", "Caption", "Transparent"}));
}

TEST_F(StdPropertiesTest, NewEditOnTheRackWritesItsFlatFrame) {
    auto* edit = Place<TEdit>(QStringLiteral("edit1"));
    edit->SetText(QString());
    edit->SetParentCtl3D(false);
    edit->SetCtl3D(false);
    EXPECT_EQ(Written(*edit),
              QStringList({"Left", "Top", "Width", "Height", "Ctl3D", "ParentCtl3D", "TabOrder"}));
}

TEST_F(StdPropertiesTest, NewMemoOnTheRackWritesItsFrameAndTabs) {
    auto* memo = Place<TMemo>(QStringLiteral("memo1"));
    EXPECT_EQ(memo->Text(), QStringLiteral("memo1"));
    memo->SetText(QString());
    memo->SetCtl3D(false);
    memo->SetWantReturns(true);
    memo->SetWantTabs(true);
    EXPECT_EQ(Written(*memo), QStringList({"Left", "Top", "Width", "Height", "Ctl3D", "ParentCtl3D",
                                           "TabOrder", "WantTabs"}));
    memo->Lines()->Add(QString());
    EXPECT_EQ(Written(*memo).indexOf(QStringLiteral("Lines.Strings")),
              Written(*memo).indexOf(QStringLiteral("ParentCtl3D")) - 1);
}

TEST_F(StdPropertiesTest, NewComboBoxOnTheRackWritesStyleAndItemHeightAndItemsLast) {
    auto* combo = Place<TComboBox>(QStringLiteral("ddown1"));
    EXPECT_EQ(combo->Text(), QStringLiteral("ddown1"));
    combo->SetText(QString());
    combo->SetStyle(TComboBoxStyle::csDropDownList);
    EXPECT_EQ(Written(*combo),
              QStringList({"Left", "Top", "Width", "Height", "Style", "ItemHeight", "TabOrder"}));
    combo->Items()->Add(QStringLiteral("one"));
    combo->SetItemIndex(0);
    EXPECT_EQ(Written(*combo), QStringList({"Left", "Top", "Width", "Height", "Style", "ItemHeight",
                                            "ItemIndex", "TabOrder", "Text", "Items.Strings"}));
    EXPECT_EQ(
        std::get<std::int64_t>(TComboBox::StaticClass().FindProperty(u"ItemHeight")->Get(*combo)),
        13);
}

TEST_F(StdPropertiesTest, ImageWritesItsPictureDataOnlyWhenItHasOne) {
    auto* image = Place<TImage>(QStringLiteral("image1"));
    image->SetStretch(true);
    EXPECT_EQ(Written(*image), QStringList({"Left", "Top", "Width", "Height", "Stretch"}));
    image->Picture()->Bitmap()->SetSize(2, 2);
    EXPECT_EQ(Written(*image),
              QStringList({"Left", "Top", "Width", "Height", "Picture.Data", "Stretch"}));
}

TEST_F(StdPropertiesTest, ParentFlagsDecideWhatIsStored) {
    auto* edit = Place<TEdit>(QStringLiteral("edit1"));
    const TClassInfo& cls = edit->ClassType();
    auto stored = [&](const char16_t* name) { return cls.FindProperty(name)->IsStored(*edit); };
    EXPECT_TRUE(stored(u"Color"));  // an edit has its own colour
    edit->SetParentColor(true);
    EXPECT_FALSE(stored(u"Color"));
    EXPECT_FALSE(stored(u"Font"));
    edit->Font()->SetColor(clRed);
    EXPECT_TRUE(stored(u"Font"));
    EXPECT_FALSE(stored(u"ShowHint"));
    edit->SetShowHint(true);
    EXPECT_TRUE(stored(u"ShowHint"));
    EXPECT_FALSE(stored(u"BiDiMode"));
    edit->SetBiDiMode(TBiDiMode::bdRightToLeft);
    EXPECT_TRUE(stored(u"BiDiMode"));
    EXPECT_FALSE(stored(u"Ctl3D"));
    edit->SetCtl3D(true);
    EXPECT_TRUE(stored(u"Ctl3D"));

    auto* memo = Place<TMemo>(QStringLiteral("memo1"));
    const TPropInfo* anchors = memo->ClassType().FindProperty(u"Anchors");
    EXPECT_FALSE(anchors->IsStored(*memo));
    memo->SetAlign(TAlign::alClient);  // anchors follow the alignment
    EXPECT_FALSE(anchors->IsStored(*memo));
    memo->SetAnchors(TAnchors{TAnchorKind::akLeft, TAnchorKind::akTop});
    EXPECT_TRUE(anchors->IsStored(*memo));
}

TEST_F(StdPropertiesTest, PasswordCharIsStoredAsOneCharacter) {
    auto* edit = Place<TEdit>(QStringLiteral("edit1"));
    const TPropInfo* prop = edit->ClassType().FindProperty(u"PasswordChar");
    EXPECT_EQ(std::get<QString>(prop->Get(*edit)), QString());
    prop->Set(*edit, QStringLiteral("*"));
    EXPECT_EQ(edit->PasswordChar(), QChar(u'*'));
    EXPECT_EQ(std::get<QString>(prop->Get(*edit)), QStringLiteral("*"));
    EXPECT_THROW(prop->Set(*edit, QStringLiteral("**")), EPropertyError);
    EXPECT_EQ(edit->PasswordChar(), QChar(u'*'));
    prop->Set(*edit, QString());
    EXPECT_TRUE(edit->PasswordChar().isNull());
}

TEST_F(StdPropertiesTest, ReferencesAreWrittenWhileTheyLast) {
    auto* label = Place<TLabel>(QStringLiteral("label1"));
    auto* edit = Place<TEdit>(QStringLiteral("edit1"));
    auto* menu = new TPopupMenu(&Owner);
    label->SetFocusControl(edit);
    label->SetPopupMenu(menu);
    EXPECT_TRUE(Written(*label).contains(QStringLiteral("FocusControl")));
    EXPECT_TRUE(Written(*label).contains(QStringLiteral("PopupMenu")));
    delete menu;
    delete edit;
    EXPECT_FALSE(Written(*label).contains(QStringLiteral("FocusControl")));
    EXPECT_FALSE(Written(*label).contains(QStringLiteral("PopupMenu")));
}
