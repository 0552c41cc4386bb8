// Selecting, moving and resizing with the mouse, the rubber band, double-clicks, the right
// button, cursor feedback and what the controls themselves get to see.
#include <QMenu>
#include <QTimer>

#include "designer/grabgeometry.h"
#include "support/designertesting.h"
#include "toolkit/controls/hintwindow.h"
#include "toolkit/stdctrls/menus.h"

using namespace mox;
using namespace mox::test;

namespace {

struct MouseTest : DesignerTest {
    // Centre of grab handle `position` in form coordinates.
    TPoint HandleAt(TGrabPosition position) const {
        const TRect r = Designer->GrabHandles()->Items(position)->BoundsRect();
        return {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    }
};

}  // namespace

TEST_F(MouseTest, ClickSelectsAndAPressOnEmptyAreaClearsTheSelection) {
    TBox* box = Add("box", 16, 16, 80, 40);
    auto* glyph = Add<TGlyph>("glyph", 150, 16, 40, 40);
    int boxPresses = 0;
    box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++boxPresses; };
    Activate();
    Click({20, 20});
    EXPECT_EQ(Designer->Control(), box);
    EXPECT_EQ(boxPresses, 0);  // the control never sees the designer's clicks
    Click({160, 30});
    EXPECT_EQ(Designer->Control(), glyph);
    Click({300, 200});
    EXPECT_EQ(Designer->ControlCount(), 0);
    EXPECT_EQ(Designer->DragState(), TDragState::None);
}

TEST_F(MouseTest, SnappedMovesGoByWholeGridStepsFromTheStart) {
    TBox* box = Add("box", 3, 16, 80, 40);
    Designer->SetSnapToGrid(true);
    Activate();
    for (auto [by, left] : {std::pair{10, 11}, {12, 19}, {4, 3}}) {
        box->SetLeft(3);
        Drag({20, 30}, {20 + by, 30});
        EXPECT_EQ(box->Left(), left) << "by " << by;
        EXPECT_EQ(box->Top(), 16);
    }
}

TEST_F(MouseTest, MovingShowsThePositionHintAndApplesOnRelease) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    RecordMoves();
    PressAt({20, 20});
    EXPECT_EQ(Designer->DragState(), TDragState::Dragging);
    THintWindow* hint = Designer->HintWindow();
    EXPECT_TRUE(hint->Visible());
    EXPECT_EQ(hint->Caption(), QStringLiteral("16, 16"));
    MoveTo({30, 27});
    EXPECT_EQ(box->BoundsRect().TopLeft(), (TPoint{16, 16}));  // nothing moves before release
    EXPECT_EQ(hint->Caption(), QStringLiteral("26, 23"));
    const TPoint cursor = TApplication::Instance().CursorPos();
    EXPECT_EQ(hint->BoundsRect().TopLeft(), (TPoint{cursor.X, cursor.Y + 18}));
    EXPECT_EQ(TApplication::Instance().GetCapture(), Form->Handle());
    ReleaseAt({30, 27});
    EXPECT_EQ(box->BoundsRect(), Bounds(26, 23, 80, 40));
    EXPECT_FALSE(hint->Visible());
    EXPECT_EQ(Moved, (std::vector<QString>{"box"}));
    EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);
    EXPECT_FALSE(TApplication::Instance().CursorConfined());
    EXPECT_EQ(Designer->GrabHandles()->Items(TGrabPosition::gpLeftTop)->BoundsRect().TopLeft(),
              (TPoint{24, 21}));

    Click({40, 40});  // no movement: nothing applied
    EXPECT_EQ(Moved.size(), 1u);
}

