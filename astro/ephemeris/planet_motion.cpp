// The planets one day after the moment, estimated from their motion at the moment. The driver marks a
// planet retrograde by the estimate only where the estimated day's motion is clearly away from zero.
#include <cmath>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"

namespace {

// Mean motion at a distance of 1 AU from the Sun: the Gaussian gravitational constant, radians per day.
constexpr double kGaussianRadiansPerDay = 0.01720209895;
constexpr double kDaysPerCentury = 36525;

}  // namespace

PlanetMotion PlanetMotionAfterPosition(const ChartState& s) {
    PlanetMotion m;
    if (static_cast<int>(s.bodyIndex) == 9) {
        m.longitude = s.plutoLongitude;
        m.latitude = s.plutoLatitude;
        m.plutoRadius = s.plutoRadius;
        m.longitudeRate = s.plutoLongitudeRate;
        m.latitudeRate = s.plutoLatitudeRate;
        m.radiusRate = s.plutoRadiusRate;
        return m;
    }
    m.semiMajorAxis = s.semiMajorAxis;
    m.eccentricity = s.eccentricity;
    m.inclination = s.inclination;
    m.nodeLongitude = s.nodeLongitude;
    m.radius = s.planetRadius;
    m.eccentricAnomaly = s.eccentricAnomaly;
    m.argLatitude = s.argLatitude;
    m.longitudeCorrection = s.longitudeCorrection;
    return m;
}

double EstimatedNextDayLongitude(ChartState& s, int index, const PlanetMotion& m) {
    s.bodyIndex = index;
    if (index == 9) {
        // Pluto: one day along the rates of its series.
        s.planetLongitude = m.longitude + m.longitudeRate / kDaysPerCentury;
        s.planetLatitude = m.latitude + m.latitudeRate / kDaysPerCentury;
        s.planetRadius = (m.plutoRadius + m.radiusRate / kDaysPerCentury) * s.kmPerAu;
        HelioToGeo(s);
        return OuterBodyLongitude(s, index);
    }
    // Any other planet: one day along the orbit of the moment, as a body moving under the Sun's
    // attraction alone (the perturbations and the slow turning of the orbit change over years). The
    // anomaly and the radius to the second order in time, from the mean motion of Kepler's third law.
    const double a = m.semiMajorAxis;
    const double e = m.eccentricity;
    const double r = m.radius;
    const double aAu = a / s.kmPerAu;
    const double n = kGaussianRadiansPerDay / (aAu * std::sqrt(aAu));
    const double sinE = std::sin(DegToRad(m.eccentricAnomaly));
    const double anomalyRate = n * std::sqrt(1 - e * e) * (a / r) * (a / r);  // radians per day
    const double radiusRate = n * a * a * e * sinE / r;                       // km per day
    const double anomalyAcceleration = -2 * anomalyRate * radiusRate / r;
    const double radiusAcceleration = r * anomalyRate * anomalyRate - n * n * a * (a / r) * (a / r);
    const double u = m.argLatitude + RadToDeg(anomalyRate + anomalyAcceleration / 2);
    s.inclination = m.inclination;
    s.nodeLongitude = m.nodeLongitude;
    OrbitToEcliptic(s, u, s.planetLongitude, s.planetLatitude);
    s.planetRadius = r + radiusRate + radiusAcceleration / 2;
    HelioToGeo(s);
    if (index <= 4) return Normalize360(s.geoLongitude);
    s.longitudeCorrection = m.longitudeCorrection;
    return OuterBodyLongitude(s, index);
}

double DayMotion(double now, double next) {
    double d = next - now;
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}
