// The numeric display: its cells, text and automatic size (also for settings at the ends of their
// types), its setters' rules, the picture it paints cell by cell, and what a rack file gives it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <functional>
#include <limits>
#include <map>

#include "instruments/base/vrexceptions.h"
#include "instruments/base/vrresources.h"
#include "instruments/output/vrnum.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kBlank = static_cast<int>(TDigitCell::Blank);
constexpr int kUnlitMinus = static_cast<int>(TDigitCell::UnlitMinus);
constexpr int kLitMinus = static_cast<int>(TDigitCell::LitMinus);

// --- Geometry -------------------------------------------------------------------------------

TEST(NumGeometryTest, CellsAreAThirteenthOfTheirStrip) {
    const std::pair<TVrNumStyle, TSize> rows[] = {
        {TVrNumStyle::ns13x24, {13, 24}}, {TVrNumStyle::ns11x20, {11, 20}},
        {TVrNumStyle::ns7x13, {7, 13}},   {TVrNumStyle::ns12x17, {12, 17}},
        {TVrNumStyle::ns5x7, {4, 7}},  // 52 div 13
    };
    for (const auto& [style, cell] : rows) {
        SCOPED_TRACE(DigitStripName(style).toStdString());
        TBitmap strip;
        LoadBuiltinBitmap(strip, DigitStripName(style));
        EXPECT_EQ(DigitCellSize(strip.Width(), strip.Height()), cell);
    }
    EXPECT_EQ(DigitCellSize(12, 5), (TSize{0, 5}));
    EXPECT_EQ(DigitCellSize(kIntMin, kIntMin), (TSize{0, 0}));
}

