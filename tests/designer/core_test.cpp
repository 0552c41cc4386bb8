// The designer component: settings, switching on and off, message processors, the selection
// model and its events, grid alignment, suspension and saving.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "rackfile/rackio.h"
#include "support/designertesting.h"
#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/brush.h"

using namespace mox;
using namespace mox::test;

namespace {

struct CoreTest : DesignerTest {
    // Events in the order they were raised, as "Name(control)".
    std::vector<QString> Events;
    void Record() {
        auto rec = [this](const char* what) {
            return [this, what](TObject*, TControl* c) {
                Events.push_back(QStringLiteral("%1(%2)").arg(what, c ? c->Name() : "none"));
            };
        };
        Designer->OnAddControl = rec("Add");
        Designer->OnDeleteControl = rec("Delete");
        Designer->OnSelectControl = rec("Select");
    }
};

template <class F>
QString ErrorOf(F f) {
    try {
        f();
    } catch (const EFormDesigner& e) {
        return e.Message();
    }
    return {};
}

}  // namespace

TEST_F(CoreTest, StartsWithTheDocumentedSettings) {
    EXPECT_FALSE(Designer->ClearBeforeLoad());
    EXPECT_EQ(Designer->MessageProcessor(), TMessageProcessor::mpEvent);
    EXPECT_EQ(Designer->LockedControls()->Count(), 0);
    EXPECT_EQ(Designer->LockChildren(), TChildrenMode::cmNone);
    EXPECT_EQ(Designer->ProtectMode(), TProtectMode::pmUnselect);
    EXPECT_EQ(Designer->PopupMenu(), nullptr);
    EXPECT_EQ(Designer->GridStep(), 8);
    EXPECT_FALSE(Designer->SnapToGrid());
    EXPECT_FALSE(Designer->DisplayGrid());
    EXPECT_EQ(Designer->DesignerColor(), clNone);
    EXPECT_EQ(Designer->GridColor(), clNone);
    EXPECT_TRUE(Designer->ShowMoveSizeHint());
    EXPECT_EQ(Designer->GrabSize(), 5);
    EXPECT_EQ(Designer->AlignmentPalette(),
              (TAlignmentPaletteOptions{TAlignmentPaletteOption::apStayOnTop,
                                        TAlignmentPaletteOption::apShowHints}));
    EXPECT_EQ(Designer->LockedGrabFill(), clGray);
    EXPECT_EQ(Designer->NormalGrabFill(), clBlack);
    EXPECT_FALSE(Designer->Active());
    EXPECT_FALSE(Designer->Suspended());

    // The published order is the order a window description lists them in.
    const auto& props = TFormDesigner::StaticClass().Properties();
    QStringList names;
    for (const TPropInfo& p : props)
        names << p.Name;
    const int first = static_cast<int>(names.indexOf(QStringLiteral("ClearBeforeLoad")));
    ASSERT_GE(first, 0);
    EXPECT_EQ(names.mid(first, 4), (QStringList{"ClearBeforeLoad", "MessageProcessor",
                                                "LockedControls", "LockedInverse"}));
    EXPECT_EQ(names.last(), QStringLiteral("OnReadError"));
}

TEST_F(CoreTest, GridStepAndGrabSizeAreClamped) {
    Designer->SetGridStep(1);
    EXPECT_EQ(Designer->GridStep(), 2);
    Designer->SetGridStep(500);
    EXPECT_EQ(Designer->GridStep(), 128);
    Designer->SetGrabSize(1);
    EXPECT_EQ(Designer->GrabSize(), 3);
    Designer->SetGrabSize(40);
    EXPECT_EQ(Designer->GrabSize(), 32);
}

TEST_F(CoreTest, OnlyAFormOwnerCanBeDesigned) {
    TFormDesigner orphan(nullptr);
    EXPECT_EQ(ErrorOf([&] { orphan.SetActive(true); }),
              QStringLiteral("TFormDesigner has no parent window."));
    EXPECT_FALSE(orphan.Active());

    auto* notAForm = new TComponent(&Owner);
    auto* designer = new TFormDesigner(notAForm);
    EXPECT_EQ(ErrorOf([&] { designer->SetActive(true); }),
              QStringLiteral("Owner of TFormDesigner must be TCustomForm descendant."));
    EXPECT_FALSE(designer->Active());
    EXPECT_TRUE(ActiveDesigners().empty());
}

