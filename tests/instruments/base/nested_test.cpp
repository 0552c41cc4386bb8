// Nested property objects (bevel, palette, bitmap collection) and the shared bitmap list: change
// notification, the bevel's rings, and the "Bitmaps" block.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QtEndian>

#include "instruments/base/vrbevel.h"
#include "instruments/base/vrbitmaps.h"
#include "instruments/base/vrpalette.h"
#include "support/canvastesting.h"
#include "toolkit/core/exceptions.h"

namespace mox {
namespace {

using canvastesting::Picture;
using canvastesting::SentinelBitmap;

// Counts the notifications a nested object sends its owner.
struct ChangeCounter {
    int Count = 0;
    void Attach(TVrPersistent& object) {
        object.OnChange = [this](TObject*) { ++Count; };
    }
};

TEST(BevelTest, DefaultsTakeFourPixelsAndPaintThem) {
    TVrBevel bevel;
    TRect area = Rect(0, 0, 10, 10);
    bevel.GetVisibleArea(area);
    EXPECT_EQ(area, Rect(4, 4, 6, 6));

    auto b = SentinelBitmap(10, 10);
    TRect painted = Rect(0, 0, 10, 10);
    bevel.Paint(*b->Canvas(), painted);
    EXPECT_EQ(painted, area);
    const TColor face = ColorToRGB(clBtnFace), light = ColorToRGB(clBtnHighlight),
                 dark = ColorToRGB(clBtnShadow);
    // Outline, raised outer ring, lowered inner ring, one ring of inner space.
    EXPECT_EQ(b->Pixels(0, 0), clBlack);
    EXPECT_EQ(b->Pixels(1, 1), light);
    EXPECT_EQ(b->Pixels(8, 8), dark);
    EXPECT_EQ(b->Pixels(2, 2), dark);
    EXPECT_EQ(b->Pixels(7, 7), light);
    EXPECT_EQ(b->Pixels(3, 5), face);
    EXPECT_EQ(b->Pixels(4, 4), canvastesting::kSentinel);
}

TEST(BevelTest, InvisibleDrawsNothingAndTakesNoRoom) {
    TVrBevel bevel;
    bevel.SetVisible(false);
    auto b = SentinelBitmap(8, 8);
    TRect r = Rect(0, 0, 8, 8);
    bevel.Paint(*b->Canvas(), r);
    EXPECT_EQ(r, Rect(0, 0, 8, 8));
    bevel.GetVisibleArea(r);
    EXPECT_EQ(r, Rect(0, 0, 8, 8));
    EXPECT_EQ(canvastesting::CountPixels(*b, canvastesting::kSentinel), 64);
}

TEST(BevelTest, VisibleAreaAlwaysEqualsWhatPaintShrinks) {
    using S = TVrBevelStyle;
    using O = TVrBevelOutlineStyle;
    for (S outer : {S::bsNone, S::bsLowered, S::bsRaised})
        for (S inner : {S::bsNone, S::bsLowered, S::bsRaised})
            for (O outline : {O::osOuter, O::osInner, O::osNone})
                for (int width : {-2, 0, 3}) {
                    TVrBevel bevel;
                    bevel.SetOuterStyle(outer);
                    bevel.SetInnerStyle(inner);
                    bevel.SetOuterOutline(outline);
                    bevel.SetInnerOutline(outline);
                    bevel.SetBorderWidth(width);
                    bevel.SetInnerWidth(width);
                    bevel.SetOuterSpace(width + 1);
                    auto b = SentinelBitmap(40, 40);
                    TRect painted = Rect(0, 0, 40, 40), computed = painted;
                    bevel.Paint(*b->Canvas(), painted);
                    bevel.GetVisibleArea(computed);
                    EXPECT_EQ(painted, computed);
                }
}

TEST(BevelTest, RingOrderAndLoweredColours) {
    TVrBevel bevel;
    bevel.SetBorderWidth(1);
    bevel.SetBorderColor(clRed);
    bevel.SetOuterOutline(TVrBevelOutlineStyle::osInner);
    bevel.SetOuterStyle(TVrBevelStyle::bsLowered);
    bevel.SetOuterShadow(clNavy);
    bevel.SetOuterHighlight(clYellow);
    bevel.SetInnerStyle(TVrBevelStyle::bsNone);
    bevel.SetInnerSpace(0);
    auto b = SentinelBitmap(8, 1 + 8);
    TRect r = Rect(0, 0, 8, 8);
    bevel.Paint(*b->Canvas(), r);
    // Border, then the lowered outer ring (shadow top-left), then the inner outline.
    EXPECT_EQ(b->Pixels(0, 3), clRed);
    EXPECT_EQ(b->Pixels(1, 3), clNavy);
    EXPECT_EQ(b->Pixels(6, 3), clYellow);
    EXPECT_EQ(b->Pixels(2, 3), clBlack);
    EXPECT_EQ(r, Rect(3, 3, 5, 5));
}

TEST(NotificationTest, SettersNotifyOnlyForNewValues) {
    TVrBevel bevel;
    ChangeCounter counter;
    counter.Attach(bevel);
    bevel.SetInnerWidth(1);
    bevel.SetOuterColor(clBtnFace);
    EXPECT_EQ(counter.Count, 0);
    bevel.SetInnerWidth(2);
    EXPECT_EQ(counter.Count, 1);

    bevel.BeginUpdate();
    bevel.SetInnerWidth(3);
    bevel.SetBorderWidth(4);
    EXPECT_EQ(counter.Count, 1);
    bevel.EndUpdate();
    EXPECT_EQ(counter.Count, 2);
    // An unmatched EndUpdate never takes the counter below zero.
    bevel.EndUpdate();
    EXPECT_EQ(bevel.UpdateCount(), 0);
}

TEST(NotificationTest, AssignCopiesEverythingWithOneNotification) {
    TVrBevel source;
    source.SetBorderWidth(2);
    source.SetInnerColor(clRed);
    source.SetOuterOutline(TVrBevelOutlineStyle::osNone);
    source.SetVisible(false);
    TVrBevel bevel;
    ChangeCounter counter;
    counter.Attach(bevel);
    bevel.Assign(&source);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(bevel.BorderWidth(), 2);
    EXPECT_EQ(bevel.InnerColor(), clRed);
    EXPECT_EQ(bevel.OuterOutline(), TVrBevelOutlineStyle::osNone);
    EXPECT_FALSE(bevel.Visible());

    TVrPalette palette, other;
    other.SetLow(clNavy);
    other.SetHigh(clAqua);
    counter.Attach(palette);
    palette.Assign(&other);
    EXPECT_EQ(counter.Count, 2);
    EXPECT_EQ(palette.Colors(0), clNavy);
    EXPECT_EQ(palette.Colors(-5), clNavy);
    EXPECT_EQ(palette.Colors(1), clAqua);

    // Another class is refused, as any persistent refuses what it cannot take.
    EXPECT_THROW(palette.Assign(&bevel), Exception);
}

TEST(PaletteTest, RecolorReplacesBothKeysExactly) {
    TVrPalette palette;
    palette.SetLow(clRed);
    palette.SetHigh(clYellow);
    auto b = SentinelBitmap(3, 1);
    b->SetPixels(0, 0, clMaroon);
    b->SetPixels(1, 0, clRed);
    palette.Recolor(*b, clMaroon, clRed);
    // The low key became red, which is the high key: it stays red.
    EXPECT_EQ(b->Pixels(0, 0), clRed);
    EXPECT_EQ(b->Pixels(1, 0), clYellow);
    EXPECT_EQ(b->Pixels(2, 0), canvastesting::kSentinel);
}

// A filer that records what a class defines.
struct RecordingFiler : TFiler {
    struct Binary {
        QString Name;
        std::function<void(const QByteArray&)> Read;
        std::function<void(QByteArray&)> Write;
        bool HasData;
    };
    std::vector<Binary> Binaries;
    void DefineProperty(const QString&, std::function<void(TReader&)>,
                        std::function<void(TWriter&)>, bool) override {}
    void DefineBinaryProperty(const QString& name, std::function<void(const QByteArray&)> read,
                              std::function<void(QByteArray&)> write, bool hasData) override {
        Binaries.push_back({name, std::move(read), std::move(write), hasData});
    }
};

std::unique_ptr<TBitmap> Solid(int w, int h, TColor c) {
    return SentinelBitmap(w, h, c);
}

TEST(BitmapsTest, EmptyListWritesNoBitmapsProperty) {
    TVrBitmaps bitmaps;
    RecordingFiler filer;
    bitmaps.DefineProperties(filer);
    ASSERT_EQ(filer.Binaries.size(), 1u);
    EXPECT_EQ(filer.Binaries[0].Name, QStringLiteral("Bitmaps"));
    EXPECT_FALSE(filer.Binaries[0].HasData);
    bitmaps.Add(Solid(1, 1, clRed).get());
    RecordingFiler again;
    bitmaps.DefineProperties(again);
    EXPECT_TRUE(again.Binaries[0].HasData);
}

TEST(BitmapsTest, BlockRoundTripsAndReadingReplacesWithOneNotification) {
    TVrBitmaps bitmaps;
    auto red = Solid(3, 2, clRed);
    EXPECT_EQ(bitmaps.Add(red.get()), 0);
    red->SetPixels(0, 0, clBlue);  // the list holds a copy
    bitmaps.Add(Solid(1, 4, clLime).get());
    QByteArray block;
    bitmaps.WriteData(block);
    EXPECT_EQ(block.left(4), QByteArray("\x62\x54\x35\x00", 4));
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(block.constData() + 4), 2u);