TEST(NumGeometryTest, TextIsTheMagnitudePaddedToTheDigitsAndNeverCut) {
    struct Row {
        const char* Name;
        int Value, Digits;
        bool LeadingZero, ZeroBlank;
        const char* Expected;
    };
    const Row rows[] = {
        {"zero", 0, 4, false, false, "   0"},
        {"zero blank", 0, 4, false, true, "    "},
        {"zero blank padded with zeros", 0, 4, true, true, "0000"},
        {"zero blank leaves other values", 7, 4, false, true, "   7"},
        {"a negative value loses its sign", -12, 4, false, false, "  12"},
        {"leading zeros", 42, 4, true, false, "0042"},
        {"longer than the digits", 123456, 4, false, false, "123456"},
        {"the lowest int", kIntMin, 4, false, false, "2147483648"},
        {"the highest int", kIntMax, 16, true, false, "0000002147483647"},
        {"no digits counts as one", 0, 0, false, true, " "},
        {"too many digits count as sixteen", 5, kIntMax, false, false, "               5"},
        {"negative digits count as one", 5, kIntMin, false, false, "5"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(NumText(row.Value, row.Digits, row.LeadingZero, row.ZeroBlank), row.Expected);
    }
}

TEST(NumGeometryTest, AutoSizeFitsTheDigitsAndStaysInTheCanvas) {
    struct Row {
        const char* Name;
        int Digits, Spacing;
        TSize Cell, Expected;
    };
    const Row rows[] = {
        {"a new display", 4, 2, {13, 24}, {58, 24}},
        {"the smallest style", 4, 2, {4, 7}, {22, 7}},
        {"one digit has no spacing", 1, 1000, {13, 24}, {13, 24}},
        {"sixteen digits", 16, 0, {12, 17}, {192, 17}},
        {"overlapping cells", 4, -5, {13, 24}, {37, 24}},
        {"spacing that swallows the row", 4, kIntMin, {13, 24}, {0, 24}},
        {"spacing as wide as int", 16, kIntMax, {13, 24}, {kCoordLimit, 24}},
        {"digits beyond their range", kIntMax, 0, {13, 24}, {208, 24}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(NumAutoSize(row.Digits, row.Spacing, row.Cell), row.Expected);
    }
}

// A display 100 × 26 with 13 × 24 cells, spacing 2 and four digits unless a row says otherwise.
TNumRowSettings Display(int value, bool sign = false,
                        TVrNumAlignment alignment = TVrNumAlignment::naCenter) {
    return {.ClientWidth = 100,
            .ClientHeight = 26,
            .Digits = 4,
            .Spacing = 2,
            .Cell = {13, 24},
            .Alignment = alignment,
            .Sign = sign,
            .Value = value};
}

// The common rows are checked pixel by pixel below; these are the ones at the edges.
TEST(NumGeometryTest, RowsFarOutsideTheClientStayExact) {
    struct Row {
        const char* Name;
        TNumRowSettings Settings;
        std::vector<TNumCellPlacement> Expected;
    };
    const auto at = [](std::vector<std::pair<int, std::int64_t>> cells, std::int64_t y = 1) {
        std::vector<TNumCellPlacement> out;
        for (const auto& [cell, x] : cells)
            out.push_back({cell, x, y});
        return out;
    };
    TNumRowSettings narrow = Display(5, true);
    narrow.ClientWidth = 50;  // (50 − 73) div 2 truncates toward zero
    TNumRowSettings wideSpacing = Display(5, false, TVrNumAlignment::naRightJustify);
    wideSpacing.Spacing = kIntMax;
    TNumRowSettings low = Display(kIntMin, true, TVrNumAlignment::naLeftJustify);
    TNumRowSettings tall = Display(1, false, TVrNumAlignment::naLeftJustify);
    tall.Digits = 1;
    tall.ClientHeight = kIntMin;
    const Row rows[] = {
        {"a row wider than the client", narrow,
         at({{kUnlitMinus, -11}, {kBlank, 4}, {kBlank, 19}, {kBlank, 34}, {5, 49}})},
        {"spacing as wide as int", wideSpacing,
         at({{kBlank, 100 - (52 + 3 * std::int64_t{kIntMax})},
             {kBlank, 100 - (39 + 2 * std::int64_t{kIntMax})},
             {kBlank, 100 - (26 + std::int64_t{kIntMax})},
             {5, 87}})},
        {"the lowest int", low,
         at({{kLitMinus, 0},
             {2, 15},
             {1, 30},
             {4, 45},
             {7, 60},
             {4, 75},
             {8, 90},
             {3, 105},
             {6, 120},
             {4, 135},
             {8, 150}})},
        {"a height far below a cell", tall, at({{1, 0}}, (std::int64_t{kIntMin} - 24) / 2)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(NumRow(row.Settings), row.Expected);
    }
}

// --- The display ----------------------------------------------------------------------------

struct NumTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 300, 120);
    TVrNum* Num = new TVrNum(Form);
    int Changes = 0;

    NumTest() {
        Num->SetParent(Form);
        Num->OnChange = [this](TObject*) { ++Changes; };
    }
    const TBitmap& Painted() {
        Num->Repaint();
        TApplication::Instance().ProcessMessages();
        return Num->Image();
    }
};

TEST_F(NumTest, NewDisplayHasItsConstructorValues) {
    EXPECT_EQ(Num->BoundsRect(), (TRect{0, 0, 100, 26}));
    EXPECT_EQ((std::vector{Num->Digits(), Num->Value(), Num->Spacing(), Num->Min(), Num->Max()}),
              (std::vector{4, 0, 2, 0, 9999}));
    EXPECT_EQ(Num->Style(), TVrNumStyle::ns13x24);
    EXPECT_EQ(Num->Alignment(), TVrNumAlignment::naCenter);
    EXPECT_FALSE(Num->LeadingZero() || Num->ZeroBlank() || Num->Transparent() || Num->AutoSize() ||
                 Num->HasSign());
    EXPECT_EQ(Num->Color(), clBlack);
    EXPECT_FALSE(Num->ParentColor());
    EXPECT_EQ(Num->Palette()->Low(), clGreen);
    EXPECT_EQ(Num->Palette()->High(), clLime);
    EXPECT_TRUE(Num->ControlStyle().Contains(TControlStyleFlag::csOpaque));
    EXPECT_TRUE(Num->ControlStyle().Contains(TControlStyleFlag::csReplicatable));
    EXPECT_EQ(Num->CellSize(), (TSize{13, 24}));
}

TEST_F(NumTest, ValueStaysInTheRangeAndEveryChangeIsReported) {
    struct Step {
        int Set, Stored, ChangesAfter;
    };
    const Step steps[] = {{12000, 9999, 1}, {9999, 9999, 1}, {kIntMax, 9999, 1},
                          {-5, 0, 2},       {kIntMin, 0, 2}, {42, 42, 3}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Set);
        Num->SetValue(step.Set);
        EXPECT_EQ(Num->Value(), step.Stored);
        EXPECT_EQ(Changes, step.ChangesAfter);
    }
}

