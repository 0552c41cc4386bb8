// The instrument base classes on a shown form: off-screen image painting, repaint requests while
// loading, transparency over a background that changes from place to place, paint messages.

#include <gtest/gtest.h>

#include <QCoreApplication>

#include "instruments/base/vrcontrols.h"
#include "support/testwindows.h"
#include "toolkit/core/classbuilder.h"
#include "toolkit/graphics/canvas.h"

namespace mox {
namespace {

// A background whose colour differs in every column, like a gradient panel. Its colours can be
// changed without telling anyone, to see whether a snapshot was reused or retaken.
class TStripes : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    int Green = 100;
    static TColor At(int x, int green) { return RGB(x % 256, green, 0); }

protected:
    void Paint() override {
        for (int x = 0; x < Width(); ++x) {
            Canvas()->Brush()->SetColor(At(Left() + x, Green));
            Canvas()->FillRect(Rect(x, 0, x + 1, Height()));
        }
    }
};

// An output instrument in miniature: a 2 × 2 square of ink at (1, 1).
class TSwatch : public TVrGraphicImageControl {
public:
    explicit TSwatch(TComponent* owner) : TVrGraphicImageControl(owner) {
        SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
        SetColor(clWhite);
    }
    int Paints = 0;
    TColor Ink = clRed;
    void SetInk(TColor value) {
        if (value == Ink) return;
        Ink = value;
        RedrawControl();
    }
    int ForcedWidth = 0;
    void SetBounds(int left, int top, int width, int height) override {
        TVrGraphicImageControl::SetBounds(left, top, ForcedWidth ? ForcedWidth : width, height);
    }

protected:
    void Paint() override {
        ++Paints;
        PrepareImage();
        ImageCanvas()->Brush()->SetColor(Ink);
        ImageCanvas()->FillRect(Rect(1, 1, 3, 3));
        TVrGraphicImageControl::Paint();
    }
};

class TWindowedSwatch : public TVrCustomImageControl {
public:
    explicit TWindowedSwatch(TComponent* owner) : TVrCustomImageControl(owner) {
        SetControlStyle(ControlStyle() + TControlStyle{TControlStyleFlag::csOpaque});
        SetParentColor(false);
        SetColor(clNavy);
    }

protected:
    void Paint() override {
        PrepareImage();
        ImageCanvas()->Brush()->SetColor(clYellow);
        ImageCanvas()->FillRect(Rect(0, 0, 1, 1));
        TVrCustomImageControl::Paint();
    }
};

struct InstrumentControlsTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner);
    TStripes* Stripes = Add<TStripes>(0, 0, 200, 150);
    TSwatch* Swatch = Add<TSwatch>(20, 30, 10, 10);

    template <class T>
    T* Add(int l, int t, int w, int h) {
        auto* c = new T(&Owner);
        c->SetParent(Form);
        c->SetBounds(l, t, w, h);
        return c;
    }
    TColor Screen(int x, int y) {
        const QImage image = Form->Handle()->grab().toImage();
        return FromQColor(image.pixelColor(x, y));
    }
    static void Settle() { QCoreApplication::processEvents(); }
};

TEST_F(InstrumentControlsTest, OpaqueImageIsCopiedToTheScreenAtTheControlsSize) {
    EXPECT_EQ(Screen(21, 31), clRed);
    EXPECT_EQ(Screen(25, 35), clWhite);
    EXPECT_EQ(Screen(30, 35), TStripes::At(30, 100));
    Swatch->SetBounds(20, 30, 40, 12);
    EXPECT_EQ(Swatch->Image().Width(), 40);
    EXPECT_EQ(Swatch->Image().Height(), 12);
    EXPECT_EQ(Screen(58, 40), clWhite);
}

TEST_F(InstrumentControlsTest, NothingPaintsWhileLoadingAndOnePaintFollows) {
    Settle();
    const int before = Swatch->Paints;
    Swatch->BeginLoading();
    Swatch->SetInk(clBlue);
    Swatch->RedrawControl();
    Swatch->ReapplyBounds();
    Settle();
    EXPECT_EQ(Swatch->Paints, before);
    Swatch->Loaded();
    Settle();
    EXPECT_EQ(Swatch->Paints, before + 1);
    EXPECT_EQ(Screen(21, 31), clBlue);
}

TEST_F(InstrumentControlsTest, RedrawControlPaintsAtOnce) {
    Settle();
    const int before = Swatch->Paints;
    Swatch->SetInk(clGreen);
    EXPECT_EQ(Swatch->Paints, before + 1);
    EXPECT_EQ(Swatch->Image().Pixels(1, 1), clGreen);
}

