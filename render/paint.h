// The chart picture: the paint handler and the resize handler of the chart window.
#pragma once

#include "platform/surface.h"
#include "render/render_tables.h"
#include "core/chart_state.h"

// PaintChart (Form_Paint): clears the surface and draws the whole chart from the chart state, in this
// order: the centred coordinate system (x from -scaleHalfWidth to scaleHalfWidth, y upwards, the same
// ratio as before; its origin moved by driftX, driftY when the picture drifts), background colour, wheel,
// house sizes, intercepted signs, the cell measurement, cusp labels, body glyphs, the aspect display when
// settings value 47 is exactly 1, the information text. At night every colour, the background
// included, is scaled by the night dimming of settings line 15 (render/night_dimming.h).
//   reads  the chart (houseCusp, bodyLongitude, bodyHouse, retroFlags, moonVoid, infoLines), wheelMode,
//          the rendering tables, settingValues, scaleHalfWidth, driftX, driftY, sunAltitude
//   writes the rendering fields: cell sizes, pen, houseSize, interceptedSign, spokeAngles, the placement
//          fields, bodyDrawAngle, bodyDrawn, textReversed, aspectLines
void PaintChart(ChartState& s, Surface& surface);

// ResizeChart (Form_Resize): scaleHalfWidth = Round16(227 / |logical height / logical width|), in the
// logical units the surface has now (303 for any 4:3 picture).
void ResizeChart(ChartState& s, Surface& surface);
