// The power button: its frame for every state, the lamp's place and colour, toggling by mouse
// (also dragged off and back) and by Space, the accelerator, settings at the ends of their
// types, and what a rack file keeps.
#include <gtest/gtest.h>

#include <limits>

#include "instruments/input/vrpowerbutton.h"
#include "rackfile/componentwriter.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

TEST(PowerButtonGeometryTest, ContentAndLampStayInsideTheCoordinateSpace) {
    EXPECT_EQ(PowerButtonContent({0, 0, 125, 25}, 1, 2), (TRect{3, 3, 122, 22}));
    EXPECT_EQ(PowerButtonContent({0, 0, 125, 25}, 255, 255).Left, 510);
    EXPECT_EQ(PlacedRect({10, 20}, {12, 12}), (TRect{10, 20, 22, 32}));
    EXPECT_EQ(PlacedRect({10, 20}, {kIntMax, kIntMax}), (TRect{10, 20, kCoordLimit, kCoordLimit}));
    EXPECT_EQ(PlacedRect({kIntMin, 0}, {kIntMax, 1}).Right, -1);
}

struct PowerButtonTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 200);
    TVrPowerButton* Button = new TVrPowerButton(Form);
    int Clicks = 0;

    PowerButtonTest() {
        Button->SetName(QStringLiteral("pbutton1"));
        Button->SetParent(Form);
        Button->OnClick = [this](TObject*) { ++Clicks; };
    }
    ~PowerButtonTest() override { TApplication::Instance().SetCaptureControl(nullptr); }
    const TBitmap& Painted() {
        Button->Repaint();
        TApplication::Instance().ProcessMessages();
        return Button->Image();
    }
    void Send(UINT message, int x, int y, WPARAM keys = 0) {
        Button->Perform(message, keys, MakeLParam(x, y));
    }
    TColor LampCentre() {
        const TRect lamp = Button->LedRect();
        return Painted().Pixels((lamp.Left + lamp.Right) / 2, (lamp.Top + lamp.Bottom) / 2);
    }
};

TEST_F(PowerButtonTest, NewButtonHasTheConstructorValues) {
    EXPECT_EQ(Button->BoundsRect(), (TRect{0, 0, 125, 25}));
    EXPECT_EQ(Button->Caption(), "pbutton1");  // follows its name
    EXPECT_FALSE(Button->Active());
    EXPECT_EQ((std::vector{Button->LedWidth(), Button->LedHeight(), Button->Margin(),
                           Button->Spacing(), Button->OutlineWidth(), Button->BevelWidth()}),
              (std::vector{12, 12, -1, 5, 1, 2}));
    EXPECT_EQ(Button->Color(), clBtnFace);
    EXPECT_EQ(Button->FocusColor(), clBlue);
    EXPECT_EQ(Button->Palette()->Low(), clGreen);
    EXPECT_EQ(LampCentre(), clGreen);
}

