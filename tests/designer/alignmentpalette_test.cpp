// The alignment palette: its buttons and menu, the buttons aligning the designer's selection,
// the menu's checks and toggles kept in step with the designer's options, flat buttons, and the
// palette keeping its place and settings when hidden and shown again.
#include "designer/alignmentpalette.h"

#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include "support/designertesting.h"
#include "toolkit/stdctrls/menus.h"
#include "toolkit/stdctrls/speedbutton.h"

using namespace mox;
using namespace mox::test;

namespace {

using enum TAlignmentPaletteOption;
using P = TfrmAlignmentPalette;

TPoint PlaceOf(const TControl* c) {
    return {c->Left(), c->Top()};
}

struct AlignmentPaletteTest : DesignerTest {
    TfrmAlignmentPalette* Palette = Designer->AlignmentPaletteWindow();

    void ShowPalette() {
        Palette->Show();
        static_cast<void>(QTest::qWaitForWindowExposed(Palette->Handle()));
        Pump();
    }
    QPoint WindowPos() { return Palette->Handle()->pos(); }
    bool OnTopFlag() { return Palette->Handle()->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }
};

// Three selected controls whose edges, centres and spacing all differ; `a` is current.
struct AlignByButtonTest : AlignmentPaletteTest {
    TBox* A = Add("a", 50, 10, 20, 20);
    TBox* B = Add("b", 10, 55, 30, 30);
    TBox* C = Add("c", 25, 100, 40, 40);

    AlignByButtonTest() {
        Activate();
        for (TControl* c : {B, C, A})
            Designer->AddControl(c);
    }
    std::vector<TPoint> Places() const { return {PlaceOf(A), PlaceOf(B), PlaceOf(C)}; }
};

}  // namespace

TEST_F(AlignmentPaletteTest, ButtonsFollowTheLayoutTable) {
    ASSERT_NE(Palette, nullptr);
    EXPECT_EQ(Palette->Owner(), Designer);
    EXPECT_FALSE(Palette->Visible());
    EXPECT_EQ(Palette->Caption(), "Align");
    EXPECT_EQ(Palette->BorderStyle(), TFormBorderStyle::bsToolWindow);
    EXPECT_EQ(Palette->Position(), TPosition::poDefault);
    EXPECT_EQ(Palette->ClientRect(), Rect(0, 0, 150, 60));
    const struct {
        TSpeedButton* P::*Field;
        const char* Name;
        int Tag, Left, Top;
        const char* Hint;
        const char* Handler;
    } rows[] = {
        {&P::sbtLeft, "sbtLeft", 1, 0, 0, "Align left edges", "sbtHorClick"},
        {&P::sbtHorCenter, "sbtHorCenter", 2, 30, 0, "Align horizontal centers", "sbtHorClick"},
        {&P::sbtHorWinCenter, "sbtHorWinCenter", 5, 60, 0, "Center horizontally in window",
         "sbtHorClick"},
        {&P::sbtHorSpace, "sbtHorSpace", 4, 90, 0, "Space equally, horizontally", "sbtHorClick"},
        {&P::sbtRight, "sbtRight", 3, 120, 0, "Align right edges", "sbtHorClick"},
        {&P::sbtTop, "sbtTop", 1, 0, 30, "Align tops", "sbtVerClick"},
        {&P::sbtVerCenter, "sbtVerCenter", 2, 30, 30, "Align vertical centers", "sbtVerClick"},
        {&P::sbtVerWinCenter, "sbtVerWinCenter", 5, 60, 30, "Center vertically in window",
         "sbtVerClick"},
        {&P::sbtVerSpace, "sbtVerSpace", 4, 90, 30, "Space equally, vertically", "sbtVerClick"},
        {&P::sbtBottom, "sbtBottom", 3, 120, 30, "Align bottoms", "sbtVerClick"},
    };
    EXPECT_EQ(Palette->ControlCount(), static_cast<int>(std::size(rows)));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.Name);
        TSpeedButton* b = Palette->*row.Field;
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(Palette->FindComponent(QString::fromLatin1(row.Name)), b);
        EXPECT_EQ(b->Parent(), Palette);
        EXPECT_EQ(b->Tag(), row.Tag);
        EXPECT_EQ(b->BoundsRect(), Bounds(row.Left, row.Top, 30, 30));
        EXPECT_EQ(b->Hint(), row.Hint);
        EXPECT_EQ(b->OnClick.Method(), (TMethod{Palette, row.Handler}));
        EXPECT_EQ(b->NumGlyphs(), 3);
        EXPECT_EQ(b->Glyph()->Width(), 72);
        EXPECT_EQ(b->Glyph()->Height(), 24);
        // What accessibility tools, and so the end-to-end tests, know it by.
        EXPECT_EQ(b->Handle()->accessibleName(), row.Hint);
    }
}

