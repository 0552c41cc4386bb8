#pragma once
// Where an analog meter's ticks, labels and needle go: pure arithmetic on its settings, so that
// the picture can be checked without drawing it. Angles are degrees clockwise from straight up,
// around a pivot that lies below the control's bottom edge. Every setting may hold any int (a
// rack file can), so sums are formed in 64 bits and the number of marks drawn follows the
// control's size, not the settings.

#include <QString>
#include <vector>

#include "instruments/base/vrmapping.h"
#include "toolkit/core/types.h"
#include "toolkit/graphics/colors.h"

namespace mox {

struct TMeterLayout {
    int Radius;         // R: the needle's length
    TFarPoint Pivot;    // far below the control for a large Spacing
    double StartAngle;  // tick 0
    double Step;        // between ticks; 0 without ticks
    int TickBudget;     // the most ticks worth drawing at this size
    int LabelBudget;    // the most labels
};

// `angle` keeps each end of the scale that far from the horizontal; `spacing` puts the pivot
// below the bottom edge.
TMeterLayout MeterLayout(int width, int height, int spacing, int angle, int ticks);

// The point at `angle` degrees and distance `r` from `pivot`, truncated toward zero and pulled
// into the canvas's coordinate space.
TPoint PointAt(TFarPoint pivot, double angle, double r);

struct TMeterTick {
    int Index;
    TPoint Inner;  // the line, clipped to the canvas's coordinate space
    TPoint Outer;
    TColor Color;
};

struct TMeterScaleSettings {
    int Ticks;
    int Enlarge;
    int Percent1;
    int Percent2;
    int HeightMax;
    int HeightMin;
    TColor Color1;
    TColor Color2;
    TColor Color3;
};

// The ticks to draw, from the inner arc outwards, in drawing order: zones by Percent1 and
// Percent2 of the ticks, every Enlarge-th tick long. All of them up to the layout's tick budget;
// beyond it (more ticks than the arc has pixels) an even spread finer than a pixel, every long
// tick or an even spread of them, and the ticks on either side of each zone edge.
std::vector<TMeterTick> MeterTicks(const TMeterLayout& layout, const TMeterScaleSettings& scale);

struct TMeterLabel {
    int Tick;
    QString Text;
    double Angle;
};

// The labels: `labels` intervals of the value range, each on a tick; none when `labels` <= 0.
// More labels than the layout's label budget are thinned to an even spread that keeps the first
// and the last.
std::vector<TMeterLabel> MeterLabels(const TMeterLayout& layout, int ticks, int labels,
                                     int minValue, int maxValue);

// The tick the needle points at: 0 at minValue, `ticks` (one step past the last tick) at
// maxValue, 0 when the range is empty.
int NeedleIndex(int position, int minValue, int maxValue, int ticks);

}  // namespace mox