TEST_F(MouseTest, HandlesResizeTheirOwnEdges) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    Designer->SetControl(box);
    PressAt(HandleAt(TGrabPosition::gpLeftTop));
    EXPECT_EQ(Designer->HintWindow()->Caption(), QStringLiteral("80 x 40"));
    EXPECT_EQ(TScreen::Instance().Cursor(), crSizeNWSE);
    MoveTo({HandleAt(TGrabPosition::gpLeftTop).X + 10, HandleAt(TGrabPosition::gpLeftTop).Y + 5});
    EXPECT_EQ(Designer->HintWindow()->Caption(), QStringLiteral("70 x 35"));
    ReleaseAt(
        {HandleAt(TGrabPosition::gpLeftTop).X + 10, HandleAt(TGrabPosition::gpLeftTop).Y + 5});
    EXPECT_EQ(box->BoundsRect(), (TRect{26, 21, 96, 56}));

    // The right handle dragged past the left edge: the edges swap on release.
    const TPoint right = HandleAt(TGrabPosition::gpRight);
    Drag(right, {right.X - 90, right.Y});
    EXPECT_EQ(box->BoundsRect(), (TRect{6, 21, 26, 56}));
}

TEST_F(MouseTest, SizeLimitsApplyOnRelease) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    Designer->SetControl(box);
    Designer->OnSizeLimit = [](TObject*, TControl*, TPoint& minSize, TPoint& maxSize) {
        EXPECT_EQ(maxSize.X, std::numeric_limits<int>::max());
        minSize = {30, 30};
        maxSize = {100, 45};
    };
    const TPoint corner = HandleAt(TGrabPosition::gpRightBottom);
    Drag(corner, {corner.X - 70, corner.Y + 40});
    EXPECT_EQ(box->BoundsRect(), Bounds(16, 16, 30, 45));
}

TEST_F(MouseTest, MoveLimitConfinesTheDrag) {
    TBox* box = Add("box", 16, 16, 40, 40);
    Activate();
    Designer->OnMoveLimit = [&](TObject* sender, TControl* c, TRect& limit) {
        EXPECT_EQ(sender, Designer);
        EXPECT_EQ(c, box);
        EXPECT_EQ(limit, Form->ClientRect());
        limit = {0, 0, 100, 100};
    };
    Drag({20, 20}, {300, 200});
    // The pointer stopped at (99, 99): moved by (79, 79).
    EXPECT_EQ(box->BoundsRect().TopLeft(), (TPoint{95, 95}));
}

TEST_F(MouseTest, LockedControlsAreSelectedButNeverMoved) {
    TBox* locked = Add("locked", 16, 16, 80, 40);
    Designer->LockedControls()->Add(QStringLiteral("locked"));
    Activate();
    RecordMoves();
    Drag({20, 20}, {60, 60});
    EXPECT_EQ(Designer->Control(), locked);
    EXPECT_EQ(locked->BoundsRect(), Bounds(16, 16, 80, 40));
    // Its handles cannot be dragged either.
    EXPECT_TRUE(Designer->GrabHandles()->Items(TGrabPosition::gpRightBottom)->Locked());
    const TPoint corner = HandleAt(TGrabPosition::gpRightBottom);
    Drag(corner, {corner.X + 30, corner.Y + 30});
    EXPECT_EQ(locked->BoundsRect(), Bounds(16, 16, 80, 40));
    EXPECT_TRUE(Moved.empty());
    EXPECT_TRUE(Designer->GrabHandles()->Visible());
}

TEST_F(MouseTest, ShiftClickAddsAndRemovesButNeverTheLastOne) {
    TBox* a = Add("a", 16, 16, 40, 40);
    TBox* b = Add("b", 100, 16, 40, 40);
    Activate();
    Click({20, 20});
    Click({110, 20}, Qt::ShiftModifier);
    ASSERT_EQ(Designer->ControlCount(), 2);
    EXPECT_EQ(Designer->Control(), b);
    EXPECT_FALSE(Designer->GrabHandles()->Visible());
    EXPECT_TRUE(Designer->HasSelectionMarks(a));
    EXPECT_TRUE(Designer->HasSelectionMarks(b));
    EXPECT_EQ(a->BoundsRect(), Bounds(16, 16, 40, 40));  // a Shift-click never drags

    PressAt({110, 20}, Qt::ShiftModifier);
    EXPECT_EQ(Designer->ControlCount(), 1);
    EXPECT_FALSE(Designer->HasSelectionMarks(a));
    EXPECT_FALSE(Designer->HasSelectionMarks(b));
    EXPECT_FALSE(Designer->GrabHandles()->Visible());  // back when the button is released
    ReleaseAt({110, 20}, Qt::ShiftModifier);
    EXPECT_TRUE(Designer->GrabHandles()->Visible());
    EXPECT_EQ(Designer->GrabHandles()->Control(), a);

    Click({20, 20}, Qt::ShiftModifier);  // the only selected control stays
    EXPECT_EQ(Designer->Control(), a);
}

