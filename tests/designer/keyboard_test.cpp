// Keyboard editing: Tab and the arrow keys walking the selection, moves and resizes with their
// limits, Escape, protected controls keeping their keys, and the key events; and aligning the
// selection.
#include <QLineEdit>
#include <QTest>

#include "support/designertesting.h"
#include "toolkit/stdctrls/edit.h"

using namespace mox;
using namespace mox::test;

namespace {

struct KeyboardTest : DesignerTest {
    // A key pressed and released where the keyboard focus is (the form once the designer took
    // the focus away).
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QWidget* target =
            QApplication::focusWidget() ? QApplication::focusWidget() : Form->Handle();
        QTest::keyClick(target, key, mods);
        Pump();
    }
    QString Current() const {
        return Designer->Control() ? Designer->Control()->Name() : QString();
    }
};

}  // namespace

TEST_F(KeyboardTest, TabWalksTheFormsControlsInCreationOrder) {
    Add("a", 10, 10, 30, 20);
    auto* panel = Add<TContainer>("panel", 60, 10, 100, 80);
    Add("inner", 5, 5, 20, 20, panel);  // inside another control: never selected
    Add("hidden", 10, 40, 30, 20)->SetVisible(false);
    Add("guarded", 10, 70, 30, 20);
    Add("glass", 10, 100, 30, 20);
    Add<TGlyph>("b", 200, 10, 30, 20);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    Designer->TransparentControls()->Add(QStringLiteral("glass"));
    Designer->LockedControls()->Add(QStringLiteral("b"));  // locked ones are walked to
    Activate();
    std::vector<QString> walk;
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Tab);
        walk.push_back(Current());
    }
    EXPECT_EQ(walk, (std::vector<QString>{"a", "panel", "b", "a"}));
    Designer->SetControl(nullptr);
    walk.clear();
    for (int i = 0; i < 3; ++i) {
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
        walk.push_back(Current());
    }
    EXPECT_EQ(walk, (std::vector<QString>{"b", "panel", "a"}));
    // The arrows without Ctrl or Shift walk the same way once something is selected.
    Key(Qt::Key_Right);
    EXPECT_EQ(Current(), "panel");
    Key(Qt::Key_Up);
    EXPECT_EQ(Current(), "a");
}

TEST_F(KeyboardTest, TabWithASingleControlClearsAndReselects) {
    Add("only", 10, 10, 30, 20);
    Activate();
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), "only");
    Key(Qt::Key_Tab);
    EXPECT_EQ(Designer->ControlCount(), 0);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), "only");
    Key(Qt::Key_Escape);  // a control on the form has no parent to step out to
    EXPECT_EQ(Designer->ControlCount(), 0);
    Key(Qt::Key_Right, Qt::ControlModifier);  // no selection: the arrows do nothing
    EXPECT_EQ(Form->Controls(0)->Left(), 10);
}

TEST_F(KeyboardTest, EscapeDuringADragPutsTheControlBack) {
    TBox* box = Add("box", 16, 16, 80, 40);
    Activate();
    PressAt({20, 20});
    MoveTo({60, 50});
    Key(Qt::Key_Escape);
    EXPECT_EQ(Designer->DragState(), TDragState::None);
    ReleaseAt({60, 50});
    EXPECT_EQ(box->BoundsRect(), Bounds(16, 16, 80, 40));
    EXPECT_EQ(Current(), "box");
}

TEST_F(KeyboardTest, ArrowsMoveAndResizeTheSelection) {
    TBox* box = Add("box", 3, 16, 1, 40);
    Activate();
    Designer->SetControl(box);
    RecordMoves();
    Key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(box->Left(), 11);  // one grid step of 8, off the grid as before
    Key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(box->Top(), 17);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(box->Width(), 0);
    Key(Qt::Key_Left, Qt::ShiftModifier);  // not below zero
    EXPECT_EQ(box->Width(), 0);
    EXPECT_EQ(Moved, (std::vector<QString>{"box", "box", "box"}));
    // The handles follow at once.
    EXPECT_EQ(Designer->GrabHandles()->TargetRect(), box->BoundsRect());
}

