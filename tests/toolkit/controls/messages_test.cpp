// The message model: what the pre-dispatch hook sees for input on windowed controls, on
// non-windowed controls and on Qt widgets inside a control, swallowing, posting and capture.
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "support/testwindows.h"
#include "toolkit/controls/form.h"

using namespace mox;
using namespace mox::test;

namespace {

struct Clicks {
    std::vector<std::pair<TObject*, TPoint>> Downs;
    void Watch(TControl* c) {
        c->OnMouseDown = [this](TObject* s, TMouseButton, TShiftState, int x, int y) {
            Downs.emplace_back(s, TPoint{x, y});
        };
    }
};

class TPanelish : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
};

class TMark : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

// A windowed control built on Qt widgets of its own, like a drop-down with its inner editor.
class TCompound : public TWinControl {
public:
    using TWinControl::TWinControl;
    QLineEdit* Inner = nullptr;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override {
        auto* w = new QWidget(parentWidget);
        Inner = new QLineEdit(w);
        Inner->setGeometry(5, 5, 60, 20);
        return w;
    }
    bool NativeWidget() const override { return true; }
};

// A windowed control that counts the context menus its window is asked for.
class TMenuCounter : public TWinControl {
public:
    using TWinControl::TWinControl;
    int Menus = 0;

protected:
    QWidget* CreateWidget(QWidget* parentWidget) override {
        class Widget : public QWidget {
        public:
            Widget(QWidget* parent, int& menus) : QWidget(parent), FMenus(menus) {}
            void contextMenuEvent(QContextMenuEvent*) override { ++FMenus; }

        private:
            int& FMenus;
        };
        return new Widget(parentWidget, Menus);
    }
    bool NativeWidget() const override { return true; }
};

struct MessagesTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = ShowForm(&Owner);
};

}  // namespace

TEST_F(MessagesTest, PressOnWindowedControlArrivesForItsWindow) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    panel->SetBounds(20, 30, 50, 40);
    Clicks clicks;
    clicks.Watch(panel);
    HookRecorder hook;
    Press(panel, {7, 9});
    Release(panel, {7, 9});

    const auto downs = hook.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, panel->Handle());
    EXPECT_EQ(LoWord(downs[0].lParam), 7);
    EXPECT_EQ(HiWord(downs[0].lParam), 9);
    EXPECT_TRUE(downs[0].wParam & MK_LBUTTON);
    ASSERT_EQ(hook.Of(WM_LBUTTONUP).size(), 1u);
    ASSERT_EQ(clicks.Downs.size(), 1u);
    EXPECT_EQ(clicks.Downs[0].second, (TPoint{7, 9}));
}

TEST_F(MessagesTest, PressOnGraphicControlArrivesForParentWindowAndIsRoutedToIt) {
    auto* shape = new TMark(&Owner);
    shape->SetParent(Form);
    shape->SetBounds(40, 50, 30, 30);
    Clicks clicks;
    clicks.Watch(shape);
    clicks.Watch(Form);
    HookRecorder hook;
    Press(Form, {45, 52});
    Release(Form, {45, 52});

    const auto downs = hook.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, Form->Handle());
    EXPECT_EQ(PointFromLParam(downs[0].lParam), (TPoint{45, 52}));
    ASSERT_EQ(clicks.Downs.size(), 1u);
    EXPECT_EQ(clicks.Downs[0].first, shape);
    EXPECT_EQ(clicks.Downs[0].second, (TPoint{5, 2}));  // the shape's own coordinates
}

TEST_F(MessagesTest, DisabledGraphicControlLetsItsParentHaveThePress) {
    auto* shape = new TMark(&Owner);
    shape->SetParent(Form);
    shape->SetBounds(40, 50, 30, 30);
    shape->SetEnabled(false);
    Clicks clicks;
    clicks.Watch(shape);
    clicks.Watch(Form);
    Press(Form, {45, 52});
    Release(Form, {45, 52});
    ASSERT_EQ(clicks.Downs.size(), 1u);
    EXPECT_EQ(clicks.Downs[0].first, Form);
}

