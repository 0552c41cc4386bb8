// The control tree: painting order, z-order, focus, the set-caption rule, coordinates, layout and
// what happens to children and references when a parent goes.
#include <gtest/gtest.h>

#include "support/testwindows.h"
#include "toolkit/controls/hintwindow.h"

using namespace mox;
using namespace mox::test;

namespace {

// Fills itself with one colour, so painting order shows in the pixels.
class TBlock : public TGraphicControl {
public:
    TBlock(TComponent* owner, TColor color) : TGraphicControl(owner) { SetColor(color); }

protected:
    void Paint() override {
        Canvas()->Brush()->SetColor(Color());
        Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    }
};

class TWindowBlock : public TCustomControl {
public:
    TWindowBlock(TComponent* owner, TColor color) : TCustomControl(owner) { SetColor(color); }
};

class TLabelLike : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

struct ControlsTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner);

    QRgb PixelAt(int x, int y) {
        const QImage image = Form->Handle()->grab().toImage();
        return image.pixel(x, y) & 0xFFFFFF;
    }
    template <class T, class... A>
    T* Add(int l, int t, int w, int h, A... args) {
        auto* c = new T(&Owner, args...);
        c->SetParent(Form);
        c->SetBounds(l, t, w, h);
        return c;
    }
};

constexpr QRgb kRed = 0xFF0000, kGreen = 0x008000, kBlue = 0x0000FF;

}  // namespace

TEST_F(ControlsTest, GraphicControlsPaintInZOrderUnderWindowedOnes) {
    auto* window = Add<TWindowBlock>(30, 30, 20, 20, clBlue);
    Add<TBlock>(0, 0, 40, 40, clRed);
    Add<TBlock>(20, 20, 40, 40, clGreen);  // created later: above the red one
    EXPECT_EQ(PixelAt(5, 5), kRed);
    EXPECT_EQ(PixelAt(25, 25), kGreen);
    EXPECT_EQ(PixelAt(35, 35), kBlue);     // the windowed control is above both
    EXPECT_EQ(Form->Controls(2), window);  // non-windowed children are listed first
}

TEST_F(ControlsTest, BringToFrontAndSendToBackReorderSiblings) {
    auto* red = Add<TBlock>(0, 0, 40, 40, clRed);
    auto* green = Add<TBlock>(20, 20, 40, 40, clGreen);
    red->BringToFront();
    EXPECT_EQ(PixelAt(25, 25), kRed);
    EXPECT_EQ(Form->Controls(1), red);
    red->SendToBack();
    EXPECT_EQ(PixelAt(25, 25), kGreen);
    EXPECT_EQ(Form->Controls(0), red);

    auto* w1 = Add<TWindowBlock>(100, 0, 30, 30, clRed);
    auto* w2 = Add<TWindowBlock>(110, 10, 30, 30, clBlue);
    EXPECT_EQ(PixelAt(115, 15), kBlue);
    w1->BringToFront();
    EXPECT_EQ(PixelAt(115, 15), kRed);
    EXPECT_EQ(Form->WindowedChildren().back(), w1);
    w1->SendToBack();
    EXPECT_EQ(Form->WindowedChildren().front(), w1);
    EXPECT_EQ(PixelAt(115, 15), kBlue);
    static_cast<void>(green);
    static_cast<void>(w2);
}