TEST_F(MouseTest, DraggingOneOfSeveralMovesThemAllButDropsLockedOnes) {
    TBox* a = Add("a", 40, 40, 40, 40);
    TBox* b = Add("b", 100, 20, 40, 40);
    TBox* c = Add("c", 200, 60, 40, 40);
    Designer->LockedControls()->Add(QStringLiteral("c"));
    Activate();
    RecordMoves();
    Click({50, 50});
    Click({110, 30}, Qt::ShiftModifier);
    Click({210, 70}, Qt::ShiftModifier);
    ASSERT_EQ(Designer->ControlCount(), 3);

    PressAt({50, 50});
    EXPECT_EQ(Designer->ControlCount(), 2);  // the locked one leaves at the press
    EXPECT_LT(Designer->IndexOf(c), 0);
    EXPECT_EQ(Designer->Control(), a);
    EXPECT_EQ(Designer->DragFeedback().Outlines().size(), 2u);
    MoveTo({66, 58});
    // The hint shows the common bounding box's new left-top, not a's.
    EXPECT_EQ(Designer->HintWindow()->Caption(), QStringLiteral("56, 28"));
    ReleaseAt({66, 58});
    EXPECT_EQ(a->BoundsRect().TopLeft(), (TPoint{56, 48}));
    EXPECT_EQ(b->BoundsRect().TopLeft(), (TPoint{116, 28}));
    EXPECT_EQ(c->BoundsRect().TopLeft(), (TPoint{200, 60}));
    EXPECT_EQ(Moved, (std::vector<QString>{"a", "b"}));
    EXPECT_TRUE(Designer->DragFeedback().Outlines().empty());
    EXPECT_TRUE(Designer->HasSelectionMarks(a));
    EXPECT_TRUE(Designer->HasSelectionMarks(b));
}

TEST_F(MouseTest, RubberBandCatchesWhatItTouches) {
    TBox* box = Add("box", 16, 16, 80, 40);
    auto* glyph = Add<TGlyph>("glyph", 120, 16, 40, 40);
    Activate();
    Click({20, 20});
    PressAt({5, 5});
    EXPECT_EQ(Designer->DragState(), TDragState::RubberBand);
    EXPECT_EQ(Designer->ControlCount(), 0);
    EXPECT_FALSE(Designer->GrabHandles()->Visible());
    ReleaseAt({5, 5});
    EXPECT_EQ(Designer->ControlCount(), 0);  // no movement: nothing selected
    EXPECT_EQ(Designer->DragState(), TDragState::None);

    // The band anchors where the mouse first moves; it catches the box by one corner pixel.
    PressAt({5, 5});
    MoveTo({6, 6});
    MoveTo({17, 17});
    ASSERT_EQ(Designer->DragFeedback().Outlines().size(), 1u);
    EXPECT_EQ(Designer->DragFeedback().Outlines()[0].Kind, TOutlineKind::Band);
    ReleaseAt({17, 17});
    EXPECT_EQ(Designer->Control(), box);
    EXPECT_TRUE(Designer->GrabHandles()->Visible());
    EXPECT_TRUE(Designer->DragFeedback().Outlines().empty());
    EXPECT_FALSE(Designer->Suspended());

    PressAt({5, 5});
    MoveTo({6, 6});
    MoveTo({16, 16});  // ends just short of the box
    ReleaseAt({16, 16});
    EXPECT_EQ(Designer->ControlCount(), 0);

    // Dragged backwards over both: both selected, marks instead of handles.
    PressAt({300, 100});
    MoveTo({299, 99});
    MoveTo({50, 50});
    ReleaseAt({50, 50});
    EXPECT_EQ(Designer->ControlCount(), 2);
    EXPECT_EQ(Designer->Control(), box);  // windowed children come after the others
    EXPECT_TRUE(Designer->HasSelectionMarks(glyph));
    EXPECT_FALSE(Designer->GrabHandles()->Visible());
}

