// Positions of the Sun, the Moon and the planets against the worked examples of 2000 January 1, 0 h UT,
// and the series values at the two epochs.
#include <gtest/gtest.h>

#include <cmath>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "ephemeris_test_support.h"

namespace {

// One group's computation at the time argument T through the Earth (body 1) and then the body asked for.
ChartState AfterTheEarth(ChartState s, void (*compute)(ChartState&), double T, int body) {
    s.julianCenturies = T;
    s.bodyIndex = 1;
    compute(s);
    s.bodyIndex = body;
    compute(s);
    return s;
}

// Outer group at 2000 January 1, 0 h UT, from the element tables of s.
ChartState OuterBodyAt2000(int body, ChartState s = EphemerisState()) {
    s.dayNumber = kDay2000;
    return AfterTheEarth(s, ComputeOuterPlanet, CenturiesFrom1900(kDay2000, 0), body);
}

// One computation at the time argument T.
ChartState ComputedAt(double T, void (*compute)(ChartState&)) {
    ChartState s = EphemerisState();
    s.julianCenturies = T;
    compute(s);
    return s;
}

// Inner group at 2000 January 1, 0 h UT.
ChartState InnerBodyAt2000(int body) {
    return AfterTheEarth(EphemerisState(), ComputeInnerPlanet, CenturiesFrom2000(kDay2000, 0), body);
}

}  // namespace

TEST(OuterGroup, TimeArgumentOfTheWorkedExample) {
    EXPECT_NEAR(CenturiesFrom1900(kDay2000, 0), 0.99998631074606, 1e-14);
    EXPECT_NEAR(CenturiesFrom2000(kDay2000, 0), -0.0000136893, 1e-10);
}

TEST(OuterGroup, EarthMeanAnomalyAtT0IsTurnedToTheHeliocentricDirection) {
    // L = 279.696678, varpi = 101.22085: M = 178.475828 + 180, not reduced again.
    ChartState s = EphemerisState();
    s.julianCenturies = 0;
    s.bodyIndex = 1;
    ComputeOuterPlanet(s);
    EXPECT_NEAR(s.meanAnomaly, 358.475828, 1e-9);
    EXPECT_DOUBLE_EQ(s.semiMajorAxis, 1.0000002 * 149597870);
}

TEST(OuterGroup, EarthPositionOf2000January1) {
    ChartState s = OuterBodyAt2000(1);
    EXPECT_NEAR(s.earthLongitude, 99.8719, 1e-4);
    EXPECT_NEAR(s.earthRadius, 147101718, 2);
    EXPECT_DOUBLE_EQ(s.earthLatitude, 0);
}

TEST(OuterGroup, JupiterWithoutPerturbations) {
    // The working elements of body 5 as the outer group forms them, solved without PerturbJupiter.
    ChartState s = OuterBodyAt2000(1);
    const double T = s.julianCenturies;
    const auto& c = s.outerElements[5];
    const double L = c[1] + c[2] * T + c[3] * T * T + c[4] * T * T * T;
    s.bodyIndex = 5;
    s.semiMajorAxis = c[5] * s.kmPerAu;
    s.eccentricity = c[6] + c[7] * T + c[8] * T * T + c[9] * T * T * T;
    s.inclination = c[10] + c[11] * T + c[12] * T * T + c[13] * T * T * T;
    s.argPerihelion = c[14] + c[15] * T + c[16] * T * T + c[17] * T * T * T;
    s.nodeLongitude = c[18] + c[19] * T + c[20] * T * T + c[21] * T * T * T;
    s.meanAnomaly = Normalize360(L - Normalize360(s.argPerihelion + s.nodeLongitude));
    SolveOrbit(s);
    EXPECT_NEAR(s.geoLongitude, 25.3260, 1e-4);
}