TEST_F(ControlsTest, TabOrderFollowsInsertsMovesAndRemovals) {
    std::vector<TWindowBlock*> w;
    for (int i = 0; i < 4; ++i) {
        w.push_back(Add<TWindowBlock>(10 * i, 0, 8, 8, clRed));
        w.back()->SetTabStop(true);  // Qt leaves windows that take no focus out of the chain
    }
    const auto orders = [&] {
        std::vector<int> out;
        for (TWindowBlock* c : w)
            out.push_back(c->TabOrder());
        return out;
    };
    EXPECT_EQ(orders(), (std::vector{0, 1, 2, 3}));
    w[3]->SetTabOrder(0);
    EXPECT_EQ(orders(), (std::vector{1, 2, 3, 0}));
    w[0]->SetTabOrder(99);  // past the end: last
    EXPECT_EQ(orders(), (std::vector{3, 1, 2, 0}));
    w[1]->SetParent(nullptr);  // from the middle
    EXPECT_EQ(w[1]->TabOrder(), -1);
    EXPECT_EQ(orders()[0], 2);
    EXPECT_EQ(orders()[2], 1);
    EXPECT_EQ(orders()[3], 0);
    w[1]->SetParent(Form);  // back in: last
    EXPECT_EQ(orders(), (std::vector{2, 3, 1, 0}));
    // The focus chain follows.
    QWidget* next = w[3]->Handle()->nextInFocusChain();
    EXPECT_EQ(next, w[2]->Handle());
}

TEST_F(ControlsTest, ControlAtPosPicksTheTopmostEnabledVisibleChild) {
    auto* a = Add<TBlock>(0, 0, 40, 40, clRed);
    auto* b = Add<TBlock>(20, 20, 40, 40, clGreen);
    auto* w = Add<TWindowBlock>(25, 25, 5, 5, clBlue);
    EXPECT_EQ(Form->ControlAtPos({25, 25}, false), b);
    EXPECT_EQ(Form->ControlAtPos({26, 26}, false, true), w);
    b->SetEnabled(false);
    EXPECT_EQ(Form->ControlAtPos({25, 25}, false), a);
    EXPECT_EQ(Form->ControlAtPos({25, 25}, true), b);
    a->SetVisible(false);
    EXPECT_EQ(Form->ControlAtPos({5, 5}, true), nullptr);
}

TEST_F(ControlsTest, FocusToNoControl) {
    auto* w = Add<TWindowBlock>(0, 0, 20, 20, clBlue);
    w->SetTabStop(true);
    Form->SetActiveControl(w);
    EXPECT_TRUE(w->Focused());
    EXPECT_EQ(Form->ActiveControl(), w);
    Form->SetActiveControl(nullptr);
    EXPECT_FALSE(w->Focused());
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    EXPECT_TRUE(Form->Handle()->hasFocus());
}