TEST_F(AlignmentPaletteTest, MenuListsItsItemsInOrder) {
    ASSERT_EQ(Palette->PopupMenu(), Palette->pmnMain);
    EXPECT_EQ(Palette->pmnMain->OnPopup.Method(), (TMethod{Palette, "pmnMainPopup"}));
    QStringList items;
    for (int i = 0; i < Palette->pmnMain->Count(); ++i) {
        const TMenuItem* item = Palette->pmnMain->Items(i);
        items << QStringList{item->Name(), item->Caption(), item->OnClick.Method().Name}.join(u' ');
    }
    EXPECT_EQ(items.join(u'|'),
              "mniStayOnTop &Stay on top mniStayOnTopClick|"
              "mniShowHints Sho&w hints mniShowHintsClick|mniHide Hide mniHideClick");
    EXPECT_EQ(Palette->pmnMain->Items(0), Palette->mniStayOnTop);
    EXPECT_EQ(Palette->pmnMain->Items(1), Palette->mniShowHints);
    EXPECT_EQ(Palette->pmnMain->Items(2), Palette->mniHide);
}

TEST_F(AlignByButtonTest, EachButtonAlignsTheSelectionItsWay) {
    const int w = Form->Width();  // the outer size counts for centring in the window
    const int h = Form->Height();
    const struct {
        TSpeedButton* P::*Field;
        std::vector<TPoint> Expected;  // a, b, c
    } rows[] = {
        {&P::sbtLeft, {{10, 10}, {10, 55}, {10, 100}}},
        {&P::sbtHorCenter, {{30, 10}, {25, 55}, {20, 100}}},
        {&P::sbtHorWinCenter, {{(w - 20) / 2, 10}, {(w - 30) / 2, 55}, {(w - 40) / 2, 100}}},
        {&P::sbtHorSpace, {{50, 10}, {10, 55}, {30, 100}}},
        {&P::sbtRight, {{50, 10}, {40, 55}, {30, 100}}},
        {&P::sbtTop, {{50, 10}, {10, 10}, {25, 10}}},
        {&P::sbtVerCenter, {{50, 65}, {10, 60}, {25, 55}}},
        {&P::sbtVerWinCenter, {{50, (h - 20) / 2}, {10, (h - 30) / 2}, {25, (h - 40) / 2}}},
        {&P::sbtVerSpace, {{50, 10}, {10, 55}, {25, 100}}},
        {&P::sbtBottom, {{50, 120}, {10, 110}, {25, 100}}},
    };
    const std::vector<TPoint> start = Places();
    for (const auto& row : rows) {
        TSpeedButton* button = Palette->*row.Field;
        SCOPED_TRACE(button->Name().toStdString());
        button->Click();
        EXPECT_EQ(Places(), row.Expected);
        for (auto [control, place] : {std::pair{A, start[0]}, {B, start[1]}, {C, start[2]}})
            control->SetBounds(place.X, place.Y, control->Width(), control->Height());
    }
}

TEST_F(AlignByButtonTest, AClickOnTheShownPaletteReachesItsButton) {
    ShowPalette();
    QTest::mouseClick(Palette->sbtRight->Handle(), Qt::LeftButton, {}, QPoint(15, 15));
    Pump();
    EXPECT_EQ(Places(), (std::vector<TPoint>{{50, 10}, {40, 55}, {30, 100}}));
}

TEST_F(AlignByButtonTest, TagsThatNameNoAlignmentDoNothing) {
    const std::vector<TPoint> start = Places();
    // A locked control would leave the selection if an alignment ran at all.
    Designer->LockedControls()->Add(QStringLiteral("c"));
    for (int tag : {0, 6, -1}) {
        Palette->sbtLeft->SetTag(tag);
        Palette->sbtTop->SetTag(tag);
        Palette->sbtLeft->Click();
        Palette->sbtTop->Click();
    }
    Palette->sbtHorClick(nullptr);
    EXPECT_EQ(Places(), start);
    EXPECT_EQ(Designer->ControlCount(), 3);
}

TEST(AlignmentPaletteAlone, WorksWithoutADesigner) {
    TComponent owner{nullptr};
    auto* palette = new TfrmAlignmentPalette(&owner);
    palette->sbtLeft->Click();
    palette->sbtBottom->Click();
    palette->mniStayOnTop->Click();
    palette->mniShowHints->Click();
    EXPECT_TRUE(palette->StayOnTop());
    EXPECT_TRUE(palette->ShowHint());
}

