// The fifteen chart bodies round the inside of the wheel: each glyph with its position (degrees, sign,
// minutes) along its ray towards the centre and a retrograde mark where one applies. Close bodies are
// kept apart: on the equal-sector wheel each takes one of seven 4-degree slots of its house, on the
// true-cusp wheel a glyph that would touch the previous one moves 4 degrees counter-clockwise of it.
#pragma once

#include "platform/surface.h"
#include "shell/chart_state.h"

// HouseOfBody: the house 1..12 of body b, the number in its field of houseLine. A field without a
// house number (an earlier chart's leftover, a blank) gives the house whose cusps hold the body's
// longitude instead, so that no body is lost or drawn outside the wheel's slots.
int HouseOfBody(const ChartState& s, int b);

// SortBodies: the bodies by descending longitude (rank 1 the largest), equal longitudes kept in order.
//   reads  bodyLongitude
//   writes sortedLongitude, bodyOrder (body at each rank), houseBodyCount[1..12] = 0
void SortBodies(ChartState& s);

// GroupBodiesByHouse: counts the bodies of each house and rotates the ranks so that a house straddling
// 0 degrees Aries is not split between the end and the start of the list.
//   reads  houseLine (through HouseOfBody), sortedLongitude, bodyOrder
//   writes houseBodyCount, sortedLongitude, bodyOrder, currentHouse = 0, slotOccupied = 0
void GroupBodiesByHouse(ChartState& s);

// PlaceBodies: sorts, groups, chooses every body's drawing angle and draws it. The opposite node and the
// Part of Fortune are left out of a house of more than seven bodies.
//   reads  bodyLongitude, houseLine, houseCusp, houseSize, wheelMode, slotAngles, rimRadius, retroFlags,
//          moonVoid, settingValues
//   writes bodyDrawAngle, bodyDrawn, textReversed, the placement fields (currentRank, currentHouse,
//          houseRank, cuspDistance, slotIndex, glyphRadius, penAngle, slotOccupied)
void PlaceBodies(ChartState& s, Surface& surface);

// DrawBody: the body at rank currentRank: its glyph at (glyphRadius, penAngle), then its position text
// stepped towards the centre, forward on the right (reading degrees, sign, minutes, glyph outwards) or
// reversed on the left (glyph, degrees, sign, minutes inwards), then its retrograde mark.
//   writes textReversed, zodiac fields, penX, penY, printValue, the cell sizes
void DrawBody(ChartState& s, Surface& surface);

// PrintBodyGlyph: the glyph of the body at rank currentRank (code 223 + body) at the current position;
// the Ascendant, the Midheaven and a void-of-course Moon in bold with their own size and colour.
void PrintBodyGlyph(ChartState& s, Surface& surface);
