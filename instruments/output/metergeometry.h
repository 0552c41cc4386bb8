#pragma once
// Where an analog meter's ticks, labels and needle go: pure arithmetic on its settings, so that
// the picture can be checked without drawing it. Angles are degrees clockwise from straight up,
// around a pivot that lies below the control's bottom edge.

#include <QString>
#include <vector>

#include "toolkit/colors.h"
#include "toolkit/types.h"

namespace mox {

struct TMeterLayout {
    int Radius;  // R: the needle's length
    TPoint Pivot;
    double StartAngle;  // tick 0
    double Step;        // between ticks; 0 without ticks
};

// `angle` keeps each end of the scale that far from the horizontal; `spacing` puts the pivot
// below the bottom edge.
TMeterLayout MeterLayout(int width, int height, int spacing, int angle, int ticks);

// The point at `angle` degrees and distance `r` from `pivot`, truncated toward zero.
TPoint PointAt(TPoint pivot, double angle, double r);

struct TMeterTick {
    TPoint Inner;
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

// Every tick from the inner arc outwards: zones by Percent1 and Percent2 of the ticks, every
// Enlarge-th tick long.
std::vector<TMeterTick> MeterTicks(const TMeterLayout& layout, const TMeterScaleSettings& scale);

struct TMeterLabel {
    int Tick;
    QString Text;
    double Angle;
};

// The labels: `labels` intervals of the value range, each on a tick; none when `labels` <= 0.
std::vector<TMeterLabel> MeterLabels(const TMeterLayout& layout, int ticks, int labels,
                                     int minValue, int maxValue);

// The tick the needle points at: 0 at minValue, `ticks` (one step past the last tick) at
// maxValue, 0 when the range is empty.
int NeedleIndex(int position, int minValue, int maxValue, int ticks);

}  // namespace mox