TEST_F(MessagesTest, PressOnInnerQtWidgetArrivesForNearestToolkitWindow) {
    auto* compound = new TCompound(&Owner);
    compound->SetParent(Form);
    compound->SetBounds(10, 10, 100, 40);
    HookRecorder hook([](const TMsg& m) { return m.message == WM_LBUTTONDOWN; });
    const QPoint inner = compound->Inner->mapTo(Form->Handle(), QPoint(3, 4));
    QTest::mousePress(WindowOf(Form), Qt::LeftButton, {}, inner);
    QTest::mouseRelease(WindowOf(Form), Qt::LeftButton, {}, inner);

    const auto downs = hook.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].hwnd, compound->Handle());
    EXPECT_EQ(PointFromLParam(downs[0].lParam), (TPoint{8, 9}));  // in the control's window
    EXPECT_FALSE(compound->Inner->hasFocus());  // swallowed: the editor never saw the press
}

TEST_F(MessagesTest, SwallowedPressNeverReachesTheControl) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    panel->SetBounds(20, 30, 50, 40);
    Clicks clicks;
    clicks.Watch(panel);
    int clicked = 0;
    panel->OnClick = [&](TObject*) { ++clicked; };
    HookRecorder hook([](const TMsg& m) { return IsMouseMessage(m.message); });
    Press(panel, {5, 5});
    Release(panel, {5, 5});
    EXPECT_EQ(hook.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(clicks.Downs.empty());
    EXPECT_EQ(clicked, 0);
}

TEST_F(MessagesTest, OnMessageHandlerChainsAndCanHandle) {
    std::vector<UINT> order;
    TMessageEvent saved = TApplication::Instance().OnMessage;
    TApplication::Instance().OnMessage = [&](TMsg& m, bool& handled) {
        if (m.message >= WM_USER) order.push_back(m.message);
        handled = m.message == WM_USER + 2;
    };
    HookRecorder hook;  // hooks run before the handler
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    std::vector<UINT> delivered;
    struct Sink : TPanelish {
        using TPanelish::TPanelish;
        std::vector<UINT>* Out = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg >= WM_USER && m.Msg < WM_APP) Out->push_back(m.Msg);
            TPanelish::WndProc(m);
        }
    };
    auto* sink = new Sink(&Owner);
    sink->Out = &delivered;
    sink->SetParent(Form);
    for (UINT n = 1; n <= 3; ++n)
        TApplication::PostMessage(sink->Handle(), WM_USER + n, n, -static_cast<LPARAM>(n));
    TApplication::Instance().ProcessMessages();
    TApplication::Instance().OnMessage = saved;

    EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_USER + 3}));
    EXPECT_EQ(delivered, (std::vector<UINT>{WM_USER + 1, WM_USER + 3}));
    const auto posted = hook.Of(WM_USER + 3);
    ASSERT_EQ(posted.size(), 1u);
    EXPECT_EQ(posted[0].wParam, 3u);
    EXPECT_EQ(posted[0].lParam, -3);
}

TEST_F(MessagesTest, PostedMessagesKeepTheirOrderAndCanBeSwallowed) {
    std::vector<UINT> delivered;
    HookRecorder hook([](const TMsg& m) { return m.message == WM_USER + 5; });
    struct Sink : TPanelish {
        using TPanelish::TPanelish;
        std::vector<UINT>* Out = nullptr;
        void WndProc(TMessage& m) override {
            if (m.Msg >= WM_USER && m.Msg < WM_APP) Out->push_back(m.Msg);
            TPanelish::WndProc(m);
        }
    };
    auto* sink = new Sink(&Owner);
    sink->Out = &delivered;
    sink->SetParent(Form);
    for (UINT n = 0; n < 10; ++n)
        TApplication::PostMessage(sink->Handle(), WM_USER + n);
    TApplication::Instance().ProcessMessages();
    std::vector<UINT> expected;
    for (UINT n = 0; n < 10; ++n)
        if (n != 5) expected.push_back(WM_USER + n);
    EXPECT_EQ(delivered, expected);
    EXPECT_EQ(hook.Of(WM_USER + 5).size(), 1u);
}

