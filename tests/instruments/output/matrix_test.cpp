// The matrix display: its text with colour codes, cell sizes and places, scrolling (also for
// settings at the ends of their types), the dots it paints, its owned timer's end with the
// control, and what a rack file gives it.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <functional>
#include <limits>
#include <memory>

#include "instruments/base/vrresources.h"
#include "instruments/output/vrmatrix.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "resources/dotfont.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"

namespace mox {
namespace {

constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
using enum TVrMatrixLedStyle;

int LitDots(char16_t code) {
    int dots = 0;
    for (const std::uint8_t row : DotGlyph(code))
        for (int bit = 0; bit < kDotFontColumns; ++bit)
            dots += (row >> bit) & 1;
    return dots;
}

// --- Text -----------------------------------------------------------------------------------

TEST(MatrixTextTest, ColourCodesAreTakenOutOfTheText) {
    struct Row {
        const char* Name;
        const char* Text;
        const char* Display;
        const char* Codes;
    };
    const Row rows[] = {
        {"no codes", "HI", "HI", "--"},
        {"a code colours what follows", "%AHI", "HI", "AA"},
        {"a lower-case code is the same code", "x%bHI", "XHI", "-BB"},
        {"two percent signs show one", "50%%", "50%", "---"},
        {"a shown percent sign keeps the colour", "%3a%%b", "A%B", "333"},
        {"a percent sign at the end only resets", "%AHI%", "HI", "AA"},
        {"an unknown code resets and is not shown", "%AH%ZI", "HI", "A-"},
        {"a code after a code", "%1%9%GX", "X", "G"},
        {"a lone percent sign", "%", "", ""},
        {"empty", "", "", ""},
        {"three percent signs", "%%%", "%", "-"},
        {"a code of a character beyond the font", "%\u00e9X", "X", "-"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TMatrixText shown =
            ParseMatrixText(QString::fromUtf8(row.Text), TVrMatrixTextStyle::tsUpperCase);
        EXPECT_EQ(shown.Display, QString::fromUtf8(row.Display));
        EXPECT_EQ(shown.Codes, QString::fromUtf8(row.Codes));
    }
}

TEST(MatrixTextTest, TextStylesConvertCharacterForCharacter) {
    using enum TVrMatrixTextStyle;
    struct Row {
        const char* Name;
        TVrMatrixTextStyle Style;
        const char* Text;
        const char* Expected;
    };
    const Row rows[] = {
        {"upper case", tsUpperCase, "Moxbench 3.7", "MOXBENCH 3.7"},
        {"lower case", tsLowerCase, "Moxbench 3.7", "moxbench 3.7"},
        {"as is", tsAsIs, "MoxBench", "MoxBench"},
        {"proper case after blanks", tsProperCase, "  hello WORLD", "  Hello world"},
        {"proper case of all blanks", tsProperCase, "   ", "   "},
        {"proper case of blanks and a last letter", tsProperCase, "  x", "  X"},
        {"proper case of nothing", tsProperCase, "", ""},
        // Upper-casing "ß" as a whole text would give "SS" and shift every code after it.
        {"a letter without a one-character capital", tsUpperCase, "\u00dfa", "\u00dfA"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(ApplyMatrixTextStyle(QString::fromUtf8(row.Text), row.Style),
                  QString::fromUtf8(row.Expected));
    }
    const TMatrixText shown = ParseMatrixText(QString::fromUtf8("%A\u00dfb"), tsUpperCase);
    EXPECT_EQ(shown.Display.size(), shown.Codes.size());
}

TEST(MatrixTextTest, EveryCodeHasItsColour) {
    const std::pair<char, TColor> rows[] = {
        {'0', clLime},    {'-', clLime}, {'1', clBlack},  {'2', clMaroon}, {'3', clGreen},
        {'4', clOlive},   {'5', clNavy}, {'6', clPurple}, {'7', clTeal},   {'8', clGray},
        {'9', clSilver},  {'A', clRed},  {'B', clLime},   {'C', clYellow}, {'D', clBlue},
        {'E', clFuchsia}, {'F', clAqua}, {'G', clWhite},  {'g', clWhite},  {'H', clLime},
    };
    for (const auto& [code, color] : rows) {
        SCOPED_TRACE(code);
        EXPECT_EQ(MatrixCodeColor(QLatin1Char(code), clLime), color);
    }
}

// A text of codes only, cut anywhere, never shows a code character and never reads past its end.
TEST(MatrixTextTest, HugeAndTruncatedCodeTextsStayInStep) {
    const QString codes = QStringLiteral("%A%%%z").repeated(100000);
    for (const qsizetype cut : {qsizetype{1}, qsizetype{2}, qsizetype{3}, qsizetype{4},
                                qsizetype{5}, qsizetype{6}, codes.size() - 1, codes.size()}) {
        const TMatrixText shown = ParseMatrixText(codes.left(cut), TVrMatrixTextStyle::tsAsIs);
        EXPECT_EQ(shown.Display.size(), shown.Codes.size());
        EXPECT_EQ(shown.Display.count(QLatin1Char('%')), shown.Display.size());
    }
}

// --- Geometry -------------------------------------------------------------------------------

TEST(MatrixGeometryTest, CellBitmapsHoldTheDotGridOfTheirStyle) {
    struct Row {
        TVrMatrixLedStyle Style;
        const char* Bitmap;
        TSize Cell;
        int Dot;
    };
    const Row rows[] = {{ls9x13, "VRMATRIXLED9X13", {9, 13}, 1},
                        {ls14x20, "VRMATRIXLED14X20", {14, 20}, 2},
                        {ls19x27, "VRMATRIXLED19X27", {19, 27}, 3}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Bitmap);
        EXPECT_EQ(MatrixCellBitmapName(row.Style), row.Bitmap);
        EXPECT_EQ(MatrixCellSize(row.Style), row.Cell);
        EXPECT_EQ(MatrixDotSize(row.Style), row.Dot);
        TBitmap cell;
        LoadBuiltinBitmap(cell, MatrixCellBitmapName(row.Style));
        ASSERT_EQ((TSize{cell.Width(), cell.Height()}), row.Cell);
        // Every square where a dot can light holds an unlit dot, and nothing else does.
        int unlit = 0;
        for (int r = 0; r < kDotFontRows; ++r)
            for (int j = 0; j < kDotFontColumns; ++j) {
                const int x = row.Cell.cx - row.Dot - j * (row.Dot + 1);
                const int y = r * (row.Dot + 1);
                for (int dy = 0; dy < row.Dot; ++dy)
                    for (int dx = 0; dx < row.Dot; ++dx)
                        unlit += cell.Pixels(x + dx, y + dy) == clGray;
            }
        EXPECT_EQ(unlit, kDotFontRows * kDotFontColumns * row.Dot * row.Dot);
        EXPECT_EQ(canvastesting::CountPixels(cell, clGray), unlit);
        EXPECT_EQ(canvastesting::CountPixels(cell, clBlack), row.Cell.cx * row.Cell.cy - unlit);
    }
}

TEST(MatrixGeometryTest, SelfSizeFitsTheCellsAndStaysInTheCanvas) {
    using enum TVrOrientation;
    struct Row {
        const char* Name;
        int Leds, Spacing;
        TVrOrientation Orientation;
        int Frame;
        TSize Expected;
    };
    const Row rows[] = {
        {"a new matrix", 15, 2, voHorizontal, 5, {248, 30}},
        {"stacked", 15, 2, voVertical, 5, {24, 338}},
        {"one cell has no spacing", 1, 1000, voHorizontal, 0, {14, 20}},
        {"no cells", 0, 2, voHorizontal, 5, {10, 30}},
        {"a negative count has no cells", kIntMin, 2, voVertical, 5, {24, 10}},
        {"the largest count", kIntMax, 2, voHorizontal, 5, {kCoordLimit, 30}},
        {"cells on one place", kIntMax, -14, voHorizontal, 5, {24, 30}},
        {"spacing that swallows the row", 15, kIntMin, voHorizontal, 5, {0, 30}},
        {"spacing as wide as int", 15, kIntMax, voVertical, 5, {24, kCoordLimit}},
        {"a frame as wide as int", 15, 2, voHorizontal, kIntMax, {kCoordLimit, kCoordLimit}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(MatrixSelfSize(row.Leds, row.Spacing, {14, 20}, row.Orientation, row.Frame),
                  row.Expected);
    }
}

TEST(MatrixGeometryTest, AlignmentPlacesTheTextInTheCells) {
    using enum TVrAlignment;
    struct Row {
        const char* Name;
        TVrAlignment Alignment;
        std::int64_t Length;
        int Leds;
        std::int64_t Expected;
    };
    const Row rows[] = {
        {"left", vaLeftJustify, 5, 15, 1},
        {"centred: five blank cells first", vaCenter, 5, 15, -4},
        {"right: ten blank cells first", vaRightJustify, 5, 15, -9},
        {"centred with an odd remainder", vaCenter, 5, 14, -3},
        {"centred, longer than the cells", vaCenter, 20, 15, 3},
        {"right, longer than the cells", vaRightJustify, 20, 15, 6},
        {"centred in the largest count", vaCenter, 0, kIntMax, 1 - (kIntMax / 2)},
        {"right in the smallest count", vaRightJustify, 3, kIntMin, 4 - std::int64_t{kIntMin}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(MatrixAlignedPosition(row.Alignment, row.Length, row.Leds), row.Expected);
    }
}

// A pass right to left over five characters in fifteen cells: the position rises to 5, then the
// text enters again from the far end; left to right mirrors it.
TEST(MatrixGeometryTest, ScrollPassesEndAndStartAgainFromTheFarEnd) {
    using enum TVrMatrixScrollDirection;
    std::vector<TMatrixScrollStep> steps;
    std::int64_t position = 1;
    for (int i = 0; i < 6; ++i) {
        steps.push_back(MatrixScroll(position, 5, 15, msdRightToLeft));
        position = steps.back().Position;
    }
    EXPECT_EQ(steps,
              (std::vector<TMatrixScrollStep>{
                  {2, false}, {3, false}, {4, false}, {5, false}, {-14, true}, {-13, false}}));
    EXPECT_EQ(MatrixScroll(-13, 5, 15, msdLeftToRight), (TMatrixScrollStep{-14, false}));
    EXPECT_EQ(MatrixScroll(-14, 5, 15, msdLeftToRight), (TMatrixScrollStep{5, true}));
    // At the ends of int nothing wraps.
    EXPECT_EQ(MatrixScroll(0, 0, kIntMax, msdRightToLeft),
              (TMatrixScrollStep{1 - std::int64_t{kIntMax}, true}));
    EXPECT_EQ(MatrixScroll(0, 0, kIntMin, msdLeftToRight), (TMatrixScrollStep{0, true}));
}

TEST(MatrixGeometryTest, OnlyCellsThatTouchTheImageAreVisited) {
    using enum TVrOrientation;
    const TSize cell{14, 20};
    struct Row {
        const char* Name;
        int Width, Leds, Spacing;
        bool LedsVisible;
        std::int64_t Position, Length;
        TMatrixCellRange Expected;
    };
    const Row rows[] = {
        {"a new matrix", 248, 15, 2, true, 1, 0, {0, 15}},
        {"the largest count in a small image",
         248,
         kIntMax,
         2,
         true,
         1,
         0,
         {1073741815, 1073741832}},
        {"overlapping cells", 50, 100, -10, true, 1, 0, {42, 58}},
        {"cells on one place: the last covers the rest",
         24,
         kIntMax,
         -14,
         true,
         1,
         3,
         {kIntMax - 1, kIntMax}},
        {"cells on one place without the grid: only the text",
         24,
         kIntMax,
         -14,
         false,
         -1,
         3,
         {2, 5}},
        {"no cells", 10, 0, 2, true, 1, 0, {0, 0}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        const TMatrixLayout layout =
            MatrixCellLayout(row.Width, 30, row.Leds, row.Spacing, cell, voHorizontal);
        const TMatrixCellRange range = MatrixVisibleCells(
            layout, cell, row.Leds, row.Width, 30, row.LedsVisible, row.Position, row.Length);
        EXPECT_EQ(range, row.Expected);
        for (const std::int64_t k : {range.First, range.Last - 1}) {
            if (range.First == range.Last) break;
            const std::int64_t x = layout.X + k * layout.StepX;
            EXPECT_TRUE(x + cell.cx > 0 && x < row.Width) << k;
        }
    }
    // Stacked cells are placed down the image.
    EXPECT_EQ(MatrixCellLayout(24, 330, 15, 2, cell, voVertical), (TMatrixLayout{5, 1, 0, 22}));
}

// --- The control ----------------------------------------------------------------------------

// Counts paints in a counter that outlives it.
class TCountingMatrix : public TVrMatrix {
public:
    TCountingMatrix(TComponent* owner, std::shared_ptr<int> paints)
        : TVrMatrix(owner), FPaints(std::move(paints)) {}

protected:
    void Paint() override {
        ++*FPaints;
        TVrMatrix::Paint();
    }

private:
    std::shared_ptr<int> FPaints;
};

struct MatrixTest : ::testing::Test {
    TComponent Owner{nullptr};
    TForm* Form = test::ShowForm(&Owner, 400, 360);
    TVrMatrix* Matrix = new TVrMatrix(Form);
    int ScrollsDone = 0;

    MatrixTest() {
        Matrix->SetParent(Form);
        Matrix->OnScrollDone = [this](TObject*) { ++ScrollsDone; };
    }
    const TBitmap& Painted() {
        Matrix->Repaint();
        TApplication::Instance().ProcessMessages();
        return Matrix->Image();
    }
    // One cell, no frame, no grid: the image is the cell.
    void SingleCell(TVrMatrixLedStyle style, const QString& text) {
        Matrix->Bevel()->SetVisible(false);
        Matrix->SetLeds(1);
        Matrix->SetLedStyle(style);
        Matrix->SetText(text);
    }
};

bool PumpUntil(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

TEST_F(MatrixTest, NewMatrixHasItsConstructorValues) {
    EXPECT_EQ(Matrix->BoundsRect(), (TRect{0, 0, 248, 30}));
    EXPECT_EQ((std::vector{Matrix->Leds(), Matrix->Spacing(), Matrix->TimeInterval()}),
              (std::vector{15, 2, 500}));
    EXPECT_EQ(Matrix->TextStyle(), TVrMatrixTextStyle::tsUpperCase);
    EXPECT_EQ(Matrix->LedStyle(), ls14x20);
    EXPECT_EQ(Matrix->Alignment(), TVrAlignment::vaLeftJustify);
    EXPECT_EQ(Matrix->ScrollDirection(), TVrMatrixScrollDirection::msdRightToLeft);
    EXPECT_TRUE(Matrix->Threaded() && Matrix->LedsVisible());
    EXPECT_FALSE(Matrix->AutoScroll() || Matrix->ParentColor() || Matrix->Timer().Enabled());
    EXPECT_EQ(Matrix->ScrollPosition(), 1);
    EXPECT_EQ((std::vector{Matrix->Color(), Matrix->Palette()->Low(), Matrix->Palette()->High()}),
              (std::vector{clBlack, clGreen, clLime}));
    EXPECT_EQ(Matrix->Bevel()->InnerWidth(), 2);
    EXPECT_EQ(Matrix->Bevel()->InnerColor(), clBlack);
}

TEST_F(MatrixTest, TheSizeAlwaysFollowsTheCells) {
    Matrix->SetBounds(7, 9, 500, 500);
    EXPECT_EQ(Matrix->BoundsRect(), (TRect{7, 9, 255, 39}));
    Matrix->SetLeds(4);
    EXPECT_EQ(Matrix->Width(), 4 * 14 + 3 * 2 + 10);
    Matrix->SetSpacing(0);
    EXPECT_EQ(Matrix->Width(), 4 * 14 + 10);
    Matrix->SetLedStyle(ls19x27);
    EXPECT_EQ(Matrix->BoundsRect(), (TRect{7, 9, 7 + 4 * 19 + 10, 9 + 27 + 10}));
    Matrix->SetOrientation(TVrOrientation::voVertical);
    EXPECT_EQ((TSize{Matrix->Width(), Matrix->Height()}), (TSize{29, 4 * 27 + 10}));
    Matrix->Bevel()->SetInnerWidth(0);
    EXPECT_EQ((TSize{Matrix->Width(), Matrix->Height()}), (TSize{25, 4 * 27 + 6}));
    // At the ends of int the size stays in the canvas and nothing walks the cells.
    Matrix->SetLeds(kIntMax);
    EXPECT_EQ(Matrix->Height(), kCoordLimit);
    Matrix->SetLeds(kIntMin);
    EXPECT_EQ(Matrix->Height(), 6);
}

// Table of every style: one cell showing "0" has its lit dots in High, the others in Low, and
// the rest in Color.
TEST_F(MatrixTest, LitAndUnlitDotsOfEveryStyle) {
    const int lit = LitDots(u'0');
    ASSERT_EQ(lit, 19);
    Matrix->SetColor(clNavy);
    Matrix->Palette()->SetLow(clMaroon);
    Matrix->Palette()->SetHigh(clYellow);
    for (const TVrMatrixLedStyle style : {ls9x13, ls14x20, ls19x27}) {
        SCOPED_TRACE(MatrixCellBitmapName(style).toStdString());
        SingleCell(style, QStringLiteral("0"));
        const TBitmap& image = Painted();
        const TSize cell = MatrixCellSize(style);
        const int d = MatrixDotSize(style);
        ASSERT_EQ((TSize{image.Width(), image.Height()}), cell);
        EXPECT_EQ(canvastesting::CountPixels(image, clYellow), lit * d * d);
        EXPECT_EQ(canvastesting::CountPixels(image, clMaroon), (35 - lit) * d * d);
        EXPECT_EQ(canvastesting::CountPixels(image, clNavy), cell.cx * cell.cy - 35 * d * d);
    }
}

TEST_F(MatrixTest, TheDotsOfACharacterSitOnTheGrid) {
    SingleCell(ls9x13, QStringLiteral("A"));
    Matrix->SetLedsVisible(false);
    EXPECT_EQ(canvastesting::Picture(Painted(), {{clBlack, '.'}, {clLime, '#'}}),
              "..#.#.#..\n"
              ".........\n"
              "#.......#\n"
              ".........\n"
              "#.......#\n"
              ".........\n"
              "#.#.#.#.#\n"
              ".........\n"
              "#.......#\n"
              ".........\n"
              "#.......#\n"
              ".........\n"
              "#.......#");
}

// A black palette is kept apart from the background: unlit dots do not vanish into Color.
TEST_F(MatrixTest, APaletteLikeTheBackgroundStillShowsItsDots) {
    Matrix->SetColor(clWhite);
    Matrix->Palette()->SetLow(clBlack);
    SingleCell(ls14x20, QStringLiteral(" "));
    EXPECT_EQ(canvastesting::CountPixels(Painted(), clBlack), 35 * 4);
}

TEST_F(MatrixTest, ColourCodesColourTheirCharacters) {
    Matrix->Bevel()->SetVisible(false);
    Matrix->SetLeds(3);
    Matrix->SetLedsVisible(false);
    Matrix->SetText(QStringLiteral("%AH%3i%zO"));
    const TBitmap& image = Painted();
    EXPECT_EQ(canvastesting::CountPixels(image, clRed), LitDots(u'H') * 4);
    EXPECT_EQ(canvastesting::CountPixels(image, clGreen), LitDots(u'I') * 4);
    EXPECT_EQ(canvastesting::CountPixels(image, clLime), LitDots(u'O') * 4);
    EXPECT_EQ(canvastesting::PaintedBounds(image, clBlack), (TRect{0, 0, 14 * 3 + 4, 20}));
}

// Which cells light up as a short text scrolls right to left through fifteen cells.
TEST_F(MatrixTest, ScrollingMovesTheTextAndRaisesScrollDoneEachPass) {
    Matrix->Bevel()->SetVisible(false);
    Matrix->SetSpacing(0);
    Matrix->SetLedsVisible(false);
    Matrix->SetText(QStringLiteral("HELLO"));
    // Stepped by hand: the timer stays silent.
    Matrix->SetTimeInterval(0);
    Matrix->SetAutoScroll(true);
    const auto litCells = [this] {
        const TBitmap& image = Painted();
        std::vector<int> cells;
        for (int k = 0; k < 15; ++k) {
            bool any = false;
            for (int x = k * 14; x < (k + 1) * 14 && !any; ++x)
                for (int y = 0; y < 20 && !any; ++y)
                    any = image.Pixels(x, y) == clLime;
            if (any) cells.push_back(k);
        }
        return cells;
    };
    EXPECT_EQ(litCells(), (std::vector{0, 1, 2, 3, 4}));
    for (int i = 0; i < 4; ++i)
        Matrix->ScrollStep();
    EXPECT_EQ(Matrix->ScrollPosition(), 5);
    EXPECT_EQ(litCells(), (std::vector{0}));
    EXPECT_EQ(ScrollsDone, 0);
    Matrix->ScrollStep();
    EXPECT_EQ(ScrollsDone, 1);
    EXPECT_EQ(litCells(), (std::vector<int>{}));
    Matrix->ScrollStep();
    EXPECT_EQ(litCells(), (std::vector{14}));
    // Standing still, the alignment places the text again.
    Matrix->SetAutoScroll(false);
    Matrix->SetAlignment(TVrAlignment::vaRightJustify);
    EXPECT_EQ(litCells(), (std::vector{10, 11, 12, 13, 14}));
}

TEST_F(MatrixTest, SettingsAtTheEndsOfTheirTypesPaintWhatShows) {
    struct Row {
        const char* Name;
        std::function<void(TVrMatrix*)> Apply;
        int LitPixels;
    };
    const Row rows[] = {
        {"the largest count on one place",
         [](TVrMatrix* m) {
             m->SetSpacing(-14);
             m->SetLeds(kIntMax);
             m->SetAlignment(TVrAlignment::vaRightJustify);
         },
         LitDots(u'X') * 4},
        {"the largest count on one place, scrolled far",
         [](TVrMatrix* m) {
             m->SetAutoScroll(true);
             for (int i = 0; i < 3; ++i)
                 m->ScrollStep();
         },
         0},
        {"the smallest count", [](TVrMatrix* m) { m->SetLeds(kIntMin); }, 0},
        {"spacing that swallows the row",
         [](TVrMatrix* m) {
             m->SetLeds(15);
             m->SetSpacing(kIntMin);
         },
         0},
        {"a negative interval stops the timer",
         [](TVrMatrix* m) {
             m->SetSpacing(2);
             m->SetTimeInterval(kIntMin);
         },
         -1},
    };
    Matrix->SetTimeInterval(0);
    Matrix->SetText(QStringLiteral("%AX%BY%CX"));
    Matrix->Palette()->SetHigh(clFuchsia);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        row.Apply(Matrix);
        QElapsedTimer clock;
        clock.start();
        const TBitmap& image = Painted();
        EXPECT_LT(clock.elapsed(), 2000);
        if (row.LitPixels >= 0) {
            EXPECT_EQ(canvastesting::CountPixels(image, clYellow), row.LitPixels);
        }
    }
    EXPECT_EQ(Matrix->TimeInterval(), 0);
    EXPECT_FALSE(Matrix->Timer().Running());
    Matrix->SetTimeInterval(kIntMax);
    EXPECT_EQ(Matrix->TimeInterval(), kIntMax);
}

// --- The owned timer ------------------------------------------------------------------------

struct MatrixTimerTest : ::testing::TestWithParam<bool> {};

TEST_P(MatrixTimerTest, AutoScrollScrollsWithTheTimer) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 300, 60);
    auto* matrix = new TVrMatrix(form);
    matrix->SetParent(form);
    matrix->SetThreaded(GetParam());
    EXPECT_EQ(matrix->Threaded(), GetParam());
    matrix->SetText(QStringLiteral("AB"));
    matrix->SetTimeInterval(2);
    int done = 0;
    matrix->OnScrollDone = [&](TObject*) { ++done; };
    matrix->SetAutoScroll(true);
    EXPECT_TRUE(PumpUntil([&] { return done >= 2; }));
    matrix->SetAutoScroll(false);
    EXPECT_FALSE(matrix->Timer().Enabled());
}

// Matrices created, scrolled and destroyed while their ticks are pending: no tick, scroll event
// or paint reaches one after it has gone.
TEST_P(MatrixTimerTest, NothingHappensAfterAMatrixIsDestroyed) {
    auto paints = std::make_shared<int>(0);
    auto scrolls = std::make_shared<int>(0);
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 300, 60);
    for (int i = 0; i < 200; ++i) {
        auto* matrix = new TCountingMatrix(form, paints);
        matrix->SetParent(form);
        matrix->SetThreaded(GetParam());
        matrix->SetText(QStringLiteral("%AX"));
        matrix->SetLeds(1);
        matrix->SetTimeInterval(1);
        matrix->OnScrollDone = [scrolls](TObject*) { ++*scrolls; };
        matrix->SetAutoScroll(true);
        if (i % 3 != 0) {
            QThread::msleep(2);
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        QThread::msleep(i % 2);
        delete matrix;
    }
    const int paintsBefore = *paints, scrollsBefore = *scrolls;
    for (int i = 0; i < 20; ++i) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(*paints, paintsBefore);
    EXPECT_EQ(*scrolls, scrollsBefore);
}

// A rack being cleared (its controls destroyed with it), also from inside a scroll event.
TEST_P(MatrixTimerTest, ClearingTheRackStopsEveryTimer) {
    auto scrolls = std::make_shared<int>(0);
    auto owner = std::make_unique<TComponent>(nullptr);
    TForm* form = test::ShowForm(owner.get(), 300, 300);
    for (int i = 0; i < 5; ++i) {
        auto* matrix = new TVrMatrix(form);
        matrix->SetParent(form);
        matrix->SetThreaded(GetParam());
        matrix->SetLeds(1);
        matrix->SetTimeInterval(1);
        matrix->OnScrollDone = [scrolls](TObject*) { ++*scrolls; };
        matrix->SetAutoScroll(true);
    }
    ASSERT_TRUE(PumpUntil([&] { return *scrolls >= 5; }));
    form->DestroyComponents();
    const int before = *scrolls;
    for (int i = 0; i < 20; ++i) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(*scrolls, before);

    // Freed by its own scroll event's handler.
    auto* last = new TVrMatrix(form);
    last->SetParent(form);
    last->SetThreaded(GetParam());
    last->SetTimeInterval(1);
    bool freed = false;
    // Nothing of the handler is touched after the delete: it goes with the matrix.
    last->OnScrollDone = [&freed](TObject* sender) {
        freed = true;
        delete static_cast<TVrMatrix*>(sender);
    };
    last->SetAutoScroll(true);
    EXPECT_TRUE(PumpUntil([&] { return freed; }));
    for (int i = 0; i < 10; ++i) {
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    owner.reset();
}

INSTANTIATE_TEST_SUITE_P(BothTimerTypes, MatrixTimerTest, ::testing::Values(true, false),
                         [](const auto& param) { return param.param ? "Thread" : "System"; });

// --- Rack files -----------------------------------------------------------------------------

TVrMatrix* LoadRack(TForm& form, const QByteArray& text) {
    TClassRegistry registry;
    registry.RegisterClass(TVrMatrix::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), form, registry);
    return dynamic_cast<TVrMatrix*>(form.FindComponent(QStringLiteral("m")));
}

TEST(MatrixStreamTest, NewMatrixStoresThreadedTextAndWhatDiffersInStreamOrder) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* matrix = new TVrMatrix(form);
    matrix->SetName(QStringLiteral("matrix1"));
    matrix->SetParent(form);
    QStringList names;
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names.mid(0, 5), (QStringList{"Left", "Top", "Width", "Height", "Threaded"}));
    EXPECT_TRUE(names.contains("Text"));
    EXPECT_TRUE(names.contains("Bevel.InnerWidth"));
    EXPECT_FALSE(names.contains("Leds") || names.contains("TimeInterval"));
}

TEST(MatrixStreamTest, EverySettingSurvivesARoundTrip) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 400, 400);
    auto* matrix = new TVrMatrix(form);
    matrix->SetName(QStringLiteral("m"));
    matrix->SetParent(form);
    matrix->SetThreaded(false);
    matrix->SetTextStyle(TVrMatrixTextStyle::tsProperCase);
    matrix->SetOrientation(TVrOrientation::voVertical);
    matrix->SetLeds(6);
    matrix->SetSpacing(-1);
    matrix->Palette()->SetLow(clPurple);
    matrix->Palette()->SetHigh(clAqua);
    matrix->SetLedStyle(ls9x13);
    matrix->SetLedsVisible(false);
    matrix->SetAlignment(TVrAlignment::vaCenter);
    matrix->SetTimeInterval(250);
    matrix->SetScrollDirection(TVrMatrixScrollDirection::msdLeftToRight);
    matrix->Bevel()->SetInnerWidth(1);
    matrix->SetColor(clOlive);
    matrix->SetText(QStringLiteral("%Bquor%%vale%"));
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));

    TForm* again = test::ShowForm(&owner, 400, 400);
    TVrMatrix* loaded = LoadRack(*again, text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_FALSE(loaded->Threaded() || loaded->LedsVisible() || loaded->AutoScroll());
    EXPECT_EQ(loaded->TextStyle(), TVrMatrixTextStyle::tsProperCase);
    EXPECT_EQ(loaded->Orientation(), TVrOrientation::voVertical);
    EXPECT_EQ((std::vector{loaded->Leds(), loaded->Spacing(), loaded->TimeInterval(),
                           loaded->Width(), loaded->Height()}),
              (std::vector{6, -1, 250, 9 + 8, 6 * 13 - 5 + 8}));
    EXPECT_EQ(loaded->LedStyle(), ls9x13);
    EXPECT_EQ(loaded->Alignment(), TVrAlignment::vaCenter);
    EXPECT_EQ(loaded->ScrollDirection(), TVrMatrixScrollDirection::msdLeftToRight);
    EXPECT_EQ((std::vector{loaded->Palette()->Low(), loaded->Palette()->High(), loaded->Color()}),
              (std::vector{clPurple, clAqua, clOlive}));
    EXPECT_EQ(loaded->Shown(),
              (TMatrixText{QStringLiteral("Quor%vale"), QStringLiteral("BBBBBBBBB")}));
    // Centred when loading ends: 6 cells, 9 characters.
    EXPECT_EQ(loaded->ScrollPosition(), 2);
    EXPECT_EQ(rack::WriteObjectText(rack::WriteComponentTree(*again)), text);
}

// A file that turns scrolling on starts the timer once loading has ended.
TEST(MatrixStreamTest, ALoadedScrollingMatrixScrolls) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner, 400, 100);
    TVrMatrix* matrix = LoadRack(*form,
                                 "object f: TForm\nobject m: TVrMatrix\nThreaded = True\n"
                                 "AutoScroll = True\nTimeInterval = 2\nText = 'ab'\nend\nend\n");
    ASSERT_NE(matrix, nullptr);
    EXPECT_TRUE(matrix->Timer().Running());
    const std::int64_t start = matrix->ScrollPosition();
    EXPECT_TRUE(PumpUntil([&] { return matrix->ScrollPosition() != start; }));
}

}  // namespace
}  // namespace mox
