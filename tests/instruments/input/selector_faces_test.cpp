// The faces the track bar and the switch keep between paints: a value change paints what a face
// made afresh paints, across a sweep of values and the ways each can run, and whatever else
// changes shows at the next paint.
#include <gtest/gtest.h>

#include <functional>

#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "support/testwindows.h"

namespace mox {
namespace {

template <class C>
struct Row {
    const char* Name;
    std::function<void(C&)> Setup;
};

// `set(control, step)` changes the value; a twin set alike has its face made again through a
// setting changed there and back before every comparison.
template <class C>
void ExpectValueChangesPaintLikeFreshFaces(const std::vector<Row<C>>& rows,
                                           const std::function<void(C&, int)>& set,
                                           const std::function<void(C&)>& remakeFace) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 400, 400);
    for (const Row<C>& row : rows) {
        SCOPED_TRACE(row.Name);
        auto* control = new C(form);
        auto* twin = new C(form);
        for (C* c : {control, twin}) {
            row.Setup(*c);
            c->SetParent(form);
        }
        twin->SetLeft(200);
        control->Repaint();
        TApplication::Instance().ProcessMessages();
        for (int step = 0; step <= 12; ++step) {
            SCOPED_TRACE(step);
            const qint64 face = control->Face().Image().Image().cacheKey();
            set(*control, step);
            set(*twin, step);
            TApplication::Instance().ProcessMessages();
            ASSERT_TRUE(control->Face().Valid());
            EXPECT_EQ(control->Face().Image().Image().cacheKey(), face);
            remakeFace(*twin);
            ASSERT_TRUE(control->Image().Image() == twin->Image().Image());
        }
        delete control;
        delete twin;
    }
}

TEST(SelectorFacesTest, TrackBarValueChangesPaintWhatAFreshFacePaints) {
    using B = TVrTrackBar;
    const std::vector<Row<B>> rows = {
        {"horizontal from the left", [](B&) {}},
        {"horizontal from the right", [](B& b) { b.SetStyle(TVrProgressStyle::psTopRight); }},
        {"vertical", [](B& b) { b.SetOrientation(TVrOrientation::voVertical); }},
        {"see-through thumb, no bevel, one side",
         [](B& b) {
             b.SetOptions({});
             b.GutterBevel()->SetVisible(false);
             b.SetTickMarks(TVrTickMarks::tmBottomRight);
         }},
    };
    ExpectValueChangesPaintLikeFreshFaces<B>(
        rows, [](B& b, int step) { b.SetPosition(step * 9); },
        [](B& b) {
            b.SetTickColor(clRed);
            b.SetTickColor(clBlack);
        });
}

TEST(SelectorFacesTest, SwitchValueChangesPaintWhatAFreshFacePaints) {
    using S = TVrSwitch;
    const std::vector<Row<S>> rows = {
        {"vertical from the bottom", [](S&) {}},
        {"horizontal from the right",
         [](S& s) {
             s.SetOrientation(TVrOrientation::voHorizontal);
             s.SetStyle(TVrProgressStyle::psTopRight);
         }},
        {"disabled, see-through",
         [](S& s) {
             s.SetEnabled(false);
             s.SetOptions({});
         }},
    };
    ExpectValueChangesPaintLikeFreshFaces<S>(
        rows, [](S& s, int step) { s.SetOffset(step % 4); },
        [](S& s) {
            s.SetBorderColor(clRed);
            s.SetBorderColor(clBtnFace);
        });
}

// What changes the face after a value change shows at the next paint, as on a control that had
// it all along.
TEST(SelectorFacesTest, OtherChangesRepaintTheFace) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 400, 400);
    const std::pair<const char*, std::function<void(TVrTrackBar&)>> rows[] = {
        {"range", [](TVrTrackBar& b) { b.SetMaxValue(400); }},
        {"frequency", [](TVrTrackBar& b) { b.SetFrequency(25); }},
        {"gutter", [](TVrTrackBar& b) { b.SetGutterWidth(4); }},
        {"gutter bevel", [](TVrTrackBar& b) { b.GutterBevel()->SetOuterWidth(2); }},
        {"colour", [](TVrTrackBar& b) { b.SetColor(clNavy); }},
        {"size", [](TVrTrackBar& b) { b.SetBounds(b.Left(), b.Top(), 120, 60); }},
        {"thumb states", [](TVrTrackBar& b) { b.SetThumbStates(3); }},
    };
    for (const auto& [name, alter] : rows) {
        SCOPED_TRACE(name);
        auto* bar = new TVrTrackBar(form);
        bar->SetParent(form);
        bar->SetPosition(30);
        bar->Repaint();
        TApplication::Instance().ProcessMessages();
        bar->SetPosition(60);
        alter(*bar);
        auto* twin = new TVrTrackBar(form);
        twin->SetPosition(60);
        alter(*twin);
        twin->SetTop(100);
        twin->SetParent(form);
        bar->Repaint();
        twin->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_TRUE(bar->Image().Image() == twin->Image().Image());
        delete bar;
        delete twin;
    }
}

}  // namespace
}  // namespace mox
