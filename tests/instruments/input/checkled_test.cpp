// The check LED: the rings and fill of its box, the accelerator rule, radio groups per parent,
// tracking a press in the box, the hover checker, Space, a disabled LED, and what a rack file
// keeps.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "instruments/input/vrcheckled.h"
#include "rackfile/componentwriter.h"
#include "support/testwindows.h"
#include "toolkit/stdctrls/panel.h"

namespace mox {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(CheckLedGeometryTest, AcceleratorIsTheCharacterAfterTheAmpersand) {
    struct Row {
        const char* Caption;
        char16_t Typed;
        bool Picks;
    };
    const Row rows[] = {
        {"&Power", u'p', true}, {"&Power", u'P', true},  {"Po&wer", u'w', true},
        {"Power", u'p', false}, {"A && B", u'b', false}, {"A && &B", u'b', true},
        {"Ends&", u'&', false}, {"", u'a', false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Caption);
        EXPECT_EQ(IsAccel(QChar(row.Typed), QString::fromUtf8(row.Caption)), row.Picks);
    }
}

struct CheckLedTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 400, 200);
    TPanel* Panel = new TPanel(Form);
    std::vector<QString> Changes;

    CheckLedTest() {
        Panel->SetParent(Form);
        Panel->SetBounds(0, 0, 400, 200);
    }
    ~CheckLedTest() override { TApplication::Instance().SetCaptureControl(nullptr); }
    TVrCheckLed* Add(const QString& name, TVrCheckLedStyle style, int top) {
        auto* led = new TVrCheckLed(Form);
        led->SetName(name);
        led->SetParent(Panel);
        led->SetTop(top);
        led->SetCheckStyle(style);
        led->OnChange = [this, led](TObject*) { Changes.push_back(led->Name()); };
        return led;
    }
    static const TBitmap& Painted(TVrCheckLed* led) {
        led->Repaint();
        TApplication::Instance().ProcessMessages();
        return led->Image();
    }
    static void Send(TVrCheckLed* led, UINT message, TPoint p, WPARAM keys = 0) {
        led->Perform(message, keys, MakeLParam(p.X, p.Y));
    }
    static int CountIn(const TBitmap& image, const TRect& r, TColor color) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += image.Pixels(x, y) == color;
        return n;
    }
    static TPoint Centre(const TRect& r) {
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    static TRect Inner(const TRect& box) {
        return {box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4};
    }
};