TEST_F(MouseTest, CtrlPressOnAControlStartsABand) {
    TBox* box = Add("box", 16, 16, 80, 40);
    TBox* other = Add("other", 120, 16, 40, 40);
    Activate();
    Click({20, 20});
    PressAt({130, 30}, Qt::ControlModifier);
    EXPECT_EQ(Designer->DragState(), TDragState::RubberBand);
    EXPECT_EQ(Designer->ControlCount(), 0);
    MoveTo({131, 31});
    MoveTo({60, 40});
    ReleaseAt({60, 40}, Qt::ControlModifier);
    EXPECT_EQ(Designer->ControlCount(), 2);
    EXPECT_GE(Designer->IndexOf(box), 0);
    EXPECT_EQ(other->BoundsRect(), Bounds(120, 16, 40, 40));
}

TEST_F(MouseTest, BandInsideAContainerSelectsNothing) {
    auto* panel = Add<TContainer>("panel", 10, 10, 200, 150);
    Add("inner", 20, 20, 40, 40, panel);
    Activate();
    PressAt({15, 15}, Qt::ControlModifier);  // on the panel: the band belongs to the panel
    MoveTo({16, 16});
    MoveTo({100, 100});
    ReleaseAt({100, 100}, Qt::ControlModifier);
    EXPECT_EQ(Designer->ControlCount(), 0);
}

TEST_F(MouseTest, NestedAndProtectedControlsAreNotSelected) {
    auto* panel = Add<TContainer>("panel", 10, 10, 200, 150);
    TBox* inner = Add("inner", 20, 20, 40, 40, panel);
    TBox* guarded = Add("guarded", 250, 20, 40, 40);
    guarded->SetTabStop(true);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    int guardedPresses = 0;
    guarded->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++guardedPresses; };
    Activate();
    Click({300, 200});
    Click({40, 40});  // on inner
    EXPECT_EQ(Designer->ControlCount(), 0);
    EXPECT_EQ(inner->BoundsRect(), Bounds(20, 20, 40, 40));

    Click({20, 15});  // on the panel
    EXPECT_EQ(Designer->Control(), panel);
    Click({260, 30});  // a protected control works as in a running program
    EXPECT_EQ(guardedPresses, 1);
    EXPECT_EQ(Designer->ControlCount(), 0);  // pmUnselect
    EXPECT_TRUE(guarded->Focused());
}

TEST_F(MouseTest, DoubleClickOnlyWhereThePressWas) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    std::vector<TControl*> clicked;
    Designer->OnControlDblClick = [&](TObject*, TControl* c) { clicked.push_back(c); };
    HookRecorder hook;
    QTest::mouseDClick(WindowOf(Form), Qt::LeftButton, {}, InWindow(Form, {30, 30}));
    Pump();
    ASSERT_EQ(hook.Of(WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_EQ(clicked, (std::vector<TControl*>{box}));
    ReleaseAt({30, 30});

    // Moved between the clicks. The window system reports the second press and the
    // double-click together, before anything posted runs; the test framework keeps its own
    // presses apart, so these two are sent the way the window system sends them.
    clicked.clear();
    hook.Seen.clear();
    Press(Form, {40, 30});
    Release(Form, {40, 30});
    const QPoint at = InWindow(Form, {42, 30});
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick}) {
        QMouseEvent e(type, at, Form->Handle()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      {});
        QApplication::sendEvent(WindowOf(Form), &e);
    }
    Release(Form, {42, 30});
    Pump();
    ASSERT_EQ(hook.Of(WM_LBUTTONDBLCLK).size(), 1u);
    EXPECT_TRUE(clicked.empty());
}

