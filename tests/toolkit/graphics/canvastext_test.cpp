// Text on a canvas. Glyph shapes vary with the installed fonts, so these tests check
// measurements against each other and which pixels text may touch, never glyph pixels.
#include <gtest/gtest.h>

#include "support/canvastesting.h"

namespace mox {
namespace {

using canvastesting::CountPixels;
using canvastesting::kSentinel;
using canvastesting::PaintedBounds;
using canvastesting::SentinelBitmap;

// Each character is one unit wide.
int CharCount(QStringView s) {
    return static_cast<int>(s.size());
}

TEST(CanvasTextLayout, PrefixesUnderlineOneCharacterAndDoubleToAnAmpersand) {
    const TPrefixedText t = ResolvePrefixes(u"&File && more&");
    EXPECT_EQ(t.Text, QStringLiteral("File & more"));
    EXPECT_EQ(t.Underlined, 0);
    EXPECT_EQ(ResolvePrefixes(u"Sa&ve &As").Underlined, 2);
    EXPECT_EQ(ResolvePrefixes(u"a&&b").Underlined, -1);
}

TEST(CanvasTextLayout, LinesBreakAtLineBreaksAndWords) {
    EXPECT_EQ(BreakTextLines(u"one\r\ntwo\nthree\rfour", DT_LEFT, 100, CharCount),
              QStringList({"one", "two", "three", "four"}));
    EXPECT_EQ(BreakTextLines(u"one\ntwo", DT_SINGLELINE, 100, CharCount), QStringList({"one two"}));
    EXPECT_EQ(BreakTextLines(u"the quick brown fox", DT_WORDBREAK, 9, CharCount),
              QStringList({"the quick", "brown fox"}));
    // A word longer than the width stays whole; spaces at a break are dropped.
    EXPECT_EQ(BreakTextLines(u"a verylongword b  ", DT_WORDBREAK, 4, CharCount),
              QStringList({"a", "verylongword", "b  "}));
    EXPECT_TRUE(BreakTextLines(u"", DT_WORDBREAK, 4, CharCount).isEmpty());
}

TEST(CanvasText, MeasurementsAgree) {
    TCanvas c;
    c.Font()->SetHeight(-13);
    const QString text = QStringLiteral("Gauge 42");
    EXPECT_GT(c.TextWidth(text), c.TextWidth(QStringLiteral("Gauge")));
    EXPECT_EQ(c.TextExtent(text), (TSize{c.TextWidth(text), c.TextHeight(text)}));
    EXPECT_GE(c.TextHeight(text), 13);
    EXPECT_EQ(c.TextWidth(QString()), 0);
}

TEST(CanvasText, CalcRectMeasuresWithoutDrawing) {
    auto bmp = SentinelBitmap(200, 100);
    TCanvas& c = *bmp->Canvas();
    const int line = c.TextHeight(QStringLiteral("x"));
    TRect r = Rect(10, 20, 15, 25);
    const int height = c.DrawText(QStringLiteral("first line\nthe &second"), r, DT_CALCRECT);
    EXPECT_EQ(height, 2 * line);
    EXPECT_EQ(r, Rect(10, 20, 10 + c.TextWidth(QStringLiteral("the second")), 20 + 2 * line));
    EXPECT_EQ(CountPixels(*bmp, kSentinel), 200 * 100);

    // Word breaking inside a narrow rectangle makes more lines.
    TRect narrow = Rect(0, 0, c.TextWidth(QStringLiteral("first")) + 2, 0);
    EXPECT_EQ(c.DrawText(QStringLiteral("first line"), narrow, DT_CALCRECT | DT_WORDBREAK),
              2 * line);
}

TEST(CanvasText, ClearBrushLeavesTheBackground) {
    auto bmp = SentinelBitmap(120, 40);
    TCanvas& c = *bmp->Canvas();
    c.Font()->SetColor(clBlack);
    c.Brush()->SetStyle(TBrushStyle::bsClear);
    c.TextOut(5, 6, QStringLiteral("Meter"));
    // Without antialiasing every pixel is either untouched or in the font colour.
    const int ink = CountPixels(*bmp, clBlack);
    EXPECT_GT(ink, 0);
    EXPECT_EQ(ink + CountPixels(*bmp, kSentinel), 120 * 40);
    const TRect drawn = PaintedBounds(*bmp);
    EXPECT_GE(drawn.Left, 5);
    EXPECT_GE(drawn.Top, 6);
    EXPECT_LE(drawn.Bottom, 6 + c.TextHeight(QStringLiteral("Meter")));
    EXPECT_EQ(c.PenPos(), Point(5 + c.TextWidth(QStringLiteral("Meter")), 6));
}

TEST(CanvasText, OpaqueBrushFillsExactlyTheTextCell) {
    auto bmp = SentinelBitmap(120, 40);
    TCanvas& c = *bmp->Canvas();
    c.Font()->SetColor(clBlack);
    c.Brush()->SetColor(clYellow);
    c.TextOut(5, 6, QStringLiteral("Meter"));
    const TSize cell = c.TextExtent(QStringLiteral("Meter"));
    EXPECT_EQ(PaintedBounds(*bmp), Bounds(5, 6, cell.cx, cell.cy));
    EXPECT_EQ(CountPixels(*bmp, clYellow) + CountPixels(*bmp, clBlack), cell.cx * cell.cy);
}

TEST(CanvasText, DrawTextPlacesAndClipsLines) {
    auto bmp = SentinelBitmap(100, 40);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clYellow);  // fills each line's cell, which shows where it went
    const int line = c.TextHeight(QStringLiteral("x"));
    const int width = c.TextWidth(QStringLiteral("ab"));
    TRect r = Rect(0, 0, 100, 40);
    const int bottom = c.DrawText(QStringLiteral("ab"), r, DT_SINGLELINE | DT_RIGHT | DT_BOTTOM);
    EXPECT_EQ(bottom, 40);
    EXPECT_EQ(PaintedBounds(*bmp), Rect(100 - width, 40 - line, 100, 40));

    auto centred = SentinelBitmap(100, 40);
    TRect all = Rect(0, 0, 100, 40);
    centred->Canvas()->Brush()->SetColor(clYellow);
    const int vcentre = centred->Canvas()->DrawText(QStringLiteral("ab"), all,
                                                    DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_EQ(vcentre, (40 - line) / 2 + line);
    EXPECT_EQ(PaintedBounds(*centred), Bounds((100 - width) / 2, (40 - line) / 2, width, line));

    // Text is clipped to the rectangle unless DT_NOCLIP.
    auto clipped = SentinelBitmap(100, 40);
    clipped->Canvas()->Brush()->SetColor(clYellow);
    TRect small = Rect(0, 0, 4, 4);
    clipped->Canvas()->DrawText(QStringLiteral("wide text"), small, DT_LEFT);
    EXPECT_EQ(PaintedBounds(*clipped), Rect(0, 0, 4, 4));
    clipped->Canvas()->DrawText(QStringLiteral("wide text"), small, DT_LEFT | DT_NOCLIP);
    EXPECT_EQ(PaintedBounds(*clipped).Bottom, line);
}

TEST(CanvasText, TextRectFillsAndClipsToItsRectangle) {
    auto bmp = SentinelBitmap(60, 30);
    TCanvas& c = *bmp->Canvas();
    c.Brush()->SetColor(clYellow);
    c.TextRect(Rect(10, 5, 30, 12), 12, 3, QStringLiteral("Overflowing"));
    EXPECT_EQ(PaintedBounds(*bmp), Rect(10, 5, 30, 12));
}

}  // namespace
}  // namespace mox
