// Shared set-up of the ephemeris tests: a state with the start-up constants and the element tables.
#pragma once

#include "astro/ephemeris/ephemeris.h"
#include "core/chart_state.h"

inline ChartState EphemerisState() {
    ChartState s;
    s.piValue = 3.1415926535;
    s.kmPerAu = 149597870;
    LoadElementTables(s);
    return s;
}

// Julian centuries from JD 2415020.0 and from JD 2451545.0 for a day number and day fraction.
inline double CenturiesFrom1900(double dayNumber, double dayFraction) {
    return (dayNumber - 2415020 + dayFraction - 0.5) / 36525;
}
inline double CenturiesFrom2000(double dayNumber, double dayFraction) {
    return (dayNumber - 2451545 + dayFraction - 0.5) / 36525;
}

// 2000 January 1 at 0 h UT.
constexpr double kDay2000 = 2451545;