TEST_F(NumTest, LimitsThatWouldCrossAreIgnoredAndTheValueFollowsANarrowerRange) {
    Num->SetValue(500);
    Num->SetMin(9999);
    Num->SetMin(10000);
    Num->SetMax(0);
    Num->SetMax(-1);
    EXPECT_EQ((std::vector{Num->Min(), Num->Max(), Num->Value(), Changes}),
              (std::vector{0, 9999, 500, 1}));

    // Narrowed past the value: the value is kept inside and the change is reported.
    Num->SetMax(100);
    EXPECT_EQ((std::vector{Num->Max(), Num->Value(), Changes}), (std::vector{100, 100, 2}));
    Num->SetMin(-100);
    EXPECT_TRUE(Num->HasSign());
    Num->SetValue(-50);
    Num->SetMin(0);  // -50 would show as 50 without its sign cell
    EXPECT_EQ((std::vector{Num->Min(), Num->Value(), Changes}), (std::vector{0, 0, 4}));
    EXPECT_FALSE(Num->HasSign());

    // A whole range moves past the value and takes it along.
    Num->SetRange(kIntMin, -1000);
    EXPECT_EQ(Num->Value(), -1000);
    Num->SetValue(kIntMin);
    EXPECT_EQ(Num->Value(), kIntMin);
    EXPECT_THROW(Num->SetRange(5, 5), EVrException);
    EXPECT_THROW(Num->SetRange(6, 5), EVrException);
    EXPECT_EQ(Num->Max(), -1000);
}

TEST_F(NumTest, AutoSizeFollowsDigitsSpacingAndStyle) {
    Num->SetAutoSize(true);
    EXPECT_EQ(Num->BoundsRect(), (TRect{0, 0, 58, 24}));
    Num->SetDigits(6);
    EXPECT_EQ(Num->Width(), 6 * 13 + 5 * 2);
    Num->SetSpacing(0);
    EXPECT_EQ(Num->Width(), 6 * 13);
    Num->SetStyle(TVrNumStyle::ns5x7);
    EXPECT_EQ(Num->CellSize(), (TSize{4, 7}));
    EXPECT_EQ(Num->BoundsRect(), (TRect{0, 0, 24, 7}));
    // Resizing by hand keeps the size the digits need.
    Num->SetBounds(5, 6, 200, 200);
    EXPECT_EQ(Num->BoundsRect(), (TRect{5, 6, 29, 13}));
    // Aligned to the top, the width comes from the form and the height from the cells.
    Num->SetAlign(TAlign::alTop);
    EXPECT_EQ(Num->Width(), Form->ClientWidth());
    EXPECT_EQ(Num->Height(), 7);
    // Spacing at the ends of int keeps the size within the canvas.
    Num->SetAlign(TAlign::alNone);
    Num->SetSpacing(kIntMin);
    EXPECT_EQ(Num->Width(), 0);
    Num->SetAutoSize(false);
    Num->SetBounds(0, 0, 100, 26);
    EXPECT_EQ(Num->BoundsRect(), (TRect{0, 0, 100, 26}));
}

