// The border's and the gradient panel's property sheets: what they show, the direction pick and
// its entries in order, and the colour rows acting at once on OK only.
#include "propsheets/panelsheets.h"

#include "instruments/output/vrborder.h"
#include "instruments/output/vrgradient.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

using enum TVrGradDirection;

struct PanelSheetsTest : test::CommandsFixture {
    TComponent Windows{nullptr};
    TVrBorder* Border = nullptr;
    TVrGradient* Gradient = nullptr;
    TPropertySheet* BorderSheetWindow = nullptr;
    TPropertySheet* GradientSheetWindow = nullptr;

    PanelSheetsTest() {
        Border = new TVrBorder(&Rack);
        Border->SetName(QStringLiteral("border1"));
        Border->SetParent(&Rack);
        Gradient = new TVrGradient(&Rack);
        Gradient->SetName(QStringLiteral("gradient1"));
        Gradient->SetParent(&Rack);
        BorderSheetWindow =
            new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmBorder"),
                               QStringLiteral("Border"), BorderSheet());
        GradientSheetWindow =
            new TPropertySheet(&Windows, {Palette, Rack, Designer}, QStringLiteral("FrmGradient"),
                               QStringLiteral("Gradient"), GradientSheet());
        BorderSheetWindow->Fill(*Border);
        GradientSheetWindow->Fill(*Gradient);
    }
    static QStringList Shown(TPropertySheet& sheet) { return SheetRows(sheet); }
    // Types into the gradient sheet's Name and Direction rows and applies; returns the messages
    // Apply showed.
    QStringList ApplyGradient(const QString& name, const QString& direction) {
        TValueListEditor& grid = *GradientSheetWindow->Grid();
        grid.SetValue(0, name);
        grid.SetValue(3, direction);
        return ApplyShowing(*GradientSheetWindow);
    }
};

TEST_F(PanelSheetsTest, SheetsShowTheirRows) {
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(Shown(*BorderSheetWindow),
              (QStringList{"Name=border1", "Color" + dialog, "Shadow color" + dialog}));
    EXPECT_EQ(Shown(*GradientSheetWindow), (QStringList{"Name=gradient1", "Start color" + dialog,
                                                        "End color" + dialog, "Direction=UpDown"}));
    const TStrings& entries = *GradientSheetWindow->Grid()->ItemProps(3)->PickList();
    QStringList listed;
    for (int i = 0; i < entries.Count(); ++i)
        listed << entries.Strings(i);
    EXPECT_EQ(listed, (QStringList{"Chord1", "Chord2", "LeftRight", "LeftRightHalf", "UpDown",
                                   "UpDownHalf"}));
}

TEST_F(PanelSheetsTest, DirectionRowShowsAndAppliesEveryEntry) {
    struct Row {
        const char* Entry;
        TVrGradDirection Direction;
    };
    const Row rows[] = {{"Chord1", gdChord1},       {"Chord2", gdChord2},
                        {"LeftRight", gdLeftRight}, {"LeftRightHalf", gdLeftRightHalf},
                        {"UpDown", gdUpDown},       {"UpDownHalf", gdUpDownHalf}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Entry);
        Gradient->SetDirection(gdUpDown);
        GradientSheetWindow->Fill(*Gradient);
        EXPECT_EQ(ApplyGradient(QStringLiteral("panel"), QString::fromLatin1(row.Entry)),
                  QStringList{});
        EXPECT_EQ(Gradient->Direction(), row.Direction);
        EXPECT_EQ(Gradient->Name(), "panel");
        GradientSheetWindow->Fill(*Gradient);
        EXPECT_EQ(Shown(*GradientSheetWindow).back(),
                  "Direction=" + QString::fromLatin1(row.Entry));
    }
}

// A cell that is not an entry exactly changes nothing; a bad name stops Apply with the message.
TEST_F(PanelSheetsTest, ApplyLeavesTheDirectionForCellsThatAreNoEntry) {
    struct Row {
        const char* Name;
        const char* Cell;
        const char* NewName;
        bool Refused;
    };
    const Row rows[] = {{"lower case", "chord1", "gradient1", false},
                        {"left at the prompt", "Click to change", "gradient1", false},
                        {"empty", "", "gradient1", false},
                        {"name of the border", "Chord1", "border1", true},
                        {"not an identifier", "Chord1", "1panel", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Gradient->SetDirection(gdLeftRight);
        GradientSheetWindow->Fill(*Gradient);
        EXPECT_EQ(ApplyGradient(QString::fromLatin1(row.NewName), QString::fromLatin1(row.Cell)),
                  row.Refused ? QStringList{"Please check properties !"} : QStringList{});
        EXPECT_EQ(Gradient->Direction(), gdLeftRight);
        EXPECT_EQ(Gradient->Name(), "gradient1");
    }
}

TEST_F(PanelSheetsTest, ColourRowsSetTheirColourOnOkOnly) {
    struct Row {
        const char* Name;
        TPropertySheet* PanelSheetsTest::*Sheet;
        int GridRow;
        TColor (*Get)(const PanelSheetsTest&);
    };
    const Row rows[] = {
        {"border light", &PanelSheetsTest::BorderSheetWindow, 1,
         [](const PanelSheetsTest& t) { return t.Border->HighlightColor(); }},
        {"border shadow", &PanelSheetsTest::BorderSheetWindow, 2,
         [](const PanelSheetsTest& t) { return t.Border->ShadowColor(); }},
        {"gradient start", &PanelSheetsTest::GradientSheetWindow, 1,
         [](const PanelSheetsTest& t) { return t.Gradient->StartColor(); }},
        {"gradient end", &PanelSheetsTest::GradientSheetWindow, 2,
         [](const PanelSheetsTest& t) { return t.Gradient->EndColor(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TPropertySheet& sheet = *(this->*row.Sheet);
        const TColor before = row.Get(*this);
        sheet.Grid()->SetRow(row.GridRow);
        Dialogs.CancelColor();
        sheet.EditCurrentRow();
        EXPECT_EQ(row.Get(*this), before);
        Dialogs.AnswerColor(clOlive);
        sheet.EditCurrentRow();
        EXPECT_EQ(row.Get(*this), clOlive);
        EXPECT_EQ(Dialogs.ColorRequests().back(), before);
    }
    EXPECT_TRUE(Dialogs.Messages().empty());
}

// The border sheet has no typed rows: Apply sets the name only.
TEST_F(PanelSheetsTest, BorderApplySetsTheName) {
    BorderSheetWindow->Grid()->SetValue(0, QStringLiteral("frame"));
    BorderSheetWindow->Apply();
    EXPECT_EQ(Border->Name(), "frame");
    EXPECT_TRUE(Dialogs.Messages().empty());
}

}  // namespace
}  // namespace mox
