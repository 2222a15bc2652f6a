// Planetary orbits: working elements from the element tables, Kepler's equation, heliocentric ecliptic
// coordinates and the conversion to geocentric longitude.
#include <cmath>
#include <cstddef>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"

// Inner group (Earth, Mercury, Venus, Mars): linear elements, T from J2000.
//   reads  bodyIndex 1..4, julianCenturies (from JD 2451545.0), innerElements, kmPerAu
//   writes semiMajorAxis (km), eccentricity, inclination, nodeLongitude, argPerihelion,
//          meanAnomaly (not reduced); then SolveOrbit writes the Earth fields or geoLongitude
void ComputeInnerPlanet(ChartState& s) {
    const double T = s.julianCenturies;
    const std::array<double, 12>& c = s.innerElements.at(static_cast<std::size_t>(s.bodyIndex));
    s.semiMajorAxis = c[1] * s.kmPerAu;
    s.eccentricity = c[2] + c[3] * T;
    s.inclination = c[4] + c[5] * T;
    s.nodeLongitude = c[6] + c[7] * T;
    s.argPerihelion = (c[8] + c[9] * T) - (c[6] + c[7] * T);
    s.meanAnomaly = c[10] + c[11] * T;
    SolveOrbit(s);
}

// Outer group (Earth, Jupiter, Saturn, Uranus, Neptune, Pluto): mean-element polynomials, T from 1900,
// the perturbations of the giant planets, Pluto from its own series.
//   reads  bodyIndex 1, 5..9, julianCenturies (from JD 2415020.0), outerElements, kmPerAu
//   writes the working elements (semiMajorAxis in km on exit); the Earth fields (body 1) or, through
//          HelioToGeo, geoLongitude; longitudeCorrection for Uranus and Neptune; the Pluto fields
void ComputeOuterPlanet(ChartState& s) {
    const int body = static_cast<int>(s.bodyIndex);
    if (body == 9) {
        // Pluto: heliocentric position from its periodic series.
        ComputePluto(s);
        s.planetLongitude = s.plutoLongitude;
        s.planetLatitude = s.plutoLatitude;
        s.planetRadius = s.plutoRadius * s.kmPerAu;
        HelioToGeo(s);
        return;
    }
    const double T = s.julianCenturies;
    const std::array<double, 22>& c = s.outerElements.at(static_cast<std::size_t>(body));
    // Mean elements of date.
    const double L = c[1] + c[2] * T + c[3] * T * T + c[4] * T * T * T;
    s.semiMajorAxis = c[5];
    s.eccentricity = c[6] + c[7] * T + c[8] * T * T + c[9] * T * T * T;
    s.inclination = c[10] + c[11] * T + c[12] * T * T + c[13] * T * T * T;
    s.argPerihelion = c[14] + c[15] * T + c[16] * T * T + c[17] * T * T * T;
    s.nodeLongitude = c[18] + c[19] * T + c[20] * T * T + c[21] * T * T * T;
    // Mean anomaly from the mean longitude and the longitude of perihelion.
    const double varpi = Normalize360(s.argPerihelion + s.nodeLongitude);
    s.meanAnomaly = Normalize360(L - varpi);
    // The Earth's row holds the Sun's geocentric mean longitude: turn it to the heliocentric direction.
    if (body == 1) s.meanAnomaly = s.meanAnomaly + 180;
    // Perturbations by the other giant planets (elements still in AU).
    if (body == 5) PerturbJupiter(s);
    if (body == 6) PerturbSaturn(s);
    if (body == 7) PerturbUranus(s);
    if (body == 8) PerturbNeptune(s);
    s.semiMajorAxis = s.semiMajorAxis * s.kmPerAu;
    SolveOrbit(s);
}

// Kepler's equation E - e (180/pi) sin E = M by Newton's iteration in degrees, starting at E = M and
// stopping when a step changes E by less than 0.0000001 degree. The iteration is capped at
// kKeplerMaxIterations steps: the tabulated eccentricities converge in a handful, and the cap keeps an
// eccentricity outside the tables (or an input that oscillates) from running for ever. A NaN or an
// infinite input gives a NaN step, which fails the repeat test and ends the iteration at once.
//   given  e (eccentricity), meanAnomaly (degrees, any value); reads piValue
//   returns the eccentric anomaly E (degrees) and the number of Newton steps taken
KeplerSolution SolveKepler(const ChartState& s, double e, double meanAnomaly) {
    const double M = meanAnomaly;
    const double eDeg = e * 180 / s.piValue;
    double E = M;
    for (int step = 1;; ++step) {
        double sinE, cosE;
        SinCosDeg(s, E, sinE, cosE);
        const double next = E - (E - eDeg * sinE - M) / (1 - e * cosE);
        if (std::fabs(next - E) >= 0.0000001 && step < kKeplerMaxIterations) {
            E = next;
            continue;
        }
        return {next, step};
    }
}