TEST_F(NumTest, PaletteRecoloursTheStripSegmentBySegment) {
    TBitmap plain;
    LoadBuiltinBitmap(plain, QStringLiteral("NUM7x13"));
    Num->SetStyle(TVrNumStyle::ns7x13);
    TVrPalette colours;
    colours.SetLow(clMaroon);
    colours.SetHigh(clYellow);
    Num->SetPalette(&colours);
    const TBitmap& strip = Num->DigitStrip();
    ASSERT_EQ(strip.Width(), plain.Width());
    const std::map<TColor, TColor> mapping{
        {clBlack, clBlack}, {clGray, clMaroon}, {clSilver, clYellow}};
    int wrong = 0;
    for (int y = 0; y < plain.Height(); ++y)
        for (int x = 0; x < plain.Width(); ++x)
            wrong += strip.Pixels(x, y) != mapping.at(plain.Pixels(x, y));
    EXPECT_EQ(wrong, 0);
}

// What a row of cells must look like: `background`, and each cell of the recoloured strip at its
// place with the strip's black left out. Empty when the painted image matches.
std::string Mismatch(const TVrNum& num, const TBitmap& painted, TColor background,
                     const std::vector<std::pair<int, int>>& cells, int y) {
    auto expected = canvastesting::SentinelBitmap(painted.Width(), painted.Height(), background);
    const TBitmap& strip = num.DigitStrip();
    const TSize cell = num.CellSize();
    for (const auto& [index, x] : cells)
        for (int dy = 0; dy < cell.cy; ++dy)
            for (int dx = 0; dx < cell.cx; ++dx) {
                const TColor c = strip.Pixels(index * cell.cx + dx, dy);
                if (c != clBlack) expected->SetPixels(x + dx, y + dy, c);
            }
    for (int py = 0; py < painted.Height(); ++py)
        for (int px = 0; px < painted.Width(); ++px)
            if (painted.Pixels(px, py) != expected->Pixels(px, py))
                return "first difference at (" + std::to_string(px) + ", " + std::to_string(py) +
                       ")";
    return {};
}

