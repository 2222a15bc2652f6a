// The chart picture: the paint handler and the resize handler of the chart window.
#pragma once

#include "platform/surface.h"
#include "shell/chart_state.h"

void PaintChart(ChartState& s, Surface& surface);   // Form_Paint
void ResizeChart(ChartState& s, Surface& surface);  // Form_Resize