TEST(OuterGroup, GiantPlanetsWithPerturbationsOf2000January1) {
    EXPECT_NEAR(OuterBodyAt2000(5).geoLongitude, 25.2434, 1e-4);
    EXPECT_NEAR(OuterBodyAt2000(6).geoLongitude, 40.4133, 1e-4);
    ChartState uranus = OuterBodyAt2000(7);
    EXPECT_NEAR(uranus.geoLongitude, 314.7924, 1e-4);
    EXPECT_NEAR(uranus.longitudeCorrection, 0.00331, 1e-5);
    ChartState neptune = OuterBodyAt2000(8);
    EXPECT_NEAR(neptune.geoLongitude, 303.1765, 1e-4);
    EXPECT_NEAR(neptune.longitudeCorrection, 0.01656, 1e-5);
    // The element corrections leave semiMajorAxis in km again.
    EXPECT_NEAR(OuterBodyAt2000(5).semiMajorAxis / 149597870, 5.2, 0.01);
}

// The giant planets of one time share the sines of their common angles; a planet must get the same
// bits whatever was computed before it on the same record.
TEST(OuterGroup, AGiantPlanetIsTheSameWhateverCameBefore) {
    const double T = CenturiesFrom1900(kDay2000, 0);
    struct Case { int before; double beforeT; int body; const char* why; };
    const Case cases[] = {
        {5, T, 6, "Saturn after Jupiter of the same time: shared values reused"},
        {8, T, 7, "Uranus after Neptune: angles of the same name but not the same value"},
        {6, T - 0.5, 5, "Jupiter after Saturn of another time: nothing carried over"},
        {5, T + 1.0 / (36525 * 1440), 6, "Saturn after Jupiter a minute later: nothing carried over"},
    };
    for (const Case& c : cases) {
        const ChartState alone = OuterBodyAt2000(c.body);
        ChartState s = EphemerisState();
        s.dayNumber = kDay2000;
        s = AfterTheEarth(s, ComputeOuterPlanet, c.beforeT, c.before);
        s = AfterTheEarth(s, ComputeOuterPlanet, T, c.body);
        EXPECT_EQ(s.geoLongitude, alone.geoLongitude) << c.why;
        EXPECT_EQ(s.longitudeCorrection, alone.longitudeCorrection) << c.why;
        EXPECT_EQ(s.eccentricity, alone.eccentricity) << c.why;
    }
}

TEST(OuterGroup, PlutoOf2000January1) {
    ChartState s = OuterBodyAt2000(9);
    EXPECT_NEAR(s.plutoLongitude, 249.8434, 1e-4);
    EXPECT_NEAR(s.plutoLatitude, 11.1684, 1e-4);
    EXPECT_NEAR(s.plutoRadius, 30.2234, 1e-4);
    EXPECT_DOUBLE_EQ(s.planetRadius, s.plutoRadius * 149597870);
    EXPECT_NEAR(s.geoLongitude, 250.7677, 1e-4);
}

TEST(OuterGroup, UranusAndNeptuneDiscardTheTabulatedMeanLongitude) {
    for (int body : {7, 8}) {
        const double reference = OuterBodyAt2000(body).geoLongitude;
        ChartState changed = EphemerisState();
        changed.outerElements[body][1] += 40;  // mean longitude
        ChartState s = OuterBodyAt2000(body, changed);
        EXPECT_DOUBLE_EQ(s.geoLongitude, reference) << body;
        // The perihelion still counts.
        s.outerElements[body][14] += 1;
        s.bodyIndex = body;
        ComputeOuterPlanet(s);
        EXPECT_GT(std::fabs(s.geoLongitude - reference), 0.01) << body;
    }
}

TEST(InnerGroup, PlanetsOf2000January1) {
    EXPECT_NEAR(InnerBodyAt2000(2).geoLongitude, 271.129, 1e-3);
    EXPECT_NEAR(InnerBodyAt2000(3).geoLongitude, 240.975, 1e-3);
    EXPECT_NEAR(InnerBodyAt2000(4).geoLongitude, 327.588, 1e-3);
}

