// The outer planets one day after the moment, estimated from their motion at the moment. The driver
// marks a planet retrograde by the estimate only where the estimated day's motion is clearly away from
// zero; the estimate follows the full computation to a few ten-thousandths of a degree.
#include <cmath>

#include "astro/ephemeris/ephemeris.h"

namespace {

// Mean motion at a distance of 1 AU from the Sun, degrees per day: the Gaussian gravitational constant,
// 0.01720209895 radian per day.
constexpr double kGaussianDegreesPerDay = 0.9856076686;
constexpr double kDaysPerCentury = 36525;

}  // namespace

OuterMotion OuterMotionAfterPosition(const ChartState& s) {
    OuterMotion m;
    if (static_cast<int>(s.bodyIndex) == 9) {
        m.longitude = s.plutoLongitude;
        m.latitude = s.plutoLatitude;
        m.radius = s.plutoRadius;
        m.longitudeRate = s.plutoLongitudeRate;
        m.latitudeRate = s.plutoLatitudeRate;
        m.radiusRate = s.plutoRadiusRate;
        return m;
    }
    m.eccentricity = s.eccentricity;
    m.semiMajorAxis = s.semiMajorAxis;
    m.inclination = s.inclination;
    m.argPerihelion = s.argPerihelion;
    m.nodeLongitude = s.nodeLongitude;
    m.meanAnomaly = s.meanAnomaly;
    m.longitudeCorrection = s.longitudeCorrection;
    return m;
}

double EstimatedOuterLongitude(ChartState& s, int index, const OuterMotion& m) {
    s.bodyIndex = index;
    if (index == 9) {
        // Pluto: one day along the rates of its series.
        s.planetLongitude = m.longitude + m.longitudeRate / kDaysPerCentury;
        s.planetLatitude = m.latitude + m.latitudeRate / kDaysPerCentury;
        s.planetRadius = (m.radius + m.radiusRate / kDaysPerCentury) * s.kmPerAu;
        HelioToGeo(s);
        return OuterBodyLongitude(s, index);
    }
    // A giant planet: one day along the orbit of the moment, the mean anomaly grown by the mean motion
    // of Kepler's third law; the perturbations, which change over years, are held.
    const double aAu = m.semiMajorAxis / s.kmPerAu;
    s.eccentricity = m.eccentricity;
    s.semiMajorAxis = m.semiMajorAxis;
    s.inclination = m.inclination;
    s.argPerihelion = m.argPerihelion;
    s.nodeLongitude = m.nodeLongitude;
    s.meanAnomaly = m.meanAnomaly + kGaussianDegreesPerDay / (aAu * std::sqrt(aAu));
    SolveOrbit(s);
    s.longitudeCorrection = m.longitudeCorrection;
    return OuterBodyLongitude(s, index);
}

double DayMotion(double now, double next) {
    double d = next - now;
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}
