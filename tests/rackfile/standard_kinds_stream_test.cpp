// The five standard control kinds of a rack through the real save path and back: which properties
// each writes and in which order, how their lists and picture look in the text form, which tags
// the strings take, and that loading the file rebuilds the same controls.
#include <gtest/gtest.h>

#include <QComboBox>
#include <stdexcept>

#include "rackfile/componentwriter.h"
#include "rackfile/rackio.h"
#include "toolkit/controls/form.h"
#include "toolkit/stdctrls/combobox.h"
#include "toolkit/stdctrls/edit.h"
#include "toolkit/stdctrls/image.h"
#include "toolkit/stdctrls/label.h"
#include "toolkit/stdctrls/memo.h"

using namespace mox;
using namespace mox::rack;

namespace {

const QString kDegrees = QStringLiteral("20 \u00b0C");

TClassRegistry StandardKinds() {
    TClassRegistry r;
    r.RegisterClass(TLabel::StaticClass());
    r.RegisterClass(TEdit::StaticClass());
    r.RegisterClass(TMemo::StaticClass());
    r.RegisterClass(TImage::StaticClass());
    r.RegisterClass(TComboBox::StaticClass());
    return r;
}

void SetUpAsRack(TForm& form) {
    form.SetName(QStringLiteral("frmRack"));
    form.SetCaption(QStringLiteral("My Rack"));
    form.SetAutoScroll(false);
    form.SetBorderIcons({TBorderIcon::biSystemMenu, TBorderIcon::biMinimize});
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.SetOldCreateOrder(true);
    form.SetVisible(true);
    form.SetBounds(271, 175, 442, 266);
}

// A control as the rack places one: owned by the rack without a parent, the kind's creation
// settings, then the name (and the text clean-up that follows naming), the click point and the
// parent.
template <class T, class Settings>
T* Place(TForm& rack, const char* name, int left, int top, Settings settings) {
    auto* c = new T(&rack);
    settings(*c);
    c->SetName(QString::fromLatin1(name));
    c->SetLeft(left);
    c->SetTop(top);
    c->SetParent(&rack);
    return c;
}

TLabel* NewLabel(TForm& rack, int left, int top) {
    return Place<TLabel>(rack, "label1", left, top, [](TLabel& l) { l.SetTransparent(true); });
}
TEdit* NewEdit(TForm& rack, int left, int top) {
    TEdit* edit = Place<TEdit>(rack, "edit1", left, top, [](TEdit& e) {
        e.SetTabStop(true);
        e.SetText(QString());
        e.SetParentCtl3D(false);
        e.SetCtl3D(false);
    });
    edit->SetText(QString());
    return edit;
}
TMemo* NewMemo(TForm& rack, int left, int top) {
    TMemo* memo = Place<TMemo>(rack, "memo1", left, top, [](TMemo& m) {
        m.SetCtl3D(false);
        m.Lines()->Clear();
    });
    memo->SetText(QString());
    memo->SetWantReturns(true);
    memo->SetWantTabs(true);
    return memo;
}
TImage* NewImage(TForm& rack, int left, int top) {
    return Place<TImage>(rack, "image1", left, top, [](TImage& i) { i.SetStretch(true); });
}
TComboBox* NewComboBox(TForm& rack, int left, int top) {
    TComboBox* combo = Place<TComboBox>(rack, "ddown1", left, top, [](TComboBox& c) {
        c.SetText(QString());
        c.SetStyle(TComboBoxStyle::csDropDownList);
    });
    combo->SetText(QString());
    return combo;
}

std::unique_ptr<TBitmap> Gradient(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap->SetPixels(x, y, RGB(x * 40, y * 60, 200));
    return bitmap;
}

// One control of each kind with content in every list, as a user would leave them.
void FillRack(TForm& rack) {
    NewLabel(rack, 8, 8);
    NewEdit(rack, 8, 160);
    TMemo* memo = NewMemo(rack, 200, 8);
    memo->Lines()->Add(QStringLiteral("first"));
    memo->Lines()->Add(QString());
    memo->Lines()->Add(kDegrees);
    NewImage(rack, 8, 32)->Picture()->SetGraphic(Gradient(5, 3).get());
    TComboBox* combo = NewComboBox(rack, 200, 120);
    combo->Items()->SetCommaText(QStringLiteral("low,mid,high"));
    combo->SetItemIndex(1);
}

QStringList Names(const std::vector<TStreamProperty>& props) {
    QStringList names;
    for (const TStreamProperty& p : props)
        names << p.Name;
    return names;
}

const TStreamProperty& Find(const TObjectRecord& record, QStringView name) {
    for (const TStreamProperty& p : record.Properties)
        if (p.Name == name) return p;
    throw std::runtime_error("no property " + name.toString().toStdString());
}

const TObjectRecord& Child(const TObjectRecord& root, QStringView name) {
    for (const TObjectRecord& c : root.Children)
        if (c.Name == name) return c;
    throw std::runtime_error("no child " + name.toString().toStdString());
}

QByteArray SavedRack() {
    TForm rack(nullptr);
    SetUpAsRack(rack);
    FillRack(rack);
    return RackFileBytes(rack, kRackFileFormat);
}

const QStringList kBounds = {"Left", "Top", "Width", "Height"};

}  // namespace

TEST(StandardKindsStream, NewControlsWriteOnlyWhatTheirKindSets) {
    TForm rack(nullptr);
    SetUpAsRack(rack);
    NewLabel(rack, 8, 8);
    NewEdit(rack, 8, 40);
    NewMemo(rack, 8, 80);
    NewImage(rack, 200, 8);
    NewComboBox(rack, 200, 120);
    const TObjectRecord root = WriteComponentTree(rack);

    EXPECT_EQ(Names(Child(root, u"label1").Properties),
              kBounds + QStringList({"Caption", "Transparent"}));
    EXPECT_EQ(Find(Child(root, u"label1"), u"Caption").Value.Text, "label1");
    // A flat edit box: Ctl3D where Constraints and DragCursor would be, ParentCtl3D where
    // ParentColor and ParentFont would be. An edit box and a memo start without text, and a new
    // memo takes Tab keys.
    EXPECT_EQ(Names(Child(root, u"edit1").Properties),
              kBounds + QStringList({"Ctl3D", "ParentCtl3D", "TabOrder"}));
    EXPECT_EQ(Names(Child(root, u"memo1").Properties),
              kBounds + QStringList({"Ctl3D", "ParentCtl3D", "TabOrder", "WantTabs"}));
    EXPECT_EQ(Names(Child(root, u"image1").Properties), kBounds + QStringList({"Stretch"}));
    EXPECT_EQ(Names(Child(root, u"ddown1").Properties),
              kBounds + QStringList({"Style", "ItemHeight", "TabOrder"}));
    EXPECT_EQ(Find(Child(root, u"ddown1"), u"Style").Value.Text, "csDropDownList");
    EXPECT_EQ(Find(Child(root, u"ddown1"), u"ItemHeight").Value.Integer, 13);

    // Non-windowed controls first, each group in the order it was placed.
    QStringList order;
    for (const TObjectRecord& c : root.Children)
        order << c.Name;
    EXPECT_EQ(order, QStringList({"label1", "image1", "edit1", "memo1", "ddown1"}));
}

