// Ephemeris driver: all chart bodies for the moment, the retrograde marks of the planets, nutation and
// the two zodiac shifts.
#include <array>
#include <cmath>
#include <string>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"
#include "core/body_slots.h"

namespace {

// Outer group for the time in julianCenturies: bodies 1, 5..9; the longitudes of 5..9 go into
// bodyLongitude, the motion of each body into motion[].
void ComputeOuterGroup(ChartState& s, PlanetMotions& motion) {
    for (int index = 1; index <= 9; ++index) {
        if (index >= 2 && index <= 4) continue;
        s.bodyIndex = index;
        ComputeOuterPlanet(s);
        motion[index] = PlanetMotionAfterPosition(s);
        if (index == 1) continue;
        s.bodyLongitude[index] = OuterBodyLongitude(s, index);
    }
}

// Inner group for the time in julianCenturies: body 1 (the Earth) first, then 2..4 into bodyLongitude,
// the motion of each body into motion[].
void ComputeInnerGroup(ChartState& s, PlanetMotions& motion) {
    for (int index = 1; index <= 4; ++index) {
        s.bodyIndex = index;
        ComputeInnerPlanet(s);
        motion[index] = PlanetMotionAfterPosition(s);
        if (index == 1) continue;
        s.bodyLongitude[index] = Normalize360(s.geoLongitude);
    }
}

// Body index of the inner group (Earth, Mercury..Mars) or the outer one (Earth, Jupiter..Pluto).
void ComputeGroupBody(ChartState& s, int index, bool inner) {
    s.bodyIndex = index;
    if (inner) {
        ComputeInnerPlanet(s);
    } else {
        ComputeOuterPlanet(s);
    }
}

// Retrograde marks of planets first..last (2..4 or 5..9), julianCenturies holding the time one day later
// (from 2000 for the inner group, from 1900 for the outer one). A planet's position of that day is first
// estimated from its motion and the Earth's at the moment; where the estimated day's motion is clearly
// away from zero, its sign is the sign the full computation gives, and the mark is set from the
// estimate. Near a standstill, or at a time outside the span the estimate was checked over, the Earth
// and the planet of that day are computed in full, as at the moment.
void MarkRetrograde(ChartState& s, int first, int last, const PlanetMotions& motion, bool checkedSpan) {
    const bool inner = last <= 4;
    const PlanePosition earth = NextDayEarth(s, motion[1]);
    bool fullEarth = false;
    for (int index = first; index <= last; ++index) {
        const double now = s.bodyLongitude[index];
        double next = 0;
        if (checkedSpan) next = EstimatedNextDayLongitude(s, index, motion[index], earth);
        if (!checkedSpan || !(std::fabs(DayMotion(now, next)) >= kClearDayMotion[index])) {
            // The Earth of that day first, once for the group.
            if (!fullEarth) ComputeGroupBody(s, 1, inner);
            fullEarth = true;
            ComputeGroupBody(s, index, inner);
            next = inner ? Normalize360(s.geoLongitude) : OuterBodyLongitude(s, index);
        }
        if (IsRetrograde(now, next)) s.retroFlags[index - 1] = 'R';
    }
}

}  // namespace

