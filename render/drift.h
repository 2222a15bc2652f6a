// The drift of the picture, against burn-in on OLED and plasma screens: with settings line 16 exactly
// 1 the whole picture moves a little at every minute's update, along a slow path round the centre.
//
// The path, at minute m of the day: a spiral out from the centre and back, once every 160 minutes, on
// an ellipse of kDriftRadiusX by kDriftRadiusY logical units turning once every 36 minutes:
//     rho = |sin(pi m / 160)|,  theta = 2 pi m / 36,  offset = (kDriftRadiusX rho cos theta, kDriftRadiusY rho sin theta)
// Both periods divide the day, so the path runs on across midnight without a jump; it is at the
// centre at every 160th minute (00:00, 02:40, ...) and covers the ellipse in the 40 turns of a day.
// A step is at most 0.8 units: under a pixel at 640 x 480, about 4 pixels at 3840 x 2160.
#pragma once

#include "core/chart_state.h"

// The bounds, in the logical units of the paint, whose picture is 454.5 units high and 606 wide. 4.5
// units is under 1% of the picture's height, and so of the screen's, whatever its shape: the picture
// is as high as the screen, or lower with bands above and below. The picture leaves about 10 units
// free at its sides and about 5 below its lowest cusp label, so it never moves off the screen.
constexpr double kDriftRadiusX = 4.5;
constexpr double kDriftRadiusY = 3.0;
constexpr int kMinutesPerDay = 1440;

struct DriftOffset {
    double x = 0, y = 0;  // logical units, y upwards
};

// The offset of the picture at a minute of the local day (0..1439; any other count is taken modulo a
// day).
DriftOffset PictureDrift(int minuteOfDay);

// SetPictureDrift: driftX, driftY for the minute of the day when settings line 16 is exactly 1, and 0
// (the picture centred) for any other value.
void SetPictureDrift(ChartState& s, int minuteOfDay);
