// Houses and chart points: the twelve cusps in eight systems with the sidereal-time text, the house of
// every body, the four information lines and the Moon's void-of-course test.
#pragma once

#include "shell/chart_state.h"

void ComputeHouseCusps(ChartState& s);  // houseCusp slots 1..12, siderealText
void PlacidusCusp(ChartState& s);       // placidusStartRa/Divisor/BelowHorizon -> placidusCuspLongitude
void BuildHouseLine(ChartState& s);     // houseLine, bodyHouse

// HouseOfLongitude: the house 1..12 whose cusps hold a longitude, 0 when none does (a non-finite
// longitude or cusp). The longitude is nudged forward by 0.1 second of arc, so that one on a cusp (or
// just short of it) belongs to the house the cusp begins, and taken round to 0 at 360 degrees or beyond;
// where cusps overlap the later cusp slot wins.
//   reads houseCusp
int HouseOfLongitude(const ChartState& s, double longitude);
void BuildInfoLines(ChartState& s);     // infoLines 0..3 (calls NameHouseSystem)
void NameHouseSystem(ChartState& s);    // infoLines 3
void TestMoonVoid(ChartState& s);       // moonVoid
