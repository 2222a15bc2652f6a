// Ephemeris: geocentric ecliptic longitudes of the chart bodies for the moment and one day later,
// retrograde marks, nutation and the two zodiac shifts. The procedures communicate through ChartState.
#pragma once

#include "core/chart_state.h"

// Element tables of the planetary orbits (constant after start-up).
void LoadElementTables(ChartState& s);

// Driver: all bodies 1..15 for the moment, their retrograde marks, the nutation and the zodiac shifts.
void ComputeEphemeris(ChartState& s);

// Retrograde test of the driver.
bool IsRetrograde(double longitude, double nextDayLongitude);

// Sun: apparent longitude by Newcomb's theory.
void ComputeSun(ChartState& s);

// Moon: apparent longitude, mean and true ascending node.
void ComputeMoon(ChartState& s);

// Planetary orbits, bodyIndex 1..4 (T from J2000) and 1, 5..9 (T from 1900).
void ComputeInnerPlanet(ChartState& s);
void ComputeOuterPlanet(ChartState& s);
void SolveOrbit(ChartState& s);
// Kepler's equation by Newton's iteration in degrees (the step SolveOrbit uses).
constexpr int kKeplerMaxIterations = 100;
struct KeplerSolution {
    double eccentricAnomaly;  // degrees
    int iterations;           // Newton steps taken, 1..kKeplerMaxIterations
};
KeplerSolution SolveKepler(const ChartState& s, double e, double meanAnomaly);
void OrbitToEcliptic(const ChartState& s, double u, double& longitude, double& latitude);
struct Spherical {
    double longitude;  // 0 <= value < 360 (360 itself only by rounding a tiny negative angle)
    double latitude;   // -90..90
};
Spherical RectToSpherical(const ChartState& s, double x, double y, double z);
void HelioToGeo(ChartState& s);

// Perturbations of the giant planets (working elements in AU, before the orbit solution).
void ComputePerturbationArguments(ChartState& s);
void PerturbJupiter(ChartState& s);
void PerturbSaturn(ChartState& s);
void PerturbUranus(ChartState& s);
void PerturbNeptune(ChartState& s);

// Pluto: heliocentric longitude, latitude and radius from its periodic series.
void ComputePluto(ChartState& s);
