#include "astro/frame/sun_altitude.h"

#include <algorithm>
#include <cmath>

#include "astro/frame/angle_helpers.h"

double SunAltitude(double sunLongitudeDeg, double obliquityDeg, double ramcDeg, double latitudeDeg) {
    const double lambda = DegToRad(sunLongitudeDeg);
    const double eps = DegToRad(obliquityDeg);
    const double phi = DegToRad(latitudeDeg);

    // Right ascension and declination of a point on the ecliptic.
    const double sinLambda = std::sin(lambda);
    const double alpha = std::atan2(std::cos(eps) * sinLambda, std::cos(lambda));
    const double sinDelta = std::sin(eps) * sinLambda;
    const double cosDelta = std::sqrt(std::max(0.0, 1 - sinDelta * sinDelta));

    // Hour angle from the meridian, then the height over the horizon.
    const double hourAngle = DegToRad(ramcDeg) - alpha;
    const double sinAltitude = std::sin(phi) * sinDelta + std::cos(phi) * cosDelta * std::cos(hourAngle);
    return RadToDeg(std::asin(std::clamp(sinAltitude, -1.0, 1.0)));
}
