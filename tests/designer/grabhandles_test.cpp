// The grab handles: where they sit, when they show, how they look and which cursor they give.
#include "designer/grabgeometry.h"
#include "support/designertesting.h"
#include "toolkit/graphics/bitmap.h"

using namespace mox;
using namespace mox::test;

namespace {
struct GrabHandlesTest : DesignerTest {
    TBox* Box = Add("box", 16, 16, 80, 40);
    TBox* Other = Add("other", 200, 100, 40, 40);

    TGrabHandles* Handles() const { return Designer->GrabHandles(); }
    std::vector<TPoint> Corners() const {
        std::vector<TPoint> out;
        for (TGrabPosition i : kGrabPositions)
            out.push_back(Handles()->Items(i)->BoundsRect().TopLeft());
        return out;
    }
    bool AllShown() const {
        for (TGrabPosition i : kGrabPositions)
            if (!Handles()->Items(i)->Handle()->isVisible()) return false;
        return true;
    }
    bool AllHidden() const {
        for (TGrabPosition i : kGrabPositions)
            if (Handles()->Items(i)->Handle()->isVisible()) return false;
        return true;
    }
};
}  // namespace

TEST_F(GrabHandlesTest, EightHiddenHandlesLiveOnTheFormWhileActive) {
    Activate();
    ASSERT_NE(Handles(), nullptr);
    EXPECT_TRUE(AllHidden());
    EXPECT_FALSE(Handles()->Visible());
    EXPECT_TRUE(Handles()->Enabled());
    for (TGrabPosition i : kGrabPositions) {
        TGrabHandle* h = Handles()->Items(i);
        EXPECT_EQ(h->Position(), i);
        EXPECT_EQ(h->Parent(), Form);
        EXPECT_EQ(h->Owner(), Handles());  // not the form's: never listed or saved
        EXPECT_EQ(h->Cursor(), GrabCursor(i));
        EXPECT_EQ(Handles()->PositionOf(h->Handle()), i);
        EXPECT_EQ(Handles()->HandleOf(h->Handle()), h);
    }
    EXPECT_EQ(Handles()->PositionOf(Box->Handle()), TGrabPosition::gpNone);
    EXPECT_EQ(Handles()->HandleOf(nullptr), nullptr);

    Designer->SetActive(false);
    EXPECT_EQ(Designer->GrabHandles(), nullptr);
    for (int i = 0; i < Form->ControlCount(); ++i)
        EXPECT_EQ(dynamic_cast<TGrabHandle*>(Form->Controls(i)), nullptr);
}

TEST_F(GrabHandlesTest, HandlesSurroundTheSingleSelectedControl) {
    Activate();
    Designer->SetControl(Box);
    EXPECT_TRUE(Handles()->Visible());
    EXPECT_TRUE(AllShown());
    EXPECT_EQ(Corners(),
              (std::vector<TPoint>{
                  {14, 14}, {14, 33}, {14, 53}, {53, 14}, {53, 53}, {93, 14}, {93, 33}, {93, 53}}));
    EXPECT_EQ(Handles()->Items(TGrabPosition::gpLeftTop)->Width(), 5);
    // In front of the control they surround, so presses on them reach their own windows.
    EXPECT_EQ(Form->Handle()->childAt(16, 16),
              Handles()->Items(TGrabPosition::gpLeftTop)->Handle());
    EXPECT_TRUE(Handles()->IsGrabHandle(Handles()->Items(TGrabPosition::gpLeftBottom)));
    EXPECT_FALSE(Handles()->IsGrabHandle(Box));

    Designer->SetGrabSize(9);
    EXPECT_EQ(Handles()->Items(TGrabPosition::gpRightBottom)->Width(), 9);
    EXPECT_EQ(Corners(),
              (std::vector<TPoint>{
                  {12, 12}, {12, 31}, {12, 51}, {51, 12}, {51, 51}, {91, 12}, {91, 31}, {91, 51}}));
    EXPECT_EQ(Designer->GrabImage(false).Width(), 9);
}

