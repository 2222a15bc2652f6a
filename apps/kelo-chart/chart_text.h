// kelo-chart's readable output: the information lines, every body with its symbol, sign, degrees and
// minutes, retrograde mark and house, the twelve cusps and the Moon's void-of-course state.
#pragma once

#include <ostream>

#include "core/chart_state.h"

// unicode: the astrological symbols (UTF-8); otherwise short ASCII names.
void WriteChartText(std::ostream& out, const ChartState& s, bool unicode);