TEST_F(CoreTest, ProcessorAndIndexErrorsKeepTheState) {
    Activate();
    EXPECT_EQ(ErrorOf([&] { Designer->SetMessageProcessor(TMessageProcessor::mpHook); }),
              QStringLiteral("Cannot change message processor when TFormDesigner is activated"));
    EXPECT_EQ(Designer->MessageProcessor(), TMessageProcessor::mpEvent);
    EXPECT_EQ(ErrorOf([&] { Designer->Controls(0); }),
              QStringLiteral("Index of Controls array is out or range."));
    Designer->SetControl(Add("box1", 10, 10, 20, 20));
    EXPECT_EQ(ErrorOf([&] { Designer->Controls(-1); }),
              QStringLiteral("Index of Controls array is out or range."));
    EXPECT_EQ(ErrorOf([&] { Designer->Controls(1); }),
              QStringLiteral("Index of Controls array is out or range."));
    EXPECT_EQ(Designer->Controls(0)->Name(), QStringLiteral("box1"));
}

TEST_F(CoreTest, EventProcessorChainsAndRestoresTheApplicationHandler) {
    TApplication& app = TApplication::Instance();
    int earlier = 0;
    app.OnMessage = [&](TMsg& m, bool&) {
        if (m.message == WM_USER + 7) ++earlier;
    };
    int activated = 0;
    int deactivated = 0;
    Designer->OnActivate = [&](TObject*) { ++activated; };
    Designer->OnDeactivate = [&](TObject*) { ++deactivated; };
    Activate();
    EXPECT_EQ(activated, 1);
    ASSERT_EQ(ActiveDesigners().size(), 1u);
    EXPECT_EQ(ActiveDesigners()[0], Designer);
    Designer->SetActive(true);  // already on: nothing happens
    EXPECT_EQ(activated, 1);

    TApplication::PostMessage(Form->Handle(), WM_USER + 7);
    Pump();
    EXPECT_EQ(earlier, 1);  // the replaced handler still runs after the designer's

    Designer->SetActive(false);
    EXPECT_EQ(deactivated, 1);
    EXPECT_TRUE(ActiveDesigners().empty());
    Designer->Suspend();  // a deactivated designer no longer hands anything on
    int seen = 0;
    Designer->OnMessage = [&](TObject*, TMsg&) { ++seen; };
    TApplication::PostMessage(Form->Handle(), WM_USER + 7);
    Pump();
    EXPECT_EQ(earlier, 2);
    EXPECT_EQ(seen, 0);
    app.OnMessage = nullptr;
}

TEST_F(CoreTest, HookProcessorServesEveryHookDesignerOnce) {
    TForm* other = ShowForm(&Owner);
    auto* second = new TFormDesigner(other);
    Designer->SetMessageProcessor(TMessageProcessor::mpHook);
    second->SetMessageProcessor(TMessageProcessor::mpHook);
    Activate();
    second->SetActive(true);
    EXPECT_FALSE(TApplication::Instance().OnMessage);
    ASSERT_EQ(ActiveDesigners().size(), 2u);

    // Both are suspended, so each hands what it sees to its OnMessage.
    std::vector<int> seen;
    Designer->OnMessage = [&](TObject*, TMsg& m) {
        if (m.message == WM_USER + 9) seen.push_back(1);
    };
    second->OnMessage = [&](TObject*, TMsg& m) {
        if (m.message == WM_USER + 9) seen.push_back(2);
    };
    Designer->Suspend();
    second->Suspend();
    TApplication::PostMessage(Form->Handle(), WM_USER + 9);
    Pump();
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));

    Designer->SetActive(false);
    seen.clear();
    TApplication::PostMessage(Form->Handle(), WM_USER + 9);
    Pump();
    EXPECT_EQ(seen, (std::vector<int>{2}));
    second->SetActive(false);
    seen.clear();
    TApplication::PostMessage(Form->Handle(), WM_USER + 9);
    Pump();
    EXPECT_TRUE(seen.empty());
}

