// Collection properties through the real writer and reader: the items' properties in order, the
// text form, optional item indexes, and damaged collections refused with a clear error.
#include <gtest/gtest.h>

#include "rackfile/binarywriter.h"
#include "rackfile/rackio.h"
#include "rackfile/streamconvert.h"
#include "rackfile/textwriter.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/graphiccontrol.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/core/classregistry.h"
#include "toolkit/core/collection.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/colors.h"

using namespace mox;
using namespace mox::rack;

namespace {

class TTrace : public TCollectionItem {
    MOX_CLASS
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor v) {
        FColor = v;
        Changed();
    }
    int Width() const { return FWidth; }
    void SetWidth(int v) {
        FWidth = v;
        Changed();
    }
    void Assign(const TPersistent* source) override {
        const auto* other = dynamic_cast<const TTrace*>(source);
        if (!other) return TCollectionItem::Assign(source);
        FColor = other->FColor;
        FWidth = other->FWidth;
    }

private:
    TColor FColor = clYellow;
    int FWidth = 1;
};

class TTraces : public TCollection {
public:
    using TCollection::TCollection;
    int Updates = 0;

protected:
    std::unique_ptr<TCollectionItem> NewItem() const override { return std::make_unique<TTrace>(); }
    void Update(TCollectionItem*) override { ++Updates; }
};

class TPlotter : public TGraphicControl {
    MOX_CLASS
public:
    explicit TPlotter(TComponent* owner) : TGraphicControl(owner) { FTraces.Add(); }
    TTraces* Traces() const { return const_cast<TTraces*>(&FTraces); }
    TTrace* Trace(int i) const { return static_cast<TTrace*>(FTraces.Items(i)); }

private:
    TTraces FTraces{this};
};

const TClassInfo& TTrace::StaticClass() {
    static const TClassInfo info = TClassBuilder<TTrace>("TTrace", TCollectionItem::StaticClass())
                                       .Color("Color", &TTrace::Color, &TTrace::SetColor, clYellow)
                                       .Integer("Width", &TTrace::Width, &TTrace::SetWidth, 1)
                                       .Build();
    return info;
}

const TClassInfo& TPlotter::StaticClass() {
    static const TClassInfo info =
        TClassBuilder<TPlotter>("TPlotter", TGraphicControl::StaticClass())
            .Creatable()
            .Collection("Traces", &TPlotter::Traces)
            .Build();
    return info;
}

TClassRegistry Registry() {
    TClassRegistry r;
    r.RegisterClass(TPlotter::StaticClass());
    return r;
}

// A rack form holding one plotter named "plot", with `traces` traces of widths 1, 2, 3...
QByteArray RackWithTraces(int traces) {
    TForm form(nullptr);
    form.SetName(QStringLiteral("frmRack"));
    auto* plot = new TPlotter(&form);
    plot->SetName(QStringLiteral("plot"));
    plot->SetParent(&form);
    plot->Traces()->Clear();
    for (int i = 0; i < traces; ++i) {
        auto* trace = static_cast<TTrace*>(plot->Traces()->Add());
        trace->SetWidth(i + 1);
    }
    if (traces > 1) plot->Trace(1)->SetColor(clRed);
    return RackFileBytes(form, 0);
}

TPlotter* Load(const QByteArray& file, TForm& form) {
    LoadRackBytes(file, form, Registry());
    return dynamic_cast<TPlotter*>(form.FindComponent(u"plot"));
}

}  // namespace

TEST(CollectionStream, ItemsRoundTripInOrderWithTheirStoredProperties) {
    const QByteArray file = RackWithTraces(3);
    TForm form(nullptr);
    TPlotter* plot = Load(file, form);
    ASSERT_TRUE(plot);
    ASSERT_EQ(plot->Traces()->Count(), 3);  // the trace a new plotter starts with is replaced
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(plot->Trace(i)->Width(), i + 1);
    EXPECT_EQ(plot->Trace(0)->Color(), clYellow);
    EXPECT_EQ(plot->Trace(1)->Color(), clRed);
    EXPECT_EQ(plot->Traces()->Updates, 2) << "the first trace, then one report for the file's";

    // The text form: defaults left out, one block per item.
    TForm reloaded(nullptr);
    Load(file, reloaded);
    const QByteArray text = RackFileBytes(reloaded, 1);
    EXPECT_TRUE(
        text.contains("    Traces = <\r\n"
                      "      item\r\n"
                      "      end\r\n"
                      "      item\r\n"
                      "        Color = clRed\r\n"
                      "        Width = 2\r\n"
                      "      end\r\n"
                      "      item\r\n"
                      "        Width = 3\r\n"
                      "      end>\r\n"))
        << text.toStdString();
}

