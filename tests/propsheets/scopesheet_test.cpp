// The scope's property sheet: what it shows, the range set whole, grid and base line rows, and
// the colour rows, the plot colour acting on the first channel.
#include "propsheets/scopesheet.h"

#include "instruments/output/vrscope.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct ScopeSheetTest : test::CommandsFixture {
    TComponent Windows{nullptr};
    TVrScope* Scope = nullptr;
    TPropertySheet* Sheet = nullptr;

    ScopeSheetTest() {
        Scope = new TVrScope(&Rack);
        Scope->SetName(QStringLiteral("scope1"));
        Scope->SetParent(&Rack);
        Scope->Channels()->Add();
        Sheet = new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmScope"),
                                   QStringLiteral("Scope"), ScopeSheet());
        Sheet->Fill(*Scope);
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Apply(const std::vector<std::pair<const char*, const char*>>& cells) {
        return ApplyCells(*Sheet, cells);
    }
};

TEST_F(ScopeSheetTest, ShowsTheRangeTheGridAndTheColourRows) {
    const QStringList rows = SheetRows(*Sheet);
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(rows,
              (QStringList{"Name=scope1", "Min value=0", "Max value=100", "Grid spacing=16",
                           "Base line offset=50", "Grid color" + dialog, "Base line color" + dialog,
                           "Background color" + dialog, "Plot color" + dialog}));
}

// Each row starts from a scope at 0..100, grid 16, base line at 50 %.
TEST_F(ScopeSheetTest, ApplySetsTheRangeWholeThenTheGridAndBaseLine) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        bool Refused;
        int MinValue, MaxValue, GridSize, BaseOffset;
    };
    const Row rows[] = {
        {"a range above", {{"Min value", "200"}, {"Max value", "300"}}, false, 200, 300, 16, 50},
        {"grid and base line",
         {{"Grid spacing", "10"}, {"Base line offset", "0"}},
         false,
         0,
         100,
         10,
         0},
        {"crossed range, nothing after it",
         {{"Min value", "80"}, {"Max value", "20"}, {"Grid spacing", "10"}},
         true,
         0,
         100,
         16,
         50},
        {"bad spacing", {{"Grid spacing", "ten"}, {"Base line offset", "5"}}, true, 0, 100, 16, 50},
        {"spacing and offset kept within their ranges",
         {{"Grid spacing", "0"}, {"Base line offset", "2147483647"}},
         false,
         0,
         100,
         1,
         100},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Scope->SetRange(0, 100);
        Scope->SetGridSize(16);
        Scope->SetBaseOffset(50);
        Sheet->Fill(*Scope);
        const QStringList shown = Apply(row.Cells);
        EXPECT_EQ(shown, row.Refused ? QStringList{"Please check properties !"} : QStringList{});
        EXPECT_EQ((std::vector{Scope->MinValue(), Scope->MaxValue(), Scope->GridSize(),
                               Scope->BaseOffset()}),
                  (std::vector{row.MinValue, row.MaxValue, row.GridSize, row.BaseOffset}));
    }
}

TEST_F(ScopeSheetTest, ColourRowsSetTheirColourOnOkOnly) {
    struct Row {
        int GridRow;
        TColor (*Get)(const TVrScope&);
    };
    const Row rows[] = {{5, [](const TVrScope& s) { return s.GridColor(); }},
                        {6, [](const TVrScope& s) { return s.BaseColor(); }},
                        {7, [](const TVrScope& s) { return s.Color(); }},
                        {8, [](const TVrScope& s) { return s.Channels()->Items(0)->Color(); }}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.GridRow);
        const TColor before = row.Get(*Scope);
        Grid().SetRow(row.GridRow);
        Dialogs.CancelColor();
        Sheet->EditCurrentRow();
        EXPECT_EQ(row.Get(*Scope), before);
        Dialogs.AnswerColor(clOlive);
        Sheet->EditCurrentRow();
        EXPECT_EQ(row.Get(*Scope), clOlive);
        EXPECT_EQ(Dialogs.ColorRequests().back(), before);
    }
    // A scope without channels: the plot colour row changes nothing and fails nothing.
    Scope->Channels()->Clear();
    Sheet->Fill(*Scope);
    Grid().SetRow(8);
    Dialogs.AnswerColor(clRed);
    Sheet->EditCurrentRow();
    EXPECT_EQ(Scope->Channels()->Count(), 0);
    EXPECT_TRUE(Dialogs.Messages().empty());
}

}  // namespace
}  // namespace mox