TEST_F(NumTest, EachPlaceShowsItsCellOfTheStrip) {
    struct Row {
        const char* Name;
        std::function<void(TVrNum*)> Apply;
        std::vector<std::pair<int, int>> Cells;  // strip cell, x
        int Y;
    };
    const Row rows[] = {
        {"a new display", [](TVrNum*) {}, {{kBlank, 21}, {kBlank, 36}, {kBlank, 51}, {0, 66}}, 1},
        {"-12 below a negative minimum",
         [](TVrNum* n) {
             n->SetMin(-100);
             n->SetValue(-12);
         },
         {{kLitMinus, 13}, {kBlank, 28}, {kBlank, 43}, {1, 58}, {2, 73}},
         1},
        {"5 above a negative minimum",
         [](TVrNum* n) {
             n->SetMin(-100);
             n->SetValue(5);
         },
         {{kUnlitMinus, 13}, {kBlank, 28}, {kBlank, 43}, {kBlank, 58}, {5, 73}},
         1},
        {"zero blank",
         [](TVrNum* n) { n->SetZeroBlank(true); },
         {{kBlank, 21}, {kBlank, 36}, {kBlank, 51}, {kBlank, 66}},
         1},
        {"zero blank with leading zeros",
         [](TVrNum* n) {
             n->SetZeroBlank(true);
             n->SetLeadingZero(true);
         },
         {{0, 21}, {0, 36}, {0, 51}, {0, 66}},
         1},
        {"leading zeros, right-justified",
         [](TVrNum* n) {
             n->SetValue(42);
             n->SetLeadingZero(true);
             n->SetAlignment(TVrNumAlignment::naRightJustify);
         },
         {{0, 42}, {0, 57}, {4, 72}, {2, 87}},
         1},
        {"six digits run past the right edge",
         [](TVrNum* n) {
             n->SetBounds(0, 0, 70, 26);
             n->SetMax(999999);
             n->SetValue(123456);
             n->SetAlignment(TVrNumAlignment::naLeftJustify);
         },
         {{1, 0}, {2, 15}, {3, 30}, {4, 45}, {5, 60}},
         1},
        {"the smallest style has cells four wide",
         [](TVrNum* n) {
             n->SetStyle(TVrNumStyle::ns5x7);
             n->SetValue(12);
         },
         {{kBlank, 39}, {kBlank, 45}, {1, 51}, {2, 57}},
         9},
        {"wide spacing leaves the digits right of the client",
         [](TVrNum* n) {
             n->SetSpacing(kIntMax);
             n->SetValue(7);
         },
         {},
         1},
        {"overlapping cells, drawn left to right",
         [](TVrNum* n) {
             n->SetSpacing(-13);
             n->SetValue(81);
             n->SetAlignment(TVrNumAlignment::naLeftJustify);
         },
         {{kBlank, 0}, {kBlank, 0}, {8, 0}, {1, 0}},
         1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent owner(nullptr);
        TForm* form = test::ShowForm(&owner, 120, 40);
        auto* num = new TVrNum(form);
        num->SetParent(form);
        num->SetColor(clNavy);
        num->Palette()->SetLow(clMaroon);
        num->Palette()->SetHigh(clYellow);
        row.Apply(num);
        num->Repaint();
        TApplication::Instance().ProcessMessages();
        EXPECT_EQ(Mismatch(*num, num->Image(), clNavy, row.Cells, row.Y), "");
    }
}

TEST_F(NumTest, TransparentDisplayShowsItsParentBetweenTheSegments) {
    Form->SetColor(clTeal);
    Num->SetValue(8);
    Num->SetTransparent(true);
    EXPECT_EQ(
        Mismatch(*Num, Painted(), clTeal, {{kBlank, 21}, {kBlank, 36}, {kBlank, 51}, {8, 66}}, 1),
        "");
}

// Values and sizes at the ends of their types paint at once and show what is still visible.
TEST_F(NumTest, SettingsAtTheEndsOfTheirTypesPaintSafely) {
    struct Row {
        const char* Name;
        std::function<void(TVrNum*)> Apply;
        int LitPixelsAtLeast;
    };
    const Row rows[] = {
        {"the lowest int",
         [](TVrNum* n) {
             n->SetRange(kIntMin, kIntMax);
             n->SetValue(kIntMin);
         },
         1},
        {"the highest int shown in sixteen places",
         [](TVrNum* n) {
             n->SetMax(kIntMax);
             n->SetValue(kIntMax);
             n->SetDigits(16);
         },
         1},
        {"spacing as low as int", [](TVrNum* n) { n->SetSpacing(kIntMin); }, 0},
        {"no height", [](TVrNum* n) { n->SetBounds(0, 0, 100, 0); }, 0},
        {"no width", [](TVrNum* n) { n->SetBounds(0, 0, 0, 26); }, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Apply(Num);
        EXPECT_GE(canvastesting::CountPixels(Painted(), clLime), row.LitPixelsAtLeast);
    }
}

// A palette of system colours follows the desktop: the strip is recoloured when they change.
TEST_F(NumTest, SystemColourChangeRecoloursTheStrip) {
    Num->Palette()->SetHigh(clHighlight);
    const QPalette saved = QGuiApplication::palette();
    QPalette desktop = saved;
    desktop.setColor(QPalette::Active, QPalette::Highlight, QColor(1, 2, 3));
    QGuiApplication::setPalette(desktop);
    TApplication::Instance().ProcessMessages();
    const TBitmap& strip = Num->DigitStrip();
    const int lit = canvastesting::CountPixels(strip, RGB(1, 2, 3));
    QGuiApplication::setPalette(saved);
    TApplication::Instance().ProcessMessages();
    EXPECT_GT(lit, 0);
    EXPECT_EQ(canvastesting::CountPixels(strip, RGB(1, 2, 3)), 0);
}

// --- Rack files -----------------------------------------------------------------------------

TVrNum* LoadRack(TForm& form, const QByteArray& text) {
    TClassRegistry registry;
    registry.RegisterClass(TVrNum::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), form, registry);
    return dynamic_cast<TVrNum*>(form.FindComponent(QStringLiteral("n")));
}

// A rack file's values arrive in stream order (the value before the limits, the maximum before
// the minimum): they are kept as written whatever the order.
TEST(NumStreamTest, ValuesLoadAsWrittenInAnyOrder) {
    struct Row {
        const char* Name;
        const char* Properties;
        int Min, Max, Value, Digits;
        bool Sign;
    };
    const Row rows[] = {
        {"value above the first maximum", "Value = 15000\nMax = 20000\n", 0, 20000, 15000, 4,
         false},
        {"range below the first minimum", "Value = -7\nMax = -5\nMin = -10\n", -10, -5, -7, 4,
         true},
        {"range above the first maximum", "Max = 30000\nMin = 20000\n", 20000, 30000, 20000, 4,
         false},
        {"value outside the range", "Value = 50\nMax = 20\n", 0, 20, 20, 4, false},
        {"crossed range", "Value = 15\nMax = 10\nMin = 20\n", 20, 10, 10, 4, false},
        // The maximum wins, and the negative value keeps its sign.
        {"crossed range below zero", "Max = -10\nMin = 20\n", 20, -10, -10, 4, true},
        {"digits beyond their range", "Digits = 100\n", 0, 9999, 0, 16, false},
        {"no digits", "Digits = 0\n", 0, 9999, 0, 1, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        TComponent owner(nullptr);
        TForm* form = test::ShowForm(&owner, 120, 40);
        TVrNum* num = LoadRack(*form, QByteArray("object f: TForm\nobject n: TVrNum\n") +
                                          row.Properties + "end\nend\n");
        ASSERT_NE(num, nullptr);
        EXPECT_EQ((std::vector{num->Min(), num->Max(), num->Value(), num->Digits()}),
                  (std::vector{row.Min, row.Max, row.Value, row.Digits}));
        EXPECT_EQ(num->HasSign(), row.Sign);
        num->Repaint();
        TApplication::Instance().ProcessMessages();
    }
}

TEST(NumStreamTest, NewDisplayStoresWhatDiffersFromTheDefaultsInStreamOrder) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* num = new TVrNum(form);
    num->SetName(QStringLiteral("num1"));
    num->SetParent(form);
    QStringList names;
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    // Black is not the stream's colour and the display does not follow its parent's.
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height", "Palette.Low", "Palette.High",
                                  "Color", "ParentColor"}));
}

