// The fifteen chart bodies round the inside of the wheel: each glyph with its position (degrees, sign,
// minutes) along its ray towards the centre and a retrograde mark where one applies. Close bodies are
// kept apart: on the equal-sector wheel each takes one of seven 4-degree slots of its house, on the
// true-cusp wheel a glyph that would touch the previous one moves 4 degrees counter-clockwise of it.
#pragma once

#include "platform/surface.h"
#include "core/chart_state.h"

// SortBodies: the bodies by descending longitude (rank 1 the largest), equal longitudes kept in order.
//   reads  bodyLongitude
//   writes sortedLongitude, bodyOrder (body at each rank), houseBodyCount[1..12] = 0
void SortBodies(ChartState& s);

// GroupBodiesByHouse: counts the bodies of each house and rotates the ranks so that a house straddling
// 0 degrees Aries is not split between the end and the start of the list.
//   reads  bodyHouse, sortedLongitude, bodyOrder
//   writes houseBodyCount, sortedLongitude, bodyOrder, currentHouse = 0, slotOccupied = 0
void GroupBodiesByHouse(ChartState& s);

// PlaceBodies: sorts, groups, chooses every body's drawing angle and draws it (DrawBody). The opposite
// node and the Part of Fortune are left out of a house of more than seven bodies.
//   reads  bodyLongitude, bodyHouse, houseCusp, houseSize, wheelMode, slotAngles, rimRadius, retroFlags,
//          moonVoid, settingValues
//   writes bodyDrawAngle, bodyDrawn, textReversed, the placement fields (currentHouse, houseRank,
//          cuspDistance, slotIndex, slotOccupied) and what DrawBody writes
void PlaceBodies(ChartState& s, Surface& surface);

// DrawBody: body b of the given longitude in its house, at its drawing angle: the glyph at the rim, then
// its position text stepped towards the centre, forward on the right (reading degrees, sign, minutes,
// glyph outwards) or reversed on the left (glyph, degrees, sign, minutes inwards), then its retrograde
// mark.
//   writes penAngle = angle, glyphRadius (the rim radius at the angle), textReversed[b], the zodiac
//          fields, penX, penY, printValue, the digit cell
void DrawBody(ChartState& s, Surface& surface, int b, double longitude, int house, double angle);

// PrintBodyGlyph: the glyph of body b (code 223 + b) at the current position; the Ascendant, the
// Midheaven and a void-of-course Moon in bold with their own size and colour.
void PrintBodyGlyph(ChartState& s, Surface& surface, int b);