TEST_F(MouseTest, RightClickSelectsAndShowsThePopupAtTheCursor) {
    TBox* a = Add("a", 16, 16, 40, 40);
    TBox* b = Add("b", 100, 16, 40, 40);
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(Form);
    item->SetCaption(QStringLiteral("Properties"));
    menu->Add(item);
    std::vector<bool> suspendedAtPopup;
    menu->OnPopup = [&](TObject*) {
        suspendedAtPopup.push_back(Designer->Suspended());
        QTimer::singleShot(0, [] {
            if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        });
    };
    Designer->SetPopupMenu(menu);
    Activate();
    Click({20, 20});
    Click({110, 20}, Qt::ShiftModifier);
    ASSERT_EQ(Designer->ControlCount(), 2);

    // On a selected control the selection stays.
    Press(Form, {20, 20}, {}, Qt::RightButton);
    Release(Form, {20, 20}, {}, Qt::RightButton);
    Pump();
    EXPECT_EQ(Designer->ControlCount(), 2);
    EXPECT_EQ(suspendedAtPopup, (std::vector<bool>{true}));
    EXPECT_FALSE(Designer->Suspended());

    Click({300, 200});
    Press(Form, {110, 20}, {}, Qt::RightButton);
    Release(Form, {110, 20}, {}, Qt::RightButton);
    Pump();
    EXPECT_EQ(Designer->Control(), b);
    EXPECT_EQ(suspendedAtPopup.size(), 2u);

    // Released somewhere else: no menu.
    Press(Form, {110, 20}, {}, Qt::RightButton);
    Release(Form, {300, 200}, {}, Qt::RightButton);
    Pump();
    EXPECT_EQ(suspendedAtPopup.size(), 2u);
    static_cast<void>(a);
}

TEST_F(MouseTest, CursorShowsTheHandleOrTheArrow) {
    TBox* box = Add("box", 16, 16, 80, 40);
    TBox* guarded = Add("guarded", 200, 16, 40, 40);
    guarded->SetCursor(crHandPoint);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    Activate();
    Designer->SetControl(box);
    MoveTo(HandleAt(TGrabPosition::gpTop));
    EXPECT_EQ(TScreen::Instance().Cursor(), crSizeNS);
    MoveTo({50, 40});
    EXPECT_EQ(TScreen::Instance().Cursor(), crArrow);
    MoveTo({210, 30});
    EXPECT_EQ(TScreen::Instance().Cursor(), crHandPoint);
    Designer->SetActive(false);
    EXPECT_EQ(TScreen::Instance().Cursor(), crDefault);  // the override leaves with the designer
}

TEST_F(MouseTest, DragEndsUnappliedWhenTheButtonIsFoundUpOrTheFormIsDeactivated) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    RecordMoves();
    PressAt({20, 20});
    MoveTo({40, 40});
    // A move whose keys say the button is up.
    TApplication::PostMessage(Form->Handle(), WM_MOUSEMOVE + kDeferredMouseOffset, 0,
                              MakeLParam(50, 50));
    Pump();
    EXPECT_EQ(Designer->DragState(), TDragState::None);
    EXPECT_TRUE(Designer->DragFeedback().Outlines().empty());
    EXPECT_FALSE(Designer->HintWindow()->Visible());
    EXPECT_FALSE(TApplication::Instance().CursorConfined());
    ReleaseAt({40, 40});
    EXPECT_EQ(box->BoundsRect(), Bounds(16, 16, 80, 40));
    EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);

    PressAt({20, 20});
    MoveTo({40, 40});
    ASSERT_EQ(Designer->DragState(), TDragState::Dragging);
    ShowForm(&Owner);  // another window takes the activation
    Pump();
    EXPECT_EQ(Designer->DragState(), TDragState::None);
    EXPECT_FALSE(TApplication::Instance().CursorConfined());
    EXPECT_TRUE(Moved.empty());
}

