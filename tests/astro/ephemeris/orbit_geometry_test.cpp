// Kepler's equation, the rectangular-to-spherical conversion and the geocentric conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "ephemeris_test_support.h"

TEST(Kepler, CircularOrbitEndsAfterOneStepWithEqualToM) {
    ChartState s = EphemerisState();
    for (double M : {0.0, 17.5, 359.0, -1234.5}) {
        KeplerSolution k = SolveKepler(s, 0, M);
        EXPECT_EQ(k.iterations, 1) << M;
        EXPECT_DOUBLE_EQ(k.eccentricAnomaly, M) << M;
    }
}

TEST(Kepler, MultiplesOf180AreFixedPointsForAnyEccentricity) {
    ChartState s = EphemerisState();
    for (double e : {0.0001, 0.05, 0.2056}) {
        for (double M : {0.0, 180.0, 360.0, -540.0}) {
            // sin(180 x 3.1415926535 / 180) is about 9e-11, not 0: E moves by less than a nanodegree.
            EXPECT_NEAR(SolveKepler(s, e, M).eccentricAnomaly, M, 1e-8) << e << " " << M;
        }
    }
}

TEST(Kepler, SolvesTheEquationForTheTabulatedEccentricities) {
    ChartState s = EphemerisState();
    for (double e : {0.0090, 0.0167, 0.0483, 0.0934, 0.2056}) {
        for (double M = -720; M <= 720; M += 13.7) {
            KeplerSolution k = SolveKepler(s, e, M);
            const double E = k.eccentricAnomaly;
            EXPECT_NEAR(E - e * 180 / s.piValue * SinDeg(E), M, 1e-9) << e << " " << M;
            EXPECT_LE(k.iterations, 8) << e << " " << M;
        }
    }
}

TEST(Kepler, EndsOnNaNInfinityAndEccentricitiesOutsideTheTables) {
    ChartState s = EphemerisState();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_TRUE(std::isnan(SolveKepler(s, 0.05, nan).eccentricAnomaly));
    EXPECT_EQ(SolveKepler(s, 0.05, nan).iterations, 1);
    EXPECT_EQ(SolveKepler(s, nan, 10).iterations, 1);
    EXPECT_EQ(SolveKepler(s, 0.05, inf).iterations, 1);
    // A hyperbolic eccentricity makes Newton's method wander: the cap ends it.
    for (double M : {0.5, 3.0, 100.0}) {
        EXPECT_LE(SolveKepler(s, 7.5, M).iterations, kKeplerMaxIterations) << M;
    }
    // An orbit solution fed a NaN comes back (with NaN positions) instead of hanging.
    s.bodyIndex = 1;
    s.eccentricity = 0.0167;
    s.semiMajorAxis = s.kmPerAu;
    s.meanAnomaly = nan;
    SolveOrbit(s);
    EXPECT_TRUE(std::isnan(s.earthRadius));
}

TEST(OrbitSolution, PerihelionAndAphelionOfAnEccentricOrbit) {
    ChartState s = EphemerisState();
    s.bodyIndex = 1;
    s.eccentricity = 0.2;
    s.semiMajorAxis = 1000;
    s.inclination = 0;
    s.nodeLongitude = 30;
    s.argPerihelion = 40;
    s.meanAnomaly = 0;
    SolveOrbit(s);
    EXPECT_NEAR(s.earthRadius, 800, 1e-6);
    EXPECT_NEAR(Normalize360(s.earthLongitude), 70, 1e-6);
    s.meanAnomaly = 180;
    SolveOrbit(s);
    EXPECT_NEAR(s.earthRadius, 1200, 1e-6);
    EXPECT_NEAR(Normalize360(s.earthLongitude), 250, 1e-6);
    // A quarter of the way round the radius is the semi-major axis at E = 90, not at M = 90.
    s.meanAnomaly = 90 - 0.2 * 180 / s.piValue;
    SolveOrbit(s);
    EXPECT_NEAR(s.earthRadius, 1000, 1e-6);
}

TEST(OrbitSolution, InclinedOrbitReachesItsLatitudeAboveTheNode) {
    ChartState s = EphemerisState();
    s.inclination = 7;
    s.nodeLongitude = 48;
    double l = 0;
    double b = 0;
    OrbitToEcliptic(s, 90, l, b);
    EXPECT_NEAR(b, 7, 1e-7);
    EXPECT_NEAR(l, 138, 1e-7);
    OrbitToEcliptic(s, 270, l, b);
    EXPECT_NEAR(b, -7, 1e-7);
    EXPECT_NEAR(l, 318, 1e-7);
    OrbitToEcliptic(s, 360 + 45, l, b);  // the node longitude is added unreduced
    EXPECT_GT(l, 48);
    EXPECT_LT(l, 48 + 45);
}

TEST(RectToSpherical, AxesAndQuadrants) {
    ChartState s = EphemerisState();
    struct Case { double x, y, z, longitude, latitude; };
    const Case cases[] = {
        {1, 0, 0, 0, 0},   {-1, 0, 0, 180, 0}, {0, -1, 0, 270, 0}, {0, 1, 0, 90, 0},
        {0, 0, 1, 0, 90},  {0, 0, -1, 0, -90}, {0, 0, 0, 0, 0},
        {1, 1, 0, 45, 0},  {-1, 1, 0, 135, 0}, {-1, -1, 0, 225, 0}, {1, -1, 0, 315, 0},
        {1, 0, 1, 0, 45},  {-3, 0, -3, 180, -45},
    };
    for (const Case& c : cases) {
        Spherical p = RectToSpherical(s, c.x, c.y, c.z);
        EXPECT_NEAR(p.longitude, c.longitude, 1e-7) << c.x << " " << c.y << " " << c.z;
        EXPECT_NEAR(p.latitude, c.latitude, 1e-7) << c.x << " " << c.y << " " << c.z;
    }
}

// The geocentric longitude of a planet in the ecliptic, both it and the Earth (150 from the Sun) at one
// heliocentric longitude.
double GeocentricLongitude(double heliocentricLongitude, double planetRadius) {
    ChartState s = EphemerisState();
    s.earthRadius = 150, s.earthLongitude = heliocentricLongitude, s.earthLatitude = 0;
    s.planetRadius = planetRadius, s.planetLongitude = heliocentricLongitude, s.planetLatitude = 0;
    HelioToGeo(s);
    return s.geoLongitude;
}

TEST(HelioToGeo, OppositionAndInferiorConjunction) {
    // Outside the Earth's orbit: seen opposite the Sun, at its own longitude.
    EXPECT_NEAR(GeocentricLongitude(123, 780), 123, 1e-7);
    // Inside: seen towards the Sun.
    EXPECT_NEAR(GeocentricLongitude(123, 108), 303, 1e-7);
    // The result is reduced to 0..360 across the turn.
    EXPECT_NEAR(GeocentricLongitude(300, 108), 120, 1e-7);
}