TEST(StandardKindsStream, ListsAndPictureAreWrittenAtTheirOwnersPlace) {
    const TObjectRecord root = ReadRackTree(SavedRack());

    const TObjectRecord& memo = Child(root, u"memo1");
    EXPECT_EQ(
        Names(memo.Properties),
        kBounds + QStringList({"Ctl3D", "Lines.Strings", "ParentCtl3D", "TabOrder", "WantTabs"}));
    const TStreamValue& lines = Find(memo, u"Lines.Strings").Value;
    ASSERT_EQ(lines.Type, TValueType::vaList);
    ASSERT_EQ(lines.List.size(), 3u);
    EXPECT_EQ(lines.List[0].Type, TValueType::vaString);
    EXPECT_EQ(lines.List[1].Type, TValueType::vaWString);  // the empty line
    EXPECT_EQ(lines.List[1].Text, QString());
    EXPECT_EQ(lines.List[2].Type, TValueType::vaUTF8String);  // the degree sign
    EXPECT_EQ(lines.List[2].Text, kDegrees);

    const TObjectRecord& combo = Child(root, u"ddown1");
    EXPECT_EQ(Names(combo.Properties),
              kBounds + QStringList({"Style", "ItemHeight", "ItemIndex", "TabOrder", "Text",
                                     "Items.Strings"}));
    EXPECT_EQ(Find(combo, u"ItemIndex").Value.Integer, 1);
    EXPECT_EQ(Find(combo, u"Text").Value.Text, "mid");
    EXPECT_EQ(Find(combo, u"Items.Strings").Value.List.size(), 3u);

    const TObjectRecord& image = Child(root, u"image1");
    EXPECT_EQ(Names(image.Properties), kBounds + QStringList({"Picture.Data", "Stretch"}));
    const TStreamValue& data = Find(image, u"Picture.Data").Value;
    EXPECT_EQ(data.Type, TValueType::vaBinary);
    EXPECT_EQ(data.Bytes.left(8), QByteArray("\x07TBitmap"));
    EXPECT_EQ(data.Bytes.mid(12, 2), QByteArray("BM"));
}

TEST(StandardKindsStream, TextFormShowsListsAsTheyAreStored) {
    TForm rack(nullptr);
    SetUpAsRack(rack);
    FillRack(rack);
    const QString text = QString::fromUtf8(RackFileBytes(rack, kTextFormat));

    EXPECT_TRUE(
        text.contains(QStringLiteral("  object memo1: TMemo\r\n"
                                     "    Left = 200\r\n"
                                     "    Top = 8\r\n"
                                     "    Width = 185\r\n"
                                     "    Height = 89\r\n"
                                     "    Ctl3D = False\r\n"
                                     "    Lines.Strings = (\r\n"
                                     "      'first'\r\n"
                                     "      ''\r\n"
                                     "      '20 '#176'C')\r\n"
                                     "    ParentCtl3D = False\r\n"
                                     "    TabOrder = 1\r\n"
                                     "    WantTabs = True\r\n"
                                     "  end\r\n")))
        << text.toStdString();
    EXPECT_TRUE(
        text.contains(QStringLiteral("  object ddown1: TComboBox\r\n"
                                     "    Left = 200\r\n"
                                     "    Top = 120\r\n"
                                     "    Width = 145\r\n"
                                     "    Height = 21\r\n"
                                     "    Style = csDropDownList\r\n"
                                     "    ItemHeight = 13\r\n"
                                     "    ItemIndex = 1\r\n"
                                     "    TabOrder = 2\r\n"
                                     "    Text = 'mid'\r\n"
                                     "    Items.Strings = (\r\n"
                                     "      'low'\r\n"
                                     "      'mid'\r\n"
                                     "      'high')\r\n"
                                     "  end\r\n")))
        << text.toStdString();
    // The class name of the graphic opens the picture's bytes.
    EXPECT_TRUE(
        text.contains(QStringLiteral("    Picture.Data = {\r\n"
                                     "      07544269746D6170")))
        << text.toStdString();
}

