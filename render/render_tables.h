// The constant tables of the chart picture, filled once at start-up; with them the 16-colour palette
// that the settings name the colours by.
#pragma once

#include <cstdint>

#include "core/chart_state.h"
#include "platform/surface.h"
#include "settings/palette.h"

// LoadSlotAngles: the first slot angle of each house on the equal-sector wheel.
//   writes slotAngles[1..12] = 180, 209, 240, 272, 304, 335, 4, 34, 65, 95, 124, 153 (degrees)
void LoadSlotAngles(ChartState& s);

// LoadCuspLabelOffsets: where the five characters of each cusp label stand, as logical offsets from
// the wheel centre.
//   writes cuspLabelOffsets[10 (i - 1) + 2 e] = x, [10 (i - 1) + 2 e + 1] = y for cusp slot i = 1..12
//          and label element e = 0..4 (tens of degrees, units of degrees, sign glyph, tens of minutes,
//          units of minutes); cuspLabelOffsets[120] = 0
void LoadCuspLabelOffsets(ChartState& s);

// LoadRimRadius: the radius at which a body glyph is anchored, by whole degree of drawing angle.
//   writes rimRadius[0..360], logical units: 217 on the left, 194 at the lower right
void LoadRimRadius(ChartState& s);

