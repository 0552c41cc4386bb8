// The matrix display's property sheet: what it shows, the order it applies in, what it refuses
// and its colour rows.
#include "propsheets/matrixsheet.h"

#include "designer/grabhandles.h"
#include "instruments/output/vrmatrix.h"
#include "support/commandtesting.h"

namespace mox {
namespace {

struct MatrixSheetTest : test::CommandsFixture {
    std::unique_ptr<TComponent> Windows = std::make_unique<TComponent>(nullptr);
    TPropertySheet* Sheet =
        new TPropertySheet(Windows.get(), {Palette, Rack, Designer}, QStringLiteral("FrmMatrix"),
                           QStringLiteral("Matrix led"), MatrixSheet());
    TVrMatrix* Matrix = new TVrMatrix(&Rack);

    MatrixSheetTest() {
        Matrix->SetName(QStringLiteral("matrix1"));
        Matrix->SetParent(&Rack);
        Matrix->SetText(QStringLiteral("%AQuorvale"));
        Sheet->Fill(*Matrix);
        Sheet->Show();
    }
    TValueListEditor& Grid() const { return *Sheet->Grid(); }
    QStringList Shown() const { return SheetRows(*Sheet); }
    QStringList Apply(const std::vector<std::pair<const char*, const char*>>& cells) {
        return ApplyCells(*Sheet, cells);
    }
};

TEST_F(MatrixSheetTest, ShowsTheCountTheTextWithItsCodesAndTheColourRows) {
    const QString dialog = QStringLiteral("=Click to change");
    EXPECT_EQ(Shown(), (QStringList{"Name=matrix1", "Leds=15", "Text=%AQuorvale",
                                    "Low color" + dialog, "High color" + dialog}));
}

// The text is applied before the count, so a bad count keeps a new text.
TEST_F(MatrixSheetTest, ApplySetsTheTextThenTheCount) {
    struct Row {
        const char* Name;
        std::vector<std::pair<const char*, const char*>> Cells;
        QStringList Messages;
        const char* Text;
        int Leds;
    };
    const Row rows[] = {
        {"both", {{"Text", "%Bhi"}, {"Leds", "4"}}, {}, "%Bhi", 4},
        {"an empty text and no cells", {{"Text", ""}, {"Leds", "0"}}, {}, "", 0},
        {"a count that is not a number",
         {{"Text", "50%%"}, {"Leds", "x"}},
         {"Please check properties !"},
         "50%%",
         0},
        {"a count beyond 32 bits",
         {{"Text", "%"}, {"Leds", "2147483648"}},
         {"Please check properties !"},
         "%",
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Sheet->Fill(*Matrix);
        EXPECT_EQ(Apply(row.Cells), row.Messages);
        EXPECT_EQ(Matrix->Text(), QString::fromLatin1(row.Text));
        EXPECT_EQ(Matrix->Leds(), row.Leds);
    }
    EXPECT_EQ(Matrix->Name(), "matrix1");
}

TEST_F(MatrixSheetTest, ColourRowsSetThePaletteOnOkOnly) {
    ExpectPaletteRowsSetOnOkOnly(*Sheet, *Matrix->Palette(), 3);
}

// A new count resizes the matrix, and the grab handles follow it.
TEST_F(MatrixSheetTest, ApplySelectsTheMatrixAgainSoItsHandlesFollowANewWidth) {
    Designer.SetControl(Matrix);
    EXPECT_TRUE(Apply({{"Leds", "8"}}).isEmpty());
    EXPECT_EQ(Matrix->Width(), 8 * 14 + 7 * 2 + 10);
    EXPECT_EQ(Designer.Control(), Matrix);
    ASSERT_NE(Designer.GrabHandles(), nullptr);
    EXPECT_EQ(Designer.GrabHandles()->TargetRect(), Matrix->BoundsRect());
}

}  // namespace
}  // namespace mox