TEST(InnerGroup, MeanAnomalyStaysUnreducedAndGivesTheSameOrbit) {
    ChartState s = EphemerisState();
    s.julianCenturies = 1.7;  // Mercury's M is about 254278 degrees
    s.bodyIndex = 2;
    ComputeInnerPlanet(s);
    EXPECT_GT(s.meanAnomaly, 360 * 700);
    ChartState reduced = s;
    const double radius = s.planetRadius;
    const double longitude = s.planetLongitude;
    reduced.meanAnomaly = Normalize360(s.meanAnomaly);
    SolveOrbit(reduced);
    // Not to the last bit: with pi = 3.1415926535 a sine of 254278 degrees differs from the sine of the
    // reduced angle by about 1e-7 radian, and the position by some 6e-6 degree.
    EXPECT_NEAR(reduced.planetRadius / radius, 1, 1e-7);
    EXPECT_NEAR(Normalize360(reduced.planetLongitude - longitude + 180), 180, 1e-5);
}

TEST(Pluto, SeriesAtTheTwoEpochs) {
    const ChartState at0 = ComputedAt(0, ComputePluto);
    EXPECT_NEAR(at0.plutoLongitude, 76.4515, 1e-4);
    EXPECT_NEAR(at0.plutoLatitude, -9.5849, 1e-4);
    EXPECT_NEAR(at0.plutoRadius, 46.9605, 1e-4);
    const ChartState at1 = ComputedAt(1, ComputePluto);
    EXPECT_NEAR(at1.plutoLongitude, 249.8467, 1e-4);
    EXPECT_NEAR(at1.plutoLatitude, 11.1677, 1e-4);
    EXPECT_NEAR(at1.plutoRadius, 30.2236, 1e-4);
}

TEST(PerturbationArguments, ValuesAtT0AreNotReduced) {
    ChartState s = ComputedAt(0, ComputePerturbationArguments);
    EXPECT_DOUBLE_EQ(s.perturbNu, 0.1);
    EXPECT_DOUBLE_EQ(s.perturbP, 237.47555);
    EXPECT_DOUBLE_EQ(s.perturbQ, 265.9165);
    EXPECT_DOUBLE_EQ(s.perturbS, 243.51721);
    EXPECT_NEAR(s.perturbV, 854.6314, 1e-9);
    EXPECT_NEAR(s.perturbW, -389.99627, 1e-9);
    EXPECT_NEAR(s.perturbZeta, 28.44095, 1e-9);
    EXPECT_NEAR(s.perturbEta, -22.39929, 1e-9);
    s.julianCenturies = 1;
    ComputePerturbationArguments(s);
    EXPECT_DOUBLE_EQ(s.perturbNu, 0.3);
    EXPECT_NEAR(s.perturbP, 3272.38165, 1e-9);
}

TEST(Moon, MeanNodeAtT0AndAlwaysReduced) {
    ChartState s = ComputedAt(0, ComputeMoon);
    EXPECT_DOUBLE_EQ(s.rectY, 259.183275);
    for (double T : {-3.5, -1.0, 0.37, 1.0, 2.9, 10.0}) {
        s.julianCenturies = T;
        ComputeMoon(s);
        EXPECT_GE(s.rectY, 0) << T;
        EXPECT_LT(s.rectY, 360) << T;
        // The true node swings by at most about 1.9 degrees around the mean node.
        EXPECT_LT(std::fabs(Normalize360(s.moonSecondNode - s.rectY + 180) - 180), 2.0) << T;
    }
}

TEST(Sun, AgreesWithTheOppositeOfTheEarthOrbit) {
    // Newcomb's apparent Sun and the outer group's Earth orbit are two theories of the same motion:
    // they differ by aberration, nutation and the omitted terms, a few hundredths of a degree at most.
    for (double T : {0.0, 0.25, 0.7, 0.99998631074606, 1.2}) {
        ChartState s = EphemerisState();
        s.julianCenturies = T;
        ComputeSun(s);
        const double sun = s.sunMoonResult;
        s.bodyIndex = 1;
        ComputeOuterPlanet(s);
        EXPECT_NEAR(Normalize360(sun - (s.earthLongitude + 180) + 180), 180, 0.03) << T;
    }
}
