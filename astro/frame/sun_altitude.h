// The Sun's height above the horizon at the chart's place, from the chart's own sky frame.
#pragma once

// SunAltitude: altitude of the Sun above the horizon, degrees, geometric (no refraction, centre of the
// disc, the Sun's ecliptic latitude taken as 0).
//   sunLongitudeDeg  the Sun's ecliptic longitude of date, degrees
//   obliquityDeg     obliquity of the ecliptic, degrees
//   ramcDeg          right ascension of the meridian (the local sidereal time as an angle), degrees
//   latitudeDeg      geographic latitude, degrees, north positive
// Returns -90..90: sin h = sin(phi) sin(delta) + cos(phi) cos(delta) cos(RAMC - alpha).
double SunAltitude(double sunLongitudeDeg, double obliquityDeg, double ramcDeg, double latitudeDeg);