TEST_F(MessagesTest, PostToDestroyedWindowIsDropped) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    TApplication::PostMessage(panel->Handle(), WM_USER + 1);
    delete panel;
    HookRecorder hook;
    TApplication::Instance().ProcessMessages();
    EXPECT_TRUE(hook.Of(WM_USER + 1).empty());
}

TEST_F(MessagesTest, CaptureRoutesMovesToTheCapturingWindow) {
    auto* left = new TPanelish(&Owner);
    left->SetParent(Form);
    left->SetBounds(0, 0, 50, 50);
    auto* right = new TPanelish(&Owner);
    right->SetParent(Form);
    right->SetBounds(100, 0, 50, 50);
    TApplication& app = TApplication::Instance();
    app.SetCapture(left->Handle());
    EXPECT_EQ(app.GetCapture(), left->Handle());

    HookRecorder hook;
    Move(right, {10, 10});
    const auto moves = hook.Of(WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back().hwnd, left->Handle());
    EXPECT_EQ(PointFromLParam(moves.back().lParam), (TPoint{110, 10}));

    app.ReleaseCapture();
    EXPECT_EQ(app.GetCapture(), nullptr);
    hook.Seen.clear();
    Move(right, {12, 10});
    ASSERT_FALSE(hook.Of(WM_MOUSEMOVE).empty());
    EXPECT_EQ(hook.Of(WM_MOUSEMOVE).back().hwnd, right->Handle());
}

TEST_F(MessagesTest, ConfinedCursorIsClampedToTheRectangle) {
    TApplication& app = TApplication::Instance();
    const TPoint origin = Form->ClientOrigin();
    app.ConfineCursor(Bounds(origin.X + 10, origin.Y + 10, 20, 20));
    HookRecorder hook;
    Move(Form, {100, 5});
    EXPECT_EQ(app.CursorPos(), (TPoint{origin.X + 29, origin.Y + 10}));
    ASSERT_FALSE(hook.Of(WM_MOUSEMOVE).empty());
    EXPECT_EQ(PointFromLParam(hook.Of(WM_MOUSEMOVE).back().lParam), (TPoint{29, 10}));
    app.FreeCursor();
    Move(Form, {101, 6});
    EXPECT_EQ(app.CursorPos(), (TPoint{origin.X + 101, origin.Y + 6}));
}

TEST_F(MessagesTest, KeysArriveAsVirtualKeyCodes) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    panel->SetTabStop(true);
    panel->SetFocus();
    std::vector<WPARAM> keys;
    panel->OnKeyDown = [&](TObject*, WPARAM& key, TShiftState) { keys.push_back(key); };
    HookRecorder hook([](const TMsg& m) { return m.message == WM_KEYDOWN && m.wParam == VK_LEFT; });
    QTest::keyClick(WindowOf(Form), Qt::Key_Escape);
    QTest::keyClick(WindowOf(Form), Qt::Key_Left);
    QTest::keyClick(WindowOf(Form), Qt::Key_Home);
    EXPECT_EQ(keys, (std::vector<WPARAM>{VK_ESCAPE, VK_HOME}));
    ASSERT_EQ(hook.Of(WM_KEYDOWN).size(), 3u);
    EXPECT_EQ(hook.Of(WM_KEYDOWN)[0].hwnd, panel->Handle());
    EXPECT_EQ(hook.Of(WM_KEYUP).size(), 3u);
}

TEST_F(MessagesTest, ClickOnInactiveWindowActivatesItBeforeTheHookSeesTheClick) {
    TForm* other = ShowForm(&Owner);
    ASSERT_TRUE(other->Active());
    std::vector<UINT> order;
    HookRecorder hook;
    Press(Form, {5, 5});
    Release(Form, {5, 5});
    for (const TMsg& m : hook.Seen)
        if (m.hwnd == Form->Handle() && (m.message == CM_ACTIVATE || m.message == WM_LBUTTONDOWN))
            order.push_back(m.message);
    EXPECT_EQ(order, (std::vector<UINT>{CM_ACTIVATE, WM_LBUTTONDOWN}));
    EXPECT_TRUE(Form->Active());
}

