// The planets one day after the moment, estimated from their motion at the moment. The driver marks a
// planet retrograde by the estimate only where the estimated day's motion is clearly away from zero.
#include <cmath>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"

namespace {

// Mean motion at a distance of 1 AU from the Sun: the Gaussian gravitational constant, radians per day.
constexpr double kGaussianRadiansPerDay = 0.01720209895;
constexpr double kDaysPerCentury = 36525;

// One day along the orbit of the moment, as a body moving under the Sun's attraction alone (the
// perturbations and the slow turning of the orbit change over years). The anomaly and the radius to the
// second order in time, from the mean motion of Kepler's third law; then the orbit's plane turned about
// the line of nodes into the ecliptic, and about the pole by the node's longitude.
PlanePosition NextDayOnOrbit(const ChartState& s, const PlanetMotion& m) {
    const double a = m.semiMajorAxis;
    const double e = m.eccentricity;
    const double r = m.radius;
    const double aAu = a / s.kmPerAu;
    const double n = kGaussianRadiansPerDay / (aAu * std::sqrt(aAu));
    const double anomalyRate = n * std::sqrt(1 - e * e) * (a / r) * (a / r);  // radians per day
    const double radiusRate = n * a * a * e * m.sinEccentricAnomaly / r;      // km per day
    const double anomalyAcceleration = -2 * anomalyRate * radiusRate / r;
    const double radiusAcceleration = r * anomalyRate * anomalyRate - n * n * a * (a / r) * (a / r);
    const double u = m.argLatitude + RadToDeg(anomalyRate + anomalyAcceleration / 2);
    const double radius = r + radiusRate + radiusAcceleration / 2;
    double sinU, cosU, sinNode, cosNode;
    SinCosDeg(s, u, sinU, cosU);
    SinCosDeg(s, m.nodeLongitude, sinNode, cosNode);
    const double towardsPole = CosDeg(s, m.inclination) * sinU;
    return {radius * (cosU * cosNode - towardsPole * sinNode), radius * (cosU * sinNode + towardsPole * cosNode)};
}

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
    m.radius = static_cast<int>(s.bodyIndex) == 1 ? s.earthRadius : s.planetRadius;
    m.sinEccentricAnomaly = s.sinEccentricAnomaly;
    m.argLatitude = s.argLatitude;
    m.longitudeCorrection = s.longitudeCorrection;
    return m;
}

PlanePosition NextDayEarth(const ChartState& s, const PlanetMotion& earth) { return NextDayOnOrbit(s, earth); }

double EstimatedNextDayLongitude(ChartState& s, int index, const PlanetMotion& m, const PlanePosition& earth) {
    PlanePosition p;
    if (index == 9) {
        // Pluto: one day along the rates of its series.
        const double longitude = m.longitude + m.longitudeRate / kDaysPerCentury;
        const double latitude = m.latitude + m.latitudeRate / kDaysPerCentury;
        const double radius = (m.plutoRadius + m.radiusRate / kDaysPerCentury) * s.kmPerAu;
        double sinB, cosB, sinL, cosL;
        SinCosDeg(s, latitude, sinB, cosB);
        SinCosDeg(s, longitude, sinL, cosL);
        p = {radius * cosB * cosL, radius * cosB * sinL};
    } else {
        p = NextDayOnOrbit(s, m);
    }
    s.geoLongitude = RectLongitude(p.x - earth.x, p.y - earth.y);
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