TEST_F(CoreTest, SettingTheCurrentControlRaisesTheRightEvents) {
    TBox* a = Add("a", 10, 10, 20, 20);
    TBox* b = Add("b", 50, 10, 20, 20);
    Activate();
    Record();
    Designer->SetControl(a);
    EXPECT_EQ(Events, (std::vector<QString>{"Add(a)", "Select(a)"}));
    Events.clear();
    Designer->SetControl(a);
    EXPECT_TRUE(Events.empty());
    Designer->SetControl(b);
    EXPECT_EQ(Events, (std::vector<QString>{"Delete(a)", "Add(b)", "Select(b)"}));
    Events.clear();
    Designer->SetControl(nullptr);
    EXPECT_EQ(Events, (std::vector<QString>{"Delete(b)", "Select(none)"}));
    EXPECT_EQ(Designer->ControlCount(), 0);
}

TEST_F(CoreTest, OnlyDirectChildrenOfTheFormCanBeSelected) {
    auto* panel = Add<TContainer>("panel", 10, 10, 150, 100);
    TBox* nested = Add("nested", 5, 5, 20, 20, panel);
    TBox* loose = Add("loose", 200, 10, 20, 20);
    Activate();
    Designer->SetControl(loose);
    Designer->SetControl(nested);  // acts as none
    EXPECT_EQ(Designer->ControlCount(), 0);
    Designer->AddControl(panel);
    Designer->AddControl(nested);  // refused
    EXPECT_EQ(Designer->ControlCount(), 1);
    Designer->AddControl(loose);
    EXPECT_EQ(Designer->Control(), loose);
    EXPECT_EQ(Designer->IndexOf(panel), 1);
    Designer->AddControl(panel);  // already there: becomes current
    EXPECT_EQ(Designer->Control(), panel);
    EXPECT_EQ(Designer->IndexOf(loose), 1);
    Designer->DeleteControl(panel);
    EXPECT_EQ(Designer->Control(), loose);
}

TEST_F(CoreTest, SelectAllTakesVisibleUnprotectedControlsInOwnershipOrder) {
    TBox* a = Add("a", 10, 10, 20, 20);
    auto* b = Add<TGlyph>("b", 50, 10, 20, 20);
    TBox* hidden = Add("hidden", 90, 10, 20, 20);
    hidden->SetVisible(false);
    TBox* guarded = Add("guarded", 130, 10, 20, 20);
    TBox* c = Add("c", 170, 10, 20, 20);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    Designer->LockedControls()->Add(QStringLiteral("c"));  // locked ones are included
    Activate();
    Designer->SelectAll();
    ASSERT_EQ(Designer->ControlCount(), 3);
    EXPECT_EQ(Designer->Control(), c);
    EXPECT_GE(Designer->IndexOf(a), 0);
    EXPECT_GE(Designer->IndexOf(b), 0);
    EXPECT_LT(Designer->IndexOf(guarded), 0);
    for (TControl* x :
         {static_cast<TControl*>(a), static_cast<TControl*>(b), static_cast<TControl*>(c)})
        EXPECT_TRUE(Designer->HasSelectionMarks(x)) << x->Name().toStdString();

    Designer->SetControl(a);
    EXPECT_FALSE(Designer->HasSelectionMarks(a));
    EXPECT_FALSE(Designer->HasSelectionMarks(c));
}

TEST_F(CoreTest, AlignToGridRoundsToTheNearestLine) {
    TBox* box = Add("box", 11, 4, 20, 20);
    TBox* locked = Add("locked", 11, 11, 20, 20);
    Designer->AlignToGrid(box);  // inactive: nothing
    EXPECT_EQ(box->Left(), 11);
    Designer->LockedControls()->Add(QStringLiteral("locked"));
    Activate();
    Designer->AlignToGrid(box);
    EXPECT_EQ(box->BoundsRect(), Bounds(8, 8, 20, 20));
    for (auto [from, to] : {std::pair{12, 16}, {3, 0}, {-5, 0}}) {
        box->SetLeft(from);
        Designer->AlignToGrid(box);
        EXPECT_EQ(box->Left(), to) << from;
    }
    Designer->AlignToGrid(locked);
    EXPECT_EQ(locked->Left(), 11);
}