TEST_F(InstrumentControlsTest, EqualTransparentChangesNothing) {
    Settle();
    const int before = Swatch->Paints;
    const TControlStyle style = Swatch->ControlStyle();
    Swatch->SetTransparent(false);
    EXPECT_EQ(Swatch->Paints, before);
    EXPECT_EQ(Swatch->ControlStyle(), style);
    Swatch->SetTransparent(true);
    EXPECT_FALSE(Swatch->ControlStyle().Contains(TControlStyleFlag::csOpaque));
    EXPECT_EQ(Swatch->Paints, before + 1);
    Swatch->SetTransparent(true);
    EXPECT_EQ(Swatch->Paints, before + 1);
}

TEST_F(InstrumentControlsTest, TransparentShowsTheBackgroundAndFollowsAMove) {
    Swatch->SetTransparent(true);
    EXPECT_EQ(Screen(21, 31), clRed);
    EXPECT_EQ(Screen(25, 35), TStripes::At(25, 100));
    EXPECT_EQ(Screen(29, 39), TStripes::At(29, 100));
    Swatch->SetLeft(70);
    EXPECT_EQ(Screen(75, 35), TStripes::At(75, 100));
    EXPECT_EQ(Screen(71, 31), clRed);
    // Where it was, the background shows again.
    EXPECT_EQ(Screen(25, 35), TStripes::At(25, 100));
}

TEST_F(InstrumentControlsTest, PropertyRedrawReusesTheSnapshotOtherRepaintsRetakeIt) {
    Swatch->SetTransparent(true);
    Form->Repaint();
    EXPECT_EQ(Swatch->Background().Pixels(5, 5), TStripes::At(25, 100));
    Stripes->Green = 200;  // silently: nobody repaints
    Swatch->SetInk(clBlue);
    EXPECT_EQ(Swatch->Image().Pixels(1, 1), clBlue);
    EXPECT_EQ(Swatch->Image().Pixels(5, 5), TStripes::At(25, 100));
    EXPECT_TRUE(Swatch->GrabBackground());
    Form->Repaint();
    EXPECT_EQ(Swatch->Image().Pixels(5, 5), TStripes::At(25, 200));
}

TEST_F(InstrumentControlsTest, DesignTimeNeverReusesTheSnapshot) {
    Swatch->SetTransparent(true);
    Form->Repaint();
    Swatch->SetDesigning(true);
    Stripes->Green = 30;
    Swatch->SetInk(clBlue);
    EXPECT_EQ(Swatch->Image().Pixels(5, 5), TStripes::At(25, 30));
}

TEST_F(InstrumentControlsTest, PaintMessageWithoutDeviceContextPaintsNothing) {
    Settle();
    const int before = Swatch->Paints;
    Swatch->Perform(WM_PAINT, 0);
    EXPECT_EQ(Swatch->Paints, before);
    EXPECT_EQ(Swatch->Canvas()->LockCount(), 0);
    EXPECT_EQ(Swatch->ImageCanvas()->LockCount(), 0);
}

TEST_F(InstrumentControlsTest, ReapplyBoundsLetsSetBoundsImposeTheSize) {
    Settle();
    Swatch->ForcedWidth = 33;
    int before = Swatch->Paints;
    Swatch->ReapplyBounds();
    EXPECT_EQ(Swatch->Width(), 33);
    Settle();
    EXPECT_GT(Swatch->Paints, before);
    // Unchanged bounds repaint through RedrawControl.
    before = Swatch->Paints;
    Swatch->ReapplyBounds();
    EXPECT_EQ(Swatch->Paints, before + 1);
    // Without AutoSize, ApplyAutoSize only repaints.
    Swatch->ForcedWidth = 44;
    Swatch->ApplyAutoSize();
    EXPECT_EQ(Swatch->Width(), 33);
    Swatch->SetAutoSize(true);
    EXPECT_EQ(Swatch->Width(), 44);
    Swatch->SetAlign(TAlign::alClient);
    Swatch->ForcedWidth = 12;
    Swatch->ApplyAutoSize();
    EXPECT_NE(Swatch->Width(), 12);
}

TEST_F(InstrumentControlsTest, WhatLiesBehindLeavesOutTheControlsInFront) {
    auto* front = Add<TSwatch>(22, 32, 4, 4);  // above Swatch in z-order
    front->Ink = clBlue;
    QImage behind(10, 10, QImage::Format_RGB32);
    behind.fill(Qt::black);
    Form->PaintBehind(*Swatch, behind, Rect(2, 2, 8, 8));
    EXPECT_EQ(FromQColor(behind.pixelColor(3, 3)), TStripes::At(23, 100));
    EXPECT_EQ(FromQColor(behind.pixelColor(7, 7)), TStripes::At(27, 100));
    // Outside the asked-for rectangle nothing is touched.
    EXPECT_EQ(FromQColor(behind.pixelColor(0, 0)), clBlack);
    EXPECT_EQ(FromQColor(behind.pixelColor(9, 9)), clBlack);
}