TEST_F(AlignmentPaletteTest, PopupChecksWhatThePaletteIs) {
    for (const bool onTop : {true, false})
        for (const bool hints : {true, false}) {
            Palette->SetStayOnTop(onTop);
            Palette->SetShowHint(hints);
            // Checks left from an earlier showing are put right.
            Palette->mniStayOnTop->SetChecked(!onTop);
            Palette->mniShowHints->SetChecked(!hints);
            Palette->pmnMainPopup(Palette->pmnMain);
            EXPECT_EQ(Palette->mniStayOnTop->Checked(), onTop);
            EXPECT_EQ(Palette->mniShowHints->Checked(), hints);
        }
}

TEST_F(AlignmentPaletteTest, TogglesChangeThePaletteAndTheDesignersOptions) {
    const TAlignmentPaletteOptions others{apAutoShow, apFlatButtons};
    Designer->SetAlignmentPalette(others);
    Palette->pmnMainPopup(Palette->pmnMain);
    Palette->mniStayOnTop->Click();
    Palette->mniShowHints->Click();
    EXPECT_TRUE(Palette->mniStayOnTop->Checked() && Palette->mniShowHints->Checked());
    EXPECT_TRUE(Palette->StayOnTop() && OnTopFlag());
    EXPECT_TRUE(Palette->ShowHint() && Palette->sbtBottom->ShowHint());
    EXPECT_EQ(Designer->AlignmentPalette(),
              (others + TAlignmentPaletteOptions{apStayOnTop, apShowHints}));
    EXPECT_TRUE(Palette->sbtLeft->Flat());  // the designer re-applied the options it kept

    Palette->mniStayOnTop->Click();
    Palette->mniShowHints->Click();
    EXPECT_FALSE(Palette->mniStayOnTop->Checked() || Palette->mniShowHints->Checked());
    EXPECT_FALSE(Palette->StayOnTop() || OnTopFlag());
    EXPECT_FALSE(Palette->ShowHint() || Palette->sbtBottom->ShowHint());
    EXPECT_EQ(Designer->AlignmentPalette(), others);

    // Changed through the designer while the menu was closed, the checks are stale: a toggle
    // still turns the palette's setting over.
    Designer->SetAlignmentPalette(TAlignmentPaletteOptions{apStayOnTop, apShowHints});
    Palette->mniStayOnTop->Click();
    Palette->mniShowHints->Click();
    EXPECT_FALSE(Palette->StayOnTop() || Palette->ShowHint());
    EXPECT_EQ(Designer->AlignmentPalette(), TAlignmentPaletteOptions{});
}

TEST_F(AlignmentPaletteTest, FlatButtonsReachAllTen) {
    for (const bool flat : {true, false}) {
        Palette->SetFlatButtons(flat);
        for (int i = 0; i < Palette->ControlCount(); ++i) {
            auto* b = dynamic_cast<TSpeedButton*>(Palette->Controls(i));
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(b->Flat(), flat);
            EXPECT_EQ(static_cast<QToolButton*>(b->Handle())->autoRaise(), flat);
        }
    }
}

TEST_F(AlignmentPaletteTest, RightClickOpensTheMenuWithItsChecks) {
    Designer->SetAlignmentPalette(TAlignmentPaletteOptions{apStayOnTop});
    ShowPalette();
    QStringList seen;
    // The menu runs its own loop: look at it from inside, then choose Hide, the last item.
    QTimer::singleShot(0, [&seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        for (const QAction* a : menu->actions())
            seen << QStringLiteral("%1 %2").arg(a->text()).arg(a->isChecked());
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QWidget* over = Palette->sbtVerSpace->Handle();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            over->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(over, &event);
    Pump();
    EXPECT_EQ(seen.join(u'|'), "&Stay on top 1|Sho&w hints 0|Hide 0");
    EXPECT_FALSE(Palette->Visible());
}

TEST_F(AlignmentPaletteTest, ShownAgainWhereItWasLeftWithItsSettings) {
    Designer->SetAlignmentPalette(TAlignmentPaletteOptions{apStayOnTop, apShowHints});
    ShowPalette();
    const QPoint first = WindowPos();  // where the window system put it
    Palette->mniStayOnTop->Click();
    Palette->mniStayOnTop->Click();
    Pump();
    EXPECT_EQ(WindowPos(), first);

    const QPoint moved = first + QPoint(37, 21);  // as if the user dragged it
    Palette->Handle()->move(moved);
    Pump();
    Palette->mniHide->Click();
    EXPECT_FALSE(Palette->Handle()->isVisible());
    ShowPalette();
    EXPECT_EQ(WindowPos(), moved);
    EXPECT_EQ(PlaceOf(Palette), TPoint::FromQPoint(moved));
    EXPECT_TRUE(Palette->StayOnTop() && OnTopFlag());
    EXPECT_TRUE(Palette->ShowHint());
    EXPECT_EQ(Palette->ClientRect(), Rect(0, 0, 150, 60));
}
