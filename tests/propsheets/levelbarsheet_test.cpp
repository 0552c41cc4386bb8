// The level bar's property sheet: what it shows, a range applied whole (also past the current
// one), what it refuses, the direction pick and the colour rows.
#include "propsheets/levelbarsheet.h"

#include <limits>

#include "instruments/output/vrprogressbar.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

struct LevelBarSheetTest : test::CommandsFixture {
    TComponent Windows{nullptr};
    TVrProgressBar* Bar = nullptr;
    TPropertySheet* Sheet = nullptr;

    LevelBarSheetTest() {
        Bar = new TVrProgressBar(&Rack);
        Bar->SetName(QStringLiteral("lbar1"));
        Bar->SetParent(&Rack);
        Sheet = new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmLBar"),
                                   QStringLiteral("Level Bar"), LevelBarSheet());
        Sheet->Fill(*Bar);
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Apply(const std::vector<std::pair<const char*, const char*>>& cells) {
        return ApplyCells(*Sheet, cells);
    }
};

TEST_F(LevelBarSheetTest, SheetShowsTheRangeTheDialogRowsAndTheDirection) {
    const auto shown = [this] { return SheetRows(*Sheet); };
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(shown(), (QStringList{"Name=lbar1", "Min value=0", "Max value=100",
                                    "Start color" + dialog, "End color" + dialog,
                                    "Background color" + dialog, "Direction=Horizontal"}));
    EXPECT_EQ(Grid().ItemProps(6)->PickList()->Count(), 2);
    Bar->SetRange(-20, 30);
    Bar->SetOrientation(TVrOrientation::voVertical);
    Sheet->Fill(*Bar);
    EXPECT_EQ(shown().mid(1, 2), (QStringList{"Min value=-20", "Max value=30"}));
    EXPECT_EQ(shown().back(), "Direction=Vertical");
}

// Each row starts from a bar at 0..100, horizontal, 200 × 16. A bad cell stops Apply with the
// message: the name stays applied, the range is set whole or not at all, and nothing after it
// is set.
TEST_F(LevelBarSheetTest, ApplySetsTheRangeWholeAndReportsWhatItRefuses) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        bool Refused;
        int MinValue, MaxValue, Position, Width;
    };
    const Row rows[] = {
        {"a range above", {{"Min value", "200"}, {"Max value", "300"}}, false, 200, 300, 200, 200},
        {"a range below the current minimum",
         {{"Min value", "-100"}, {"Max value", "-50"}},
         false,
         -100,
         -50,
         -50,
         200},
        {"a narrower range", {{"Max value", "60"}}, false, 0, 60, 60, 200},
        {"upright", {{"Direction", "Vertical"}}, false, 0, 100, 100, 16},
        {"not an entry", {{"Direction", "vertical"}}, false, 0, 100, 100, 200},
        {"abc as the maximum",
         {{"Max value", "abc"}, {"Direction", "Vertical"}},
         true,
         0,
         100,
         100,
         200},
        {"a bad minimum", {{"Min value", "1.5"}, {"Max value", "50"}}, true, 0, 100, 100, 200},
        {"beyond 32 bits", {{"Max value", "2147483648"}}, true, 0, 100, 100, 200},
        {"crossed",
         {{"Min value", "80"}, {"Max value", "20"}, {"Direction", "Vertical"}},
         true,
         0,
         100,
         100,
         200},
        {"empty", {{"Min value", "50"}, {"Max value", "50"}}, true, 0, 100, 100, 200},
        {"all of int",
         {{"Min value", "-2147483648"}, {"Max value", "2147483647"}},
         false,
         kMin,
         kMax,
         100,
         200},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Bar->SetOrientation(TVrOrientation::voHorizontal);
        Bar->SetRange(0, 100);
        Bar->SetPosition(100);
        Sheet->Fill(*Bar);
        Grid().SetValue(0, QStringLiteral("level"));
        const QStringList shown = Apply(row.Cells);
        EXPECT_EQ(shown, row.Refused ? QStringList{"Please check properties !"} : QStringList{});
        EXPECT_EQ(Bar->Name(), "level");
        EXPECT_EQ((std::vector{Bar->MinValue(), Bar->MaxValue(), Bar->Position(), Bar->Width()}),
                  (std::vector{row.MinValue, row.MaxValue, row.Position, row.Width}));
    }
}

TEST_F(LevelBarSheetTest, ColourRowsSetTheirColourOnOkOnly) {
    struct Row {
        int GridRow;
        TColor (*Get)(const TVrProgressBar&);
    };
    const Row rows[] = {{3, [](const TVrProgressBar& b) { return b.StartColor(); }},
                        {4, [](const TVrProgressBar& b) { return b.EndColor(); }},
                        {5, [](const TVrProgressBar& b) { return b.Color(); }}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.GridRow);
        const TColor before = row.Get(*Bar);
        Grid().SetRow(row.GridRow);
        Dialogs.CancelColor();
        Sheet->EditCurrentRow();
        EXPECT_EQ(row.Get(*Bar), before);
        Dialogs.AnswerColor(clOlive);
        Sheet->EditCurrentRow();
        EXPECT_EQ(row.Get(*Bar), clOlive);
        EXPECT_EQ(Dialogs.ColorRequests().back(), before);
    }
    EXPECT_TRUE(Dialogs.Messages().empty());
}

}  // namespace
}  // namespace mox