TEST_F(InstrumentControlsTest, WindowedInstrumentPaintsItsImage) {
    auto* windowed = Add<TWindowedSwatch>(100, 20, 20, 10);
    EXPECT_EQ(Screen(100, 20), clYellow);
    EXPECT_EQ(Screen(110, 25), clNavy);
    windowed->SetBounds(100, 20, 30, 15);
    EXPECT_EQ(windowed->Image().Width(), 30);
    EXPECT_EQ(Screen(128, 33), clNavy);
}

// Creating, resizing and loading make no pixels (a large rack that is never shown costs none);
// the first paint makes the image at the size the control has then.
TEST(InstrumentImageTest, NoPixelsUntilFirstPaintAndThenTheFullPicture) {
    TComponent owner(nullptr);
    auto* form = new TForm(&owner);  // not shown yet: nothing paints
    form->SetBounds(10, 10, 260, 150);
    auto* opaque = new TSwatch(&owner);
    auto* clear = new TSwatch(&owner);
    auto* windowed = new TWindowedSwatch(&owner);
    clear->SetTransparent(true);
    int left = 0;
    for (TControl* c : std::initializer_list<TControl*>{opaque, clear, windowed}) {
        left += 60;
        c->SetParent(form);
        c->SetBounds(left, 30, 10, 10);
        c->SetBounds(left, 30, 40, 12);
        c->BeginLoading();
        c->SetBounds(left, 40, 50, 20);
        c->Loaded();
    }
    EXPECT_FALSE(opaque->HasImage());
    EXPECT_FALSE(clear->HasImage());
    EXPECT_TRUE(clear->Background().Empty());
    EXPECT_FALSE(windowed->HasImage());

    form->Show();
    static_cast<void>(QTest::qWaitForWindowExposed(form->Handle()));
    form->Repaint();
    for (const TVrGraphicImageControl* c : {opaque, clear}) {
        EXPECT_EQ(c->Image().Width(), 50);
        EXPECT_EQ(c->Image().Height(), 20);
        EXPECT_EQ(c->Image().Pixels(1, 1), clRed);
    }
    EXPECT_EQ(opaque->Image().Pixels(49, 19), clWhite);
    // The transparent one shows the form behind it, taken at the first paint.
    const QImage screen = form->Handle()->grab().toImage();
    EXPECT_EQ(clear->Background().Width(), 50);
    EXPECT_EQ(clear->Image().Pixels(49, 19), FromQColor(screen.pixelColor(120 + 49, 40 + 19)));
    EXPECT_EQ(clear->Image().Pixels(49, 19), clear->Background().Pixels(49, 19));
    EXPECT_EQ(windowed->Image().Pixels(0, 0), clYellow);
    EXPECT_EQ(windowed->Image().Pixels(49, 19), clNavy);
}

TEST_F(InstrumentControlsTest, NotificationCallbacksAndVersion) {
    std::vector<UINT> heard;
    Swatch->OnMouseEnter = [&](TObject* s) {
        EXPECT_EQ(s, Swatch);
        heard.push_back(CM_MOUSEENTER);
    };
    Swatch->OnMouseLeave = [&](TObject*) { heard.push_back(CM_MOUSELEAVE); };
    Swatch->OnFontChanged = [&](TObject*) { heard.push_back(CM_FONTCHANGED); };
    Swatch->OnTextChanged = [&](TObject*) { heard.push_back(CM_TEXTCHANGED); };
    Swatch->Perform(CM_MOUSEENTER);
    Swatch->Perform(CM_MOUSELEAVE);
    Swatch->Font()->SetSize(20);
    Swatch->SetText(QStringLiteral("x"));
    EXPECT_EQ(heard,
              (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE, CM_FONTCHANGED, CM_TEXTCHANGED}));

    for (const TClassInfo* cls :
         {&TVrGraphicControl::StaticClass(), &TVrCustomControl::StaticClass()}) {
        const TPropInfo* version = cls->FindProperty(u"Version");
        ASSERT_NE(version, nullptr);
        EXPECT_FALSE(version->IsStored(*Swatch));
    }
    EXPECT_EQ(Swatch->Version(), QStringLiteral("3.70"));
}

}  // namespace
}  // namespace mox