// Ephemeris driver: bodies 1..15 (1 Sun, 2..9 Mercury..Pluto, 10 Moon, 11 mean node, 12 opposite node,
// 13 Part of Fortune, 14 Ascendant, 15 Midheaven), the retrograde marks of bodies 2..9 from the positions
// one day later, the nutation in longitude and the precession-based and sidereal zodiac shifts.
//   reads  dayNumber, dayFraction, julianCenturies (from JD 2415020.0), ascLongitude, mcLongitude,
//          houseCusp slot 4, the element tables, piValue, kmPerAu
//   writes bodyLongitude 1..15 (degrees, 0..360), retroFlags, precessionShift, siderealShift,
//          altNodeLongitude, julianCenturies2000, julianCenturiesNext, julianCenturies2000Next
//   uses   julianCenturies as the time argument of each body computation; it ends as it began
void ComputeEphemeris(ChartState& s) {
    // Julian date of the moment.
    const double JD = s.dayNumber + s.dayFraction - 0.5;
    // Sun's mean longitude and the Moon's mean node.
    const double T = s.julianCenturies;
    const double L = 279.696678 + 36000.768925 * T + 0.0003025 * T * T;
    const double N = 259.183275 - 1934.142008 * T + 0.002078 * T * T + 0.0000022 * T * T * T;
    const double sinN = SinDeg(N);
    // Nutation in longitude, degrees.
    const double dpsi = (-(17.2327 + 0.01737 * T) * sinN - 1.273 * SinDeg(2 * L)) / 3600;
    // Precession-based zodiac shift (arcseconds before the division; Sin L, not Sin 2L).
    const double P = (5025.64 + 1.11 * T) * T - (17.2327 * sinN + 1.273 * SinDeg(L));
    s.precessionShift = Normalize360((P - 84038.27) / 3600);
    // Sidereal zodiac shift: one degree in 71.61 Julian years from 22.46045833333 at JD 2415020, plus nutation.
    s.siderealShift = (JD - 2415020) / 365.25 / 71.61 + 22.46045833333 + dpsi;
    s.retroFlags = std::string(kBodySlotCount, ' ');
    // Time arguments.
    s.julianCenturies2000 = (s.dayNumber - 2451545 + s.dayFraction - 0.5) / 36525;
    s.julianCenturiesNext = 1.0 / 36525 + s.julianCenturies;
    s.julianCenturies2000Next = 1.0 / 36525 + s.julianCenturies2000;

    // Sun, Moon and nodes at the moment.
    ComputeSun(s);
    s.bodyLongitude[kSunSlot] = Normalize360(s.sunMoonResult);
    ComputeMoon(s);
    s.bodyLongitude[kMoonSlot] = Normalize360(s.sunMoonResult);
    s.bodyLongitude[kNodeSlot] = Normalize360(s.rectY);
    s.altNodeLongitude = Normalize360(s.moonSecondNode);
    s.bodyLongitude[kOppositeNodeSlot] = Normalize360(s.bodyLongitude[kNodeSlot] + 180);
    // Part of Fortune: Ascendant + Moon - Sun; then the Ascendant and the Midheaven.
    s.bodyLongitude[kFortuneSlot] =
        Normalize360(s.bodyLongitude[kMoonSlot] + s.ascLongitude - s.bodyLongitude[kSunSlot]);
    s.bodyLongitude[kAscendantSlot] = s.houseCusp[4];
    s.bodyLongitude[kMidheavenSlot] = s.mcLongitude;
    // Inner planets at the moment and their marks from one day later (T from J2000).
    PlanetMotions motion{};
    s.julianCenturies = s.julianCenturies2000;
    ComputeInnerGroup(s, motion);
    s.julianCenturies = s.julianCenturies2000Next;
    MarkRetrograde(s, kMercurySlot, kMarsSlot, motion,
                   s.julianCenturies >= kEstimateFrom2000 && s.julianCenturies <= kEstimateTo2000);
    // (The Sun and the Moon are never marked: their positions one day later are not needed.)

    // Outer planets at the moment and their marks from one day later (T from 1900).
    s.julianCenturies = (s.dayNumber - 2415020 + s.dayFraction - 0.5) / 36525;
    s.julianCenturiesNext = s.julianCenturies + 1.0 / 36525;
    ComputeOuterGroup(s, motion);
    s.julianCenturies = s.julianCenturiesNext;
    MarkRetrograde(s, kJupiterSlot, kPlutoSlot, motion,
                   s.julianCenturies >= kEstimateFrom1900 && s.julianCenturies <= kEstimateTo1900);
    // The time argument back at the moment, as the sky frame left it.
    s.julianCenturies = T;
}

// The driver's longitude of an outer body from what ComputeOuterPlanet left: reduced, with the extra
// longitude terms of Uranus and Neptune and the precession term of Pluto.
double OuterBodyLongitude(const ChartState& s, int index) {
    double value = Normalize360(s.geoLongitude);
    if (index == 7 || index == 8) value = value + s.longitudeCorrection;
    if (index == 9) value = value + (s.dayNumber - 2433283) * 1.33 / 36525;
    return Normalize360(value);
}

// Retrograde test: the longitude one day later is smaller; a difference of 180 degrees or more is read as
// motion across 0 degrees (359.8 to 0.3 is direct, 0.3 to 359.8 retrograde).
//   given  the longitudes of the moment and of one day later, degrees 0..360
bool IsRetrograde(double longitude, double nextDayLongitude) {
    double a = longitude;
    double b = nextDayLongitude;
    // Motion across 0 degrees: lift the smaller value by a turn.
    if (std::fabs(a - b) >= 180) {
        if (a > b) {
            b = b + 360;
        } else {
            a = a + 360;
        }
    }
    return a > b;
}