TEST_F(MouseTest, AFastClickEndsWhatItStartedWhicheverWindowIsActiveWhenItIsHandled) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    // Press and release come together, and another window is active before their turn comes.
    Press(Form, {20, 20});
    Release(Form, {20, 20});
    ShowForm(&Owner);
    Pump();
    Pump();
    EXPECT_EQ(Designer->Control(), box);
    EXPECT_EQ(Designer->DragState(), TDragState::None);
    EXPECT_FALSE(Designer->HintWindow()->Visible());
    EXPECT_TRUE(Designer->GrabHandles()->Enabled());
    EXPECT_TRUE(Designer->GrabHandles()->Visible());
    EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);
}

TEST_F(MouseTest, ADestroyedControlLeavesTheSelectionAndEndsTheDrag) {
    TBox* a = Add("a", 16, 16, 40, 40);
    TBox* b = Add("b", 100, 16, 40, 40);
    Activate();
    Designer->SetControl(a);
    Designer->AddControl(b);
    std::vector<QString> deleted;
    Designer->OnDeleteControl = [&](TObject*, TControl* c) { deleted.push_back(c->Name()); };
    PressAt({110, 20});
    ASSERT_EQ(Designer->DragState(), TDragState::Dragging);
    delete b;
    EXPECT_EQ(deleted, (std::vector<QString>{"b"}));
    EXPECT_EQ(Designer->ControlCount(), 1);
    EXPECT_EQ(Designer->Control(), a);
    EXPECT_EQ(Designer->DragState(), TDragState::None);
    ReleaseAt({110, 20});
    EXPECT_TRUE(Designer->GrabHandles()->Visible());
    EXPECT_EQ(Designer->GrabHandles()->Control(), a);
}

TEST_F(MouseTest, DragFramesAreDrawnOverTheSurface) {
    Form->SetColor(clWhite);
    TBox* box = Add("box", 40, 40, 60, 40);
    box->SetColor(clWhite);
    Activate();
    PressAt({50, 50});
    MoveTo({70, 60});
    const QImage shot = Form->Handle()->grab().toImage();
    // Grey XOR white is 0x7F7F7F: along the moved frame, and over the control's own window.
    EXPECT_EQ(shot.pixelColor(61, 70), QColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(shot.pixelColor(75, 51), QColor(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(shot.pixelColor(80, 70), QColor(Qt::white));
    ReleaseAt({70, 60});
    EXPECT_EQ(Form->Handle()->grab().toImage().pixelColor(75, 51), QColor(Qt::white));
}

// A fast click: the release's copy is already queued when the press's copy is handled, and the
// press lets the queue run (clearing or changing the selection does). The release still ends
// what the press started, and leaves the mouse free.
TEST_F(MouseTest, AReleaseQueuedBehindItsPressEndsTheBandOrTheDrag) {
    TBox* box = Add("box", 16, 16, 80, 40);
    TBox* other = Add("other", 150, 16, 80, 40);
    Activate();
    for (TPoint at : {TPoint{300, 200}, TPoint{160, 30}}) {
        SCOPED_TRACE(at.X);
        Designer->SetControl(box);
        const LPARAM point = MakeLParam(at.X, at.Y);
        TApplication::PostMessage(Form->Handle(), WM_LBUTTONDOWN + kDeferredMouseOffset, MK_LBUTTON,
                                  point);
        TApplication::PostMessage(Form->Handle(), WM_LBUTTONUP + kDeferredMouseOffset, 0, point);
        Pump();
        EXPECT_EQ(Designer->DragState(), TDragState::None);
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);
        EXPECT_FALSE(TApplication::Instance().CursorConfined());
    }
    EXPECT_EQ(Designer->Control(), other);
    EXPECT_EQ(other->Left(), 150);
}