TEST_F(PowerButtonTest, AClickTogglesLightsTheLampAndClicksOnce) {
    Send(WM_LBUTTONDOWN, 60, 12, MK_LBUTTON);
    EXPECT_TRUE(Button->Pressed());
    EXPECT_EQ(Clicks, 0);
    Send(WM_LBUTTONUP, 60, 12);
    EXPECT_TRUE(Button->Active());
    EXPECT_FALSE(Button->Pressed());
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(LampCentre(), clLime);
    // Setting Active is no click.
    Button->SetActive(false);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(PowerButtonTest, DraggedOffBeforeTheReleaseItTogglesNothing) {
    Send(WM_LBUTTONDOWN, 60, 12, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 200, 12, MK_LBUTTON);
    EXPECT_FALSE(Button->Pressed());
    Send(WM_LBUTTONUP, 200, 12);
    EXPECT_FALSE(Button->Active());
    EXPECT_EQ(Clicks, 0);
    // Dragged back in before the release, it toggles.
    Send(WM_LBUTTONDOWN, 60, 12, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 200, 12, MK_LBUTTON);
    Send(WM_MOUSEMOVE, 61, 12, MK_LBUTTON);
    EXPECT_TRUE(Button->Pressed());
    Send(WM_LBUTTONUP, 61, 12);
    EXPECT_TRUE(Button->Active());
    EXPECT_EQ(Clicks, 1);
}

TEST_F(PowerButtonTest, SpaceShowsThePressedFaceThenToggles) {
    Button->SetHighlightColor(clWhite);
    Button->SetShadowColor(clGray);
    Button->Perform(WM_KEYDOWN, VK_SPACE, 0);
    EXPECT_TRUE(Button->Pressed());
    const TBitmap& pressed = Painted();
    EXPECT_EQ(pressed.Pixels(0, 0), clBlack);     // outline, top-left
    EXPECT_EQ(pressed.Pixels(124, 24), clWhite);  // sunk outline, bottom-right
    EXPECT_EQ(pressed.Pixels(1, 1), clGray);      // sunk bevel, top-left
    EXPECT_EQ(pressed.Pixels(123, 23), clBlack);  // sunk bevel, bottom-right
    Button->Perform(WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(Button->Active());
    EXPECT_EQ(Clicks, 1);
    const TBitmap& raised = Painted();
    EXPECT_EQ(raised.Pixels(0, 0), clBlack);
    EXPECT_EQ(raised.Pixels(1, 1), clWhite);
    EXPECT_EQ(raised.Pixels(123, 23), clGray);
    // A Space released here that went down elsewhere is no click.
    Button->Perform(WM_KEYUP, VK_SPACE, 0);
    EXPECT_EQ(Clicks, 1);
}

TEST_F(PowerButtonTest, WithoutAnOutlineTheBevelStartsAtTheEdge) {
    Button->SetHighlightColor(clWhite);
    Button->SetOutlineWidth(0);
    EXPECT_EQ(Painted().Pixels(0, 0), clWhite);
    Button->SetOutlineWidth(1);
    Button->SetOutlineColor(clRed);
    EXPECT_EQ(Painted().Pixels(0, 0), clRed);
}

TEST_F(PowerButtonTest, DisabledButtonShowsItsColourInTheLamp) {
    Button->SetActive(true);
    Button->SetColor(clTeal);
    Button->SetEnabled(false);
    EXPECT_EQ(Button->LedColor(), clTeal);
    EXPECT_EQ(LampCentre(), clTeal);
    Send(WM_LBUTTONDOWN, 60, 12, MK_LBUTTON);
    Send(WM_LBUTTONUP, 60, 12);
}

TEST_F(PowerButtonTest, TheAcceleratorClicksWithoutToggling) {
    Button->SetCaption(QStringLiteral("&Power"));
    Button->Perform(WM_CHAR, u'p', 0);
    Button->Perform(WM_CHAR, u'P', 0);
    Button->Perform(WM_CHAR, u'o', 0);
    EXPECT_EQ(Clicks, 2);
    EXPECT_FALSE(Button->Active());
}

TEST_F(PowerButtonTest, SettingsAtTheEndsOfTheirTypesPaintSafely) {
    Button->SetLedWidth(0);
    EXPECT_EQ(Button->LedWidth(), 1);
    Button->SetOutlineWidth(kIntMax);
    EXPECT_EQ(Button->OutlineWidth(), 255);
    Button->SetBevelWidth(-4);
    EXPECT_EQ(Button->BevelWidth(), 0);
    Painted();
    Button->SetLedWidth(kIntMax);
    Button->SetLedHeight(kIntMax);
    Button->SetMargin(kIntMin);
    Button->SetSpacing(kIntMax);
    Painted();
    Button->SetMargin(-1);
    Button->SetSpacing(-1);
    Button->SetLayout(TVrImageTextLayout::ImageBottom);
    Painted();
    Button->SetBounds(0, 0, 0, 0);
    Painted();
}

TEST(PowerButtonStreamTest, NewButtonStoresWhatDiffersFromTheDefaults) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* button = new TVrPowerButton(form);
    button->SetName(QStringLiteral("pbutton1"));
    button->SetParent(form);
    button->SetActive(true);
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    QStringList names;
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height", "Active", "Palette.Low",
                                  "Palette.High", "Caption", "TabOrder"}));
}

}  // namespace
}  // namespace mox