TEST(StandardKindsStream, LoadingRebuildsTheControlsAndSavesTheSameBytes) {
    const QByteArray file = SavedRack();  // the source rack is gone, so the name stays free
    TForm rack(nullptr);
    const TReadResult result = LoadRackBytes(file, rack, StandardKinds());
    EXPECT_EQ(result.ObjectCount, 6);
    EXPECT_EQ(rack.Name(), QStringLiteral("frmRack"));

    auto* label = dynamic_cast<TLabel*>(rack.FindComponent(u"label1"));
    auto* edit = dynamic_cast<TEdit*>(rack.FindComponent(u"edit1"));
    auto* memo = dynamic_cast<TMemo*>(rack.FindComponent(u"memo1"));
    auto* image = dynamic_cast<TImage*>(rack.FindComponent(u"image1"));
    auto* combo = dynamic_cast<TComboBox*>(rack.FindComponent(u"ddown1"));
    ASSERT_TRUE(label && edit && memo && image && combo);
    for (TControl* c : std::initializer_list<TControl*>{label, edit, memo, image, combo}) {
        EXPECT_EQ(c->Parent(), &rack) << c->Name().toStdString();
        EXPECT_EQ(c->Owner(), &rack) << c->Name().toStdString();
    }

    EXPECT_EQ(label->Caption(), QStringLiteral("label1"));
    EXPECT_TRUE(label->Transparent());
    EXPECT_EQ(label->Left(), 8);
    EXPECT_FALSE(edit->Ctl3D());
    EXPECT_FALSE(edit->ParentCtl3D());
    EXPECT_EQ(edit->Top(), 160);
    ASSERT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(0), QStringLiteral("first"));
    EXPECT_EQ(memo->Lines()->Strings(1), QString());
    EXPECT_EQ(memo->Lines()->Strings(2), kDegrees);
    EXPECT_TRUE(image->Stretch());
    ASSERT_EQ(image->Picture()->Width(), 5);
    ASSERT_EQ(image->Picture()->Height(), 3);
    const auto expected = Gradient(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(image->Picture()->Graphic()->Pixels(x, y), expected->Pixels(x, y));
    EXPECT_EQ(combo->Style(), TComboBoxStyle::csDropDownList);
    EXPECT_EQ(combo->Items()->CommaText(), QStringLiteral("low,mid,high"));
    EXPECT_EQ(combo->ItemIndex(), 1);  // stored before its items, applied once they are read
    EXPECT_EQ(combo->Text(), QStringLiteral("mid"));

    EXPECT_EQ(RackFileBytes(rack, kRackFileFormat).toHex(' ').toStdString(),
              file.toHex(' ').toStdString());
}

// Read into a rack on the screen, each windowed control gets its window when loading ends, shown,
// with what was read, and linked into the focus chain in tab order.
TEST(StandardKindsStream, ControlsReadIntoAShownRackGetTheirWindowsInTabOrder) {
    const QByteArray file = SavedRack();
    TForm rack(nullptr);
    rack.Show();
    LoadRackBytes(file, rack, StandardKinds());

    std::vector<TWinControl*> byTabOrder(rack.WindowedChildren().size());
    for (TWinControl* c : rack.WindowedChildren()) {
        ASSERT_TRUE(c->HandleAllocated()) << c->Name().toStdString();
        EXPECT_TRUE(c->WindowHandle()->isVisible()) << c->Name().toStdString();
        byTabOrder.at(static_cast<std::size_t>(c->TabOrder())) = c;
    }
    std::vector<TWinControl*> chain;
    for (QWidget* w = rack.WindowHandle()->nextInFocusChain(); w != rack.WindowHandle();
         w = w->nextInFocusChain())
        if (TWinControl* c = TWinControl::FindControl(w); c && c->Parent() == &rack)
            chain.push_back(c);
    EXPECT_EQ(chain, byTabOrder);

    auto* combo = dynamic_cast<TComboBox*>(rack.FindComponent(u"ddown1"));
    ASSERT_NE(combo, nullptr);
    auto* box = qobject_cast<QComboBox*>(combo->WindowHandle());
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->isEditable());
    EXPECT_EQ(box->count(), 3);
    EXPECT_EQ(box->currentText(), QStringLiteral("mid"));
}