    TVrBitmaps copy;
    copy.Add(Solid(9, 9, clWhite).get());
    ChangeCounter counter;
    counter.Attach(copy);
    copy.ReadData(block);
    EXPECT_EQ(counter.Count, 1);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Bitmaps(0)->Width(), 3);
    EXPECT_EQ(copy.Bitmaps(0)->Pixels(0, 0), clRed);
    EXPECT_EQ(copy.Bitmaps(1)->Pixels(0, 3), clLime);
    EXPECT_THROW(copy.Bitmaps(2), EListError);
}

TEST(BitmapsTest, WrongSignatureAndDamageKeepWhatWasRead) {
    TVrBitmaps bitmaps;
    try {
        bitmaps.ReadData(QByteArray("BM\0\0\0\0\0\0", 8));
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid file format"));
    }
    EXPECT_THROW(bitmaps.ReadData(QByteArray("\x62\x54", 2)), Exception);

    TVrBitmaps source;
    source.Add(Solid(2, 2, clRed).get());
    source.Add(Solid(2, 2, clBlue).get());
    QByteArray block;
    source.WriteData(block);
    // Every truncation fails cleanly; the bitmaps before the damage stay.
    for (qsizetype size = 0; size < block.size(); ++size) {
        TVrBitmaps target;
        EXPECT_THROW(target.ReadData(block.left(size)), Exception) << size;
        EXPECT_LE(target.Count(), 1);
    }
    TVrBitmaps target;
    EXPECT_THROW(target.ReadData(block.left(block.size() - 1)), Exception);
    ASSERT_EQ(target.Count(), 1);
    EXPECT_EQ(target.Bitmaps(0)->Pixels(1, 1), clRed);
}