TEST_F(GrabHandlesTest, TwoSelectedHideTheHandlesAndOneLeftShowsThemAgain) {
    Activate();
    Designer->SetControl(Box);
    Designer->AddControl(Other);
    EXPECT_FALSE(Handles()->Visible());
    EXPECT_TRUE(AllHidden());
    EXPECT_FALSE(Handles()->IsGrabHandle(Handles()->Items(TGrabPosition::gpLeftTop)));
    Designer->DeleteControl(Other);
    EXPECT_TRUE(AllShown());
    EXPECT_EQ(Handles()->Control(), Box);
    EXPECT_EQ(Corners()[0], (TPoint{14, 14}));
}

TEST_F(GrabHandlesTest, AProtectedTargetNeverShowsHandles) {
    Designer->ProtectedControls()->Add(QStringLiteral("box"));
    Activate();
    Designer->SetControl(Box);
    EXPECT_EQ(Designer->Control(), nullptr);
    Handles()->SetControl(Box);
    EXPECT_EQ(Handles()->Control(), Box);
    EXPECT_FALSE(Handles()->Visible());
    EXPECT_TRUE(AllHidden());
}

TEST_F(GrabHandlesTest, LockedControlsShowHandlesInTheLockedColours) {
    Designer->LockedControls()->Add(QStringLiteral("box"));
    Activate();
    Designer->SetControl(Box);
    ASSERT_TRUE(AllShown());
    TGrabHandle* h = Handles()->Items(TGrabPosition::gpBottom);
    EXPECT_TRUE(h->Locked());
    const QImage locked = h->Handle()->grab().toImage();
    EXPECT_EQ(locked.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(locked.pixelColor(2, 2), QColor(0x80, 0x80, 0x80));

    Designer->SetControl(Other);
    EXPECT_FALSE(h->Locked());
    const QImage normal = h->Handle()->grab().toImage();
    EXPECT_EQ(normal.pixelColor(2, 2), QColor(Qt::black));

    Designer->SetNormalGrabFill(clRed);
    EXPECT_EQ(h->Handle()->grab().toImage().pixelColor(2, 2), QColor(Qt::red));
}

TEST_F(GrabHandlesTest, EnabledAndVisibleFlagsCombine) {
    Activate();
    Designer->SetControl(Box);
    Handles()->SetEnabled(false);
    EXPECT_TRUE(AllHidden());
    EXPECT_FALSE(Handles()->Visible());  // disabling takes the visible flag with it
    Handles()->SetVisible(true);
    EXPECT_TRUE(AllHidden());  // still disabled
    Handles()->SetEnabled(true);
    EXPECT_TRUE(AllShown());
    Handles()->SetControl(nullptr);
    EXPECT_TRUE(AllHidden());
    EXPECT_EQ(Handles()->Items(TGrabPosition::gpLeft)->Parent(), Form);
}

TEST_F(GrabHandlesTest, HandlesFollowAlignmentToTheGrid) {
    Box->SetBounds(19, 21, 80, 40);
    Activate();
    Designer->SetControl(Box);
    Designer->AlignToGrid(Box);
    EXPECT_EQ(Box->BoundsRect().TopLeft(), (TPoint{16, 24}));
    EXPECT_EQ(Corners()[0], (TPoint{14, 22}));
}

TEST_F(GrabHandlesTest, HandlesFollowAControlResizedBehindTheDesignersBack) {
    Activate();
    Designer->SetControl(Box);
    // A property sheet or a label's AutoSize changes the bounds without the designer.
    Box->SetBounds(16, 16, 120, 64);
    Pump();
    Pump();
    EXPECT_EQ(Corners()[0], (TPoint{14, 14}));
    EXPECT_EQ(Corners()[kGrabCount - 1], (TPoint{16 + 120 - 3, 16 + 64 - 3}));
    EXPECT_TRUE(AllShown());
}