TEST_F(CheckLedTest, NewLedIsAnUnlitBoxCentredInTheControl) {
    TVrCheckLed* led = Add(QStringLiteral("checkled1"), TVrCheckLedStyle::csCheckbox, 0);
    led->SetCaption(QString());
    EXPECT_EQ(led->BoundsRect(), (TRect{0, 0, 125, 25}));
    EXPECT_EQ((std::pair{led->CheckWidth(), led->CheckHeight()}), (std::pair{20, 13}));
    EXPECT_EQ(led->BoxRect(), (TRect{54, 7, 74, 20}));
    const TBitmap& image = Painted(led);
    EXPECT_EQ(image.Pixels(54, 7), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(image.Pixels(73, 19), clBlack);
    EXPECT_EQ(image.Pixels(57, 10), clBlack);  // innermost ring, top-left
    EXPECT_EQ(image.Pixels(63, 13), clGreen);
    EXPECT_EQ(image.Pixels(2, 2), ColorToRGB(clBtnFace));
    // Checked, the outer ring turns over and the lamp lights; the inner rings stay.
    led->SetChecked(true);
    const TBitmap& lit = Painted(led);
    EXPECT_EQ(lit.Pixels(54, 7), clBlack);
    EXPECT_EQ(lit.Pixels(73, 19), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(lit.Pixels(57, 10), clBlack);
    EXPECT_EQ(lit.Pixels(63, 13), clLime);
}

TEST_F(CheckLedTest, RadioGroupUnchecksTheOthersOfTheSameParent) {
    TVrCheckLed* a = Add(QStringLiteral("a"), TVrCheckLedStyle::csRadioButton, 0);
    TVrCheckLed* b = Add(QStringLiteral("b"), TVrCheckLedStyle::csRadioButton, 30);
    TVrCheckLed* c = Add(QStringLiteral("c"), TVrCheckLedStyle::csRadioButton, 60);
    TVrCheckLed* box = Add(QStringLiteral("box"), TVrCheckLedStyle::csCheckbox, 90);
    auto* elsewhere = new TVrCheckLed(Form);
    elsewhere->SetParent(Form);
    elsewhere->SetCheckStyle(TVrCheckLedStyle::csRadioButton);
    elsewhere->SetChecked(true);
    a->SetChecked(true);
    box->SetChecked(true);
    Changes.clear();
    b->SetChecked(true);
    EXPECT_EQ(Changes, (std::vector<QString>{"a", "b"}));
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(c->Checked());
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(elsewhere->Checked());
}

TEST_F(CheckLedTest, ClickingACheckedRadioLedUnchecksIt) {
    TVrCheckLed* a = Add(QStringLiteral("a"), TVrCheckLedStyle::csRadioButton, 0);
    a->SetChecked(true);
    const TPoint p = Centre(a->BoxRect());
    Send(a, WM_LBUTTONDOWN, p, MK_LBUTTON);
    Send(a, WM_LBUTTONUP, p);
    EXPECT_FALSE(a->Checked());
}

TEST_F(CheckLedTest, PressInTheBoxReleasedOutsideChangesNothing) {
    TVrCheckLed* led = Add(QStringLiteral("led"), TVrCheckLedStyle::csCheckbox, 0);
    const TRect box = led->BoxRect();
    Send(led, WM_LBUTTONDOWN, Centre(box), MK_LBUTTON);
    EXPECT_TRUE(led->Tracking());
    EXPECT_EQ(Painted(led).Pixels(Centre(box).X, Centre(box).Y), clLime);
    Send(led, WM_LBUTTONUP, {2, 2});
    EXPECT_FALSE(led->Checked());
    EXPECT_TRUE(Changes.empty());
    EXPECT_EQ(Painted(led).Pixels(Centre(box).X, Centre(box).Y), clGreen);
    // Released in the box, it checks and reports it once.
    Send(led, WM_LBUTTONDOWN, Centre(box), MK_LBUTTON);
    Send(led, WM_LBUTTONUP, Centre(box));
    EXPECT_TRUE(led->Checked());
    EXPECT_EQ(Changes.size(), 1u);
}

TEST_F(CheckLedTest, HoverShowsTheCheckerOnlyOverAnUncheckedBox) {
    TVrCheckLed* led = Add(QStringLiteral("led"), TVrCheckLedStyle::csCheckbox, 0);
    led->Palette()->SetLow(clNavy);
    led->Palette()->SetHigh(clYellow);
    const TRect inner = Inner(led->BoxRect());
    Send(led, WM_MOUSEMOVE, Centre(inner));
    EXPECT_TRUE(led->Hot());
    const TBitmap& hot = Painted(led);
    // The pattern is tiled from the image's corner: the colour depends on the pixel's parity.
    for (int y = inner.Top; y < inner.Bottom; ++y)
        for (int x = inner.Left; x < inner.Right; ++x) {
            SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
            EXPECT_EQ(hot.Pixels(x, y), (x + y) % 2 == 0 ? clNavy : clYellow);
        }
    led->SetChecked(true);
    EXPECT_EQ(CountIn(Painted(led), inner, clYellow), inner.Width() * inner.Height());
    led->SetChecked(false);
    led->Perform(CM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(led->Hot());
    EXPECT_EQ(CountIn(Painted(led), inner, clNavy), inner.Width() * inner.Height());
}

TEST_F(CheckLedTest, SpaceFlipsWithoutTheGroupOrAnEvent) {
    TVrCheckLed* a = Add(QStringLiteral("a"), TVrCheckLedStyle::csRadioButton, 0);
    TVrCheckLed* b = Add(QStringLiteral("b"), TVrCheckLedStyle::csRadioButton, 30);
    a->SetChecked(true);
    Changes.clear();
    b->Perform(WM_CHAR, u' ', 0);
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(a->Checked());
    EXPECT_TRUE(Changes.empty());
}

TEST_F(CheckLedTest, AcceleratorChecksThroughTheGroup) {
    TVrCheckLed* a = Add(QStringLiteral("a"), TVrCheckLedStyle::csRadioButton, 0);
    TVrCheckLed* b = Add(QStringLiteral("b"), TVrCheckLedStyle::csRadioButton, 30);
    b->SetCaption(QStringLiteral("&Beta"));
    a->SetChecked(true);
    Changes.clear();
    b->Perform(WM_CHAR, u'b', 0);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(Changes, (std::vector<QString>{"a", "b"}));
}

TEST_F(CheckLedTest, DisabledLedIgnoresPresses) {
    TVrCheckLed* led = Add(QStringLiteral("led"), TVrCheckLedStyle::csCheckbox, 0);
    led->SetEnabled(false);
    const TPoint p = Centre(led->BoxRect());
    Send(led, WM_LBUTTONDOWN, p, MK_LBUTTON);
    EXPECT_FALSE(led->Tracking());
    Send(led, WM_LBUTTONUP, p);
    EXPECT_FALSE(led->Checked());
    Painted(led);
}

TEST_F(CheckLedTest, BoxSidesStayInRangeAndExtremeLayoutsPaintSafely) {
    TVrCheckLed* led = Add(QStringLiteral("led"), TVrCheckLedStyle::csCheckbox, 0);
    led->SetCheckWidth(kIntMax);
    led->SetCheckHeight(kIntMin);
    EXPECT_EQ((std::pair{led->CheckWidth(), led->CheckHeight()}), (std::pair{40, 10}));
    led->SetMargin(kIntMax);
    led->SetSpacing(kIntMin);
    led->SetCaption(QStringLiteral("Pump"));
    Painted(led);
    led->SetLayout(TVrImageTextLayout::ImageBottom);
    led->SetMargin(-1);
    led->SetSpacing(-1);
    Painted(led);
    led->SetBounds(0, 0, 0, 0);
    Painted(led);
}

TEST(CheckLedStreamTest, NewLedStoresWhatDiffersFromTheDefaults) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* led = new TVrCheckLed(form);
    led->SetName(QStringLiteral("checkled1"));
    led->SetParent(form);
    led->SetCheckStyle(TVrCheckLedStyle::csRadioButton);
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height", "Palette.Low", "Palette.High",
                                  "CheckStyle", "Caption", "TabOrder"}));
}

}  // namespace
}  // namespace mox
