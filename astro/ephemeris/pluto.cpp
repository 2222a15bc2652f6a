// Pluto: heliocentric ecliptic longitude, latitude and radius from a periodic series in the mean
// longitudes of Jupiter, Saturn and Pluto.
#include <iterator>

#include "astro/ephemeris/ephemeris.h"
#include "astro/frame/angle_helpers.h"

namespace {

// Pluto series: argument alpha = j J + s S + p P; sine and cosine coefficients of alpha for the longitude,
// the latitude (units of 0.000001 degree) and the radius (units of 0.000001 AU).
struct PlutoTerm { int j, s, p; double lonSin, lonCos, latSin, latCos, radSin, radCos; };
constexpr PlutoTerm kPlutoTerms[] = {
    /* 1 */  {0, 0, 1, -19977972, 19667536, -5323113, -15024245, 6623876, 6955990},
    /* 2 */  {0, 0, 2, 987114, -4939350, 3497557, 1735457, -1181808, -54836},
    /* 3 */  {0, 0, 3, 577978, 1226898, -1059559, 299464, 163227, -139603},
    /* 4 */  {0, 0, 4, -334695, -201966, 189102, -285383, -3644, 48144},
    /* 5 */  {0, 0, 5, 130519, -29025, 14231, 101218, -6268, -8851},
    /* 6 */  {0, 0, 6, -39851, 28968, -29164, -27461, 3111, -408},
    /* 7 */  {0, 1, -1, 20387, -9832, 4935, 11282, -621, 2223},
    /* 8 */  {0, 1, 0, -3986, -4954, 312, -128, 438, 450},
    /* 9 */  {0, 1, 1, -5817, -3365, 2057, -904, -153, 61},
    /* 10 */ {0, 1, 2, -3903, 2895, 19, -674, -3, 79},
    /* 11 */ {0, 1, 3, -738, 3443, -307, -576, 50, 54},
    /* 12 */ {0, 2, -2, 1234, 472, -65, 39, -1, -22},
    /* 13 */ {0, 2, -1, 1101, -894, -97, 208, 84, -48},
    /* 14 */ {0, 2, 0, 625, -1214, 0, -160, -30, 61},
    /* 15 */ {1, -1, 0, 2485, -486, -177, 259, 26, -39},
    /* 16 */ {1, -1, 1, 852, -1407, 15, 235, -19, -40},
    /* 17 */ {1, 0, -3, -948, 1073, 578, -293, -321, 42},
    /* 18 */ {1, 0, -2, -2309, -1024, -294, 694, 797, -792},
    /* 19 */ {1, 0, -1, 7047, 770, 156, 201, -4, 4564},
    /* 20 */ {1, 0, 0, 1184, -344, 294, 829, 852, 855},
    /* 21 */ {1, 0, 1, 394, -55, -123, -31, -88, -82},
    /* 22 */ {1, 0, 2, 119, -264, 0, 0, 21, -12},
    /* 23 */ {1, 0, 3, -46, -156, 0, 0, -14, 6},
    /* 24 */ {1, 0, 4, -77, -33, 0, 0, 0, 0},
    /* 25 */ {1, 1, -3, -34, -26, 0, 0, 0, 0},
    /* 26 */ {1, 1, -2, -43, 0, 0, 0, 0, 0},
    /* 27 */ {1, 1, -1, -15, 21, 0, 0, 0, 0},
    /* 28 */ {2, 0, -3, 10, 22, 0, 0, -6, 1},
    /* 29 */ {2, 0, -2, -57, -32, 0, 0, 0, 0},
    /* 30 */ {2, 0, -1, 158, -43, 0, 0, 25, 107},
    /* 31 */ {2, 1, -2, 0, 0, 0, 0, 13, -23},
    /* 32 */ {2, 0, 0, 0, 0, 0, 0, 25, 16},
};
static_assert(std::size(kPlutoTerms) == 32);

// Motions of the mean longitudes of Jupiter, Saturn and Pluto, degrees per Julian century.
constexpr double kJupiterMotion = 3034.9057;
constexpr double kSaturnMotion = 1222.1138;
constexpr double kPlutoMotion = 144.96;
constexpr double kRadiansPerDegree = 3.1415926535 / 180;

}  // namespace

// Pluto: heliocentric ecliptic coordinates, equinox of date, from a 32-term series.
//   reads  julianCenturies (Julian centuries from JD 2415020.0), piValue
//   writes plutoLongitude (degrees, not reduced), plutoLatitude (degrees), plutoRadius (AU), and their
//          rates per Julian century (the derivatives of the series, for the retrograde estimate)
void ComputePluto(ChartState& s) {
    const double T = s.julianCenturies;
    // Mean longitudes of Jupiter, Saturn and Pluto, reduced.
    const double J = Normalize360(238.74 + kJupiterMotion * T);
    const double S = Normalize360(267.26 + kSaturnMotion * T);
    const double P = Normalize360(93.48 + kPlutoMotion * T);
    // Sum the series.
    double lonSum = 0;
    double latSum = 0;
    double radSum = 0;
    double lonRate = 0;
    double latRate = 0;
    double radRate = 0;
    for (const PlutoTerm& t : kPlutoTerms) {
        const double alpha = t.j * J + t.s * S + t.p * P;
        double sinAlpha, cosAlpha;
        SinCosDeg(s, alpha, sinAlpha, cosAlpha);
        lonSum = lonSum + (t.lonSin * sinAlpha + t.lonCos * cosAlpha);
        latSum = latSum + (t.latSin * sinAlpha + t.latCos * cosAlpha);
        radSum = radSum + (t.radSin * sinAlpha + t.radCos * cosAlpha);
        const double alphaRate = (t.j * kJupiterMotion + t.s * kSaturnMotion + t.p * kPlutoMotion) * kRadiansPerDegree;
        lonRate += (t.lonSin * cosAlpha - t.lonCos * sinAlpha) * alphaRate;
        latRate += (t.latSin * cosAlpha - t.latCos * sinAlpha) * alphaRate;
        radRate += (t.radSin * cosAlpha - t.radCos * sinAlpha) * alphaRate;
    }
    s.plutoLongitude = 93.297471 + kPlutoMotion * T + lonSum * 0.000001;
    s.plutoLatitude = -3.909434 + latSum * 0.000001;
    s.plutoRadius = 40.724725 + radSum * 0.000001;
    s.plutoLongitudeRate = kPlutoMotion + lonRate * 0.000001;
    s.plutoLatitudeRate = latRate * 0.000001;
    s.plutoRadiusRate = radRate * 0.000001;
}
