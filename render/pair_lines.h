// The last two layers of the chart: the aspect lines between the Sun, the Moon and the planets across
// the inner circle, and the four information lines in the top-left corner.
#pragma once

#include "platform/surface.h"
#include "core/chart_state.h"

// DrawAspects: for every ordered pair of bodies 1..10, the aspect of their separation (sextile 60,
// square 90, trine 120, opposition 180, quincunx 150 degrees, within the orbs of settings values 2, 3,
// 4, 5 and 10; a later match wins) as a line between the drawing angles of the two glyphs on the inner
// circle, with the aspect glyph (code + 159) centred on its middle. Every aspect is drawn twice, as
// (i, j) and as (j, i).
//   reads  bodyLongitude, bodyDrawAngle, piValue, settings values 2..5, 10, 77 (size), 87..89 (colours)
//   writes aspectLines
void DrawAspects(ChartState& s, Surface& surface);

// DrawInfoText: infoLines 0..3, one below the other, from 10 units right of the left edge and 10 units
// below the top edge, those edges moved by the drift like the rest of the picture.
//   reads  infoLines, settings values 68 (size) and 78 (colour), driftX, driftY
void DrawInfoText(ChartState& s, Surface& surface);
