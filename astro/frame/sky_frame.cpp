#include "astro/frame/sky_frame.h"

#include <cmath>

#include "astro/frame/angle_helpers.h"
#include "core/numeric.h"

// Sky frame of the moment from the 12-hour clock time, the zone offset, the civil date and the place.
//   reads  clockTime        hours.minutes on a 12-hour clock (single)
//          meridiem         "A.M." or "P.M."
//          zoneHours        decimal hours added to the local time to give UT (single)
//          calendarDay/Month/Year  civil date
//          longitudeDegMin  degrees.minutes, positive west (single)
//          latitudeDegMin   degrees.minutes, positive north (single)
//          northSouth       "SOUTH" for a southern latitude
//   writes dayFraction      UT as a fraction of the civil day, not wrapped
//          dayNumber        Julian day number of the civil date
//          julianCenturies  centuries of 36525 days from JD 2415020.0
//          ramcRad          right ascension of the meridian, radians 0..2 pi
//          mcLongitude, ascLongitude   degrees 0..360
//          siderealHours/Minutes/Seconds  truncated parts of the displayed sidereal time
//          latitudeDegMinAbs, latitudeWholeDegrees, houseLatitudeRad, negObliquityRad
//   uses   rectX, rectY, polarAngle, polarRadius as scratch
// Notes: no nutation enters the obliquity; the displayed sidereal time of a southern place is the
// RAMC plus 12 hours; a latitude of exactly 0 is carried as 0.00001 radian in houseLatitudeRad.
void ComputeSkyFrame(ChartState& s) {
    // Universal Time as a fraction of the day: 12 o'clock is hour 0 of its half of the day.
    double h = s.clockTime;
    if (Int(h) == 12) h = h - 12;
    s.dayFraction = (DegMinToDecimal(h) + s.zoneHours) / 24;
    if (s.meridiem == "P.M.") s.dayFraction = s.dayFraction + 0.5;

    // Day number: months counted from March of the year -4800, Julian calendar, then the
    // Gregorian correction after 1582 October 15.
    const double D = s.calendarDay;
    const double M = s.calendarMonth;
    const double Y = s.calendarYear;
    const double m = (Y + 4800) * 12 + M - 3;
    double J = Int((2 * (m - 12 * Int(m / 12)) + 7 + 365 * m) / 12) + D + Int(m / 48) - 32083;
    if (J > 2299171) J = J + Int(m / 4800) - Int(m / 1200) + 38;
    s.dayNumber = J;

    // Julian centuries from 1900 January 0.5 to the moment.
    const double T = (J - 2415020 + s.dayFraction - 0.5) / 36525;
    s.julianCenturies = T;

    // Greenwich sidereal time; T is taken at the moment, so the daily advance is in the T term.
    const double S0 = (23925.836 + 8640184.54 * T + 0.0929 * T * T) / 3600;
    const double S = (24 * s.dayFraction + S0) / 24;
    const double G = (S - Int(S)) * 24 * 15;

    // Local sidereal time as the right ascension of the meridian (longitude positive west).
    const double L = Sgn(s.longitudeDegMin) * DegMinToDecimal(std::fabs(static_cast<double>(s.longitudeDegMin)));
    s.ramcRad = DegToRad(Normalize360(G - L));

    // Mean obliquity of the ecliptic.
    const double eps = DegToRad(23.4522944 - 0.0130125 * T);

    // Midheaven: tan MC = tan RAMC / cos eps, in the quadrant of the RAMC.
    s.polarAngle = s.ramcRad;
    s.polarRadius = 1;
    PolarToRect(s);
    s.rectX = s.rectX * std::cos(eps);
    RectToPolar(s);
    s.mcLongitude = RadToDeg(s.polarAngle);

    // Ascendant: the zenith rotated into the ecliptic frame, its longitude plus 90 degrees.
    const double phi =
        DegToRad(Sgn(s.latitudeDegMin) * DegMinToDecimal(std::fabs(static_cast<double>(s.latitudeDegMin))));
    const double cosPhi = std::cos(phi);
    const double zx = cosPhi * std::cos(s.ramcRad);
    const double zy = cosPhi * std::sin(s.ramcRad);
    const double zz = std::sin(phi);
    s.rectX = zy;
    s.rectY = zz;
    RectToPolar(s);
    s.polarAngle = s.polarAngle - eps;
    PolarToRect(s);
    const double eclipticY = s.rectX;
    s.rectX = zx;
    s.rectY = eclipticY;
    RectToPolar(s);
    s.ascLongitude = Normalize360(RadToDeg(s.polarAngle) + 90);

    // Displayed sidereal time, truncated parts; a southern place shows the RAMC plus 12 hours.
    double st = RadToDeg(s.ramcRad);
    if (phi < 0) st = Normalize360(st + 180);
    const double H = st / 15;
    s.siderealHours = Int(H);
    const double F = (H - Int(H)) * 60;
    s.siderealSeconds = Int((F - Int(F)) * 60);
    s.siderealMinutes = Int(F);

    // Latitude for the house code, sign reversed (north negative), never exactly 0.
    s.latitudeDegMinAbs = std::fabs(static_cast<double>(s.latitudeDegMin));
    s.latitudeWholeDegrees = Int(s.latitudeDegMinAbs);
    double decimalLatitude =
        (s.latitudeDegMinAbs - Int(s.latitudeDegMinAbs)) * 100 / 60 + s.latitudeWholeDegrees;
    if (s.northSouth == "SOUTH") decimalLatitude = -decimalLatitude;
    s.houseLatitudeRad = -DegToRad(decimalLatitude);
    if (s.houseLatitudeRad == 0) s.houseLatitudeRad = 0.00001;

    s.negObliquityRad = -eps;
}