TEST_F(KeyboardTest, MovesKeepTheHandlesInsideTheParent) {
    // Right edge at the client width less half a handle (5 ÷ 2 = 2).
    TBox* box = Add("box", 0, 0, 40, 20);
    box->SetLeft(Form->ClientWidth() - 2 - 40);
    Activate();
    Designer->SetControl(box);
    const int left = box->Left();
    Key(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(box->Left(), left);
    box->SetBounds(0, 0, 40, 20);
    Key(Qt::Key_Left, Qt::ControlModifier);
    Key(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(box->BoundsRect().TopLeft(), (TPoint{0, 0}));
    Designer->OnMoveLimit = [](TObject*, TControl*, TRect& limit) { limit = {0, 0, 60, 60}; };
    for (int expected : {8, 16, 18, 18}) {
        Key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(box->Left(), expected);
    }
}

TEST_F(KeyboardTest, SizeLimitsAskAboutTheCurrentControl) {
    TBox* a = Add("a", 10, 10, 30, 20);
    TBox* b = Add("b", 10, 50, 50, 20);
    Activate();
    Designer->SetControl(b);
    Designer->AddControl(a);
    std::vector<QString> asked;
    Designer->OnSizeLimit = [&](TObject*, TControl* c, TPoint&, TPoint& maxSize) {
        asked.push_back(c->Name());
        maxSize = {40, 40};
    };
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(a->Width(), 31);
    EXPECT_EQ(b->Width(), 40);  // held to the limit given for the current control
    EXPECT_EQ(asked, (std::vector<QString>{"a", "a"}));
}

TEST_F(KeyboardTest, LockedControlsAndOtherParentsStayPut) {
    TBox* a = Add("a", 10, 10, 30, 20);
    TBox* locked = Add("locked", 10, 50, 30, 20);
    Designer->LockedControls()->Add(QStringLiteral("locked"));
    Activate();
    Designer->SetControl(locked);
    Designer->AddControl(a);
    Key(Qt::Key_Right, Qt::ShiftModifier);
    Key(Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(locked->BoundsRect(), Bounds(10, 50, 30, 20));
    EXPECT_EQ(a->BoundsRect(), Bounds(18, 10, 31, 20));
    EXPECT_EQ(Designer->ControlCount(), 2);
    Key(Qt::Key_Right, Qt::ControlModifier);  // a one-pixel move leaves locked ones out
    EXPECT_EQ(Designer->ControlCount(), 1);
    EXPECT_EQ(a->Left(), 19);
}

TEST_F(KeyboardTest, AProtectedEditKeepsItsKeysWithTheKeyboardLock) {
    TBox* box = Add("box", 10, 10, 30, 20);
    auto* edit = Add<TEdit>("edit", 10, 60, 120, 24);
    edit->SetText(QStringLiteral("abc"));
    Designer->ProtectedControls()->Add(QStringLiteral("edit"));
    Designer->SetProtectMode(TProtectMode::pmLockKeyboard);
    Activate();
    Designer->SetControl(box);
    Click({20, 70});  // a protected control takes the press and the focus
    ASSERT_TRUE(edit->Focused());
    auto* line = static_cast<QLineEdit*>(edit->Handle());
    line->setCursorPosition(3);
    Key(Qt::Key_Left, Qt::ControlModifier);
    Key(Qt::Key_Left);
    EXPECT_LT(line->cursorPosition(), 3);
    EXPECT_EQ(box->Left(), 10);
}

TEST_F(KeyboardTest, OtherKeysGoToTheKeyEventsAndOnWithTheirChanges) {
    Add("box", 10, 10, 30, 20);
    Activate();
    // The Shift key itself comes and goes around the letter.
    std::vector<WPARAM> formKeys;
    Form->OnKeyDown = [&](TObject*, WPARAM& key, TShiftState) { formKeys.push_back(key); };
    std::vector<WPARAM> designerUps;
    Designer->OnKeyDown = [](TObject*, WPARAM& key, TShiftState shift) {
        if (key == 'A' && shift.Contains(TShiftStateFlag::ssShift)) key = 'B';
    };
    Designer->OnKeyUp = [&](TObject*, WPARAM& key, TShiftState) { designerUps.push_back(key); };
    Key(Qt::Key_A, Qt::ShiftModifier);
    EXPECT_EQ(formKeys, (std::vector<WPARAM>{VK_SHIFT, 'B'}));
    EXPECT_EQ(designerUps, (std::vector<WPARAM>{'A', VK_SHIFT}));
}

// ---- Alignment

TEST_F(KeyboardTest, AlignmentMovesTheUnlockedSelectionAndReportsEveryControl) {
    TBox* a = Add("a", 40, 10, 20, 20);
    TBox* b = Add("b", 10, 50, 30, 20);
    TBox* c = Add("c", 25, 90, 40, 20);
    TBox* locked = Add("locked", 70, 130, 20, 20);
    Designer->LockedControls()->Add(QStringLiteral("locked"));
    Activate();
    for (TControl* x : {static_cast<TControl*>(locked), static_cast<TControl*>(a),
                        static_cast<TControl*>(b), static_cast<TControl*>(c)})
        Designer->AddControl(x);
    RecordMoves();
    Designer->AlignSelection(TAlignMode::LowEdges, TAlignMode::None);
    EXPECT_EQ((std::vector<int>{a->Left(), b->Left(), c->Left()}), (std::vector<int>{10, 10, 10}));
    EXPECT_EQ(locked->Left(), 70);
    EXPECT_EQ(Designer->IndexOf(locked), -1);
    EXPECT_EQ(Moved, (std::vector<QString>{"c", "b", "a"}));
    EXPECT_EQ((std::vector<int>{a->Top(), b->Top(), c->Top()}), (std::vector<int>{10, 50, 90}));
    Designer->AlignSelection(TAlignMode::None, TAlignMode::SpaceEqually);
    Designer->SetControl(a);
    Designer->AlignSelection(TAlignMode::CentreInWindow, TAlignMode::None);
    EXPECT_EQ(a->Left(), (Form->Width() - 20) / 2);  // the outer width, not the client width
    EXPECT_EQ(Designer->GrabHandles()->TargetRect(), a->BoundsRect());
    Designer->SetActive(false);
    Designer->AlignSelection(TAlignMode::LowEdges, TAlignMode::LowEdges);
    EXPECT_EQ(a->Top(), 10);
}