TEST(NumStreamTest, EverySettingSurvivesARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 200, 60);
    auto* num = new TVrNum(form);
    num->SetName(QStringLiteral("n"));
    num->SetParent(form);
    num->SetRange(-100, -5);
    num->SetValue(-42);
    num->SetDigits(6);
    num->SetSpacing(-3);
    num->SetStyle(TVrNumStyle::ns12x17);
    num->SetLeadingZero(true);
    num->Palette()->SetLow(clPurple);
    num->Palette()->SetHigh(clAqua);
    num->SetAlignment(TVrNumAlignment::naRightJustify);
    num->SetZeroBlank(true);
    num->SetTransparent(true);
    num->SetAutoSize(true);
    num->SetColor(clOlive);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));

    TForm* again = test::ShowForm(&owner, 200, 60);
    TVrNum* loaded = LoadRack(*again, text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ((std::vector{loaded->Min(), loaded->Max(), loaded->Value(), loaded->Digits(),
                           loaded->Spacing(), loaded->Width(), loaded->Height()}),
              (std::vector{-100, -5, -42, 6, -3, 57, 17}));
    EXPECT_EQ(loaded->Style(), TVrNumStyle::ns12x17);
    EXPECT_EQ(loaded->Alignment(), TVrNumAlignment::naRightJustify);
    EXPECT_TRUE(loaded->LeadingZero() && loaded->ZeroBlank() && loaded->Transparent() &&
                loaded->AutoSize());
    EXPECT_EQ((std::vector{loaded->Palette()->Low(), loaded->Palette()->High(), loaded->Color()}),
              (std::vector{clPurple, clAqua, clOlive}));
    // The strip follows the loaded style and palette.
    EXPECT_EQ(loaded->CellSize(), (TSize{12, 17}));
    EXPECT_EQ(rack::WriteObjectText(rack::WriteComponentTree(*again)), text);
}

}  // namespace
}  // namespace mox