TEST(CollectionStream, EmptyCollectionIsWrittenAndEmptiesTheLoadedObject) {
    const QByteArray file = RackWithTraces(0);
    const TObjectRecord tree = ReadRackTree(file);
    ASSERT_EQ(tree.Children.size(), 1u);
    ASSERT_EQ(tree.Children[0].Properties.back().Name, QStringLiteral("Traces"));
    EXPECT_EQ(tree.Children[0].Properties.back().Value.Type, TValueType::vaCollection);
    TForm form(nullptr);
    EXPECT_EQ(Load(file, form)->Traces()->Count(), 0);
}

TEST(CollectionStream, ItemIndexesAreAcceptedAndItemsKeepFileOrder) {
    TObjectRecord tree = ReadRackTree(RackWithTraces(2));
    auto& items = tree.Children[0].Properties.back().Value.Items;
    items[0].Index = {TStreamValue::Int(5)};
    items[1].Index = {TStreamValue::Int(0)};
    const QByteArray text = WriteObjectText(tree);
    EXPECT_TRUE(text.contains("item [5]")) << text.toStdString();
    TForm form(nullptr);
    TPlotter* plot = Load(ObjectBinaryToRackFile(ObjectTextToBinary(text)), form);
    ASSERT_EQ(plot->Traces()->Count(), 2);
    EXPECT_EQ(plot->Trace(0)->Width(), 1);
    EXPECT_EQ(plot->Trace(1)->Width(), 2);
}

TEST(CollectionStream, DamagedCollectionsAreRefusedWithTheReason) {
    const TObjectRecord good = ReadRackTree(RackWithTraces(2));
    auto expectRefused = [](const TObjectRecord& tree, const char* reason) {
        TForm form(nullptr);
        try {
            LoadRackBytes(ObjectBinaryToRackFile(WriteObjectStream(tree)), form, Registry());
            ADD_FAILURE() << "accepted, expected: " << reason;
        } catch (const EFilerError& e) {
            EXPECT_TRUE(e.Message().contains(QLatin1String(reason))) << e.Message().toStdString();
        }
    };
    TObjectRecord unknown = good;
    unknown.Children[0].Properties.back().Value.Items[1].Properties.push_back(
        {QStringLiteral("Wobble"), TStreamValue::Int(1), 0});
    expectRefused(unknown, "Property Wobble does not exist");

    TObjectRecord wrongItemValue = good;
    wrongItemValue.Children[0].Properties.back().Value.Items[0].Properties.push_back(
        {QStringLiteral("Width"), TStreamValue::Str(QStringLiteral("wide")), 0});
    expectRefused(wrongItemValue, "Invalid property value for Width");

    TObjectRecord notACollection = good;
    notACollection.Children[0].Properties.back().Value = TStreamValue::Int(3);
    expectRefused(notACollection, "Invalid property value for Traces");

    TObjectRecord collectionForAnInteger = good;
    collectionForAnInteger.Children[0].Properties.push_back(
        {QStringLiteral("Left"), good.Children[0].Properties.back().Value, 0});
    expectRefused(collectionForAnInteger, "Invalid property value for Left");

    // A stream cut off inside an item.
    QByteArray stream = WriteObjectStream(good);
    const qsizetype width2 = stream.indexOf("Width", stream.indexOf("Width") + 1);
    stream.truncate(width2 + 3);
    TForm form(nullptr);
    EXPECT_THROW(LoadRackBytes(ObjectBinaryToRackFile(stream), form, Registry()), Exception);
}

TEST(Collection, AssignCopiesItemsInOneUpdateAndOwnedItemsKnowTheirPlace) {
    TTraces a(nullptr), b(nullptr);
    for (int i = 0; i < 3; ++i)
        static_cast<TTrace*>(a.Add())->SetWidth(10 + i);
    b.Add();
    b.Updates = 0;
    b.Assign(&a);
    EXPECT_EQ(b.Updates, 1);
    ASSERT_EQ(b.Count(), 3);
    EXPECT_EQ(static_cast<TTrace*>(b.Items(2))->Width(), 12);
    EXPECT_EQ(b.Items(2)->Index(), 2);
    EXPECT_EQ(b.Items(2)->Collection(), &b);
    EXPECT_THROW(b.Items(3), EListError);
    EXPECT_THROW(b.Items(-1), EListError);
    b.Delete(0);
    EXPECT_EQ(b.Items(0)->Index(), 0);
    EXPECT_EQ(static_cast<TTrace*>(b.Items(0))->Width(), 11);
}
