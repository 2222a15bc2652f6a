// The frame of the chart: circles, house spokes, intercepted signs and cusp labels, and the angular
// size of each house that the body placement uses.
#pragma once

#include "platform/surface.h"
#include "core/chart_state.h"

// DrawWheel: twelve house spokes between the inner and the outer ring, then the circles of radius 217
// and 120 round the centre. wheelMode 0 draws equal 30-degree sectors; any other value draws each cusp
// at (cusp - cusp of house 1) + 180 degrees, after a first spoke at 180 degrees (the Ascendant).
//   reads  wheelMode, houseCusp, piValue, settings values 91 (circles) and 92 (spokes)
//   writes spokeAngles (degrees, drawing order)
void DrawWheel(ChartState& s, Surface& surface);

// ComputeHouseSizes: the size of the house that starts at each cusp slot.
//   reads  houseCusp
//   writes houseSize[k] = Normalize360(houseCusp[k + 1] - houseCusp[k]), k = 1..11 (277.5 stored as
//          7.5), houseSize[12] = Normalize360(houseCusp[1] - houseCusp[12])
void ComputeHouseSizes(ChartState& s);

// DrawInterceptedSigns: the glyph of a sign that lies wholly inside a house (the bounding cusps two
// signs apart), just outside the outer circle at the middle of the house.
//   reads  houseCusp, wheelMode, piValue, settings values 70 (size) and 80 (colour)
//   writes interceptedSign[1..12] (by house), zodiacSign
void DrawInterceptedSigns(ChartState& s, Surface& surface);

// DrawCuspLabels: degrees, sign glyph and minutes of each cusp. The cusps of houses 1 and 7, and all
// twelve on the equal-sector wheel, stand at their fixed places of cuspLabelOffsets; the others follow
// their spokes.
//   reads  houseCusp, wheelMode, cuspLabelOffsets, piValue, settings values 69..71 (sizes), 79..81
//          (colours)
//   writes zodiac fields, printValue
void DrawCuspLabels(ChartState& s, Surface& surface);

// HouseOrderedCusps: E[j] = cusp of house j, j = 1..12, E[13] = E[1].
void HouseOrderedCusps(const ChartState& s, double (&e)[14]);