TEST_F(ControlsTest, TextFollowsRenameOnlyWhileItEqualsTheName) {
    auto* label = new TLabelLike(&Owner);
    label->SetName(QStringLiteral("label1"));
    EXPECT_EQ(label->Caption(), QStringLiteral("label1"));  // empty text equalled the empty name
    label->SetName(QStringLiteral("label2"));
    EXPECT_EQ(label->Caption(), QStringLiteral("label2"));
    label->SetCaption(QStringLiteral("Volume"));
    label->SetName(QStringLiteral("label3"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Volume"));

    auto* plain = new TLabelLike(&Owner);
    plain->SetControlStyle(plain->ControlStyle() - TControlStyle{TControlStyleFlag::csSetCaption});
    plain->SetName(QStringLiteral("meter1"));
    EXPECT_EQ(plain->Caption(), QString());

    auto* loading = new TLabelLike(&Owner);
    loading->BeginLoading();
    loading->SetName(QStringLiteral("meter2"));
    loading->Loaded();
    EXPECT_EQ(loading->Caption(), QString());
}

TEST_F(ControlsTest, DestroyingAParentDestroysItsChildrenAndClearsReferences) {
    auto* panel = Add<TWindowBlock>(0, 0, 100, 100, clBlue);
    auto* inner = new TWindowBlock(&Owner, clRed);  // owned by Owner, parented by the panel
    inner->SetParent(panel);
    auto* shape = new TBlock(&Owner, clGreen);
    shape->SetParent(panel);
    TRef<TControl> innerRef(inner), shapeRef(shape);
    const int owned = Owner.ComponentCount();
    delete panel;
    EXPECT_FALSE(innerRef);
    EXPECT_FALSE(shapeRef);
    EXPECT_EQ(Owner.ComponentCount(), owned - 3);
}

TEST_F(ControlsTest, DestroyingTheCaptureOrMouseControlForgetsIt) {
    auto* shape = Add<TBlock>(0, 0, 40, 40, clRed);
    TApplication::Instance().SetCaptureControl(shape);
    EXPECT_EQ(TApplication::Instance().CaptureControl(), shape);
    delete shape;
    EXPECT_EQ(TApplication::Instance().CaptureControl(), nullptr);
    EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);
}

TEST_F(ControlsTest, CoordinatesMapBetweenControlsAndScreen) {
    auto* panel = Add<TWindowBlock>(20, 30, 100, 100, clBlue);
    auto* shape = new TBlock(&Owner, clRed);
    shape->SetParent(panel);
    shape->SetBounds(5, 6, 10, 10);
    EXPECT_EQ(shape->ClientToParent({1, 2}), (TPoint{6, 8}));
    EXPECT_EQ(shape->ClientToParent({1, 2}, Form), (TPoint{26, 38}));
    const TPoint screen = shape->ClientToScreen({0, 0});
    EXPECT_EQ(screen, panel->ClientToScreen({5, 6}));
    EXPECT_EQ(shape->ScreenToClient(screen), (TPoint{0, 0}));
    auto* sibling = Add<TWindowBlock>(0, 0, 5, 5, clRed);
    EXPECT_THROW(shape->ClientToParent({0, 0}, sibling), EInvalidOperation);
}

TEST_F(ControlsTest, ParentColorAndFontFlowDownUntilSetLocally) {
    auto* panel = Add<TWindowBlock>(0, 0, 100, 100, clBlue);
    panel->SetParentColor(true);
    EXPECT_EQ(panel->Color(), Form->Color());
    auto* shape = new TBlock(&Owner, clRed);
    shape->SetParentColor(true);
    shape->SetParent(panel);
    Form->SetColor(clYellow);
    EXPECT_EQ(panel->Color(), clYellow);
    EXPECT_EQ(shape->Color(), clYellow);

    Form->Font()->SetHeight(-20);
    EXPECT_EQ(shape->Font()->Height(), -20);
    shape->Font()->SetHeight(-9);
    EXPECT_FALSE(shape->ParentFont());
    Form->Font()->SetHeight(-30);
    EXPECT_EQ(shape->Font()->Height(), -9);
}

TEST_F(ControlsTest, AlignAndAnchorsFollowTheParent) {
    auto* top = Add<TWindowBlock>(0, 0, 10, 20, clBlue);
    top->SetAlign(TAlign::alTop);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, Form->ClientWidth(), 20));
    auto* pinned = Add<TBlock>(150, 100, 20, 20, clRed);
    pinned->SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
    Form->SetBounds(Form->Left(), Form->Top(), Form->Width() + 30, Form->Height() + 10);
    EXPECT_EQ(top->Width(), Form->ClientWidth());
    EXPECT_EQ(pinned->Left(), 180);
    EXPECT_EQ(pinned->Top(), 110);
}

TEST_F(ControlsTest, ConstraintsLimitTheSize) {
    auto* c = Add<TBlock>(0, 0, 10, 10, clRed);
    c->Constraints()->SetMaxWidth(50);
    c->Constraints()->SetMinHeight(15);
    EXPECT_EQ(c->Height(), 15);
    c->SetWidth(80);
    EXPECT_EQ(c->Width(), 50);
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowThePointer) {
    struct Tracker : TBlock {
        using TBlock::TBlock;
        std::vector<UINT> Notes;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) Notes.push_back(m.Msg);
            TBlock::WndProc(m);
        }
    };
    auto* t = Add<Tracker>(10, 10, 20, 20, clRed);
    t->SetCursor(crHandPoint);
    Press(Form, {100, 100});  // a button held, so moves are reported on the offscreen platform
    Move(Form, {15, 15});
    EXPECT_EQ(Form->Handle()->cursor().shape(), Qt::PointingHandCursor);
    Move(Form, {60, 60});
    Release(Form, {60, 60});
    EXPECT_EQ(t->Notes, (std::vector<UINT>{CM_MOUSEENTER, CM_MOUSELEAVE}));
}