// Orbit solution: eccentric anomaly, radius vector, true anomaly, heliocentric ecliptic position.
//   reads  eccentricity, meanAnomaly, semiMajorAxis (km), argPerihelion, inclination, nodeLongitude,
//          bodyIndex, piValue
//   writes earthRadius, earthLongitude, earthLatitude (body 1), or planetRadius, planetLongitude,
//          planetLatitude and then, through HelioToGeo, geoLongitude (bodies 2..9);
//          sinEccentricAnomaly and argLatitude (every body)
void SolveOrbit(ChartState& s) {
    const double e = s.eccentricity;
    const double a = s.semiMajorAxis;
    const double E = SolveKepler(s, e, s.meanAnomaly).eccentricAnomaly;
    double sinE, cosE;
    SinCosDeg(s, E, sinE, cosE);
    // Radius vector.
    const double r = a * (1 - e * cosE);
    const bool earth = s.bodyIndex == 1;
    if (earth) {
        s.earthRadius = r;
    } else {
        s.planetRadius = r;
    }
    // True anomaly from the half-angle relation.
    const double v =
        Normalize360(2 * RadToDeg(std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(s.piValue * E / 360))));
    // Argument of latitude, then the ecliptic position.
    const double u = s.argPerihelion + v;
    double l = 0;
    double b = 0;
    OrbitToEcliptic(s, u, l, b);
    s.sinEccentricAnomaly = sinE;
    s.argLatitude = u;
    if (earth) {
        s.earthLongitude = l;
        s.earthLatitude = b;
        return;
    }
    s.planetLongitude = l;
    s.planetLatitude = b;
    HelioToGeo(s);
}

// Heliocentric ecliptic longitude and latitude from the argument of latitude u (degrees).
//   reads  inclination, nodeLongitude, piValue
//   gives  longitude = lambda + nodeLongitude (not reduced), latitude (degrees)
void OrbitToEcliptic(const ChartState& s, double u, double& longitude, double& latitude) {
    double sinU, cosU, sinI, cosI;
    SinCosDeg(s, u, sinU, cosU);
    SinCosDeg(s, s.inclination, sinI, cosI);
    const double x = cosU;
    const double y = cosI * sinU;
    const double z = sinI * sinU;
    const Spherical p = RectToSpherical(s, x, y, z);
    longitude = p.longitude + s.nodeLongitude;
    latitude = p.latitude;
}

// Rectangular to spherical coordinates.
//   gives longitude 0 <= value < 360 (0 on the z axis), latitude -90..90 (degrees)
Spherical RectToSpherical(const ChartState&, double x, double y, double z) {
    Spherical p{0, 0};
    const double rho = std::sqrt(x * x + y * y);
    if (rho == 0) {
        p.latitude = z > 0 ? 90 : (z < 0 ? -90 : 0);
    } else {
        p.latitude = RadToDeg(std::atan(z / rho));
    }
    p.longitude = RectLongitude(x, y);
    return p;
}

// Longitude of a rectangular position by the half-angle form, so that every quadrant comes out of one
// arctangent.
//   gives 0 <= value < 360 (degrees), 0 on the z axis
double RectLongitude(double x, double y) {
    if (x == 0 && y == 0) return 0;
    const double rho = std::sqrt(x * x + y * y);
    const double lambda0 = 2 * RadToDeg(std::atan(y / (std::fabs(x) + rho)));
    if (x >= 0 && y >= 0) return lambda0;
    if (x >= 0) return lambda0 + 360;
    return 180 - lambda0;
}

// Heliocentric to geocentric: the planet's position minus the Earth's, in rectangular ecliptic coordinates.
//   reads  planetRadius, planetLongitude, planetLatitude, earthRadius, earthLongitude, earthLatitude
//   writes geoLongitude (degrees, 0..360)
void HelioToGeo(ChartState& s) {
    const double r = s.planetRadius;
    const double l = s.planetLongitude;
    const double b = s.planetLatitude;
    const double R = s.earthRadius;
    const double L0 = s.earthLongitude;
    const double B0 = s.earthLatitude;
    double sinB, cosB, sinL, cosL;
    SinCosDeg(s, b, sinB, cosB);
    SinCosDeg(s, l, sinL, cosL);
    // The Earth's terms stay the same for every planet of one time: computed once for each position.
    EarthTerms& earth = s.earthTerms;
    if (!earth.valid || !SameBits(earth.radius, R) || !SameBits(earth.longitude, L0) ||
        !SameBits(earth.latitude, B0)) {
        double sinB0, cosB0, sinL0, cosL0;
        SinCosDeg(s, B0, sinB0, cosB0);
        SinCosDeg(s, L0, sinL0, cosL0);
        earth = {true, R, L0, B0, R * cosB0 * cosL0, R * cosB0 * sinL0, R * sinB0};
    }
    const double x = r * cosB * cosL - earth.x;
    const double y = r * cosB * sinL - earth.y;
    s.geoLongitude = RectLongitude(x, y);
}
