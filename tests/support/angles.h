// Comparing angles in the tests.
#pragma once

#include <cmath>

// The difference of two angles in degrees across 0/360: 0..180.
inline double AngleDifference(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }
