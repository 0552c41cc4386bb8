// The border: the frame and edge lines of every shape in both styles as pixels, the etched frame
// of a new border, the spacer's design-time outline, sizes at the ends of int, and what a rack
// file gives back.
#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>
#include <limits>
#include <string>

#include "instruments/output/vrborder.h"
#include "rackfile/componentreader.h"
#include "rackfile/componentwriter.h"
#include "rackfile/textreader.h"
#include "rackfile/textwriter.h"
#include "support/canvastesting.h"
#include "support/testwindows.h"
#include "toolkit/core/classregistry.h"

namespace mox {
namespace {

using canvastesting::kSentinel;
using enum TVrBorderShape;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr TColor kLight = clLime;
constexpr TColor kDark = clGreen;

// Paints a border on its own into an image of its size that starts as the sentinel, as its
// parent would lend it a surface.
class TBorderPainter : public TVrBorder {
public:
    using TVrBorder::TVrBorder;

    QImage PaintOn(QImage image) {
        QPainter painter(&image);
        PaintInParent(painter);
        painter.end();
        return image;
    }
    QImage Painted() {
        QImage image(Width(), Height(), QImage::Format_RGB32);
        image.fill(ToQColor(kSentinel));
        return PaintOn(image);
    }
};

std::string Picture(const QImage& image) {
    return canvastesting::Picture(image, {{kLight, 'L'}, {kDark, 'D'}});
}

struct BorderTest : ::testing::Test {
    TComponent Owner{nullptr};
    TBorderPainter* Border = new TBorderPainter(&Owner);
};

TEST_F(BorderTest, NewBorderIsARaisedFrameOfFiftyPixels) {
    EXPECT_EQ(Border->Shape(), bsFrame);
    EXPECT_EQ(Border->Style(), TVrBorderStyle::bsRaised);
    EXPECT_EQ((std::vector{Border->HighlightColor(), Border->ShadowColor()}),
              (std::vector{kLight, kDark}));
    EXPECT_EQ((std::vector{Border->Width(), Border->Height()}), (std::vector{50, 50}));
    EXPECT_TRUE(Border->ControlStyle().Contains(TControlStyleFlag::csReplicatable));
}

TEST_F(BorderTest, EachShapeDrawsItsEdgesInTheStylesColours) {
    struct Row {
        const char* Name;
        TVrBorderShape Shape;
        TVrBorderStyle Style;
        const char* Expected;
    };
    const Row rows[] = {
        {"box", bsBox, TVrBorderStyle::bsRaised, "LLLLLD\nL....D\nL....D\nL....D\nLDDDDD"},
        {"lowered box", bsBox, TVrBorderStyle::bsLowered, "DDDDDL\nD....L\nD....L\nD....L\nDLLLLL"},
        // Etched: the light frame ends a pixel short, the dark one starts a pixel in.
        {"frame", bsFrame, TVrBorderStyle::bsRaised, "LLLLL.\nLDDDLD\nLD..LD\nLLLLLD\n.DDDDD"},
        {"lowered frame", bsFrame, TVrBorderStyle::bsLowered,
         "DDDDD.\nDLLLDL\nDL..DL\nDDDDDL\n.LLLLL"},
        {"top line", bsTopLine, TVrBorderStyle::bsRaised, "LLLLLL\nDDDDDD\n......\n......\n......"},
        {"bottom line", bsBottomLine, TVrBorderStyle::bsRaised,
         "......\n......\n......\nLLLLLL\nDDDDDD"},
        {"left line", bsLeftLine, TVrBorderStyle::bsRaised,
         "LD....\nLD....\nLD....\nLD....\nLD...."},
        {"right line", bsRightLine, TVrBorderStyle::bsLowered,
         "....DL\n....DL\n....DL\n....DL\n....DL"},
        {"spacer", bsSpacer, TVrBorderStyle::bsRaised, "......\n......\n......\n......\n......"},
    };
    Border->SetBounds(0, 0, 6, 5);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        Border->SetShape(row.Shape);
        Border->SetStyle(row.Style);
        EXPECT_EQ(Picture(Border->Painted()), row.Expected);
    }
}

// On a new 50 × 50 border both frames show on every side.
TEST_F(BorderTest, EtchedFrameShowsBothLinesOnEverySide) {
    const QImage image = Border->Painted();
    const auto at = [&](int x, int y) { return FromQColor(image.pixelColor(x, y)); };
    for (int i = 2; i < 48; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ((std::vector{at(i, 0), at(i, 1), at(0, i), at(1, i)}),
                  (std::vector{kLight, kDark, kLight, kDark}));
        EXPECT_EQ((std::vector{at(i, 48), at(i, 49), at(48, i), at(49, i)}),
                  (std::vector{kLight, kDark, kLight, kDark}));
    }
    EXPECT_EQ((std::vector{at(49, 0), at(0, 49), at(25, 25)}),
              (std::vector{kSentinel, kSentinel, kSentinel}));
}

// While designing, a spacer shows as a dotted outline mixed into what lies below: painting it
// twice gives the background back. Other shapes draw as at run time, whatever the spacer left
// in the pen.
TEST_F(BorderTest, SpacerOutlineShowsOnlyWhileDesigning) {
    Border->SetBounds(0, 0, 20, 10);
    Border->SetShape(bsSpacer);
    Border->SetDesigning(true);
    const QImage once = Border->Painted();
    int changed = 0;
    for (int y = 0; y < once.height(); ++y)
        for (int x = 0; x < once.width(); ++x) {
            const bool edge = x == 0 || y == 0 || x == 19 || y == 9;
            const bool differs = FromQColor(once.pixelColor(x, y)) != kSentinel;
            if (!edge) {
                EXPECT_FALSE(differs) << x << "," << y;
            }
            changed += differs;
        }
    // Dotted: some of the 56 edge pixels, not all.
    EXPECT_GT(changed, 10);
    EXPECT_LT(changed, 56);
    std::string blank = std::string(20, '.');
    for (int y = 1; y < 10; ++y)
        blank += '\n' + std::string(20, '.');
    EXPECT_EQ(Picture(Border->PaintOn(once)), blank);
    Border->SetDesigning(false);
    EXPECT_EQ(Picture(Border->Painted()), blank);
    Border->SetDesigning(true);
    Border->SetShape(bsBox);
    Border->SetBounds(0, 0, 6, 5);
    EXPECT_EQ(Picture(Border->Painted()), "LLLLLD\nL....D\nL....D\nL....D\nLDDDDD");
    Border->SetDesigning(false);
    EXPECT_EQ(Picture(Border->Painted()), "LLLLLD\nL....D\nL....D\nL....D\nLDDDDD");
}

// Sizes at the ends of int: every stroke stays in the canvas's space and painting a small part
// of such a border is immediate.
TEST_F(BorderTest, SizesAtTheEndsOfIntStayInTheCanvasSpace) {
    const std::pair<int, int> sizes[] = {{kIntMax, kIntMax}, {0, 0}, {1, 1}, {kIntMax, 3},
                                         {kIntMin, kIntMin}, {-5, 7}};
    for (const auto& [w, h] : sizes)
        for (int shape = 0; shape <= static_cast<int>(bsSpacer); ++shape) {
            SCOPED_TRACE(testing::Message() << w << "x" << h << " shape " << shape);
            for (const TBorderStroke& stroke :
                 BorderStrokes(static_cast<TVrBorderShape>(shape), TVrBorderStyle::bsRaised, kLight,
                               kDark, w, h))
                for (const TPoint& p : stroke.Points)
                    EXPECT_TRUE(std::abs(p.X) <= kCoordLimit && std::abs(p.Y) <= kCoordLimit);
        }
    Border->SetShape(bsBox);
    Border->SetBounds(0, 0, kIntMax, kIntMax);
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(ToQColor(kSentinel));
    EXPECT_EQ(Picture(Border->PaintOn(image)),
              "LLLLLLLL\nL.......\nL.......\nL.......\nL.......\nL.......\nL.......\nL.......");
}

// --- The rack file --------------------------------------------------------------------------

TEST(BorderStreamTest, SettingsSurviveARoundTripAndDefaultsAreNotWritten) {
    TComponent owner(nullptr);
    TForm* form = test::ShowForm(&owner);
    auto* border = new TVrBorder(form);
    border->SetName(QStringLiteral("border1"));
    border->SetParent(form);
    QStringList names;
    const rack::TObjectRecord root = rack::WriteComponentTree(*form);
    for (const rack::TStreamProperty& p : root.Children.at(0).Properties)
        names << p.Name;
    EXPECT_EQ(names, (QStringList{"Left", "Top", "Width", "Height"}));

    border->SetShape(bsLeftLine);
    border->SetStyle(TVrBorderStyle::bsLowered);
    border->SetShadowColor(clNavy);
    border->SetHighlightColor(clYellow);
    const QByteArray text = rack::WriteObjectText(rack::WriteComponentTree(*form));
    TForm* again = test::ShowForm(&owner);
    TClassRegistry registry;
    registry.RegisterClass(TVrBorder::StaticClass());
    rack::ReadComponentTree(rack::ReadObjectText(text), *again, registry);
    auto* loaded = dynamic_cast<TVrBorder*>(again->FindComponent(QStringLiteral("border1")));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Shape(), bsLeftLine);
    EXPECT_EQ(loaded->Style(), TVrBorderStyle::bsLowered);
    EXPECT_EQ((std::vector{loaded->ShadowColor(), loaded->HighlightColor()}),
              (std::vector{clNavy, clYellow}));
}

}  // namespace
}  // namespace mox
