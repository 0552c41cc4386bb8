#pragma once
// Where an angular meter's zones, ticks, labels, caption lines and needle go: pure arithmetic on
// its settings, so that the picture can be checked without drawing it. Angles are degrees
// clockwise from straight up around the dial's centre. Any setting may hold any value a rack
// file can, so distances are formed in 64 bits, the marks drawn are bounded by the dial's size,
// and a range or position that is not a finite number shows the needle at the start.

#include <QString>
#include <QStringList>
#include <vector>

#include "instruments/base/vrmapping.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

struct TAngularLayout {
    TFarPoint Centre;          // half the dial's box: its width and height, or twice Radius
    std::int64_t InnerRadius;  // the tick ring's inner radius
    double Start;              // the angle of MinValue
    double Sweep;              // clockwise from Start to MaxValue
    int MarkBudget;            // the most ticks or labels worth drawing at this size
};

// `radius` below 0 fits the dial to the control; `angle` is the scale's start past straight down.
TAngularLayout AngularLayout(int width, int height, int radius, int spacing, int angle, int sweep);

// The box of the zone ring: the inner radius and the ring's width around the centre.
TRect ZoneBox(const TAngularLayout& layout, int ringWidth);

struct TZoneSlice {
    TColor Color;
    double From;  // clockwise from here
    double To;
};
// The coloured slices in drawing order: Percent1 and Percent2 of the sweep, then the rest.
// A share of 0 leaves its slice out; shares that fill the sweep leave the third out.
std::vector<TZoneSlice> ZoneSlices(const TAngularLayout& layout, int percent1, int percent2,
                                   TColor color1, TColor color2, TColor color3);

struct TAngularTick {
    TPoint Inner;  // clipped to the canvas's coordinate space
    TPoint Outer;
};
// `ticks` + 1 ticks from the start to the end of the sweep, every `enlarge`-th from the first
// `longLength` long (none after the first when `enlarge` is below 1), the rest `shortLength`;
// an even spread that keeps both ends when there are more than the layout's budget.
std::vector<TAngularTick> AngularTicks(const TAngularLayout& layout, int ticks, int shortLength,
                                       int longLength, int enlarge);

struct TAngularLabel {
    QString Text;
    TPoint Centre;  // the text is centred here
};
// `labels` + 1 labels from MinValue to MaxValue, each `offset` beyond the inner radius, with
// `decimals` digits after the locale's separator (at most kMaxDialDecimals); none when
// `labels` <= 0.
std::vector<TAngularLabel> AngularLabels(const TAngularLayout& layout, int labels, int offset,
                                         double minValue, double maxValue, int decimals);
// More digits than a double holds would only show noise, and a huge count a huge string.
constexpr int kMaxDialDecimals = 18;
QString LabelText(double value, int decimals);

// The caption's lines: the parts between "|" separators, an empty part an empty line; a
// trailing separator adds no line.
QStringList CaptionLines(const QString& caption);

// The needle's angle for `position`; the start of the sweep for an empty or non-finite range.
double NeedleAngle(const TAngularLayout& layout, double position, double minValue, double maxValue);

struct TNeedle {
    TPoint Tip;
    TPoint Corner1;
    TPoint Corner2;
};
// A triangle from a base `baseWidth` wide across the centre to a tip `length` out (the inner
// radius when `length` is negative).
TNeedle NeedleTriangle(const TAngularLayout& layout, double angle, int length, int baseWidth);

// The box of a circle of `radius` around the centre.
TRect CircleBox(const TAngularLayout& layout, int radius);

// Every pixel the needle's triangle and the two circles may touch, a pixel to spare all round.
TRect NeedleArea(const TNeedle& needle, const TRect& hub, const TRect& dot);

}  // namespace mox