TEST_F(ControlsTest, ScreenCursorOverridesEveryControl) {
    TScreen& screen = TScreen::Instance();
    screen.SetCursor(crSizeAll);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    screen.SetCursor(crArrow);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ArrowCursor);
    screen.SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    screen.SetCursorShape(99, QCursor(Qt::OpenHandCursor));
    EXPECT_EQ(screen.CursorShape(99).shape(), Qt::OpenHandCursor);
}

TEST_F(ControlsTest, HintWindowShowsTextOnTheInfoColours) {
    THintWindow hint(nullptr);
    const TRect r = hint.CalcHintRect(255, QStringLiteral("80 x 40"));
    EXPECT_GT(r.Width(), 20);
    EXPECT_LE(r.Width(), 255 + 6);
    EXPECT_GE(r.Height(), 13);
    hint.ActivateHint(Bounds(300, 200, r.Width(), r.Height()), QStringLiteral("80 x 40"));
    ASSERT_TRUE(hint.WindowHandle()->isVisible());
    const QImage image = hint.WindowHandle()->grab().toImage();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);  // the black border
    EXPECT_EQ(QColor(image.pixel(2, 2)), ToQColor(clInfoBk));
    hint.ReleaseHandle();
    EXPECT_FALSE(hint.WindowHandle()->isVisible());
}

TEST(FormGeometry, PositionSetBeforeTheWindowExistsIsKeptWhenItIsMadeAndShown) {
    // A rack file sets the form's place and border before its first control makes the window.
    TForm form(nullptr);
    form.SetBounds(271, 175, 442, 266);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    auto* child = new TWindowBlock(&form, clRed);
    child->SetParent(&form);
    QApplication::processEvents();
    EXPECT_EQ(form.Left(), 271);
    EXPECT_EQ(form.Top(), 175);
    form.Show();
    QApplication::processEvents();
    EXPECT_EQ(form.BoundsRect(), Bounds(271, 175, 442, 266));
}

TEST(FormGeometry, LoadedFormTakesAutoScrollFromItsBorderUnlessTheStreamSetsIt) {
    TForm form(nullptr);
    form.BeginLoading();
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    form.Loaded();
    EXPECT_FALSE(form.AutoScroll());

    form.BeginLoading();
    form.SetAutoScroll(true);
    form.SetBorderStyle(TFormBorderStyle::bsDialog);
    form.Loaded();
    EXPECT_TRUE(form.AutoScroll());

    form.SetBorderStyle(TFormBorderStyle::bsSizeable);  // outside loading nothing follows
    form.SetAutoScroll(false);
    form.SetBorderStyle(TFormBorderStyle::bsSingle);
    EXPECT_FALSE(form.AutoScroll());
}

// Moving a form by the mouse is the window manager's job: a form without a window has nothing to
// move, and a platform that moves no windows for programs (offscreen) declines; neither fails.
TEST(FormMoveTest, DragMoveCommandStartsTheSystemMoveOnlyWhereThePlatformCan) {
    TComponent owner(nullptr);
    auto* hidden = new TForm(&owner);
    EXPECT_EQ(hidden->Perform(WM_SYSCOMMAND, SC_DRAGMOVE), 0);
    EXPECT_FALSE(hidden->HandleAllocated());
    TForm* shown = ShowForm(&owner);
    const LRESULT started = shown->Perform(WM_SYSCOMMAND, SC_DRAGMOVE);
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        EXPECT_EQ(started, 0);
    }
    // Other system commands are not a move.
    EXPECT_EQ(shown->Perform(WM_SYSCOMMAND, SC_DRAGMOVE + 1), 0);
    EXPECT_EQ((std::pair{shown->Left(), shown->Top()}), (std::pair{10, 10}));
}
