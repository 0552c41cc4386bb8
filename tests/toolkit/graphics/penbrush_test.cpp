// Pens and brushes: change notification, assignment and published properties.
#include <gtest/gtest.h>

#include "toolkit/graphics/bitmap.h"
#include "toolkit/graphics/brush.h"
#include "toolkit/graphics/pen.h"

namespace mox {
namespace {

TEST(PenProperties, DefaultsAndPublishedTable) {
    const TPen pen;
    EXPECT_EQ(pen.Color(), clBlack);
    EXPECT_EQ(pen.Width(), 1);
    const auto& props = TPen::StaticClass().Properties();
    ASSERT_EQ(props.size(), 4u);
    const char* names[] = {"Color", "Mode", "Style", "Width"};
    const std::int64_t defaults[] = {clBlack, static_cast<int>(TPenMode::pmCopy),
                                     static_cast<int>(TPenStyle::psSolid), 1};
    for (std::size_t i = 0; i < props.size(); ++i) {
        EXPECT_EQ(props[i].Name, QString::fromLatin1(names[i]));
        EXPECT_EQ(props[i].Default, defaults[i]);
    }
}

TEST(PenAssign, CopiesEverythingWithOneChange) {
    TPen source;
    source.SetColor(clRed);
    source.SetWidth(3);
    source.SetStyle(TPenStyle::psDot);
    source.SetMode(TPenMode::pmXor);
    TPen pen;
    int changes = 0;
    pen.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &pen);
        ++changes;
    };
    pen.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pen.Color(), clRed);
    EXPECT_EQ(pen.Width(), 3);
    EXPECT_EQ(pen.Style(), TPenStyle::psDot);
    EXPECT_EQ(pen.Mode(), TPenMode::pmXor);
    pen.Assign(&source);  // nothing differs: no change
    pen.SetWidth(3);
    EXPECT_EQ(changes, 1);
}

TEST(BrushProperties, ColouringAClearBrushMakesItSolid) {
    TBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    brush.SetStyle(TBrushStyle::bsClear);
    brush.SetColor(clRed);
    EXPECT_EQ(brush.Style(), TBrushStyle::bsSolid);
    const auto* style = TBrush::StaticClass().FindProperty(u"Style");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Default, static_cast<int>(TBrushStyle::bsSolid));
}

TEST(BrushAssign, SharesThePatternBitmapWhichMayGoAway) {
    TBrush source;
    auto pattern = std::make_unique<TBitmap>();
    source.SetBitmap(pattern.get());
    source.SetStyle(TBrushStyle::bsCross);
    TBrush brush;
    int changes = 0;
    brush.OnChange = [&](TObject*) { ++changes; };
    brush.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(brush.Bitmap(), pattern.get());
    EXPECT_EQ(brush.Style(), TBrushStyle::bsCross);
    pattern.reset();
    EXPECT_EQ(brush.Bitmap(), nullptr);
    EXPECT_EQ(source.Bitmap(), nullptr);
}

TEST(BrushHatch, PatternsRepeatEveryEightPixelsFromTheOrigin) {
    EXPECT_TRUE(HatchCoversPixel(TBrushStyle::bsHorizontal, 5, 16));
    EXPECT_FALSE(HatchCoversPixel(TBrushStyle::bsHorizontal, 5, 17));
    EXPECT_TRUE(HatchCoversPixel(TBrushStyle::bsVertical, -8, 3));
    EXPECT_TRUE(HatchCoversPixel(TBrushStyle::bsFDiagonal, 3, 11));
    EXPECT_TRUE(HatchCoversPixel(TBrushStyle::bsBDiagonal, 3, 5));
    EXPECT_TRUE(HatchCoversPixel(TBrushStyle::bsDiagCross, -3, 3));
    EXPECT_FALSE(HatchCoversPixel(TBrushStyle::bsClear, 0, 0));
}

}  // namespace
}  // namespace mox