TEST_F(CoreTest, AStatusGainedByTheCurrentControlClearsTheSelection) {
    TBox* box = Add("box", 10, 10, 20, 20);
    Activate();
    Designer->SetControl(box);
    TStringList names;
    names.Add(QStringLiteral("other"));
    Designer->SetLockedControls(&names);
    EXPECT_EQ(Designer->Control(), box);
    Designer->SetLockedInverse(true);
    EXPECT_EQ(Designer->Control(), nullptr);

    Designer->SetLockedInverse(false);
    Designer->SetControl(box);
    names.Add(QStringLiteral("box"));
    Designer->SetTransparentControls(&names);
    EXPECT_EQ(Designer->Control(), nullptr);
    EXPECT_EQ(Designer->TransparentControls()->Count(), 2);
}

TEST_F(CoreTest, EditingTheLockedListInPlaceRepaintsTheHandles) {
    TBox* box = Add("box", 10, 10, 20, 20);
    Activate();
    Designer->SetControl(box);
    TGrabHandle* handle = Designer->GrabHandles()->Items(TGrabPosition::gpLeftTop);
    EXPECT_FALSE(handle->Locked());
    Designer->LockedControls()->Add(QStringLiteral("box"));
    EXPECT_TRUE(handle->Locked());
    EXPECT_EQ(Designer->Control(), box);  // in place: selection kept, only the look changes
}

TEST_F(CoreTest, SuspensionNestsAndResumeReleasesTheCapture) {
    Activate();
    Designer->Suspend();
    Designer->Suspend();
    Designer->Resume();
    EXPECT_TRUE(Designer->Suspended());
    TApplication::Instance().SetCapture(Form->Handle());
    Designer->Resume();
    EXPECT_FALSE(Designer->Suspended());
    EXPECT_EQ(TApplication::Instance().GetCapture(), nullptr);
    Designer->Resume();  // never below zero
    Designer->Suspend();
    EXPECT_TRUE(Designer->Suspended());
}

TEST_F(CoreTest, WhileSuspendedAPressGoesToOnMessageAndSelectsNothing) {
    TBox* box = Add("box", 10, 10, 40, 40);
    Activate();
    std::vector<UINT> seen;
    Designer->OnMessage = [&](TObject* sender, TMsg& m) {
        EXPECT_EQ(sender, Designer);
        if (m.message == WM_LBUTTONDOWN) {
            seen.push_back(m.message);
            m.message = WM_NULL;  // the handler may swallow it
        }
    };
    int pressed = 0;
    box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++pressed; };
    Designer->Suspend();
    Click({20, 20});
    EXPECT_EQ(seen, (std::vector<UINT>{WM_LBUTTONDOWN}));
    EXPECT_EQ(Designer->ControlCount(), 0);
    EXPECT_EQ(pressed, 0);

    Designer->Resume();
    seen.clear();
    Click({20, 20});
    EXPECT_TRUE(seen.empty());  // not suspended: the designer does the work itself
    EXPECT_EQ(Designer->Control(), box);
}

TEST_F(CoreTest, AnInactiveFormHandsMessagesToOnMessage) {
    Add("box", 10, 10, 40, 40);
    Activate();
    TForm* other = ShowForm(&Owner);
    ASSERT_TRUE(other->Active());
    int seen = 0;
    Designer->OnMessage = [&](TObject*, TMsg& m) {
        if (m.message == WM_USER + 3) ++seen;
    };
    TApplication::PostMessage(Form->Handle(), WM_USER + 3);
    Pump();
    EXPECT_EQ(seen, 1);
}

