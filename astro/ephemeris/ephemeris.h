// Ephemeris: geocentric ecliptic longitudes of the chart bodies for the moment and one day later,
// retrograde marks, nutation and the two zodiac shifts. The procedures communicate through ChartState.
#pragma once

#include <array>

#include "core/chart_state.h"

// Element tables of the planetary orbits (constant after start-up).
void LoadElementTables(ChartState& s);

// Driver: all bodies 1..15 for the moment, their retrograde marks, the nutation and the zodiac shifts.
void ComputeEphemeris(ChartState& s);

// Retrograde test of the driver.
bool IsRetrograde(double longitude, double nextDayLongitude);

// The driver's longitude of outer body 5..9 from what ComputeOuterPlanet left (0..360, with the extra
// terms of Uranus, Neptune and Pluto).
double OuterBodyLongitude(const ChartState& s, int index);

// Motion of the Earth (1) or a planet (2..9) at the moment, kept for the estimate of its position one day
// later.
struct PlanetMotion {
    // The Earth and Mercury..Neptune: the orbit of the moment (semiMajorAxis and radius in km, angles in
    // degrees) and the extra longitude term of Uranus and Neptune.
    double semiMajorAxis = 0, eccentricity = 0, inclination = 0, nodeLongitude = 0, radius = 0,
           sinEccentricAnomaly = 0, argLatitude = 0, longitudeCorrection = 0;
    // Pluto: the heliocentric position (degrees, AU) and its rates per Julian century.
    double longitude = 0, latitude = 0, plutoRadius = 0, longitudeRate = 0, latitudeRate = 0, radiusRate = 0;
};
using PlanetMotions = std::array<PlanetMotion, 10>;  // by body index; 1..9 used
// What ComputeInnerPlanet or ComputeOuterPlanet left for bodyIndex (1..9).
PlanetMotion PlanetMotionAfterPosition(const ChartState& s);
// A heliocentric position in the plane of the ecliptic: x towards the equinox, y 90 degrees on (km).
struct PlanePosition {
    double x = 0, y = 0;
};
// The Earth one day after the moment of its motion, estimated along its orbit of the moment.
PlanePosition NextDayEarth(const ChartState& s, const PlanetMotion& earth);
// The driver's longitude of planet index one day after the moment of m, seen from the Earth of that day.
// Sets geoLongitude and longitudeCorrection.
double EstimatedNextDayLongitude(ChartState& s, int index, const PlanetMotion& m, const PlanePosition& earth);
// A day's motion from now to next, degrees, across 0 taken the short way (-180..180).
double DayMotion(double now, double next);
// The estimate decides a retrograde mark only where the estimated day's motion is at least this many
// degrees away from zero, by planet (2..9): ten times or more the largest error of the estimate over
// the span it was checked over. Outside that span, AD 1000 to 3000, in Julian centuries from 1900 (the
// outer planets) and from 2000 (the inner ones), the planets are computed in full.
constexpr std::array<double, 10> kClearDayMotion = {
    /* 0-1 unused */ 0, 0,
    /* Mercury..Mars */ 0.02, 0.002, 0.002,
    /* Jupiter..Pluto */ 0.002, 0.002, 0.002, 0.002, 0.002,
};
constexpr double kEstimateFrom1900 = -9, kEstimateTo1900 = 11;
constexpr double kEstimateFrom2000 = -10, kEstimateTo2000 = 10;

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
double RectLongitude(double x, double y);  // the longitude of RectToSpherical alone
void HelioToGeo(ChartState& s);

// Perturbations of the giant planets (working elements in AU, before the orbit solution).
void ComputePerturbationArguments(ChartState& s);
void PerturbJupiter(ChartState& s);
void PerturbSaturn(ChartState& s);
void PerturbUranus(ChartState& s);
void PerturbNeptune(ChartState& s);

// Pluto: heliocentric longitude, latitude and radius from its periodic series.
void ComputePluto(ChartState& s);
