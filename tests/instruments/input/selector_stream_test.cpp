// The track bar and the switch in a rack file: what a rack sets comes back, the switch at the size
// it was saved at and the track bar's range and thumb intact.
#include <gtest/gtest.h>

#include "instruments/input/vrswitch.h"
#include "instruments/input/vrtrackbar.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/testwindows.h"

namespace mox {
namespace {

template <class C>
C* ReadBack(TForm& form, TComponent& owner) {
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(form));
    TClassRegistry registry;
    registry.RegisterClass(C::StaticClass());
    TForm* again = test::ShowForm(&owner);
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    return dynamic_cast<C*>(again->FindComponent(QStringLiteral("c")));
}

TEST(SelectorStreamTest, TrackBarSettingsSurviveARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* bar = new TVrTrackBar(form);
    bar->SetName(QStringLiteral("c"));
    bar->SetParent(form);
    bar->SetOrientation(TVrOrientation::voVertical);
    bar->SetMinValue(-50);
    bar->SetMaxValue(250);
    bar->SetPosition(120);
    bar->SetStyle(TVrProgressStyle::psTopRight);
    bar->SetOptions(TVrTrackBarOptions{TVrTrackBarOption::toFixedPoints});
    bar->SetFrequency(25);
    bar->SetTickMarks(TVrTickMarks::tmTopLeft);
    bar->SetThumbStates(2);
    bar->SetFocusOffset(-1);
    bar->SetColor(clSilver);
    TVrTrackBar* loaded = ReadBack<TVrTrackBar>(*form, owner);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((TSize{loaded->Width(), loaded->Height()}), (TSize{45, 175}));
    EXPECT_EQ(loaded->Orientation(), TVrOrientation::voVertical);
    EXPECT_EQ((std::vector{loaded->MinValue(), loaded->MaxValue(), loaded->Position()}),
              (std::vector{-50, 250, 120}));
    EXPECT_EQ(loaded->Style(), TVrProgressStyle::psTopRight);
    EXPECT_EQ(loaded->Options(), TVrTrackBarOptions{TVrTrackBarOption::toFixedPoints});
    EXPECT_EQ(loaded->Frequency(), 25);
    EXPECT_EQ(loaded->TickMarks(), TVrTickMarks::tmTopLeft);
    EXPECT_EQ(loaded->FocusOffset(), -1);
    EXPECT_EQ(loaded->Color(), clSilver);
    // The thumb cut into the states read after it: the vertical thumb's 17 pixels in two.
    EXPECT_EQ(loaded->ThumbRect(), bar->ThumbRect());
    EXPECT_EQ(loaded->ThumbRect().Width(), 8);
}

// Read one by one, the settings would size the switch on the way (the height it takes for six
// vertical slots stays once it turns, as the cross axis only grows); it is sized once, when read.
TEST(SelectorStreamTest, SwitchComesBackAtTheSizeItWasSaved) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* selector = new TVrSwitch(form);
    selector->SetName(QStringLiteral("c"));
    selector->SetParent(form);
    selector->SetOrientation(TVrOrientation::voHorizontal);
    selector->SetPositions(6);
    selector->SetOffset(5);
    selector->SetStyle(TVrProgressStyle::psTopRight);
    selector->SetBorderWidth(3);
    TVrSwitch* loaded = ReadBack<TVrSwitch>(*form, owner);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((TSize{loaded->Width(), loaded->Height()}), (TSize{78, 50}));
    EXPECT_EQ(loaded->Positions(), 6);
    EXPECT_EQ(loaded->Offset(), 5);
    EXPECT_EQ(loaded->ThumbRect(), selector->ThumbRect());
    EXPECT_EQ(loaded->ThumbRect().Left, 4);  // the last slot at the left
}

}  // namespace
}  // namespace mox