TEST_F(CoreTest, GridTileIsTheFormBackgroundWhileActive) {
    Form->SetColor(clWhite);
    Designer->SetDisplayGrid(true);
    Designer->SetGridColor(clBlack);
    Designer->SetGridStep(4);
    Activate();
    EXPECT_EQ(Form->Brush()->Bitmap(), &Designer->GridTile());
    EXPECT_EQ(Designer->GridTile().Width(), 32);

    const QImage shot = Form->Handle()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(40, 36), QColor(Qt::black));  // dots repeat from the origin
    EXPECT_EQ(shot.pixelColor(41, 36), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(42, 38), QColor(Qt::white));

    Designer->SetDisplayGrid(false);  // a plain tile in the designer colour
    Designer->SetDesignerColor(clRed);
    const QImage plain = Form->Handle()->grab().toImage();
    EXPECT_EQ(plain.pixelColor(40, 36), QColor(Qt::red));

    Designer->SetActive(false);
    EXPECT_EQ(Form->Brush()->Bitmap(), nullptr);
    EXPECT_EQ(Form->Handle()->grab().toImage().pixelColor(40, 36), QColor(Qt::white));
}

TEST_F(CoreTest, TheBackgroundFollowsTheFormsColourWhileAnotherWindowIsActive) {
    // A rack loaded from the palette gets its colour while the palette is the active window.
    Form->SetColor(clWhite);
    Activate();
    ShowForm(&Owner);
    ASSERT_FALSE(Form->Active());
    Form->SetColor(clRed);
    Pump();
    EXPECT_EQ(Form->Handle()->grab().toImage().pixelColor(41, 37), QColor(Qt::red));
}

TEST_F(CoreTest, AControlsOwnMenuNeverOpensUnlessTheControlIsProtected) {
    TBox* box = Add("box", 10, 10, 40, 40);
    TBox* guarded = Add("guarded", 100, 10, 40, 40);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    Activate();
    TMsg onBox{box->Handle(), WM_CONTEXTMENU, 0, MakeLParam(5, 5), 0, {}};
    Designer->ProcessMessage(onBox);
    EXPECT_EQ(onBox.message, WM_NULL);
    TMsg onGuarded{guarded->Handle(), WM_CONTEXTMENU, 0, MakeLParam(5, 5), 0, {}};
    Designer->ProcessMessage(onGuarded);
    EXPECT_EQ(onGuarded.message, WM_CONTEXTMENU);
}

TEST_F(CoreTest, SavedRackLeavesTheDesignerOutAndKeepsItOwned) {
    Designer->SetName(QStringLiteral("cmpFormDesigner"));
    Form->SetName(QStringLiteral("frmRack"));
    (new TComponent(Form))->SetName(QStringLiteral("helper"));
    Add("box", 10, 10, 40, 40);
    Activate();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("rack.res"));
    Designer->SaveToFile(file, rack::kRackFileFormat);

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const rack::TObjectRecord root = rack::ReadRackTree(saved.readAll());
    QStringList children;
    for (const auto& child : root.Children)
        children << child.Name;
    EXPECT_TRUE(children.contains(QStringLiteral("helper")));  // other components are written
    EXPECT_TRUE(children.contains(QStringLiteral("box")));
    EXPECT_FALSE(children.contains(QStringLiteral("cmpFormDesigner")));
    EXPECT_EQ(Designer->Owner(), Form);
    EXPECT_EQ(Form->FindComponent(u"cmpFormDesigner"), Designer);

    const QString nowhere = dir.filePath(QStringLiteral("missing/folder/rack.res"));
    EXPECT_THROW(Designer->SaveToFile(nowhere, rack::kRackFileFormat), EWriteError);
    EXPECT_EQ(Designer->Owner(), Form);
    EXPECT_EQ(Form->FindComponent(u"cmpFormDesigner"), Designer);
    EXPECT_TRUE(Designer->Active());
}

TEST_F(CoreTest, ActivatingTheFormTakesTheFocusFromUnprotectedControls) {
    TBox* box = Add("box", 10, 10, 40, 40);
    TBox* guarded = Add("guarded", 60, 10, 40, 40);
    box->SetTabStop(true);
    guarded->SetTabStop(true);
    Designer->ProtectedControls()->Add(QStringLiteral("guarded"));
    Activate();
    auto reactivate = [&] {
        ShowForm(&Owner);
        QApplication::setActiveWindow(Form->Handle());
        Pump();
    };
    box->SetFocus();
    reactivate();
    EXPECT_EQ(Form->ActiveControl(), nullptr);
    guarded->SetFocus();
    reactivate();
    EXPECT_EQ(Form->ActiveControl(), guarded);
}