TEST_F(MessagesTest, AReleaseMetWhileItsPressIsJudgedComesAfterThePress) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    panel->SetBounds(20, 20, 40, 40);
    std::vector<QString> order;
    panel->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
        order.push_back(QStringLiteral("down"));
    };
    panel->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) {
        order.push_back(QStringLiteral("up"));
    };
    // A fast click on an inactive window: activating it runs the queue (a designer redraws its
    // handles), where the release, already waiting, is met before the press was delivered.
    Form->OnActivate = [&](TObject*) { Release(panel, {5, 5}); };
    ShowForm(&Owner);
    ASSERT_FALSE(Form->Active());
    HookRecorder hook;
    Press(panel, {5, 5});
    Form->OnActivate = nullptr;
    TApplication::Instance().ProcessMessages();

    std::vector<UINT> buttons;
    for (const TMsg& m : hook.Seen)
        if (m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONUP) buttons.push_back(m.message);
    EXPECT_EQ(buttons, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(order, (std::vector<QString>{"down", "up"}));
}

TEST_F(MessagesTest, ExceptionInAHandlerIsReportedNotPropagated) {
    auto* panel = new TPanelish(&Owner);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 40, 40);
    panel->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw EInvalidOperation(QStringLiteral("Value out of range."));
    };
    QString reported;
    TApplication::Instance().OnException = [&](TObject*, const std::exception& e) {
        reported = static_cast<const Exception&>(e).Message();
    };
    Press(panel, {3, 3});
    Release(panel, {3, 3});
    TApplication::Instance().OnException = nullptr;
    EXPECT_EQ(reported, QStringLiteral("Value out of range."));
}

TEST_F(MessagesTest, AWindowOpenedFromAFormIsNotPartOfIt) {
    // Qt makes a dialog the child of the window it was opened from; its clicks and keys are
    // still its own, never the form's (a designer on the form would take them).
    QDialog dialog(Form->Handle());
    auto* button = new QPushButton(QStringLiteral("No"), &dialog);
    button->setGeometry(10, 10, 60, 24);
    int clicked = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicked; });
    dialog.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&dialog));
    HookRecorder hook;
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(clicked, 1);
    EXPECT_TRUE(hook.Of(WM_LBUTTONDOWN).empty());
    EXPECT_TRUE(hook.Of(WM_LBUTTONUP).empty());
    EXPECT_TRUE(hook.Of(WM_KEYDOWN).empty());
}

TEST_F(MessagesTest, AControlsOwnMenuIsAskedForAndCanBeRefused) {
    auto* control = new TMenuCounter(&Owner);
    control->SetParent(Form);
    control->SetBounds(20, 20, 60, 30);
    bool refuse = false;
    HookRecorder hook([&](const TMsg& m) { return refuse && m.message == WM_CONTEXTMENU; });
    const QPoint at = control->Handle()->mapToGlobal(QPoint(4, 6));
    QContextMenuEvent first(QContextMenuEvent::Mouse, QPoint(4, 6), at);
    QApplication::sendEvent(control->Handle(), &first);
    ASSERT_EQ(hook.Of(WM_CONTEXTMENU).size(), 1u);
    EXPECT_EQ(hook.Of(WM_CONTEXTMENU)[0].hwnd, control->Handle());
    EXPECT_EQ(PointFromLParam(hook.Of(WM_CONTEXTMENU)[0].lParam), (TPoint{4, 6}));
    EXPECT_EQ(control->Menus, 1);

    refuse = true;
    QContextMenuEvent second(QContextMenuEvent::Mouse, QPoint(4, 6), at);
    QApplication::sendEvent(control->Handle(), &second);
    EXPECT_EQ(control->Menus, 1);
}
