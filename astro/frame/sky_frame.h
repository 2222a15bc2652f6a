// Sky frame of the moment: day fraction, day number, Julian centuries from 1900 January 0.5, RAMC,
// obliquity, Midheaven, Ascendant, the parts of the displayed sidereal time and the latitude in the
// form the house code uses (what it reads and writes: sky_frame.cpp).
#pragma once

#include "core/chart_state.h"

void ComputeSkyFrame(ChartState& s);