TEST(BitmapsTest, FilesAppendAndAssignCopies) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("thumbs.bin"));
    TVrBitmaps source;
    source.Add(Solid(2, 1, clRed).get());
    source.SaveToFile(path);

    TVrBitmaps target;
    target.Add(Solid(1, 1, clBlue).get());
    target.LoadFromFile(path);
    ASSERT_EQ(target.Count(), 2);
    EXPECT_EQ(target.Bitmaps(1)->Pixels(1, 0), clRed);
    EXPECT_THROW(target.LoadFromFile(dir.filePath(QStringLiteral("missing"))), Exception);

    ChangeCounter counter;
    counter.Attach(target);
    target.Assign(&source);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(target.Count(), 1);
    target.Assign(nullptr);
    EXPECT_EQ(target.Count(), 0);
    TVrPalette unrelated;
    target.Add(Solid(1, 1, clRed).get());
    target.Assign(&unrelated);
    EXPECT_EQ(target.Count(), 1);
}

TEST(BitmapListTest, GetBitmapAndNotificationOrder) {
    TComponent owner(nullptr);
    auto* list = new TVrBitmapList(&owner);
    std::vector<QString> heard;
    TVrChangeLink first, second;
    first.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, list);
        heard.push_back(QStringLiteral("first"));
    };
    second.OnChange = [&](TObject*) { heard.push_back(QStringLiteral("second")); };
    list->OnChange = [&](TObject*) { heard.push_back(QStringLiteral("list")); };
    list->InsertLink(&first);
    list->InsertLink(&second);
    EXPECT_EQ(first.Sender(), list);

    list->Bitmaps()->Add(Solid(1, 1, clRed).get());
    EXPECT_EQ(heard, (std::vector<QString>{"first", "second", "list"}));
    EXPECT_NE(list->GetBitmap(0), nullptr);
    EXPECT_EQ(list->GetBitmap(1), nullptr);
    EXPECT_EQ(list->GetBitmap(-1), nullptr);

    list->RemoveLink(&first);
    EXPECT_EQ(first.Sender(), nullptr);
    EXPECT_EQ(list->LinkCount(), 1);
}

TEST(BitmapListTest, FreeingTheListLeavesLinksWithoutSender) {
    TComponent owner(nullptr);
    auto* list = new TVrBitmapList(&owner);
    auto link = std::make_unique<TVrChangeLink>();
    TVrChangeLink other;
    list->InsertLink(link.get());
    list->InsertLink(&other);
    delete list;
    EXPECT_EQ(link->Sender(), nullptr);
    EXPECT_EQ(other.Sender(), nullptr);
    // Freeing the client afterwards does not touch the freed list (ASan would see it).
    link.reset();
}

TEST(BitmapListTest, ClientsMayUnsubscribeWhileBeingTold) {
    TComponent owner(nullptr);
    auto* list = new TVrBitmapList(&owner);
    auto late = std::make_unique<TVrChangeLink>();
    int lateCalls = 0;
    late->OnChange = [&](TObject*) { ++lateCalls; };
    TVrChangeLink early;
    early.OnChange = [&](TObject*) { late.reset(); };
    list->InsertLink(&early);
    list->InsertLink(late.get());
    list->NotifyClients();
    EXPECT_EQ(lateCalls, 0);
    EXPECT_EQ(list->LinkCount(), 1);

    // A link moved to another list leaves the first one.
    auto* second = new TVrBitmapList(&owner);
    second->InsertLink(&early);
    EXPECT_EQ(list->LinkCount(), 0);
    EXPECT_EQ(early.Sender(), second);
}

}  // namespace
}  // namespace mox
