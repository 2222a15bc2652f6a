// Houses and chart points: the twelve cusps in eight systems with the sidereal-time text, the house of
// every body, the four information lines and the Moon's void-of-course test.
#pragma once

#include "core/chart_state.h"

void ComputeHouseCusps(ChartState& s);  // houseCusp slots 1..12, siderealText
void PlacidusCusp(ChartState& s);       // placidusStartRa/Divisor/BelowHorizon -> placidusCuspLongitude
void BuildHouseLine(ChartState& s);     // houseLine, bodyHouse
int HouseOfLongitude(const ChartState& s, double longitude);  // 1..12 by houseCusp, 0 for none
void BuildInfoLines(ChartState& s);     // infoLines 0..3 (calls NameHouseSystem)
void NameHouseSystem(ChartState& s);    // infoLines 3
void TestMoonVoid(ChartState& s);       // moonVoid
